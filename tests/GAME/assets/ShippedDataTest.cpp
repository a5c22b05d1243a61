// The working folder the build assembles: every member the game names exists in its pack, opens
// with the game's password and decodes, and keeps the shape the drawing code relies on.
#include "GAME/data/Config.h"
#include "ST/core/Utf.h"
#include "ST/core/XmlFile.h"
#include "ST/core/iFile.h"
#include "ST/platform/ImageCodec.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cmath>
#include <cstring>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kRun = std::string(ZEL_TEST_BINARY_DIR) + "/run";

struct Picture {
    int w = 0, h = 0;
    std::vector<std::uint32_t> pixels;
};

bool Read(const char* pack, const char* pass, const std::string& member, std::vector<char>& out)
{
    const std::string path = kRun + "/" + pack;
    ZEL::ifile.ZipSetCurrentPack(path.c_str());
    ZEL::ifile.ZipSetCurrentPass(pass);
    const bool ok = ZEL::ifile.ReadResource(member.c_str(), out);
    ZEL::ifile.ZipSetCurrentPack(nullptr);
    ZEL::ifile.ZipSetCurrentPass(nullptr);
    return ok && !out.empty();
}

// Decodes a member as a picture; records a failure naming it when that is impossible.
Picture Load(const char* pack, const char* pass, const std::string& member)
{
    Picture p;
    std::vector<char> bytes;
    if (!Read(pack, pass, member, bytes)) {
        ADD_FAILURE() << member << " is missing from " << pack << " or does not open with its password";
        return p;
    }
    std::string error;
    if (!ZEL::DecodeImage(bytes.data(), bytes.size(), p.w, p.h, p.pixels, &error))
        ADD_FAILURE() << pack << "/" << member << " does not decode: " << error;
    return p;
}

bool Opaque(const Picture& p)
{
    for (std::uint32_t px : p.pixels)
        if ((px >> 24) != 0xFF)
            return false;
    return !p.pixels.empty();
}

class ShippedData : public ::testing::Test {
protected:
    void SetUp() override { ResetConfigToDefaults(); }
    void TearDown() override
    {
        ZEL::ifile.ZipSetCurrentPack(nullptr);
        ZEL::ifile.ZipSetCurrentPass(nullptr);
    }
};

enum class Shape { Plain, Strip4, Halves, Square, Opaque };

struct Member {
    const char* const* pack;
    const char* pass;
    char* const* name;
    Shape shape;
};

// Every picture the default tables name, with the pack the game reads it from.
std::vector<Member> Pictures()
{
    const char* const* menu = &C_NAME_PACK_MENU;
    const char* const* gui = &C_NAME_PACK_GUI;
    const char* const* level = &C_NAME_PACK_LEVEL;
    const char* const* fx = &C_NAME_PACK_EFFECTS;
    const char* const* pocket = &C_NAME_PACK_POCKET;
    const char* const* loading = &C_NAME_PACK_LOADING;
    const char* const* book = &C_NAME_PACK_BOOK;
    std::vector<Member> all = {
        {loading, C_PAS_LOADING, &chLOADBACK, Shape::Plain},
        {loading, C_PAS_LOADING, &chLOADSPR, Shape::Plain},

        {menu, C_PAS_MENY, &chMAIN_MENU_UP_PANELKA, Shape::Plain},
        {menu, C_PAS_MENY, &chMAIN_MENU_DWN_PANELKA, Shape::Plain},
        {menu, C_PAS_MENY, &chMAIN_MENU_DWN_PANELKA_TOP, Shape::Strip4},
        {menu, C_PAS_MENY, &chBUTTONTROP, Shape::Strip4},
        {menu, C_PAS_MENY, &chMAIN_MENU_DWN_PANELKA_SCORE, Shape::Strip4},
        {menu, C_PAS_MENY, &chMAIN_MENU_DWN_PANELKA_PLAY, Shape::Strip4},
        {menu, C_PAS_MENY, &chMAIN_MENU_DWN_PANELKA_CUT, Shape::Strip4},
        {menu, C_PAS_MENY, &chMAIN_MENU_DWN_PANELKA_EXIT, Shape::Strip4},
        {menu, C_PAS_MENY, &chMAIN_MENU_DWN_PANELKA_OPTIONS, Shape::Strip4},
        {menu, C_PAS_MENY, &chMAIN_MENU_BORDER, Shape::Plain},
        {menu, C_PAS_MENY, &chMAIN_MENU_LEFT_CORNER, Shape::Plain},
        {menu, C_PAS_MENY, &chMAIN_MENU_RIGHT_CORNER, Shape::Plain},
        {menu, C_PAS_MENY, &chWhitePlain, Shape::Plain},
        {menu, C_PAS_MENY, &chQShadow, Shape::Plain},
        {menu, C_PAS_MENY, &chGUI_BUTTON_TRASH, Shape::Strip4},
        {menu, C_PAS_MENY, &chGUI_BUTTON_SAVE_RIGHT, Shape::Strip4},
        {menu, C_PAS_MENY, &chGUI_BUTTON_SAVE_LEFT, Shape::Strip4},
        {menu, C_PAS_MENY, &chMAIN_MENU_LENOLIUM, Shape::Opaque},
        {menu, C_PAS_MENY, &chCURNAME, Shape::Plain},
        {menu, C_PAS_MENY, &chGALLERY_BUTTON, Shape::Strip4},
        {menu, C_PAS_MENY, &chROT_YES, Shape::Square},
        {menu, C_PAS_MENY, &chROT_NO, Shape::Square},
        {menu, C_PAS_MENY, &chCHANGE_PLAYER, Shape::Plain},
        {menu, C_PAS_MENY, &chFrontColor, Shape::Opaque},

        {level, C_PAS_LEVEL, &chGAME_PLAY_PANEL, Shape::Plain},
        {level, C_PAS_LEVEL, &chBUTTONDOOR, Shape::Strip4},
        {level, C_PAS_LEVEL, &chBUTTONFRAME, Shape::Strip4},
        {level, C_PAS_LEVEL, &chBUTTONHELP, Shape::Strip4},
        {level, C_PAS_LEVEL, &chBUTTONFLY, Shape::Strip4},
        {level, C_PAS_LEVEL, &chBUTTONSORT, Shape::Strip4},
        {level, C_PAS_LEVEL, &chBUTTONMAG, Shape::Strip4},
        {level, C_PAS_LEVEL, &chBUTTONBORDER, Shape::Strip4},
        {level, C_PAS_LEVEL, &chBUTTONSETTINGS, Shape::Strip4},
        {level, C_PAS_LEVEL, &chX1, Shape::Strip4},
        {level, C_PAS_LEVEL, &chX2, Shape::Strip4},
        {level, C_PAS_LEVEL, &chX3, Shape::Strip4},
        {level, C_PAS_LEVEL, &chX, Shape::Strip4},

        {pocket, C_PAS_POCKET, &chBTNPOCKET, Shape::Strip4},
        {pocket, C_PAS_POCKET, &chPOCKETTILEH, Shape::Plain},
        {pocket, C_PAS_POCKET, &chPOCKETTILEW, Shape::Plain},
        {pocket, C_PAS_POCKET, &chPOCKETTILEWH, Shape::Plain},
        {pocket, C_PAS_POCKET, &chPOCKETFIX, Shape::Plain},

        {gui, C_PAS_GUI, &chBUTTON_OK, Shape::Strip4},
        {gui, C_PAS_GUI, &chBUTTON_CANCEL, Shape::Strip4},
        {gui, C_PAS_GUI, &chBUTTONFLAT, Shape::Strip4},
        {gui, C_PAS_GUI, &chBUTTONPLUS, Shape::Strip4},
        {gui, C_PAS_GUI, &chBUTTONMINUS, Shape::Strip4},
        {gui, C_PAS_GUI, &chPTNS_GM_SLIDER, Shape::Strip4},
        {gui, C_PAS_GUI, &chPTNS_GM_CHBOX, Shape::Halves},
        {gui, C_PAS_GUI, &chWINDOWMINI, Shape::Plain},
        {gui, C_PAS_GUI, &chSTBACK, Shape::Plain},
        {gui, C_PAS_GUI, &chTROFEIPIC, Shape::Plain},
        {gui, C_PAS_GUI, &chMagnifer, Shape::Plain},
        {gui, C_PAS_GUI, &chLIDERPIC, Shape::Plain},
        {gui, C_PAS_GUI, &chLIDERTABLE, Shape::Plain},
        {gui, C_PAS_GUI, &chLIDERUNDER, Shape::Plain},
        {gui, C_PAS_GUI, &chPLAYPLAYERS, Shape::Plain},
        {gui, C_PAS_GUI, &chPLAYERSSTROKE, Shape::Plain},
        {gui, C_PAS_GUI, &chPLAYERSBACK, Shape::Opaque},
        {gui, C_PAS_GUI, &chEDITBOX, Shape::Plain},
        {gui, C_PAS_GUI, &chVIOLIN, Shape::Plain},
        {gui, C_PAS_GUI, &chGEAR, Shape::Plain},
        {gui, C_PAS_GUI, &chFORTEPIANO, Shape::Plain},
        {gui, C_PAS_GUI, &chSCOREFON, Shape::Plain},
        {gui, C_PAS_GUI, &chRESOLUTION_FON, Shape::Plain},
        {gui, C_PAS_GUI, &chPTNS_GM_CHBOX_ROT, Shape::Halves},
        {gui, C_PAS_GUI, &chEXITQ, Shape::Plain},
        {gui, C_PAS_GUI, &chSAVELOGO, Shape::Plain},
        {gui, C_PAS_GUI, &chROTATION_TEXT, Shape::Plain},
        {gui, C_PAS_GUI, &chWINPIC, Shape::Plain},
        {gui, C_PAS_GUI, &chBUTTON_REPLAY, Shape::Plain},
        {gui, C_PAS_GUI, &chAUTOR_PIC, Shape::Plain},
        {gui, C_PAS_GUI, &chFAQ_MOUSE, Shape::Plain},
        {gui, C_PAS_GUI, &chFAQ_POCKET, Shape::Plain},
        {gui, C_PAS_GUI, &chFAQ_MOUSE_2, Shape::Plain},

        {fx, C_PAS_EFFECTS, &chPARTIC_SNOW_CURSOR, Shape::Square},
        {fx, C_PAS_EFFECTS, &chPARTIC_BLOW_CURSOR, Shape::Square},
        {fx, C_PAS_EFFECTS, &chPARTIC_ICE_PIECE, Shape::Square},
        {fx, C_PAS_EFFECTS, &chBONUS, Shape::Plain},
    };
    // The board builds its table tile and score panel with whichever of these packs is current.
    for (const char* const* p : {fx, level, gui}) {
        all.push_back({p, C_PAS_EFFECTS, &chFrontColor, Shape::Opaque});
        all.push_back({p, C_PAS_EFFECTS, &chUP_SCORE_PANEL, Shape::Plain});
    }
    for (char* const* b : {&chBOOK_1_1, &chBOOK_1_2, &chBOOK_1_3, &chBOOK_2_1, &chBOOK_2_2, &chBOOK_2_3, &chBOOK_3_1,
                           &chBOOK_3_2, &chBOOK_3_3, &chBOOK_4_1, &chBOOK_4_2, &chBOOK_4_3, &chBOOK_5_1, &chBOOK_5_2,
                           &chBOOK_5_3})
        all.push_back({book, C_PAS_BOOK, b, Shape::Plain});
    return all;
}

// Every picture by "pack/member", each checked against its shape on the way.
std::map<std::string, Picture> LoadAll()
{
    std::map<std::string, Picture> out;
    for (const Member& m : Pictures()) {
        SCOPED_TRACE(std::string(*m.pack) + "/" + *m.name);
        const std::string key = std::string(*m.pack) + "/" + *m.name;
        Picture p = Load(*m.pack, m.pass, *m.name);
        if (p.w == 0)
            continue;
        switch (m.shape) {
        case Shape::Strip4: EXPECT_EQ(p.w % 4, 0) << key << " is a four-state strip " << p.w << " wide"; break;
        case Shape::Halves: EXPECT_EQ(p.w % 2, 0) << key << " is two halves " << p.w << " wide"; break;
        case Shape::Square: EXPECT_EQ(p.w, p.h) << key << " must be square"; break;
        case Shape::Opaque: {
            EXPECT_TRUE(Opaque(p)) << key << " must be opaque";
            break;
        }
        case Shape::Plain: break;
        }
        out[key] = std::move(p);
    }
    return out;
}

TEST_F(ShippedData, EveryInterfacePictureIsInItsPackAndKeepsItsShape)
{
    const std::map<std::string, Picture> byPack = LoadAll();
    auto size = [&](const char* pack, const char* name) {
        const auto it = byPack.find(std::string(pack) + "/" + name);
        return it == byPack.end() ? std::pair{0, 0} : std::pair{it->second.w, it->second.h};
    };
    const char* menu = C_NAME_PACK_MENU;
    const char* level = C_NAME_PACK_LEVEL;
    const char* gui = C_NAME_PACK_GUI;

    // The menu bar is spaced by the play button's state width; every other button must fit.
    const int s = static_cast<int>(0.8 * size(menu, chMAIN_MENU_DWN_PANELKA_PLAY).first / 4);
    EXPECT_LE(size(menu, chMAIN_MENU_DWN_PANELKA_PLAY).first / 4, 170);
    for (const char* b : {chMAIN_MENU_DWN_PANELKA_TOP, chBUTTONTROP, chMAIN_MENU_DWN_PANELKA_SCORE,
                          chMAIN_MENU_DWN_PANELKA_CUT, chMAIN_MENU_DWN_PANELKA_EXIT, chMAIN_MENU_DWN_PANELKA_OPTIONS})
        EXPECT_LE(size(menu, b).first / 4, s) << b;

    // The eight tool buttons share one size, small enough for their 85 px steps at rest.
    const auto tool = size(level, chBUTTONDOOR);
    EXPECT_LE(tool.first / 4 * 0.7, 85.0);
    for (const char* b : {chBUTTONFRAME, chBUTTONHELP, chBUTTONFLY, chBUTTONSORT, chBUTTONMAG, chBUTTONBORDER,
                          chBUTTONSETTINGS})
        EXPECT_EQ(size(level, b), tool) << b;
    for (const char* b : {chX1, chX2, chX3})
        EXPECT_LE(size(level, b).first / 4, 64) << b;

    EXPECT_EQ(size(gui, chBUTTON_OK), size(gui, chBUTTON_CANCEL));
    EXPECT_GE(size(gui, chBUTTONFLAT).first / 4, 170);
    EXPECT_LE(size(gui, chPTNS_GM_CHBOX).first / 2, 50);
    EXPECT_EQ(size(gui, chBUTTONPLUS), size(gui, chBUTTONMINUS));
    EXPECT_GE(size(gui, chSTBACK).first, 700);
    EXPECT_GE(size(gui, chSTBACK).second, 560);
    EXPECT_LE(size(gui, chSTBACK).second, 768);
    EXPECT_EQ(size(menu, chROT_YES), size(menu, chROT_NO));

    // Pocket strips are as thick as the corner piece.
    const char* pocket = C_NAME_PACK_POCKET;
    EXPECT_EQ(size(pocket, chPOCKETTILEH).first, size(pocket, chPOCKETFIX).first);
    EXPECT_EQ(size(pocket, chPOCKETTILEW).second, size(pocket, chPOCKETFIX).second);

    // Book pieces: one width per column, one height per row, the spine as wide as the corner
    // whose width the layout uses as the spine.
    char* const* bookGrid[5][3] = {{&chBOOK_1_1, &chBOOK_1_2, &chBOOK_1_3}, {&chBOOK_2_1, &chBOOK_2_2, &chBOOK_2_3},
                                   {&chBOOK_3_1, &chBOOK_3_2, &chBOOK_3_3}, {&chBOOK_4_1, &chBOOK_4_2, &chBOOK_4_3},
                                   {&chBOOK_5_1, &chBOOK_5_2, &chBOOK_5_3}};
    const char* book = C_NAME_PACK_BOOK;
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(size(book, *bookGrid[c][r]).first, size(book, *bookGrid[c][0]).first) << *bookGrid[c][r];
            EXPECT_EQ(size(book, *bookGrid[c][r]).second, size(book, *bookGrid[0][r]).second) << *bookGrid[c][r];
        }
    EXPECT_EQ(size(book, chBOOK_3_3).first, size(book, chBOOK_1_3).first);

    // The cursor's tip is its top-left pixel, so that pixel must be drawn.
    const auto cursor = byPack.find(std::string(menu) + "/" + chCURNAME);
    ASSERT_NE(cursor, byPack.end());
    EXPECT_GT(cursor->second.pixels[0] >> 24, 0u) << "the cursor's hot spot is transparent";
}

TEST_F(ShippedData, EveryTrophyLevelExistsAtOneSize)
{
    const std::pair<char*, int> families[] = {
        {chTEXT_TROFEI_COLLECTOR_PATH, 5}, {chTEXT_TROFEI_JIGSAW_MASTER_PATH, 3}, {chTEXT_TROFEI_ENDURANCE_PATH, 4},
        {chTEXT_TROFEI_MEDITATION_PATH, 4}, {chTEXT_TROFEI_BICH_PATH, 4}, {chTEXT_TROFEI_SAGE_PATH, 6}};
    std::vector<std::string> names{chTEXT_TROFEI_OVERLORD_PATH};
    for (const auto& [stem, levels] : families)
        for (int level = 1; level <= levels; ++level)
            names.push_back(std::string(stem) + std::to_string(level) + chTEXT_TROFEI_EXTENSION);
    ASSERT_EQ(names.size(), 27u);
    int w = -1, h = -1;
    for (const std::string& n : names) {
        const Picture p = Load(C_NAME_PACK_TROFEI, C_PAS_TROFEI, n);
        if (w < 0) {
            w = p.w;
            h = p.h;
        }
        EXPECT_EQ(p.w, w) << n;
        EXPECT_EQ(p.h, h) << n;
    }
    EXPECT_LE(w, 94);
    EXPECT_LE(h, 94);
}

struct FontFile {
    int size = 0;
    std::string page;
    std::vector<int> ids;
    bool rectsInside = true;
};

FontFile ParseFont(const std::string& text, int pageW, int pageH)
{
    FontFile f;
    pugi::xml_document doc;
    if (!doc.load_string(text.c_str()))
        return f;
    const pugi::xml_node root = doc.first_child();
    if (std::string(root.first_child().name()) == "info")
        f.size = root.first_child().attribute("size").as_int();
    f.page = root.child("pages").first_child().attribute("file").as_string();
    for (pugi::xml_node c : root.child("chars").children("char")) {
        f.ids.push_back(c.attribute("id").as_int());
        const int x = c.attribute("x").as_int(), y = c.attribute("y").as_int();
        if (pageW > 0 && (x < 0 || y < 0 || x + c.attribute("width").as_int() > pageW ||
                          y + c.attribute("height").as_int() > pageH))
            f.rectsInside = false;
    }
    if (root.child("chars").attribute("count").as_int() != static_cast<int>(f.ids.size()))
        f.ids.clear();
    return f;
}

TEST_F(ShippedData, FontsCarryEveryGlyphTheTextsNeedOnOnePage)
{
    const std::u16string names = u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдеёжзийклмнопрстуфхцчшщъыьэюя"
                                 u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_()";
    std::u16string texts = u"!%,.:?/|\t ";
    // Every text the shipped strings.xml carries is drawn in one of the two text fonts.
    pugi::xml_document strings;
    ASSERT_TRUE(ZEL::LoadXmlFile(strings, (kRun + "/strings.xml").c_str()));
    for (const pugi::xpath_node& n : strings.select_nodes("//@var"))
        for (char16_t ch : ZEL::Utf8ToUtf16(n.attribute().value()))
            if (ch != u'\n')
                texts += ch;
    struct Case {
        char* name;
        std::u16string required;
    } cases[] = {{chFONT_BIG, names + texts}, {chFONT_COMIX, names + texts}, {chFONT_EXPENSE, u"+0123456789"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<char> bytes;
        ASSERT_TRUE(Read(C_NAME_PACK_FONTS, C_PAS_FONTS, c.name, bytes));
        const std::string text(bytes.begin(), bytes.end());
        // The loader reads the description from the working folder too; both must agree.
        EXPECT_EQ(ZEL::iFile::ReadWholeFile(kRun + "/" + c.name).value_or(""), text)
            << "the plain copy differs from the pack's";

        const FontFile probe = ParseFont(text, 0, 0);
        ASSERT_GT(probe.size, 0) << "info must be the first child with a positive size";
        const Picture page = Load(C_NAME_PACK_FONTS, C_PAS_FONTS, probe.page);
        const FontFile f = ParseFont(text, page.w, page.h);
        ASSERT_FALSE(f.ids.empty()) << "chars@count disagrees with the glyphs";
        EXPECT_TRUE(f.rectsInside);
        const std::set<int> have(f.ids.begin(), f.ids.end());
        for (char16_t ch : c.required)
            EXPECT_TRUE(have.count(ch)) << "missing glyph U+" << std::hex << static_cast<int>(ch);
        // A missing glyph advances by the last one in the file: that must be the space.
        EXPECT_EQ(f.ids.back(), ' ');
    }
}

TEST_F(ShippedData, EverySoundDecodesAndTheMelodiesLoopWithoutAClick)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 2048), 0) << Mix_GetError();
    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);

    const std::vector<char*> effects = {
        chSND_BUTTON_DISABLED, chSND_BUTTON_OVER, chSND_BUTTON_PLAY, chSND_BUTTON, chSND_CLOSE_POCKET,
        chSND_EL_ARRIVE, chSND_CON_HI, chSND_CON_MID, chSND_CON_LOW, chSND_EL_PICK_UP, chSND_EL_PUT,
        chSND_EL_ROTATION, chSND_EL_ROTAION_WRONG, chSND_GROUP_ARRIVE, chSND_GUI_CLICK, chSND_LEVEL_WIN,
        chSND_PUZZLE_OVER, chSND_PUZZLE_SELECTION, chSND_TOOL_HINT, chSND_TOOL_SORT, chSND_USE_POCKET,
        chSND_WINDOW_CLOSE, chSND_WINDOW_OPEN, chSND_TOOL_ON, chSND_TOOL_OFF};
    const double frameBytes = 2.0 * channels;
    auto decode = [&](const char* name) -> Mix_Chunk* {
        std::vector<char> bytes;
        if (!Read(C_NAME_PACK_MUSIC, C_PAS_MUSIC, name, bytes)) {
            ADD_FAILURE() << name << " is missing from the music pack or does not open with its password";
            return nullptr;
        }
        Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
        if (!chunk)
            ADD_FAILURE() << name << " does not decode: " << Mix_GetError();
        else if (std::memcmp(bytes.data(), "OggS", 4) != 0)
            ADD_FAILURE() << name << " is no Ogg file";
        return chunk;
    };
    for (const char* name : effects) {
        Mix_Chunk* chunk = decode(name);
        if (!chunk)
            continue;
        const double seconds = chunk->alen / frameBytes / rate;
        const double limit = name == std::string(chSND_LEVEL_WIN) ? 6.0
                             : name == std::string(chSND_PUZZLE_SELECTION) ? 0.25 : 1.2;
        EXPECT_GT(seconds, 0.02) << name;
        EXPECT_LE(seconds, limit) << name;
        Mix_FreeChunk(chunk);
    }
    for (const char* name : {chSND_BACK_1, chSND_BACK_2}) {
        Mix_Chunk* chunk = decode(name);
        if (!chunk)
            continue;
        const auto* s = reinterpret_cast<const std::int16_t*>(chunk->abuf);
        const std::size_t n = chunk->alen / sizeof(std::int16_t);
        const double seconds = n / static_cast<double>(channels) / rate;
        EXPECT_GE(seconds, 30.0) << name;
        EXPECT_LE(seconds, 200.0) << name;
        // The restart joins the last frame to the first: that step must look like any other.
        double typical = 0;
        for (std::size_t i = channels; i < n; ++i)
            typical += std::abs(s[i] - s[i - channels]);
        typical /= static_cast<double>(n - channels);
        for (int ch = 0; ch < channels; ++ch) {
            const double seam = std::abs(s[ch] - s[n - channels + ch]);
            EXPECT_LE(seam, 8 * typical + 64) << name << " clicks where it loops (channel " << ch << ")";
        }
        Mix_FreeChunk(chunk);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST_F(ShippedData, PictureListMatchesTheBookAndThePicturePacks)
{
    LoadConfig(kRun.c_str());
    pugi::xml_document doc;
    ASSERT_TRUE(ZEL::LoadXmlFile(doc, (kRun + "/pzls.xml").c_str()));
    const pugi::xml_node root = doc.first_child();
    const std::string credits = ZEL::iFile::ReadWholeFile(kRun + "/CREDITS").value_or("");
    int categories = 0, large = 0;
    for (pugi::xml_node cat = root.first_child(); cat; cat = cat.next_sibling()) {
        ++categories;
        int inCategory = 0;
        for (pugi::xml_node pic = cat.first_child(); pic; pic = pic.next_sibling()) {
            ++inCategory;
            const std::string sm = pic.attribute("adrSm").as_string(), fm = pic.attribute("adrFm").as_string();
            SCOPED_TRACE(fm);
            const Picture pre = Load(C_NAME_PACK_IMAGE_PREV, C_PAS_IMAGE, sm);
            // A saved puzzle reopens its picture with the level pack's password.
            const Picture full = Load(C_NAME_PACK_IMAGE_SMAL, C_PAS_LEVEL, fm);
            if (pre.w == 0 || full.w == 0)
                continue;
            EXPECT_TRUE(Opaque(full)) << "a puzzle picture with transparent pixels cuts into holes";
            EXPECT_LE(full.w, 924);
            EXPECT_LE(full.h, 668);
            EXPECT_GE(std::max(pre.w, pre.h), 210);
            const double rPre = static_cast<double>(std::max(pre.w, pre.h)) / std::min(pre.w, pre.h);
            const double rFull = static_cast<double>(std::max(full.w, full.h)) / std::min(full.w, full.h);
            EXPECT_NEAR(rPre, rFull, 0.005) << "preview and picture differ in shape";
            // The tile shows `amount`; the board cuts m pieces on the short side. They agree
            // only when amount is round(m * ratio) * m.
            const int amount = pic.attribute("amount").as_int();
            bool consistent = amount == 0;
            for (int m = 3; m <= 40 && !consistent; ++m)
                consistent = amount == static_cast<int>(m * rPre + 0.5) * m;
            EXPECT_TRUE(consistent) << "amount " << amount;
            large += amount >= 200;
            EXPECT_NE(credits.find(fm + "\n"), std::string::npos) << "not named in CREDITS";
        }
        EXPECT_GE(inCategory, 8) << "category " << categories;
    }
    EXPECT_GE(categories, 5);
    EXPECT_EQ(static_cast<std::size_t>(categories), chCATEGORIES_NAMES.size()) << "one book title per category";
    EXPECT_GE(large, 1) << "no picture offers the lord's 200 pieces";
    ResetConfigToDefaults();
}

TEST_F(ShippedData, EditionNamesSplashLogosThatExist)
{
    std::vector<char> bytes;
    ASSERT_TRUE(Read(C_NAME_PACK_EDITION, C_PAS_EDITION, "editions.xml", bytes));
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_buffer(bytes.data(), bytes.size()));
    for (const char* key : {"splash1", "splash2"}) {
        const std::string file = doc.first_child().child(key).attribute("param").as_string();
        ASSERT_FALSE(file.empty()) << key;
        int w = 0, h = 0;
        std::vector<std::uint32_t> px;
        EXPECT_TRUE(ZEL::DecodeImageFile((kRun + "/" + file).c_str(), w, h, px)) << file;
        EXPECT_LE(w, 1024);
        EXPECT_LE(h, 768);
    }
}

} // namespace
