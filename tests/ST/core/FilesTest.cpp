#include "ST/core/iFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

std::vector<std::pair<int, std::string>> Walk(ZEL::DirList* head)
{
    std::vector<std::pair<int, std::string>> out;
    for (auto* n = head; n; n = n->next)
        out.emplace_back(n->index, n->name);
    delete head;
    return out;
}

TEST(Files, FindDirListsSortedWithTheLastEntryFirst)
{
    TempDir d;
    ZEL::iFile f;
    WriteFile(d / "zeta.pzl", "");
    WriteFile(d / "alpha.pzl", "");
    WriteFile(d / "notes.txt", "");
    EXPECT_EQ(f.FindDir(d.path().c_str(), "*", 1), nullptr) << "files only: no folders";

    mkdir((d / "B").c_str(), 0755);
    mkdir((d / "A").c_str(), 0755);
    using L = std::vector<std::pair<int, std::string>>;
    EXPECT_EQ(Walk(f.FindDir(d.path().c_str(), "*", 1)), (L{{1, "B"}, {0, "A"}}));
    EXPECT_EQ(Walk(f.FindDir((d.path() + "/").c_str(), "*.pzl", 0)), (L{{1, "zeta.pzl"}, {0, "alpha.pzl"}}));
    EXPECT_EQ(Walk(f.FindDir(d.path().c_str(), "*", 0)).size(), 5u);
    EXPECT_EQ(f.FindDir((d / "missing").c_str(), "*", 0), nullptr);
}

TEST(Files, DirDelRemovesReadOnlyFilesButNeverFollowsLinks)
{
    TempDir outside;
    WriteFile(outside / "precious.txt", "keep me");
    TempDir d;
    const std::string victim = d / "player";
    mkdir(victim.c_str(), 0755);
    mkdir((victim + "/sub").c_str(), 0755);
    WriteFile(victim + "/sub/ro.bin", "x");
    chmod((victim + "/sub/ro.bin").c_str(), 0444);
    ASSERT_EQ(symlink(outside.path().c_str(), (victim + "/link").c_str()), 0);

    ZEL::iFile f;
    EXPECT_TRUE(f.DirDel(victim.c_str()));
    EXPECT_FALSE(f.CheckFileExist(victim.c_str()));
    EXPECT_EQ(ReadFile(outside / "precious.txt"), "keep me");

    EXPECT_FALSE(f.DirDel(nullptr));
    EXPECT_FALSE(f.DirDel((d / "missing").c_str()));
    // A link to a folder is not a folder to empty.
    ASSERT_EQ(symlink(outside.path().c_str(), (d / "alias").c_str()), 0);
    EXPECT_FALSE(f.DirDel((d / "alias").c_str()));
    EXPECT_EQ(ReadFile(outside / "precious.txt"), "keep me");
}

TEST(Files, LinesAppendedAndPrepended)
{
    TempDir d;
    ZEL::iFile f;
    const std::string p = d / "log.txt";
    EXPECT_EQ(f.WriteInFileBack(p.c_str(), "a"), 0);
    EXPECT_EQ(f.WriteInFileBack(p.c_str(), "b"), 0);
    EXPECT_EQ(f.WriteInFileBack(p.c_str(), "c"), 0);
    EXPECT_EQ(ReadFile(p), "a\nb\nc");
    EXPECT_EQ(f.WriteInFileFirst(p.c_str(), "x"), 0);
    EXPECT_EQ(ReadFile(p), "x\na\nb\nc");

    const std::string fresh = d / "fresh.txt";
    EXPECT_EQ(f.WriteInFileFirst(fresh.c_str(), "only"), 0);
    EXPECT_EQ(ReadFile(fresh), "only");
    EXPECT_EQ(f.WriteInFileBack((d / "no/such/dir.txt").c_str(), "a"), 1);
}

TEST(Files, RecordsExpandLineFeedsOnDisk)
{
    TempDir d;
    ZEL::iFile f;
    const unsigned char rec[] = {0x0A, 0x01, 0x0D, 0x0A, 0x0A, 0xFF, 0x0D, 0x00};
    const std::string p = d / "set.bin";
    ASSERT_EQ(f.SaveData(p.c_str(), rec, sizeof rec), 0);
    const std::string disk = ReadFile(p);
    EXPECT_EQ(disk.size(), sizeof rec + 3) << "one extra byte per 0x0A";
    EXPECT_EQ(disk.substr(0, 3), std::string("\r\n\x01", 3));

    unsigned char back[sizeof rec] = {};
    ASSERT_EQ(f.LoadData(p.c_str(), back, sizeof back), 0);
    EXPECT_EQ(0, std::memcmp(back, rec, sizeof rec));
}

TEST(Files, RecordLoadFailuresLeaveTheRecordUntouched)
{
    testsupport::DiagCapture diag;
    TempDir d;
    ZEL::iFile f;
    unsigned char rec[4] = {9, 9, 9, 9};
    EXPECT_EQ(f.LoadData((d / "missing.bin").c_str(), rec, sizeof rec), 1);
    WriteFile(d / "short.bin", "\x01\x02");
    EXPECT_EQ(f.LoadData((d / "short.bin").c_str(), rec, sizeof rec), 1);
    EXPECT_EQ(rec[0], 9);
    EXPECT_TRUE(diag.Contains("short.bin"));
}

TEST(Files, AtomicWritesLeaveNoTemporaryBehindAndKeepTheOldFileOnFailure)
{
    testsupport::DiagCapture quiet;
    TempDir d;
    const std::string p = d / "game.xml";
    ASSERT_TRUE(ZEL::iFile::WriteFileAtomic(p, "one"));
    ASSERT_TRUE(ZEL::iFile::WriteFileAtomic(p, "two"));
    EXPECT_EQ(ReadFile(p), "two");
    ZEL::iFile f;
    EXPECT_EQ(f.FindDir(d.path().c_str(), "*tmp*", 0), nullptr);

    if (geteuid() != 0) {
        chmod(d.path().c_str(), 0555);
        EXPECT_FALSE(ZEL::iFile::WriteFileAtomic(p, "three"));
        chmod(d.path().c_str(), 0755);
        EXPECT_EQ(ReadFile(p), "two");
    }
    EXPECT_FALSE(ZEL::iFile::WriteFileAtomic(d / "no/such/file", "x"));
}

TEST(Files, SmallFileOperations)
{
    TempDir d;
    ZEL::iFile f;
    const std::string dir = d / "Company";
    EXPECT_EQ(f.CreateDir(dir.c_str()), 0);
    EXPECT_EQ(f.CreateDir(dir.c_str()), 1);
    EXPECT_EQ(f.CreateDir((d / "a/b").c_str()), 2) << "one level only";
    WriteFile(d / "plain", "x");
    EXPECT_EQ(f.CreateDir((d / "plain").c_str()), 2);

    const std::string p = d / "new.txt";
    EXPECT_TRUE(f.CreateNewEmptyFile(p.c_str())) << "a missing file is not created";
    EXPECT_FALSE(f.CheckFileExist(p.c_str()));
    auto text = f.FileRead(p.c_str());
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "");
    EXPECT_TRUE(f.CheckFileExist(p.c_str())) << "FileRead creates a missing file";
    WriteFile(p, "content");
    EXPECT_FALSE(f.CreateNewEmptyFile(p.c_str()));
    EXPECT_EQ(ReadFile(p), "");
    EXPECT_FALSE(f.FileDel(p.c_str()));
    EXPECT_TRUE(f.FileDel(p.c_str())) << "true when it did not exist";
    EXPECT_FALSE(f.FileRead((d / "no/such").c_str()).has_value());
}

TEST(Files, LogStaysSilentUntilInitialised)
{
    TempDir d;
    ZEL::iFile f;
    EXPECT_EQ(f.Log("before", true), 1);
    EXPECT_EQ(f.Log(3, false), 1);
    f >> "nothing";
    const std::string cwd = f.GetCurrentDir();
    EXPECT_EQ(f.LogInit("game", d.path().c_str()), 0);
    f.SetCurrentDir(cwd.c_str());
    EXPECT_EQ(f.Log("tail", true), 0);
    EXPECT_EQ(f.Log("n=", 5, true), 0);
    EXPECT_EQ(f.Log(1.5f, true), 0);
    f << "head";
    EXPECT_EQ(ReadFile(d / "game.log"), "head\nInit\ntail\nn=5\n1.500000");

    // A second LogInit does not empty the file again.
    EXPECT_EQ(f.LogInit("game", d.path().c_str()), 0);
    f.SetCurrentDir(cwd.c_str());
    EXPECT_NE(ReadFile(d / "game.log").find("tail"), std::string::npos);
}

TEST(Files, PerUserFolderComesFromTheEnvironment)
{
    const char* oldXdg = std::getenv("XDG_DATA_HOME");
    const std::string saved = oldXdg ? oldXdg : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ZEL::iFile f;
    setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(f.GetFolderPath(), "/data/home");
    setenv("XDG_DATA_HOME", "relative", 1);
    setenv("HOME", "/home/player", 1);
    EXPECT_EQ(f.GetFolderPath(), "/home/player/.local/share");
    setenv("HOME", savedHome.c_str(), 1);
    if (oldXdg)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

} // namespace
