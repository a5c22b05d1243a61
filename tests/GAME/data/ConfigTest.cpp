#include "GAME/data/Config.h"
#include "GAME/data/GameIdentity.h"
#include "ST/core/iFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>

using testsupport::DiagCapture;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

std::uint32_t U(int colour) { return static_cast<std::uint32_t>(colour); }

class ConfigTest : public ::testing::Test {
protected:
    void TearDown() override { ResetConfigToDefaults(); }

    // Starts from the default files and swaps one of them for `xml`.
    void LoadWith(const char* name, const std::string& xml)
    {
        WriteFile(dir / name, xml);
        LoadConfig(dir.path().c_str());
    }

    TempDir dir;
};

// Every global of the three tables against the value its table row gives.
void ExpectEveryGlobalAtItsDefault()
{
#define RES_FIRST(element, global, value) EXPECT_STREQ(global, value) << #global;
#define RES_ITEM(group, element, global, value) EXPECT_STREQ(global, value) << #global;
#define RES_FONT(group, element, global, value, spaceGlobal, space) \
    EXPECT_STREQ(global, value) << #global;                          \
    EXPECT_EQ(spaceGlobal, space) << #spaceGlobal;
#define RES_ONE(group, global, value) EXPECT_STREQ(global, value) << #global;
#include "GAME/data/ResourceTable.inc"
#undef RES_FIRST
#undef RES_ITEM
#undef RES_FONT
#undef RES_ONE
#define CFG_INT(parent, key, global, value) EXPECT_EQ(global, value) << #global;
#define CFG_COLOR(parent, key, global, value) EXPECT_EQ(U(global), value) << #global;
#define CFG_REAL(parent, key, global, value) EXPECT_FLOAT_EQ(global, value) << #global;
#include "GAME/data/ConfigTable.inc"
#undef CFG_INT
#undef CFG_COLOR
#undef CFG_REAL
#define STR(key, global, value) EXPECT_STREQ(global, value) << #global;
#define STR_UNWRITTEN(key, global) EXPECT_STREQ(global, "") << #global;
#define STR_CATEGORIES()
#include "GAME/data/StringsTable.inc"
#undef STR
#undef STR_UNWRITTEN
#undef STR_CATEGORIES
    EXPECT_EQ(chCATEGORIES_NAMES,
              (std::vector<std::string>{"Пазлы 1", "Пазлы 2", "Пазлы 3", "Пазлы 4", "Пазлы 5"}));
    EXPECT_STREQ(chTEXT_PRODUCT_NAME, "");
    EXPECT_STREQ(chTEXT_COMPANY_NAME, "");
    EXPECT_EQ(U(C_COLOR_SPLASH), 0xFF000000u);
    EXPECT_EQ(chTEXT_COPYRIGHT1, nullptr);
    EXPECT_EQ(chTEXT_COPYRIGHT2, nullptr);
}

TEST_F(ConfigTest, WithNoTablesAllThreeAreWrittenAndReadBackAsTheDefaults)
{
    DiagCapture diag;
    LoadConfig(dir.path().c_str());

    EXPECT_EQ(ReadFile(dir / "resource.xml"), DefaultResourceText());
    EXPECT_EQ(ReadFile(dir / "config.xml"), DefaultConfigText());
    EXPECT_EQ(ReadFile(dir / "strings.xml"), DefaultStringsText());
    ExpectEveryGlobalAtItsDefault();
    // A few values spelled out, so a slip in the tables themselves shows too.
    EXPECT_STREQ(C_NAME_PROGRESS_FILE, "Progress.xml");
    EXPECT_STREQ(C_NAME_PACK_IMAGE_SMAL, "DATA/low");
    EXPECT_EQ(FONT_SPACE_SMALL, -6);
    EXPECT_STREQ(chBOOK_2_3, "2-3.png");
    EXPECT_STREQ(chSND_TOOL_OFF, "tools_off.ogg");
    EXPECT_EQ(U(C_FONT_MAIN_COLOR), 0xFF2E4577u);
    EXPECT_FLOAT_EQ(BUTTONSOKANDCANCELINDENTY, 0.45f);
    EXPECT_EQ(MEDITATION_4, 180000);
    EXPECT_STREQ(chTEXT_FRAME_COMPLEAT, "\nСобрано:\t\t\t%i%%");
    EXPECT_STREQ(chTEXT_ERROR_MESSAGE_RESOLUTION, "");

    for (const char* line : {"RESOURCE LOADING...", "SAVE_DEFAULT_RESOURCE ...", "SAVE_DEFAULT_RESOURCE   OK",
                             "load config...", "load strings...", "RESOURCE LOADING   OK"})
        EXPECT_TRUE(diag.Contains(line)) << line;
}

TEST_F(ConfigTest, BuiltInDefaultsEqualWhatTheDefaultFilesGive)
{
    LoadConfig(dir.path().c_str());
    WriteFile(dir / "strings.xml", "<strings><main_header var=\"x %s\"/></strings>");
    LoadConfig(dir.path().c_str());
    ASSERT_STREQ(chTEXT_MAIN_HEADER, "x %s");
    ResetConfigToDefaults();
    ExpectEveryGlobalAtItsDefault();
}

TEST_F(ConfigTest, ExistingTablesAreReadAndNeverRewritten)
{
    const std::string config = "<config><max_save var=\"3\"/></config>";
    LoadWith("config.xml", config);
    EXPECT_EQ(C_MAX_SAVES, 3);
    EXPECT_EQ(ReadFile(dir / "config.xml"), config);
    // A key missing from a file that exists reads as 0, not as its default.
    EXPECT_EQ(C_WHITE_SPLAIN_EXTRA, 0);
    EXPECT_EQ(COLLECTOR_1, 0);
}

TEST_F(ConfigTest, DefaultsStandWhenTheFolderCannotBeWritten)
{
    DiagCapture diag;
    const std::string missing = dir / "no/such/folder";
    LoadConfig(missing.c_str());
    EXPECT_FALSE(ZEL::ifile.CheckFileExist((missing + "/resource.xml").c_str()));
    ExpectEveryGlobalAtItsDefault();
    EXPECT_TRUE(diag.Contains("cannot write"));
}

TEST_F(ConfigTest, ATableThatCannotBeOpenedGivesTheDefaults)
{
    // A folder where the file should be: it exists, but nothing can be read from it.
    ASSERT_EQ(ZEL::ifile.CreateDir((dir / "strings.xml").c_str()), 0);
    DiagCapture diag;
    LoadConfig(dir.path().c_str());
    ExpectEveryGlobalAtItsDefault();
    EXPECT_TRUE(diag.Contains("built-in defaults"));
}

TEST_F(ConfigTest, ResourceGroupsAreReadByPosition)
{
    LoadWith("resource.xml",
             "<anything>"
             "  <not_the_progress_name var=\"Mine.xml\"/>"
             "  <packs><menu_pack var=\"first\"/><loading_pack var=\"second\"/></packs>"
             "  <fonts><x var=\"a.fnt\" space=\"3\"/><y var=\"b.fnt\"/></fonts>"
             "  <cursor var=\"c.png\"/>"
             "  <author_screen><whatever var=\"au.png\"/></author_screen>"
             "</anything>");
    EXPECT_STREQ(C_NAME_PROGRESS_FILE, "Mine.xml");
    EXPECT_STREQ(C_NAME_PACK_LOADING, "first");
    EXPECT_STREQ(C_NAME_PACK_MENU, "second");
    EXPECT_STREQ(C_NAME_PACK_BOOK, "");  // the group ran out
    EXPECT_STREQ(chFONT_BIG, "a.fnt");
    EXPECT_EQ(FONT_SPACE_BIG, 3);
    EXPECT_STREQ(chFONT_COMIX, "b.fnt");
    EXPECT_EQ(FONT_SPACE_SMALL, 0);
    EXPECT_STREQ(chCURNAME, "c.png");
    EXPECT_STREQ(chAUTOR_PIC, "au.png");
    EXPECT_STREQ(chMAIN_MENU_UP_PANELKA, "");  // a missing group
    EXPECT_STREQ(chSND_BUTTON_DISABLED, "");
}

TEST_F(ConfigTest, DamagedTableReadsAsEmptyAndIsKept)
{
    DiagCapture diag;
    const std::string broken = "<resource><progress_file var=\"P.xml\"/><fonts";
    LoadWith("resource.xml", broken);
    EXPECT_STREQ(chFONT_BIG, "");
    EXPECT_STREQ(C_NAME_PACK_MENU, "");
    EXPECT_EQ(ReadFile(dir / "resource.xml"), broken);
    EXPECT_TRUE(diag.Contains("resource.xml"));
}

TEST_F(ConfigTest, ConfigNumbersFollowTheReadingConventions)
{
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"-13744777", static_cast<int>(0xFF2E4577u)}, // colours are signed decimal
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"12abc", 12},
        {" +7", 7},
        {"abc", 0},
        {"", 0},
        {"0x10", 0},
    };
    for (const Case& c : cases) {
        LoadWith("config.xml", std::string("<config><font_main_color var=\"") + c.text + "\"/></config>");
        EXPECT_EQ(C_FONT_MAIN_COLOR, c.expected) << c.text;
    }
    LoadWith("config.xml", "<config><max_save/></config>");
    EXPECT_EQ(C_MAX_SAVES, 0);
}

TEST_F(ConfigTest, ConfigRealsReadAsNumbersAndNonFiniteAsZero)
{
    struct Case {
        const char* text;
        float expected;
    } cases[] = {{"0.25", 0.25f}, {"-3", -3.0f}, {"2.5x", 2.5f}, {"nan", 0.0f}, {"inf", 0.0f}, {"1e999", 0.0f},
                 {"1e300", 0.0f}, {"", 0.0f}};
    for (const Case& c : cases) {
        LoadWith("config.xml", std::string("<config><book><opt_size_ULX var=\"") + c.text + "\"/></book></config>");
        EXPECT_FLOAT_EQ(BOOKOPTSIZEULX, c.expected) << c.text;
    }
}

TEST_F(ConfigTest, BookAndTrophyKeysAreFoundOnlyUnderTheirElements)
{
    LoadWith("config.xml",
             "<config><offset_from_page var=\"1\"/><collector_1 var=\"2\"/>"
             "<trofy><sage_6 var=\"7\"/></trofy><book><count_pixel_for_frame var=\"8\"/></book></config>");
    EXPECT_EQ(offsetfrompage, 0);
    EXPECT_EQ(COLLECTOR_1, 0);
    EXPECT_EQ(SAGE_6, 7);
    EXPECT_EQ(COUNTPIXELFORFRAMEONBOOK, 8);
}

TEST_F(ConfigTest, SplashColourIsHexadecimalAndOpaqueBlackWhenAbsent)
{
    struct Case {
        const char* element;
        std::uint32_t expected;
    } cases[] = {
        {"", 0xFF000000u},
        {"<color_splash var=\"FF336699\"/>", 0xFF336699u},
        {"<color_splash var=\"0x80112233\"/>", 0x80112233u},
        {"<color_splash var=\"ffffffffff\"/>", 0xFFFFFFFFu},
        {"<color_splash/>", 0u},
    };
    for (const Case& c : cases) {
        LoadWith("config.xml", std::string("<config>") + c.element + "</config>");
        EXPECT_EQ(U(C_COLOR_SPLASH), c.expected) << c.element;
    }
}

TEST_F(ConfigTest, FolderNamesFallBackToTheGamesOwnWhenUnusable)
{
    LoadConfig(dir.path().c_str());
    EXPECT_STREQ(EffectiveCompanyName(), GAME::kCompanyName);
    EXPECT_STREQ(EffectiveProductName(), GAME::kProductName);

    struct Case {
        const char* company;
        const char* product;
        const char* companyFolder;
        const char* productFolder;
    } cases[] = {
        {"Acme", "Puzzles", "Acme", "Puzzles"},
        {"", "Puzzles", GAME::kCompanyName, "Puzzles"},
        {"..", ".", GAME::kCompanyName, GAME::kProductName},
        {"a/b", "..\\x", GAME::kCompanyName, GAME::kProductName},
    };
    for (const Case& c : cases) {
        LoadWith("config.xml", std::string("<config><company var=\"") + c.company + "\"/><product var=\"" + c.product
                                   + "\"/></config>");
        EXPECT_STREQ(chTEXT_COMPANY_NAME, c.company);
        EXPECT_STREQ(EffectiveCompanyName(), c.companyFolder) << c.company;
        EXPECT_STREQ(EffectiveProductName(), c.productFolder) << c.product;
    }
}

TEST_F(ConfigTest, CategoryTitlesAreEveryChildInDocumentOrder)
{
    LoadWith("strings.xml",
             "<strings><book_category><z var=\"Звери\"/><a var=\"Море\"/><book_category_9 var=\"Горы\"/>"
             "</book_category></strings>");
    EXPECT_EQ(chCATEGORIES_NAMES, (std::vector<std::string>{"Звери", "Море", "Горы"}));
    LoadWith("strings.xml", "<strings/>");
    EXPECT_TRUE(chCATEGORIES_NAMES.empty());
}

TEST_F(ConfigTest, OptionalTextsAreReadOnlyWhenPresent)
{
    LoadWith("strings.xml", "<strings/>");
    EXPECT_EQ(chTEXT_COPYRIGHT1, nullptr);
    EXPECT_EQ(chTEXT_COPYRIGHT2, nullptr);
    EXPECT_STREQ(chTEXT_ERROR_MESSAGE_RESOLUTION, "");
    EXPECT_STREQ(chTEXT_MAIN_HEADER, "");

    LoadWith("strings.xml",
             "<strings><copyright1 var=\"(c) 2024\" x=\"10\" y=\"-20\"/>"
             "<copyright_title var=\"Title\" x=\"300\" y=\"700\"/>"
             "<error_resolution var=\"Экран мал\"/></strings>");
    ASSERT_NE(chTEXT_COPYRIGHT1, nullptr);
    EXPECT_STREQ(chTEXT_COPYRIGHT1, "(c) 2024");
    EXPECT_EQ(COPYRIGHT_POS_X, 10);
    EXPECT_EQ(COPYRIGHT_POS_Y, -20);
    ASSERT_NE(chTEXT_COPYRIGHT2, nullptr);
    EXPECT_STREQ(chTEXT_COPYRIGHT2, "Title");
    EXPECT_EQ(COPYRIGHT_TITLE_POS_X, 300);
    EXPECT_EQ(COPYRIGHT_TITLE_POS_Y, 700);
    EXPECT_STREQ(chTEXT_ERROR_MESSAGE_RESOLUTION, "Экран мал");

    LoadWith("strings.xml", "<strings><copyright1 var=\"(c)\"/></strings>");
    EXPECT_NE(chTEXT_COPYRIGHT1, nullptr);
    EXPECT_EQ(chTEXT_COPYRIGHT2, nullptr);
}

TEST_F(ConfigTest, TextsWhoseConversionsDifferFromTheDefaultAreReplaced)
{
    struct Case {
        const char* key;
        const char* text;
        char** global;
        const char* expected;
    } cases[] = {
        {"score_up", "Счёт: %s", &chTEXT_PUZZLE_SCORE_UP, "счёт: %i"},
        {"score_up", "Счёт %n", &chTEXT_PUZZLE_SCORE_UP, "счёт: %i"},
        {"score_up", "Score: %d", &chTEXT_PUZZLE_SCORE_UP, "Score: %d"},
        {"score_up", "Score: %5i points, 100%%", &chTEXT_PUZZLE_SCORE_UP, "Score: %5i points, 100%%"},
        {"score_up", "Score", &chTEXT_PUZZLE_SCORE_UP, "счёт: %i"},
        {"change_screen_distort", "Distortion %i%s", &chTEXT_IMG_CHANGE_SCREEN_DISTORT, "Искажение %i"},
        {"score_board_item_time", "%i:%i", &chTEXT_SCORE_BOARD_ITEM_TIME, "Время:\t\t%0*i:%0*i"},
        {"score_board_item_time", "Time %-0*i.%0*i", &chTEXT_SCORE_BOARD_ITEM_TIME, "Time %-0*i.%0*i"},
        {"score_board_item_time", "Time %02*i", &chTEXT_SCORE_BOARD_ITEM_TIME, "Время:\t\t%0*i:%0*i"},
        {"main_header", "Hello, %s!", &chTEXT_MAIN_HEADER, "Hello, %s!"},
        {"main_header", "Hello, %s %s!", &chTEXT_MAIN_HEADER, "Добро пожаловать, %s !"},
        {"settings_header", "Settings %s", &chTEXT_SETTINGS_GAME_HEADER, "Настройки"},
        {"settings_header", "100%", &chTEXT_SETTINGS_GAME_HEADER, "Настройки"},
        {"settings_header", "", &chTEXT_SETTINGS_GAME_HEADER, ""},
        {"game_fast_collector", "Fast %x", &chTEXT_SETTINGS_GAME_FAST_COLLECTOR, ""},
    };
    for (const Case& c : cases) {
        DiagCapture diag;
        LoadWith("strings.xml", std::string("<strings><") + c.key + " var=\"" + c.text + "\"/></strings>");
        EXPECT_STREQ(*c.global, c.expected) << c.key << " = " << c.text;
        EXPECT_EQ(diag.Contains(std::string("strings.xml: ") + c.key), std::strcmp(c.text, c.expected) != 0)
            << c.text;
    }

    DiagCapture diag;
    LoadWith("strings.xml",
             "<strings><book_category><a var=\"Звери\"/><b var=\"%s\"/></book_category>"
             "<copyright1 var=\"%n\" x=\"1\" y=\"2\"/></strings>");
    EXPECT_EQ(chCATEGORIES_NAMES, (std::vector<std::string>{"Звери", "Пазлы 2"}));
    EXPECT_EQ(chTEXT_COPYRIGHT1, nullptr);
    EXPECT_TRUE(diag.Contains("copyright1"));
}

} // namespace
