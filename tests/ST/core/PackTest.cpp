#include "ST/core/iFile.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace {

using testsupport::Quote;
using testsupport::ReadFile;
using testsupport::RunCommand;
using testsupport::TempDir;
using testsupport::WriteFile;

const char* kPass = "qelm7";

// A pack with three members made by our builder.
struct BuiltPack {
    TempDir dir;
    std::string pack = dir / "menu";
    std::string big;
    BuiltPack(bool store = false)
    {
        WriteFile(dir / "first.png", "first member");
        WriteFile(dir / "up_panel.png", std::string("panel bytes\n\x00\x01 more", 19));
        for (int i = 0; i < 20000; ++i)
            big += static_cast<char>((i * 7) ^ (i >> 3));
        WriteFile(dir / "big.bin", big);
        std::string cmd = Quote(ZEL_PACKBUILDER) + " --password " + kPass + (store ? " --store " : " ") + Quote(pack)
                          + " " + Quote(dir / "first.png") + " " + Quote(dir / "up_panel.png") + " "
                          + Quote("renamed.bin=" + (dir / "big.bin"));
        if (RunCommand(cmd) != 0)
            throw std::runtime_error("packbuilder failed");
    }
};

std::string ReadMember(ZEL::iFile& f, const std::string& pack, const char* name, const char* pass)
{
    f.ZipSetCurrentPack(pack.c_str());
    f.ZipSetCurrentPass(pass);
    std::vector<char> out;
    if (!f.ReadResource(name, out))
        return "<failed>";
    return std::string(out.begin(), out.end());
}

TEST(Pack, ReadsMembersTheBuilderWrote)
{
    testsupport::DiagCapture quiet;
    BuiltPack p;
    ZEL::iFile f;
    ASSERT_EQ(f.ZipOpen(p.pack.c_str()), 1);
    EXPECT_EQ(f.ZipFindFile("first.png"), 1);
    EXPECT_EQ(f.GetMemberInfo().index, 0u) << "the first member is found without stepping";
    EXPECT_EQ(f.ZipFindFile("renamed.bin"), 1);
    ASSERT_EQ(f.ZipReadFile(kPass), 1);
    ASSERT_EQ(f.GetDataSize(), p.big.size());
    EXPECT_EQ(std::string(f.GetData(), f.GetDataSize()), p.big);
    EXPECT_EQ(f.GetData()[f.GetDataSize()], 0) << "an extra zero byte follows the member";
    f.ZipClearData();
    f.ZipCloze();
    EXPECT_EQ(f.GetData(), nullptr);

    EXPECT_EQ(ReadMember(f, p.pack, "up_panel.png", kPass), ReadFile(p.dir / "up_panel.png"));
    EXPECT_FALSE(f.ZipIsOpen());
}

TEST(Pack, FailuresCloseThePackAndFreeTheBuffer)
{
    testsupport::DiagCapture diag;
    BuiltPack p;
    TempDir other;
    WriteFile(other / "garbage", std::string(300, 'G'));
    const std::string truncated = other / "truncated";
    const std::string whole = ReadFile(p.pack);
    WriteFile(truncated, whole.substr(0, whole.size() / 2));
    // Corrupt the compressed bytes of the big member, leaving the directory intact.
    std::string flipped = whole;
    const auto at = flipped.find("renamed.bin");
    ASSERT_NE(at, std::string::npos);
    for (std::size_t i = at + 40; i < at + 200; ++i)
        flipped[i] = static_cast<char>(flipped[i] ^ 0x5A);
    const std::string corrupt = other / "corrupt";
    WriteFile(corrupt, flipped);

    struct Case { std::string pack; const char* member; const char* pass; };
    const Case cases[] = {
        {p.pack, "UP_PANEL.PNG", kPass},        // names are compared exactly
        {p.pack, "missing.png", kPass},
        {p.pack, "up_panel.png", "qelm8"},      // wrong password
        {p.pack, "up_panel.png", nullptr},      // encrypted member, no password
        {other / "garbage", "up_panel.png", kPass},
        {truncated, "up_panel.png", kPass},
        {corrupt, "renamed.bin", kPass},
        {other / "absent", "up_panel.png", kPass},
    };
    for (const Case& c : cases) {
        ZEL::iFile f;
        EXPECT_EQ(ReadMember(f, c.pack, c.member, c.pass), "<failed>") << c.pack << " " << c.member;
        EXPECT_FALSE(f.ZipIsOpen()) << c.member;
        EXPECT_EQ(f.GetData(), nullptr) << c.member;
        EXPECT_EQ(f.ZipJustGetMeFile(c.member), -1);
    }
    EXPECT_TRUE(diag.Contains("Zip not find UP_PANEL.PNG"));
    EXPECT_TRUE(diag.Contains("Error loading zip file named | "));

    ZEL::iFile f;
    f.ZipSetCurrentPack(p.pack.c_str());
    f.ZipSetCurrentPass(kPass);
    EXPECT_EQ(f.ZipJustGetMeFile("first.png"), 1);
    EXPECT_EQ(f.GetData(), nullptr);
    EXPECT_FALSE(f.ZipIsOpen());
}

TEST(Pack, NoWrongPasswordEverYieldsBytes)
{
    testsupport::DiagCapture quiet;
    // Stored members have no inflate step to trip over: only the checksum tells garbage apart.
    BuiltPack p(/*store=*/true);
    ZEL::iFile f;
    for (int i = 0; i < 600; ++i) {
        const std::string pass = "pw" + std::to_string(i);
        ASSERT_EQ(ReadMember(f, p.pack, "up_panel.png", pass.c_str()), "<failed>") << pass;
    }
    EXPECT_EQ(ReadMember(f, p.pack, "up_panel.png", kPass), ReadFile(p.dir / "up_panel.png"));
}

TEST(Pack, ImpossibleMemberSizeIsRefusedBeforeAllocating)
{
    testsupport::DiagCapture diag;
    BuiltPack p(/*store=*/true);
    std::string bytes = ReadFile(p.pack);
    // Central directory entry of renamed.bin: uncompressed size at offset 24 from "PK\1\2".
    const auto name = bytes.rfind("renamed.bin");
    const auto cd = bytes.rfind("PK\x01\x02", name);
    ASSERT_NE(cd, std::string::npos);
    const std::uint32_t huge = 0xFFFFFFF0u;
    std::memcpy(&bytes[cd + 24], &huge, 4);
    TempDir d;
    WriteFile(d / "pack", bytes);
    ZEL::iFile f;
    EXPECT_EQ(ReadMember(f, d / "pack", "renamed.bin", kPass), "<failed>");
    EXPECT_FALSE(f.ZipIsOpen());
}

TEST(Pack, StandardToolsAgreeWithTheBuilderAndTheReader)
{
    testsupport::DiagCapture quiet;
    BuiltPack p;
    TempDir out;
    ASSERT_EQ(RunCommand("unzip -qq -P " + std::string(kPass) + " " + Quote(p.pack) + " -d " + Quote(out.path())), 0);
    EXPECT_EQ(ReadFile(out / "renamed.bin"), p.big);
    EXPECT_EQ(ReadFile(out / "up_panel.png"), ReadFile(p.dir / "up_panel.png"));
    EXPECT_NE(RunCommand("unzip -qq -o -P wrong " + Quote(p.pack) + " -d " + Quote(out / "w") + " 2>/dev/null"), 0);

    // And a pack made by zip -P reads in the engine.
    WriteFile(out / "hello.txt", "made by zip");
    const std::string zipped = out / "byzip.zip";
    ASSERT_EQ(RunCommand("cd " + Quote(out.path()) + " && zip -q -P " + kPass + " byzip.zip hello.txt renamed.bin"), 0);
    ZEL::iFile f;
    EXPECT_EQ(ReadMember(f, zipped, "hello.txt", kPass), "made by zip");
    EXPECT_EQ(ReadMember(f, zipped, "renamed.bin", kPass), p.big);
    EXPECT_EQ(ReadMember(f, zipped, "hello.txt", "lumen.ogg"), "<failed>");
}

TEST(Pack, WithoutACurrentPackResourcesComeFromPlainFiles)
{
    testsupport::DiagCapture quiet;
    TempDir d;
    WriteFile(d / "resource.xml", "<x/>");
    ZEL::iFile f;
    std::vector<char> out;
    ASSERT_TRUE(f.ReadResource((d / "resource.xml").c_str(), out));
    EXPECT_EQ(std::string(out.begin(), out.end()), "<x/>");
    EXPECT_FALSE(f.ReadResource((d / "nothing.xml").c_str(), out));
    EXPECT_TRUE(out.empty());
}

} // namespace
