#include "ST/core/iFile.h"

#include "ST/core/Diag.h"

#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ZEL {

iFile ifile;

iFile::~iFile()
{
    ZipClearData();
    ZipCloze();
}

// ---------------------------------------------------------------------------------------------
// Data packs

int iFile::ZipOpen(const char* path)
{
    ZipCloze();
    if (!path)
        return -1;
    int err = 0;
    zipHandle = zip_open(path, ZIP_RDONLY, &err);
    if (!zipHandle) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, err);
        Diag(std::string("Zip open failed: ") + path + " (" + zip_error_strerror(&ze) + ")");
        zip_error_fini(&ze);
        return -1;
    }
    return 1;
}

int iFile::ZipFindFile(const char* name)
{
    if (!zipHandle || !name)
        return -1;
    const zip_int64_t count = zip_get_num_entries(zipHandle, 0);
    if (count <= 0) {
        ZipCloze();
        return -1;
    }
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(zipHandle, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW, &st) != 0
            || !(st.valid & ZIP_STAT_NAME) || !(st.valid & ZIP_STAT_SIZE)) {
            ZipCloze();
            return 0;
        }
        memberName = st.name;
        memberInfo = {};
        memberInfo.index = static_cast<std::uint64_t>(i);
        memberInfo.uncompressedSize = st.size;
        memberInfo.compressedSize = (st.valid & ZIP_STAT_COMP_SIZE) ? st.comp_size : 0;
        memberInfo.hasCrc = (st.valid & ZIP_STAT_CRC) != 0;
        memberInfo.crc = memberInfo.hasCrc ? st.crc : 0;
        memberInfo.encrypted = (st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE;
        if (memberName == name)
            return 1;
    }
    Diag(std::string("Zip not find ") + name);
    ZipCloze();
    return 0;
}

int iFile::ZipReadFile(const char* pass)
{
    ZipClearData();
    auto fail = [this](const std::string& why) {
        Diag("ReadError: " + memberName + ": " + why);
        ZipClearData();
        ZipCloze();
        return -1;
    };
    if (!zipHandle)
        return fail("no pack open");
    if (memberInfo.uncompressedSize > kMaxMemberSize)
        return fail("member size " + std::to_string(memberInfo.uncompressedSize) + " is beyond any member of ours");
    if (memberInfo.encrypted && !pass)
        return fail("member is encrypted and no password was given");

    zip_file_t* f = pass ? zip_fopen_index_encrypted(zipHandle, memberInfo.index, 0, pass)
                         : zip_fopen_index(zipHandle, memberInfo.index, 0);
    if (!f)
        return fail(zip_strerror(zipHandle));

    const std::size_t size = static_cast<std::size_t>(memberInfo.uncompressedSize);
    data.reset(new (std::nothrow) char[size + 1]);
    if (!data) {
        zip_fclose(f);
        return fail("out of memory");
    }
    std::size_t got = 0;
    bool readError = false;
    while (got < size) {
        const zip_int64_t n = zip_fread(f, data.get() + got, size - got);
        if (n < 0) { readError = true; break; }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    // One more read must meet the end: a member longer than its directory entry is damage.
    char extra;
    if (!readError && got == size && zip_fread(f, &extra, 1) != 0)
        readError = true;
    const std::string why = readError ? zip_file_strerror(f) : "short member";
    zip_fclose(f);
    if (readError || got != size)
        return fail(why);
    // A wrong password passes the one-byte header check once in 256 tries; the checksum
    // catches the garbage that comes out then.
    if (memberInfo.hasCrc) {
        uLong crc = crc32(0L, Z_NULL, 0);
        std::size_t done = 0;
        while (done < size) {
            const uInt chunk = static_cast<uInt>(std::min<std::size_t>(size - done, 1u << 30));
            crc = crc32(crc, reinterpret_cast<const Bytef*>(data.get() + done), chunk);
            done += chunk;
        }
        if (static_cast<std::uint32_t>(crc) != memberInfo.crc)
            return fail("checksum mismatch (wrong password or damaged pack)");
    }
    data[size] = 0;
    return 1;
}

void iFile::ZipClearData()
{
    data.reset();
}

void iFile::ZipCloze()
{
    if (zipHandle) {
        zip_discard(zipHandle);
        zipHandle = nullptr;
    }
}

int iFile::ZipJustGetMeFile(const char* name)
{
    int ok = -1;
    if (currentPack && name && ZipOpen(currentPack) == 1 && ZipFindFile(name) == 1 && ZipReadFile(currentPass) == 1)
        ok = 1;
    ZipClearData();
    ZipCloze();
    if (ok != 1) {
        Diag(std::string("\n\n\nError loading zip file named | ") + (currentPack ? currentPack : "") + "| file | "
             + (name ? name : "") + "| pass | " + (currentPass ? currentPass : "") + " |\n\n\n");
    }
    return ok;
}

bool iFile::ReadResource(const char* name, std::vector<char>& out)
{
    out.clear();
    if (!name)
        return false;
    if (!currentPack) {
        auto bytes = ReadWholeFile(name);
        if (!bytes) {
            Diag(std::string("cannot read file ") + name);
            return false;
        }
        out.assign(bytes->begin(), bytes->end());
        return true;
    }
    if (ZipOpen(currentPack) != 1)
        return false;
    if (ZipFindFile(name) != 1) {
        Diag(std::string("member ") + name + " is not in pack " + currentPack);
        return false;
    }
    if (ZipReadFile(currentPass) != 1) {
        Diag(std::string("member ") + name + " of pack " + currentPack + " cannot be read");
        return false;
    }
    out.assign(data.get(), data.get() + GetDataSize());
    ZipClearData();
    ZipCloze();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Files and folders

std::optional<std::string> iFile::ReadWholeFile(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return std::nullopt;
    std::string out;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        out.append(buf, n);
    const bool bad = std::ferror(f) != 0;
    std::fclose(f);
    if (bad)
        return std::nullopt;
    return out;
}

bool iFile::WriteFileAtomic(const std::string& path, std::string_view bytes)
{
    std::string tmpl = path + ".tmpXXXXXX";
    int fd = mkstemp(tmpl.data());
    if (fd < 0) {
        Diag("cannot write " + path + ": " + std::strerror(errno));
        return false;
    }
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    bool ok = true;
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (ok && ::fsync(fd) != 0)
        ok = false;
    if (::fchmod(fd, 0644) != 0)
        ok = false;
    if (::close(fd) != 0)
        ok = false;
    if (ok && std::rename(tmpl.c_str(), path.c_str()) != 0)
        ok = false;
    if (!ok) {
        Diag("cannot write " + path + ": " + std::strerror(errno));
        ::unlink(tmpl.c_str());
    }
    return ok;
}

bool iFile::CheckFileExist(const char* path) const
{
    struct stat st;
    return path && ::stat(path, &st) == 0;
}

bool iFile::CreateNewEmptyFile(const char* path)
{
    if (!path)
        return true;
    const int fd = ::open(path, O_WRONLY | O_TRUNC);
    if (fd < 0)
        return true;
    ::close(fd);
    return false;
}

std::optional<std::string> iFile::FileRead(const char* path)
{
    if (!path)
        return std::nullopt;
    if (!CheckFileExist(path)) {
        const int fd = ::open(path, O_WRONLY | O_CREAT, 0644);
        if (fd >= 0)
            ::close(fd);
    }
    return ReadWholeFile(path);
}

bool iFile::FileDel(const char* path)
{
    if (!path || !CheckFileExist(path))
        return true;
    ::unlink(path);
    return false;
}

bool iFile::DirDel(const char* path)
{
    if (!path)
        return false;
    struct stat self;
    if (::lstat(path, &self) != 0 || !S_ISDIR(self.st_mode))
        return false;
    ::chmod(path, self.st_mode | S_IWUSR | S_IXUSR | S_IRUSR);
    DIR* d = ::opendir(path);
    if (!d)
        return false;
    std::vector<std::string> names;
    while (dirent* e = ::readdir(d)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0)
            continue;
        names.emplace_back(e->d_name);
    }
    ::closedir(d);
    for (const std::string& n : names) {
        const std::string child = std::string(path) + "/" + n;
        struct stat st;
        if (::lstat(child.c_str(), &st) != 0)
            return false;
        if (S_ISDIR(st.st_mode)) {
            if (!DirDel(child.c_str()))
                return false;
        } else {
            // A link is removed itself, never what it points at.
            if (S_ISREG(st.st_mode))
                ::chmod(child.c_str(), st.st_mode | S_IWUSR);
            if (::unlink(child.c_str()) != 0)
                return false;
        }
    }
    return ::rmdir(path) == 0;
}

int iFile::CreateDir(const char* path)
{
    if (!path || !*path)
        return 2;
    if (::mkdir(path, 0755) == 0)
        return 0;
    struct stat st;
    if (errno == EEXIST && ::stat(path, &st) == 0 && S_ISDIR(st.st_mode))
        return 1;
    return 2;
}

DirList* iFile::FindDir(const char* dir, const char* pattern, int mode)
{
    if (!dir || !pattern)
        return nullptr;
    DIR* d = ::opendir(*dir ? dir : ".");
    if (!d)
        return nullptr;
    std::string base = dir;
    if (!base.empty() && base.back() != '/')
        base += '/';
    std::vector<std::string> names;
    while (dirent* e = ::readdir(d)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0)
            continue;
        if (::fnmatch(pattern, e->d_name, 0) != 0)
            continue;
        if (mode == 1) {
            struct stat st;
            if (::lstat((base + e->d_name).c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
                continue;
        }
        names.emplace_back(e->d_name);
    }
    ::closedir(d);
    // Sorted, so the player list and the saves come out the same on every filesystem.
    std::sort(names.begin(), names.end());
    DirList* head = nullptr;
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto* node = new DirList;
        node->index = static_cast<int>(i);
        node->name = names[i];
        node->next = head;
        head = node;
    }
    return head;
}

int iFile::WriteInFileBack(const char* path, const char* text)
{
    if (!path)
        return 1;
    FILE* f = std::fopen(path, "ab");
    if (!f)
        return 1;
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    if (size > 0)
        std::fputc('\n', f);
    if (text)
        std::fputs(text, f);
    return std::fclose(f) == 0 ? 0 : 1;
}

int iFile::WriteInFileFirst(const char* path, const char* text)
{
    if (!path)
        return 1;
    std::optional<std::string> old = FileRead(path);
    if (!old)
        return 1;
    std::string content = text ? text : "";
    if (!old->empty()) {
        content += '\n';
        content += *old;
    }
    return WriteFileAtomic(path, content) ? 0 : 1;
}

std::string iFile::ExpandRecord(std::string_view record)
{
    std::string out;
    out.reserve(record.size() + 8);
    for (char c : record) {
        if (c == '\n')
            out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

std::string iFile::CollapseRecord(std::string_view disk)
{
    std::string out;
    out.reserve(disk.size());
    for (std::size_t i = 0; i < disk.size(); ++i) {
        if (disk[i] == '\r' && i + 1 < disk.size() && disk[i + 1] == '\n')
            continue;
        out.push_back(disk[i]);
    }
    return out;
}

int iFile::SaveData(const char* path, const void* p, int size)
{
    if (!path || !p || size < 0)
        return 1;
    const std::string disk = ExpandRecord({static_cast<const char*>(p), static_cast<std::size_t>(size)});
    return WriteFileAtomic(path, disk) ? 0 : 1;
}

int iFile::LoadData(const char* path, void* p, int size)
{
    if (!path || !p || size < 0)
        return 1;
    std::optional<std::string> disk = ReadWholeFile(path);
    if (!disk)
        return 1;
    const std::string record = CollapseRecord(*disk);
    if (record.size() < static_cast<std::size_t>(size)) {
        // A short record is damage: the caller keeps what it had rather than half a record.
        Diag(std::string("record ") + path + " is " + std::to_string(record.size()) + " bytes, expected "
             + std::to_string(size) + "; ignored");
        return 1;
    }
    std::memcpy(p, record.data(), static_cast<std::size_t>(size));
    return 0;
}

const char* iFile::GetCurrentDir()
{
    std::vector<char> buf(4096);
    while (!::getcwd(buf.data(), buf.size())) {
        if (errno != ERANGE) {
            dirBuffer.clear();
            return dirBuffer.c_str();
        }
        buf.resize(buf.size() * 2);
    }
    dirBuffer = buf.data();
    return dirBuffer.c_str();
}

int iFile::SetCurrentDir(const char* path)
{
    if (path && ::chdir(path) != 0)
        Diag(std::string("cannot change folder to ") + path);
    return 0;
}

std::string iFile::GetFolderPath() const
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.local/share";
    return {};
}

// ---------------------------------------------------------------------------------------------
// Log

int iFile::LogInit(const char* name, const char* dir)
{
    logName = std::string(name ? name : "") + ".log";
    if (dir) {
        logDir = dir;
        SetCurrentDir(dir);
    } else {
        logDir = GetCurrentDir();
    }
    if (!logActive) {
        logActive = true;
        const std::string path = LogPath();
        if (CheckFileExist(path.c_str()))
            CreateNewEmptyFile(path.c_str());
        WriteInFileBack(path.c_str(), "Init");
    }
    return 0;
}

int iFile::LogLine(const std::string& line, bool append)
{
    if (!logActive)
        return 1;
    const std::string path = LogPath();
    if (append)
        WriteInFileBack(path.c_str(), line.c_str());
    else
        WriteInFileFirst(path.c_str(), line.c_str());
    return 0;
}

namespace {
std::string FormatFloat(float v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%f", static_cast<double>(v));
    return buf;
}
} // namespace

int iFile::Log(const char* text, bool append) { return LogLine(text ? text : "", append); }
int iFile::Log(int value, bool append) { return LogLine(std::to_string(value), append); }
int iFile::Log(float value, bool append) { return LogLine(FormatFloat(value), append); }
int iFile::Log(const char* a, const char* b, bool append)
{
    return LogLine(std::string(a ? a : "") + (b ? b : ""), append);
}
int iFile::Log(const char* text, int value, bool append)
{
    return LogLine(std::string(text ? text : "") + std::to_string(value), append);
}
int iFile::Log(const char* text, float value, bool append)
{
    return LogLine(std::string(text ? text : "") + FormatFloat(value), append);
}

} // namespace ZEL
