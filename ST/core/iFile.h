#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct zip;

namespace ZEL {

// Node of the name list FindDir returns. Deleting the head deletes the whole list.
template <typename T>
struct ZELVECPTR {
    int index = 0;
    T name{};
    ZELVECPTR* next = nullptr;

    ZELVECPTR() = default;
    ZELVECPTR(const ZELVECPTR&) = delete;
    ZELVECPTR& operator=(const ZELVECPTR&) = delete;
    ~ZELVECPTR()
    {
        // Iterative, so a long listing cannot exhaust the stack.
        ZELVECPTR* n = next;
        while (n) {
            ZELVECPTR* after = n->next;
            n->next = nullptr;
            delete n;
            n = after;
        }
    }
};

using DirList = ZELVECPTR<std::string>;

// What is known about the pack member last examined.
struct ZipMemberInfo {
    std::uint64_t index = 0;
    std::uint64_t uncompressedSize = 0;
    std::uint64_t compressedSize = 0;
    std::uint32_t crc = 0;
    bool hasCrc = false;
    bool encrypted = false;
};

// File utility: members of the password-protected data packs, small files, folders and the
// optional text log. One instance, `ifile`; the pack functions are used by one thread at a time.
class iFile {
public:
    // Largest member the game will inflate; a bigger size in a pack's directory is damage.
    static constexpr std::uint64_t kMaxMemberSize = 256ull << 20;

    iFile() = default;
    ~iFile();
    iFile(const iFile&) = delete;
    iFile& operator=(const iFile&) = delete;

    // --- data packs (1 is success) ---
    void ZipSetCurrentPack(const char* path) { currentPack = path; }
    void ZipSetCurrentPass(const char* pass) { currentPass = pass; }
    const char* ZipGetCurrentPack() const { return currentPack; }
    const char* ZipGetCurrentPass() const { return currentPass; }
    int ZipOpen(const char* path);
    int ZipFindFile(const char* name);
    int ZipReadFile(const char* pass);
    void ZipClearData();
    void ZipCloze();
    int ZipJustGetMeFile(const char* name);

    // Bytes of the member last read (ZipReadFile), valid until ZipClearData.
    const char* GetData() const { return data.get(); }
    std::size_t GetDataSize() const { return data ? static_cast<std::size_t>(memberInfo.uncompressedSize) : 0; }
    const ZipMemberInfo& GetMemberInfo() const { return memberInfo; }
    const std::string& GetMemberName() const { return memberName; }
    bool ZipIsOpen() const { return zipHandle != nullptr; }

    // The whole loader sequence in one call: with a current pack, open it, find `name`, read it
    // with the current password and close it again; without one, read the plain file `name`.
    // On failure `out` is empty, a line is logged and false comes back.
    bool ReadResource(const char* name, std::vector<char>& out);

    // --- files and folders ---
    bool CheckFileExist(const char* path) const;
    bool CreateNewEmptyFile(const char* path);
    std::optional<std::string> FileRead(const char* path);
    bool FileDel(const char* path);
    bool DirDel(const char* path);
    int CreateDir(const char* path);
    // Entries of `dir` matching `pattern` ("*", "*.pzl", ...), sorted by name; mode 0 every
    // entry, mode 1 folders only. The head is the last entry (highest index); null when empty.
    DirList* FindDir(const char* dir, const char* pattern, int mode);
    int WriteInFileBack(const char* path, const char* text);
    int WriteInFileFirst(const char* path, const char* text);
    int SaveData(const char* path, const void* p, int size);
    int LoadData(const char* path, void* p, int size);
    const char* GetCurrentDir();
    int SetCurrentDir(const char* path);
    // The per-user data folder; empty when the platform has none.
    std::string GetFolderPath() const;

    // Writes `bytes` to a temporary file beside `path`, then renames it into place, so the old
    // content survives any failure. True on success.
    static bool WriteFileAtomic(const std::string& path, std::string_view bytes);
    // Whole file as bytes; nullopt when it cannot be opened.
    static std::optional<std::string> ReadWholeFile(const std::string& path);

    // The record format: every 0x0A is preceded by 0x0D on disk, and read back as one 0x0A.
    static std::string ExpandRecord(std::string_view record);
    static std::string CollapseRecord(std::string_view disk);

    // --- log ---
    int LogInit(const char* name, const char* dir);
    int Log(const char* text, bool append);
    int Log(int value, bool append);
    int Log(float value, bool append);
    int Log(const char* a, const char* b, bool append);
    int Log(const char* text, int value, bool append);
    int Log(const char* text, float value, bool append);
    iFile& operator<<(const char* x) { Log(x, false); return *this; }
    iFile& operator<<(int x) { Log(x, false); return *this; }
    iFile& operator<<(float x) { Log(x, false); return *this; }
    iFile& operator>>(const char* x) { Log(x, true); return *this; }
    iFile& operator>>(int x) { Log(x, true); return *this; }
    iFile& operator>>(float x) { Log(x, true); return *this; }
    bool LogActive() const { return logActive; }
    std::string LogPath() const { return logDir + "/" + logName; }

private:
    int LogLine(const std::string& line, bool append);

    std::string dirBuffer;
    bool logActive = false;
    std::string logName;
    std::string logDir;
    std::string memberName;
    const char* currentPack = nullptr;
    const char* currentPass = nullptr;
    std::unique_ptr<char[]> data;
    ZipMemberInfo memberInfo;
    zip* zipHandle = nullptr;
};

extern iFile ifile;

} // namespace ZEL
