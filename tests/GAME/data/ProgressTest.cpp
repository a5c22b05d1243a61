#include "GAME/data/Config.h"
#include "GAME/data/PROFILE.h"
#include "GAME/data/ProgressFile.h"
#include "ST/core/iFile.h"
#include "support/HeadlessGame.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cmath>
#include <filesystem>
#include <sys/stat.h>

using namespace GAME;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

namespace fs = std::filesystem;

ProgressEntry Entry(const char* face, int score, int count, bool rotata, double time)
{
    return {face, score, count, rotata, time};
}

std::vector<std::string> AttributeNames(pugi::xml_node el)
{
    std::vector<std::string> names;
    for (pugi::xml_attribute a : el.attributes())
        names.emplace_back(a.name());
    return names;
}

class ProgressTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir / "Progress.xml";
    testsupport::DiagCapture diag;
};

TEST_F(ProgressTest, ResultsAreAppendedInOrderWithTheirFiveAttributes)
{
    ASSERT_TRUE(AppendProgress(path, Entry("sea.jpg", 730, 48, true, 3725.9)));
    EXPECT_EQ(ReadProgress(path).size(), 1u) << "the first result creates the file";
    ASSERT_TRUE(AppendProgress(path, Entry("Лес.jpg", 12, 4, false, 1234567.0)));

    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_file(path.c_str()));
    std::vector<pugi::xml_node> els;
    for (pugi::xml_node el : doc.child("root").children())
        els.push_back(el);
    ASSERT_EQ(els.size(), 2u);
    const std::vector<std::string> order = {"face", "score", "count", "rotata", "time"};
    EXPECT_EQ(AttributeNames(els[0]), order);
    EXPECT_EQ(AttributeNames(els[1]), order);
    EXPECT_STREQ(els[0].attribute("face").value(), "sea.jpg");
    EXPECT_STREQ(els[0].attribute("rotata").value(), "true");
    EXPECT_STREQ(els[0].attribute("time").value(), "3725.9");
    EXPECT_STREQ(els[1].attribute("time").value(), "1.23457e+06") << "six significant digits";
    EXPECT_NE(ReadFile(path).find("\n\t<element"), std::string::npos) << "indented with a tab";

    const std::vector<ProgressEntry> back = ReadProgress(path);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].face, "Лес.jpg");
    EXPECT_EQ(back[1].score, 12);
    EXPECT_EQ(back[1].count, 4);
    EXPECT_FALSE(back[1].rotata);
    const REG row = ScoreRow(back[0]);
    EXPECT_EQ((std::array<int, 5>{row.score, row.pieces, row.hours, row.minutes, row.seconds}),
              (std::array<int, 5>{730, 48, 0, 62, 5}));
}

TEST_F(ProgressTest, ADamagedFileIsKeptBesideAndTheResultStillRecorded)
{
    const std::string garbage = "\x01\x02 this is no XML <<<";
    WriteFile(path, garbage);
    ASSERT_TRUE(AppendProgress(path, Entry("a.jpg", 1, 4, false, 10)));
    EXPECT_EQ(ReadFile(path + ".bad"), garbage);
    ASSERT_EQ(ReadProgress(path).size(), 1u);
    EXPECT_EQ(ReadProgress(path)[0].face, "a.jpg");

    // A second damaged file does not take the place of the first one kept.
    WriteFile(path, "<notroot/>");
    ASSERT_TRUE(AppendProgress(path, Entry("b.jpg", 2, 4, false, 10)));
    EXPECT_EQ(ReadFile(path + ".bad"), garbage);
    EXPECT_EQ(ReadFile(path + ".bad2"), "<notroot/>");
    ASSERT_EQ(ReadProgress(path).size(), 1u);
}

TEST_F(ProgressTest, TheHistoryBeforeTheDamageStaysReadable)
{
    const std::string head = "<?xml version=\"1.0\"?>\n<root>\n"
                             "\t<element face=\"a.jpg\" score=\"5\" count=\"4\" rotata=\"false\" time=\"9\" />\n"
                             "\t<element face=\"b.jpg\" score=\"6\" count=\"9\" rotata=\"true\" time=\"8\" />\n";
    struct Case {
        std::string text;
        std::vector<std::string> kept;
    };
    const Case cases[] = {
        {head + "\t<element face=\"c.j", {"a.jpg", "b.jpg"}},   // cut inside a start tag
        {head + "\t<element face=\"c.jpg\" score=\"1\"", {"a.jpg", "b.jpg"}},
        {head + "\t<<<", {"a.jpg", "b.jpg"}},                 // garbage after whole elements
        {head, {"a.jpg", "b.jpg"}},                            // the end tag lost
    };
    for (const Case& c : cases) {
        TempDir d;
        const std::string p = d / "Progress.xml";
        WriteFile(p, c.text);
        std::vector<std::string> faces;
        for (const ProgressEntry& e : ReadProgress(p))
            faces.push_back(e.face);
        EXPECT_EQ(faces, c.kept) << c.text;

        ASSERT_TRUE(AppendProgress(p, Entry("d.jpg", 7, 16, false, 7)));
        EXPECT_EQ(ReadFile(p + ".bad"), c.text);
        const std::vector<ProgressEntry> now = ReadProgress(p);
        ASSERT_EQ(now.size(), c.kept.size() + 1) << c.text;
        EXPECT_EQ(now[1].score, 6);
        EXPECT_EQ(now.back().face, "d.jpg");
    }
}

TEST_F(ProgressTest, TimesThatAreNoNumberInRangeReadAsZero)
{
    struct Case {
        const char* text;
        double seconds;
    };
    const Case cases[] = {{"nan", 0}, {"inf", 0}, {"-5", 0}, {"1e300", 0}, {"abc", 0}, {"", 0},
                          {"2147483648", 0}, {"3725.9", 3725.9}, {"1.5e+03", 1500}};
    std::string xml = "<root>";
    for (const Case& c : cases)
        xml += std::string("<element face=\"x\" score=\"1\" count=\"4\" rotata=\"false\" time=\"") + c.text + "\"/>";
    WriteFile(path, xml + "</root>");
    const std::vector<ProgressEntry> back = ReadProgress(path);
    ASSERT_EQ(back.size(), std::size(cases));
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_DOUBLE_EQ(back[i].time, cases[i].seconds) << cases[i].text;
        EXPECT_GE(ScoreRow(back[i]).minutes, 0) << cases[i].text;
    }
    // And a time the board could not measure is written as 0.
    TempDir other;
    ASSERT_TRUE(AppendProgress(other / "p.xml", Entry("x", 1, 4, false, std::nan(""))));
    EXPECT_EQ(ReadProgress(other / "p.xml")[0].time, 0.0);
}

TEST_F(ProgressTest, WhatCannotBeRecordedIsRefusedAndLeftAlone)
{
    mkdir(path.c_str(), 0755);
    EXPECT_FALSE(AppendProgress(path, Entry("a.jpg", 1, 4, false, 1)));
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_FALSE(fs::exists(path + ".bad"));
    EXPECT_FALSE(AppendProgress(dir / "no-such-player/Progress.xml", Entry("a.jpg", 1, 4, false, 1)));
    EXPECT_FALSE(fs::exists(dir / "no-such-player"));
    EXPECT_TRUE(ReadProgress(dir / "missing.xml").empty());
}

TEST_F(ProgressTest, TheFileNameFromTheTableStaysInThePlayerFolder)
{
    char* saved = C_NAME_PROGRESS_FILE;
    for (const char* name : {"../../evil.xml", "/etc/x.xml", ""}) {
        C_NAME_PROGRESS_FILE = const_cast<char*>(name);
        EXPECT_EQ(ProgressFilePath("/p/Anna/"), "/p/Anna/Progress.xml") << name;
    }
    C_NAME_PROGRESS_FILE = const_cast<char*>("Results.xml");
    EXPECT_EQ(ProgressFilePath("/p/Anna/"), "/p/Anna/Results.xml");
    C_NAME_PROGRESS_FILE = saved;
}

TEST(RecordCompletedPuzzle, OncePerBoardWithTheSettingsSaved)
{
    testsupport::DiagCapture quiet;
    testsupport::HeadlessGame game;
    PROFILE profile;
    ASSERT_TRUE(profile.SelectPlayer("Anna"));
    EXPECT_FALSE(HasProgress(profile));
    profile.GetSettings()->totalScore = 730;

    bool recorded = false;
    EXPECT_TRUE(RecordCompletedPuzzle(profile, Entry("sea.jpg", 730, 48, true, 100), recorded));
    EXPECT_TRUE(recorded);
    EXPECT_TRUE(RecordCompletedPuzzle(profile, Entry("sea.jpg", 730, 48, true, 100), recorded));
    EXPECT_TRUE(HasProgress(profile));
    EXPECT_EQ(ReadProgress(ProgressFilePath(profile.GetPlayerDir())).size(), 1u);
    PUZZLE_PLAYER_PROFILE onDisk;
    ASSERT_TRUE(LoadPlayerRecord((profile.GetPlayerDir() + "set.bin").c_str(), onDisk));
    EXPECT_EQ(onDisk.totalScore, 730u);

    // The player's folder is gone: the failure is reported and nothing comes back.
    ZEL::ifile.DirDel(profile.GetPlayerDir().c_str());
    bool next = false;
    EXPECT_FALSE(RecordCompletedPuzzle(profile, Entry("sea.jpg", 1, 4, false, 1), next));
    EXPECT_FALSE(fs::exists(profile.GetPlayerDir()));
}

} // namespace
