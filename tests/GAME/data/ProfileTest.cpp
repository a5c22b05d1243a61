#include "GAME/data/PROFILE.h"
#include "ST/core/iFile.h"
#include "support/HeadlessGame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

using namespace GAME;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

namespace fs = std::filesystem;

class ProfileTest : public ::testing::Test {
protected:
    std::string GameDir() { return game->GetGameProfileDirg(); }
    std::string Lc() { return GameDir() + "LC.pzl"; }
    void MakePlayer(const std::string& name, std::optional<PUZZLE_PLAYER_PROFILE> record)
    {
        mkdir((GameDir() + name).c_str(), 0755);
        if (record) {
            ASSERT_TRUE(SavePlayerRecord((GameDir() + name + "/set.bin").c_str(), *record));
        }
    }
    // Every path below the per-user folder (links not followed).
    std::set<std::string> Tree(bool foldersOnly = false)
    {
        std::set<std::string> out;
        for (auto it = fs::recursive_directory_iterator(game.home.path()); it != fs::recursive_directory_iterator(); ++it) {
            if (!foldersOnly || (it->is_directory() && !it->is_symlink()))
                out.insert(it->path().string());
        }
        return out;
    }
    testsupport::DiagCapture quiet;
    testsupport::HeadlessGame game;
};

TEST_F(ProfileTest, AFreshFolderIsAFirstStartWithTheDefaultPlayer)
{
    ASSERT_TRUE(fs::exists(GameDir() + "game.xml")) << "the engine makes the game folder first";
    PROFILE p;
    EXPECT_TRUE(p.FirstStart());
    EXPECT_EQ(ReadFile(Lc()), "Игрок");
    EXPECT_TRUE(fs::is_directory(GameDir() + "Игрок"));
    EXPECT_FALSE(fs::exists(GameDir() + "Игрок/set.bin")) << "written only when first saved or selected";
    EXPECT_EQ(p.GetPlayerDir(), GameDir() + "Игрок/");

    PROFILE again;
    EXPECT_FALSE(again.FirstStart());
    EXPECT_EQ(again.GetPlayerName(), "Игрок");
    const PUZZLE_PLAYER_PROFILE& s = *again.GetSettings();
    EXPECT_FLOAT_EQ(s.musicVolume, 0.3f);
    EXPECT_TRUE(s.cursor);
    EXPECT_EQ(s.color, -1);
    EXPECT_TRUE(fs::exists(GameDir() + "Игрок/set.bin"));
}

TEST_F(ProfileTest, AMissingOrBadLastPlayerNeverCostsTheDefaultPlayerItsRecord)
{
    PUZZLE_PLAYER_PROFILE rec = NewPlayerRecord(0, false);
    rec.totalScore = 5000;
    MakePlayer("Игрок", rec);
    const std::string before = ReadFile(GameDir() + "Игрок/set.bin");
    for (const char* lc : {static_cast<const char*>(nullptr), "../Игрок", ""}) {
        if (lc)
            WriteFile(Lc(), lc);
        else
            unlink(Lc().c_str());
        PROFILE p;
        EXPECT_FALSE(p.FirstStart());
        EXPECT_EQ(p.GetPlayerName(), "Игрок");
        EXPECT_EQ(p.GetSettings()->totalScore, 5000u) << (lc ? lc : "no LC.pzl");
        EXPECT_EQ(ReadFile(GameDir() + "Игрок/set.bin"), before);
        EXPECT_EQ(ReadFile(Lc()), "Игрок");
    }
}

TEST_F(ProfileTest, TheLastPlayerIsLoadedAndAMissingFolderIsMadeWithDefaults)
{
    PUZZLE_PLAYER_PROFILE rec = NewPlayerRecord(0, false);
    rec.totalPieces = 321;
    rec.fastCollector = true;
    MakePlayer("Вася", rec);
    WriteFile(Lc(), "Вася");
    {
        PROFILE p;
        EXPECT_EQ(p.GetPlayerName(), "Вася");
        EXPECT_EQ(p.GetSettings()->totalPieces, 321u);
        EXPECT_TRUE(p.GetSettings()->fastCollector);
    }
    WriteFile(Lc(), "Петя");
    PROFILE p;
    EXPECT_EQ(p.GetPlayerName(), "Петя");
    EXPECT_TRUE(fs::is_directory(GameDir() + "Петя"));
    EXPECT_EQ(ReadFile(GameDir() + "Петя/set.bin").size(), 76u);
    EXPECT_EQ(p.GetSettings()->totalPieces, 0u);
}

TEST_F(ProfileTest, AShortRecordStartsFromTheDefaultsAndAnUnreadableOneIsKept)
{
    MakePlayer("Вася", std::nullopt);
    WriteFile(Lc(), "Вася");
    // Eight bytes: screen, full screen, fast collector and padding; the rest is missing.
    WriteFile(GameDir() + "Вася/set.bin", std::string("\0\0\0\0\1\1\0\0", 8));
    {
        PROFILE p;
        const PUZZLE_PLAYER_PROFILE& s = *p.GetSettings();
        EXPECT_TRUE(s.fastCollector);
        EXPECT_FLOAT_EQ(s.musicVolume, 0.3f);
        EXPECT_FLOAT_EQ(s.soundVolume, 0.3f);
        EXPECT_TRUE(s.cursor);
        EXPECT_TRUE(s.showTips);
        EXPECT_EQ(s.color, -1);
    }
    // A set.bin that cannot be read is never replaced by a record of defaults.
    unlink((GameDir() + "Вася/set.bin").c_str());
    mkdir((GameDir() + "Вася/set.bin").c_str(), 0755);
    WriteFile(GameDir() + "Вася/set.bin/inside", "keep");
    PROFILE p;
    EXPECT_FALSE(p.LoadSettings());
    EXPECT_FALSE(p.SaveSettings());
    EXPECT_EQ(ReadFile(GameDir() + "Вася/set.bin/inside"), "keep");
}

TEST_F(ProfileTest, NamesThatCouldLeaveThePlayerFolderMakeAndRemoveNothing)
{
    const std::string data = game.home.path();
    const std::string company = data + "/Test";
    MakePlayer("Игрок", NewPlayerRecord(0, false));
    WriteFile(Lc(), "Игрок");
    // Sentinels in the per-user folder, the company folder, the game folder, beside the game folder
    // (where "../x" points) and in a nested player-like folder (where "a/b" points).
    WriteFile(data + "/sentinel", "1");
    WriteFile(company + "/sentinel", "2");
    WriteFile(GameDir() + "sentinel", "3");
    mkdir((company + "/x").c_str(), 0755);
    WriteFile(company + "/x/sentinel", "4");
    mkdir((GameDir() + "a").c_str(), 0755);
    mkdir((GameDir() + "a/b").c_str(), 0755);
    WriteFile(GameDir() + "a/b/sentinel", "5");
    const std::set<std::string> sentinels = {data + "/sentinel", company + "/sentinel", GameDir() + "sentinel",
                                             company + "/x/sentinel", GameDir() + "a/b/sentinel"};

    struct Case {
        std::string name;
        bool valid;
    };
    const Case cases[] = {
        {"", false},          {".", false},  {"..", false},          {"../x", false},
        {"a/b", false},       {"a\\b", false}, {"tab\there", false}, {std::string(300, 'n'), false},
        {"\xd0\x92\xd0", false},  // cut off in the middle of a letter
        {"game.xml", false},       // valid, but a file of the game: never a player
        {"LC.pzl", false},
        {"Вася", true},
    };
    for (const Case& c : cases) {
        const std::set<std::string> folders = Tree(true);
        {
            PROFILE p;
            EXPECT_EQ(p.SelectPlayer(c.name), c.valid) << c.name;
            EXPECT_EQ(p.GetPlayerName(), c.valid ? c.name : "Игрок") << c.name;
            if (!c.valid) {
                EXPECT_EQ(Tree(true), folders) << "typed " << c.name;
            }
            EXPECT_EQ(p.DeletePlayer(c.name, "Игрок"), c.valid) << c.name;
            EXPECT_EQ(p.GetPlayerName(), "Игрок");
            EXPECT_EQ(Tree(true), folders) << "deleted " << c.name;
        }
        WriteFile(Lc(), c.name);
        {
            PROFILE p;
            EXPECT_EQ(p.GetPlayerName(), c.valid ? c.name : "Игрок") << "LC.pzl " << c.name;
            EXPECT_FALSE(p.FirstStart());
            if (c.valid) {
                EXPECT_TRUE(p.DeletePlayer(c.name, ""));
            }
        }
        EXPECT_EQ(Tree(true), folders) << "LC.pzl " << c.name;
        for (const std::string& s : sentinels)
            EXPECT_TRUE(fs::exists(s)) << s << " after " << c.name;
    }
}

TEST_F(ProfileTest, DeletingNeverFollowsALink)
{
    testsupport::TempDir outside;
    WriteFile(outside / "precious", "keep");
    ASSERT_EQ(symlink(outside.path().c_str(), (GameDir() + "link").c_str()), 0);
    PROFILE p;
    EXPECT_EQ(p.GetNames(), std::vector<std::string>{"Игрок"}) << "a link is no player";
    EXPECT_FALSE(p.DeletePlayer("link", "Игрок"));
    EXPECT_EQ(ReadFile(outside / "precious"), "keep");
    EXPECT_TRUE(fs::is_symlink(GameDir() + "link"));
}

TEST_F(ProfileTest, SelectingAddingAndDeletingPlayers)
{
    PROFILE p;
    ASSERT_TRUE(p.SelectPlayer("Anna"));
    EXPECT_EQ(ReadFile(Lc()), "Anna");
    PUZZLE_PLAYER_PROFILE written;
    ASSERT_TRUE(LoadPlayerRecord((GameDir() + "Anna/set.bin").c_str(), written));
    EXPECT_EQ(EncodePlayerRecord(written), EncodePlayerRecord(*p.GetSettings()));
    EXPECT_FLOAT_EQ(written.soundVolume, 0.3f);
    EXPECT_TRUE(written.cursor);
    EXPECT_EQ(written.color, -1);

    PUZZLE_PLAYER_PROFILE* record = p.GetSettings();
    record->totalScore = 70;
    ASSERT_TRUE(p.SaveSettings());
    ASSERT_TRUE(p.SelectPlayer("Игрок"));
    EXPECT_EQ(p.GetSettings(), record) << "the record is reused, so pointers handed out stay valid";
    EXPECT_EQ(record->totalScore, 0u);
    EXPECT_EQ(p.GetNames(), (std::vector<std::string>{"Игрок", "Anna"}));

    // Deleting the only other player and then the default one: the default comes back anew.
    EXPECT_TRUE(p.DeletePlayer("Anna", "Игрок"));
    EXPECT_FALSE(fs::exists(GameDir() + "Anna"));
    EXPECT_TRUE(p.DeletePlayer("Игрок", ""));
    EXPECT_EQ(p.GetPlayerName(), "Игрок");
    EXPECT_TRUE(fs::is_directory(GameDir() + "Игрок"));
    EXPECT_EQ(p.GetSettings()->totalScore, 0u);
}

TEST_F(ProfileTest, ScoresOfPlayers)
{
    PUZZLE_PLAYER_PROFILE rec = NewPlayerRecord(0, false);
    rec.totalScore = 3000000000u;
    MakePlayer("Big", rec);
    MakePlayer("Empty", std::nullopt);
    PROFILE p;
    p.GetSettings()->totalScore = 12;  // not saved yet: the current player counts from memory
    EXPECT_EQ(p.GetScore4Player("Big"), 3000000000u);
    EXPECT_EQ(p.GetScore4Player("Игрок"), 12u);
    EXPECT_EQ(p.GetScore4Player("Empty"), std::nullopt);
    EXPECT_EQ(p.GetScore4Player("Nobody"), std::nullopt);
    EXPECT_EQ(p.GetScore4Player("../Big"), std::nullopt);
}

TEST_F(ProfileTest, GameXmlIsTheMasterCopyOfTheResolution)
{
    PUZZLE_PLAYER_PROFILE rec = NewPlayerRecord(1296000, true);
    MakePlayer("Вася", rec);
    WriteFile(Lc(), "Вася");
    game->CreateConfig(1024, 768, false, false);
    game->desktop = {1920, 1080};
    PROFILE p;
    EXPECT_EQ(p.GetSettings()->screen, 786432);
    EXPECT_FALSE(p.GetSettings()->fullScreen);
    game->CreateConfig(1920, 1080, false, false);
    p.LoadSettings();
    EXPECT_EQ(p.GetSettings()->screen, 0) << "the desktop size reads as the system choice";

    struct Case {
        std::int32_t screen;
        bool full;
        int w, h;
        bool fullAfter;
    };
    for (const Case c : {Case{786432, false, 1024, 768, false}, Case{1296000, true, 1440, 900, true},
                         Case{2073600, false, 1920, 1080, false}, Case{0, false, 1920, 1080, true}}) {
        p.GetSettings()->screen = c.screen;
        p.GetSettings()->fullScreen = c.full;
        ASSERT_TRUE(p.SaveSettings());
        EXPECT_EQ(game->resX, c.w) << c.screen;
        EXPECT_EQ(game->resY, c.h) << c.screen;
        EXPECT_EQ(game->fullScreenConfig, c.fullAfter) << c.screen;
        const std::string xml = ReadFile(GameDir() + "game.xml");
        EXPECT_NE(xml.find("resX=\"" + std::to_string(c.w) + "\""), std::string::npos) << xml;
    }
}

TEST_F(ProfileTest, SavingForAPlayerWhoseFolderIsGoneDoesNotBringItBack)
{
    PROFILE p;
    ASSERT_TRUE(p.SelectPlayer("Anna"));
    testsupport::DiagCapture diag;
    ZEL::ifile.DirDel((GameDir() + "Anna").c_str());
    EXPECT_FALSE(p.SaveSettings());
    EXPECT_FALSE(fs::exists(GameDir() + "Anna"));
}

} // namespace
