#pragma once
// The game's three start-up tables: resource.xml (file and pack names), config.xml (numbers and
// colours) and strings.xml (texts). LoadConfig fills the globals below once, before any other
// thread exists; afterwards everybody only reads them.
//
// The globals themselves are listed, with their element names and default values, in
// ResourceTable.inc, ConfigTable.inc and StringsTable.inc beside this header.
#include <string>
#include <utility>
#include <vector>

namespace pugi {
class xml_document;
}

// --- resource.xml: names (texts) and the four font spacings ---
#define RES_FIRST(element, global, value) extern char* global;
#define RES_ITEM(group, element, global, value) extern char* global;
#define RES_FONT(group, element, global, value, spaceGlobal, space) extern char* global; extern int spaceGlobal;
#define RES_ONE(group, global, value) extern char* global;
#include "GAME/data/ResourceTable.inc"
#undef RES_FIRST
#undef RES_ITEM
#undef RES_FONT
#undef RES_ONE

// --- config.xml ---
#define CFG_INT(parent, key, global, value) extern int global;
#define CFG_COLOR(parent, key, global, value) extern int global;
#define CFG_REAL(parent, key, global, value) extern float global;
#include "GAME/data/ConfigTable.inc"
#undef CFG_INT
#undef CFG_COLOR
#undef CFG_REAL

extern char* chTEXT_PRODUCT_NAME;  // empty unless config.xml carries product
extern char* chTEXT_COMPANY_NAME;  // empty unless config.xml carries company
extern int C_COLOR_SPLASH;         // ARGB; 0xFF000000 when config.xml has no color_splash

// --- strings.xml ---
#define STR(key, global, value) extern char* global;
#define STR_UNWRITTEN(key, global) extern char* global;
#define STR_CATEGORIES()
#include "GAME/data/StringsTable.inc"
#undef STR
#undef STR_UNWRITTEN
#undef STR_CATEGORIES

// Book tab titles, one per picture category, in document order.
extern std::vector<std::string> chCATEGORIES_NAMES;

// Optional texts: null unless strings.xml has copyright1 / copyright_title.
extern char* chTEXT_COPYRIGHT1;
extern char* chTEXT_COPYRIGHT2;
extern int COPYRIGHT_POS_X;
extern int COPYRIGHT_POS_Y;
extern int COPYRIGHT_TITLE_POS_X;
extern int COPYRIGHT_TITLE_POS_Y;

// --- pack passwords: built into the program, never in resource.xml ---
inline constexpr const char* C_NAME_PACK_EDITION = "DATA/editions";
inline constexpr const char* C_PAS_LOADING = "qelm7";
inline constexpr const char* C_PAS_MENY = "qelm7";
inline constexpr const char* C_PAS_BOOK = "qelm7";
inline constexpr const char* C_PAS_LEVEL = "qelm7";
inline constexpr const char* C_PAS_POCKET = "qelm7";
inline constexpr const char* C_PAS_GUI = "qelm7";
inline constexpr const char* C_PAS_TROFEI = "qelm7";
inline constexpr const char* C_PAS_EFFECTS = "qelm7";
inline constexpr const char* C_PAS_FONTS = "qelm7";
inline constexpr const char* C_PAS_EDITION = "qelm7";
inline constexpr const char* C_PAS_IMAGE = "qelm7";
inline constexpr const char* C_PAS_MUSIC = "lumen.ogg";

// Reads the three tables from `dir` (null or "" = the working folder). A missing table is first
// written there with its defaults; when that write fails the defaults are used from memory.
// Texts of strings.xml that do not take the printf arguments of their defaults are replaced by
// the defaults (and texts without a default may hold no conversion at all), so every text can be
// handed to a formatting function. Text pointers taken before a call are no longer valid after
// it (and after ResetConfigToDefaults); the game calls it once, before anything reads them.
void LoadConfig(const char* dir = nullptr);

// Each writes its default table into `dir` (null or "" = the working folder), atomically.
// True when the file was written.
bool SaveDefaultResource(const char* dir = nullptr);
bool SaveDefaultConfig(const char* dir = nullptr);
bool SaveDefaultStrings(const char* dir = nullptr);

// The three tables as the game ships them: resource.xml and strings.xml are the defaults,
// config.xml the defaults plus the game's company and product names. True when all were written.
bool WriteShippedTables(const char* dir);

// Texts the shipped strings.xml carries instead of the defaults: the book's category titles (one
// per picture category) and single texts by key. Unknown keys are refused.
struct ShippedTexts {
    std::vector<std::string> categories;
    std::vector<std::pair<std::string, std::string>> texts;
};
bool WriteShippedTables(const char* dir, const ShippedTexts& texts, std::string* error = nullptr);

// The default documents as text, exactly as the writers save them.
std::string DefaultResourceText();
std::string DefaultConfigText(bool withIdentity = false);
std::string DefaultStringsText();

// Puts every global back to its built-in default (what LoadConfig yields from default files).
// The globals start out this way, so code that runs without LoadConfig still sees sane values.
void ResetConfigToDefaults();

// The folder names for the per-user paths: the configured company / product, or the game's own
// name when the configured text is empty or is not usable as one folder name.
const char* EffectiveCompanyName();
const char* EffectiveProductName();

// Opens an XML document from the current pack of ZEL::ifile, or from the working folder when no
// pack is current (or the current pack cannot be opened). The caller deletes the result. Null
// when the pack opens but lacks the file or the file cannot be read.
pugi::xml_document* GetXML(const char* name);
