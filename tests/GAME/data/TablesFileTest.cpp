#include "GAME/data/Config.h"
#include "GAME/data/GameIdentity.h"
#include "ST/core/iFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <memory>
#include <regex>
#include <sstream>

using testsupport::Quote;
using testsupport::ReadFile;
using testsupport::RunCommand;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

// Checks the layout of a written table line by line: the declaration, then one element per line,
// indented by one tab per level, attributes in double quotes, empty elements closed with " />".
void ExpectTableLayout(const std::string& text, const std::string& root)
{
    ASSERT_FALSE(text.empty());
    EXPECT_NE(static_cast<unsigned char>(text[0]), 0xEF) << "byte-order mark";
    std::istringstream in(text);
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "<?xml version=\"1.0\"?>");
    const std::regex element(R"(^(\t*)<(/?)([A-Za-z0-9_]+)((?: [a-z]+="[^"\t\n]*")*)( />|>)$)");
    std::vector<std::string> open;
    int lines = 0;
    std::string last;
    while (std::getline(in, line)) {
        ++lines;
        last = line;
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, element)) << "line " << lines << ": " << line;
        const bool closing = m[2] == "/";
        const std::size_t depth = open.size() - (closing ? 1 : 0);
        EXPECT_EQ(m[1].length(), static_cast<long>(depth)) << line;
        if (closing) {
            ASSERT_FALSE(open.empty());
            EXPECT_EQ(open.back(), m[3]);
            open.pop_back();
        } else if (m[5] == ">") {
            open.push_back(m[3]);
        }
        if (lines == 1) {
            EXPECT_EQ(line, "<" + root + ">");
        }
    }
    EXPECT_GT(lines, 10);
    EXPECT_TRUE(open.empty());
    EXPECT_EQ(last, "</" + root + ">");
    EXPECT_EQ(text.back(), '\n');
}

void ExpectContains(const std::string& text, const std::string& fragment)
{
    EXPECT_NE(text.find(fragment), std::string::npos) << fragment;
}

void ExpectLacks(const std::string& text, const std::string& fragment)
{
    EXPECT_EQ(text.find(fragment), std::string::npos) << fragment;
}

TEST(TableFiles, ResourceLayout)
{
    const std::string t = DefaultResourceText();
    ExpectTableLayout(t, "resource");
    ExpectContains(t, "<?xml version=\"1.0\"?>\n<resource>\n\t<progress_file var=\"Progress.xml\" />\n"
                      "\t<fonts>\n\t\t<big_font var=\"Font_big.fnt\" space=\"-8\" />\n"
                      "\t\t<font var=\"PuzzleComix.fnt\" space=\"-6\" />\n");
    ExpectContains(t, "\t</fonts>\n\t<packs>\n\t\t<loading_pack var=\"DATA/loading\" />\n");
    ExpectContains(t, "\t\t<b1_3 var=\"1-3.png\" />\n\t\t<b2_1 var=\"2-1.png\" />\n");
    ExpectContains(t, "\t</book>\n\t<cursor var=\"Cursor.png\" />\n\t<gallery_button var=\"gallery_button.png\" />\n"
                      "\t<gui>\n");
    ExpectContains(t, "\t<author_screen>\n\t\t<blue_pic var=\"avtor_fon.png\" />\n\t</author_screen>\n");
    ExpectContains(t, "\t\t<tools_off var=\"tools_off.ogg\" />\n\t</sound>\n</resource>\n");
}

TEST(TableFiles, ConfigLayoutWritesIntegersSignedAndRealsShortest)
{
    const std::string t = DefaultConfigText();
    ExpectTableLayout(t, "config");
    ExpectContains(t, "<config>\n\t<white_splain_extra var=\"70\" />\n\t<font_main_color var=\"-13744777\" />\n");
    ExpectContains(t, "\t<button_hint_color_back var=\"-1996488705\" />\n");
    ExpectContains(t, "\t<button_sokand_cancel_identy var=\"0.45\" />\n");
    ExpectContains(t, "\t<time_for_reset_video_mode var=\"15\" />\n\t<time_for_show_hint_frame_choise var=\"0.3\" />\n");
    ExpectContains(t, "\t<color_background_3 var=\"-1\" />\n\t<book>\n\t\t<max_frame_rotation var=\"0\" />\n"
                      "\t\t<offset_from_page var=\"65\" />\n\t\t<size_of_frames_in_percent var=\"0.6\" />\n");
    ExpectContains(t, "\t\t<count_pixel_for_frames_offset var=\"-20\" />\n\t\t<frames_extra_boundbox var=\"1.3\" />\n");
    ExpectContains(t, "\t\t<opt_size_DRY var=\"0.85\" />\n\t</book>\n\t<trofy>\n\t\t<collector_1 var=\"10\" />\n");
    ExpectContains(t, "\t\t<sage_6 var=\"100\" />\n\t</trofy>\n</config>\n");
    for (const char* unwritten : {"<product", "<company", "<color_splash"})
        ExpectLacks(t, unwritten);
}

TEST(TableFiles, StringsLayoutKeepsLineBreaksAndTabsAsReferences)
{
    const std::string t = DefaultStringsText();
    ExpectTableLayout(t, "strings");
    ExpectContains(t, "<strings>\n\t<main_header var=\"Добро пожаловать, %s !\" />\n");
    ExpectContains(t, "\t<game_cursor var=\"Игровые курсоры\" />\n\t<game_background var=\"Цвет заднего фона\" />\n");
    ExpectContains(t, "\t<score_board_item_score var=\"Очки:&#09;&#09;&#09;%i\" />\n");
    ExpectContains(t, "\t<dialog_select_resolution_system var=\"&#10;(системное)\" />\n");
    ExpectContains(t, "\t<book_category>\n\t\t<book_category_0 var=\"Пазлы 1\" />\n");
    ExpectContains(t, "\t\t<book_category_4 var=\"Пазлы 5\" />\n\t</book_category>\n"
                      "\t<book_category_save var=\"Сохранения\" />\n");
    ExpectContains(t, "\t<change_player var=\"Выбор игрока\" />\n</strings>\n");
    for (const char* unwritten : {"game_fast_collector", "error_resolution", "copyright"})
        ExpectLacks(t, unwritten);
}

TEST(TableFiles, ShippedTablesCarryTheGamesNames)
{
    TempDir dir;
    ASSERT_TRUE(WriteShippedTables(dir.path().c_str()));
    EXPECT_EQ(ReadFile(dir / "resource.xml"), DefaultResourceText());
    EXPECT_EQ(ReadFile(dir / "strings.xml"), DefaultStringsText());
    const std::string config = ReadFile(dir / "config.xml");
    ExpectTableLayout(config, "config");
    ExpectContains(config, "<config>\n\t<product var=\"Jigsaw Table\" />\n\t<company var=\"Hearthlight\" />\n"
                           "\t<white_splain_extra var=\"70\" />\n");

    LoadConfig(dir.path().c_str());
    EXPECT_STREQ(chTEXT_PRODUCT_NAME, GAME::kProductName);
    EXPECT_STREQ(chTEXT_COMPANY_NAME, GAME::kCompanyName);
    EXPECT_EQ(C_MAX_SAVES, 150);
    EXPECT_EQ(chCATEGORIES_NAMES.size(), 5u);
    ResetConfigToDefaults();
}

TEST(TableFiles, TablewriterWritesTheShippedTablesIntoANewFolder)
{
    TempDir dir;
    const std::string out = dir / "stage/work";
    ASSERT_EQ(RunCommand(Quote(ZEL_TABLEWRITER) + " " + Quote(out)), 0);
    EXPECT_EQ(ReadFile(out + "/resource.xml"), DefaultResourceText());
    EXPECT_EQ(ReadFile(out + "/config.xml"), DefaultConfigText(true));
    EXPECT_EQ(ReadFile(out + "/strings.xml"), DefaultStringsText());
    EXPECT_EQ(RunCommand(Quote(ZEL_TABLEWRITER) + " 2>/dev/null"), 2);
    WriteFile(dir / "file", "x");
    EXPECT_NE(RunCommand(Quote(ZEL_TABLEWRITER) + " " + Quote(dir / "file") + " 2>/dev/null"), 0);
}

TEST(TableFiles, TablewriterTakesCategoryTitlesAndTextsFromFiles)
{
    TempDir dir;
    WriteFile(dir / "categories.txt", "# tab order\nПрирода\nЦветы\n\nВода\n");
    WriteFile(dir / "texts.txt", "authors_artist_name = Авторы обоев\\nсм. CREDITS\n");
    const std::string out = dir / "work";
    ASSERT_EQ(RunCommand(Quote(ZEL_TABLEWRITER) + " " + Quote(out) + " --categories " + Quote(dir / "categories.txt")
                         + " --texts " + Quote(dir / "texts.txt")),
              0);
    const std::string strings = ReadFile(out + "/strings.xml");
    ExpectTableLayout(strings, "strings");
    ExpectContains(strings, "\t<book_category>\n\t\t<book_category_0 var=\"Природа\" />\n"
                            "\t\t<book_category_1 var=\"Цветы\" />\n\t\t<book_category_2 var=\"Вода\" />\n"
                            "\t</book_category>\n");
    ExpectContains(strings, "<authors_artist_name var=\"Авторы обоев&#10;см. CREDITS\" />");

    LoadConfig(out.c_str());
    EXPECT_EQ(chCATEGORIES_NAMES, (std::vector<std::string>{"Природа", "Цветы", "Вода"}));
    ResetConfigToDefaults();

    // A misspelt key or a group name is refused rather than shipped silently unchanged.
    for (const char* bad : {"autors_artist_name = x\n", "book_category = x\n", "no equals sign\n"}) {
        WriteFile(dir / "bad.txt", bad);
        EXPECT_NE(RunCommand(Quote(ZEL_TABLEWRITER) + " " + Quote(dir / "w2") + " --texts " + Quote(dir / "bad.txt")
                             + " 2>/dev/null"),
                  0)
            << bad;
    }
}

// ---------------------------------------------------------------------------------------------
// GetXML

class GetXmlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        plain = dir / "plain.xml";
        WriteFile(plain, "<editions><from var=\"folder\"/></editions>");
        WriteFile(dir / "inpack.xml", "<editions><from var=\"pack\"/></editions>");
        pack = dir / "editions";
        ASSERT_EQ(RunCommand(Quote(ZEL_PACKBUILDER) + " --password qelm7 " + Quote(pack) + " "
                             + Quote("editions.xml=" + (dir / "inpack.xml"))),
                  0);
    }
    void TearDown() override
    {
        ZEL::ifile.ZipSetCurrentPack(nullptr);
        ZEL::ifile.ZipSetCurrentPass(nullptr);
    }
    void Select(const std::string& packPath, const char* pass)
    {
        selected = packPath;
        ZEL::ifile.ZipSetCurrentPack(selected.c_str());
        ZEL::ifile.ZipSetCurrentPass(pass);
    }
    static std::string From(pugi::xml_document* doc)
    {
        return doc ? doc->first_child().child("from").attribute("var").value() : "(null)";
    }

    TempDir dir;
    std::string plain;
    std::string pack;
    std::string selected;
};

TEST_F(GetXmlTest, WithoutAPackReadsTheWorkingFolder)
{
    std::unique_ptr<pugi::xml_document> doc(GetXML(plain.c_str()));
    EXPECT_EQ(From(doc.get()), "folder");
    // A missing plain file still gives a document, an empty one.
    std::unique_ptr<pugi::xml_document> none(GetXML((dir / "missing.xml").c_str()));
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->first_child().empty());
}

TEST_F(GetXmlTest, ReadsTheMemberOfTheSelectedPack)
{
    Select(pack, C_PAS_EDITION);
    std::unique_ptr<pugi::xml_document> doc(GetXML("editions.xml"));
    EXPECT_EQ(From(doc.get()), "pack");
    EXPECT_FALSE(ZEL::ifile.ZipIsOpen());
}

TEST_F(GetXmlTest, APackThatCannotBeOpenedFallsBackToTheWorkingFolder)
{
    Select(dir / "no_such_pack", C_PAS_EDITION);
    std::unique_ptr<pugi::xml_document> doc(GetXML(plain.c_str()));
    EXPECT_EQ(From(doc.get()), "folder");
}

TEST_F(GetXmlTest, APackWithoutTheFileOrWithAnotherPasswordGivesNull)
{
    Select(pack, C_PAS_EDITION);
    EXPECT_EQ(GetXML(plain.c_str()), nullptr);  // not looked for in the folder
    Select(pack, "wrong");
    EXPECT_EQ(GetXML("editions.xml"), nullptr);
    EXPECT_FALSE(ZEL::ifile.ZipIsOpen());
}

} // namespace
