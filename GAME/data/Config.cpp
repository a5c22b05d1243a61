#include "GAME/data/Config.h"

#include "GAME/data/GameIdentity.h"
#include "GAME/data/TextFormat.h"
#include "ST/core/Diag.h"
#include "ST/core/SafeName.h"
#include "ST/core/iFile.h"

#include <pugixml.hpp>

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string_view>

// ---------------------------------------------------------------------------------------------
// The globals. They start out null/zero and are given their defaults by the initialiser at the
// end of this file, before main runs.

#define RES_FIRST(element, global, value) char* global = nullptr;
#define RES_ITEM(group, element, global, value) char* global = nullptr;
#define RES_FONT(group, element, global, value, spaceGlobal, space) char* global = nullptr; int spaceGlobal = 0;
#define RES_ONE(group, global, value) char* global = nullptr;
#include "GAME/data/ResourceTable.inc"
#undef RES_FIRST
#undef RES_ITEM
#undef RES_FONT
#undef RES_ONE

#define CFG_INT(parent, key, global, value) int global = 0;
#define CFG_COLOR(parent, key, global, value) int global = 0;
#define CFG_REAL(parent, key, global, value) float global = 0.0f;
#include "GAME/data/ConfigTable.inc"
#include "ST/core/XmlFile.h"
#undef CFG_INT
#undef CFG_COLOR
#undef CFG_REAL

char* chTEXT_PRODUCT_NAME = nullptr;
char* chTEXT_COMPANY_NAME = nullptr;
int C_COLOR_SPLASH = 0;

#define STR(key, global, value) char* global = nullptr;
#define STR_UNWRITTEN(key, global) char* global = nullptr;
#define STR_CATEGORIES()
#include "GAME/data/StringsTable.inc"
#undef STR
#undef STR_UNWRITTEN
#undef STR_CATEGORIES

std::vector<std::string> chCATEGORIES_NAMES;

char* chTEXT_COPYRIGHT1 = nullptr;
char* chTEXT_COPYRIGHT2 = nullptr;
int COPYRIGHT_POS_X = 0;
int COPYRIGHT_POS_Y = 0;
int COPYRIGHT_TITLE_POS_X = 0;
int COPYRIGHT_TITLE_POS_Y = 0;

namespace {

// ---------------------------------------------------------------------------------------------
// The tables as data

struct ResRow {
    enum Kind { First, Item, Font, One } kind;
    const char* group;
    const char* element;
    char** global;
    const char* value;
    int* spaceGlobal;
    int space;
};

const ResRow kResRows[] = {
#define RES_FIRST(element, global, value) {ResRow::First, nullptr, #element, &global, value, nullptr, 0},
#define RES_ITEM(group, element, global, value) {ResRow::Item, #group, #element, &global, value, nullptr, 0},
#define RES_FONT(group, element, global, value, spaceGlobal, space) \
    {ResRow::Font, #group, #element, &global, value, &spaceGlobal, space},
#define RES_ONE(group, global, value) {ResRow::One, #group, #group, &global, value, nullptr, 0},
#include "GAME/data/ResourceTable.inc"
#undef RES_FIRST
#undef RES_ITEM
#undef RES_FONT
#undef RES_ONE
};

struct CfgRow {
    enum Kind { Int, Color, Real } kind;
    const char* parent;
    const char* key;
    int* intGlobal;
    float* realGlobal;
    long long intValue;
    float realValue;
};

const CfgRow kCfgRows[] = {
#define CFG_INT(parent, key, global, value) {CfgRow::Int, parent, #key, &global, nullptr, value, 0.0f},
#define CFG_COLOR(parent, key, global, value) {CfgRow::Color, parent, #key, &global, nullptr, value, 0.0f},
#define CFG_REAL(parent, key, global, value) {CfgRow::Real, parent, #key, nullptr, &global, 0, value},
#include "GAME/data/ConfigTable.inc"
#undef CFG_INT
#undef CFG_COLOR
#undef CFG_REAL
};

struct StrRow {
    enum Kind { Text, Unwritten, Categories } kind;
    const char* key;
    char** global;
    const char* value;
};

const StrRow kStrRows[] = {
#define STR(key, global, value) {StrRow::Text, #key, &global, value},
#define STR_UNWRITTEN(key, global) {StrRow::Unwritten, #key, &global, ""},
#define STR_CATEGORIES() {StrRow::Categories, "book_category", nullptr, nullptr},
#include "GAME/data/StringsTable.inc"
#undef STR
#undef STR_UNWRITTEN
#undef STR_CATEGORIES
};

constexpr int kDefaultCategoryCount = 5;
constexpr unsigned kDefaultSplash = 0xFF000000u;

std::string DefaultCategoryTitle(int index) { return "Пазлы " + std::to_string(index + 1); }

// ---------------------------------------------------------------------------------------------
// Text storage: every text global points into an array made here. The list itself is never
// destroyed, so a text stays valid until the process ends, whatever runs at exit.

std::vector<char*>& TextArena()
{
    static auto* arena = new std::vector<char*>;
    return *arena;
}

char* CopyText(std::string_view s)
{
    char* p = new char[s.size() + 1];
    std::memcpy(p, s.data(), s.size());
    p[s.size()] = '\0';
    TextArena().push_back(p);
    return p;
}

// Only for a complete refill: every text global is given a new value right after.
void ReleaseTexts()
{
    for (char* p : TextArena())
        delete[] p;
    TextArena().clear();
}

// ---------------------------------------------------------------------------------------------
// Reading conventions

// Signed decimal as strtol reads it, saturated at the 32-bit limits; 0 when missing or empty.
int ParseInt(const char* s)
{
    if (!s)
        return 0;
    errno = 0;
    const long long v = std::strtoll(s, nullptr, 10);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

// Unsigned hexadecimal, "0x" prefix optional, saturated at 32 bits.
int ParseHexColour(const char* s)
{
    if (!s)
        return 0;
    const unsigned long long v = std::strtoull(s, nullptr, 16);
    const std::uint32_t c = v > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(v);
    return static_cast<int>(c);
}

// Floating point as strtod reads it; 0 when missing. Infinities, NaN and values beyond float
// range also read as 0: every real here ends up in layout arithmetic and integer conversions.
float ParseReal(const char* key, const char* s)
{
    if (!s || !*s)
        return 0.0f;
    const double v = std::strtod(s, nullptr);
    if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) {
        ZEL::Diag(std::string("config.xml: ") + key + " = \"" + s + "\" is not a finite number; 0 is used");
        return 0.0f;
    }
    return static_cast<float>(v);
}

std::string FormatReal(float v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
    return buf;
}

pugi::xml_node FirstElement(pugi::xml_node n)
{
    pugi::xml_node c = n.first_child();
    while (c && c.type() != pugi::node_element)
        c = c.next_sibling();
    return c;
}

pugi::xml_node NextElement(pugi::xml_node n)
{
    pugi::xml_node c = n.next_sibling();
    while (c && c.type() != pugi::node_element)
        c = c.next_sibling();
    return c;
}

const char* Var(pugi::xml_node n) { return n.attribute("var").value(); }

std::string PathIn(const char* dir, const char* name)
{
    if (!dir || !*dir)
        return name;
    std::string p = dir;
    if (p.back() != '/')
        p += '/';
    return p + name;
}

std::string Serialise(const pugi::xml_document& doc)
{
    std::ostringstream out;
    doc.save(out, "\t", pugi::format_indent, pugi::encoding_utf8);
    return out.str();
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Default documents

namespace {

void BuildDefaultResource(pugi::xml_document& doc)
{
    pugi::xml_node root = doc.append_child("resource");
    pugi::xml_node group;
    const char* groupName = nullptr;
    for (const ResRow& r : kResRows) {
        pugi::xml_node e;
        switch (r.kind) {
        case ResRow::First:
        case ResRow::One:
            e = root.append_child(r.element);
            groupName = nullptr;
            break;
        case ResRow::Item:
        case ResRow::Font:
            if (!groupName || std::strcmp(groupName, r.group) != 0) {
                group = root.append_child(r.group);
                groupName = r.group;
            }
            e = group.append_child(r.element);
            break;
        }
        e.append_attribute("var") = r.value;
        if (r.kind == ResRow::Font)
            e.append_attribute("space") = std::to_string(r.space).c_str();
    }
}

void BuildDefaultConfig(pugi::xml_document& doc, bool withIdentity)
{
    pugi::xml_node root = doc.append_child("config");
    if (withIdentity) {
        root.append_child("product").append_attribute("var") = GAME::kProductName;
        root.append_child("company").append_attribute("var") = GAME::kCompanyName;
    }
    for (const CfgRow& r : kCfgRows) {
        pugi::xml_node parent = root;
        if (*r.parent) {
            parent = root.child(r.parent);
            if (!parent)
                parent = root.append_child(r.parent);
        }
        std::string text;
        if (r.kind == CfgRow::Int)
            text = std::to_string(static_cast<int>(r.intValue));
        else if (r.kind == CfgRow::Color)
            text = std::to_string(static_cast<int>(static_cast<std::uint32_t>(r.intValue)));
        else
            text = FormatReal(r.realValue);
        parent.append_child(r.key).append_attribute("var") = text.c_str();
    }
}

// The book_category group: one element per title, in tab order.
void WriteCategories(pugi::xml_node group, const std::vector<std::string>& titles)
{
    while (group.first_child())
        group.remove_child(group.first_child());
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const std::string name = "book_category_" + std::to_string(i);
        group.append_child(name.c_str()).append_attribute("var") = titles[i].c_str();
    }
}

void BuildDefaultStrings(pugi::xml_document& doc)
{
    pugi::xml_node root = doc.append_child("strings");
    for (const StrRow& r : kStrRows) {
        if (r.kind == StrRow::Text) {
            root.append_child(r.key).append_attribute("var") = r.value;
        } else if (r.kind == StrRow::Categories) {
            std::vector<std::string> titles;
            for (int i = 0; i < kDefaultCategoryCount; ++i)
                titles.push_back(DefaultCategoryTitle(i));
            WriteCategories(root.append_child(r.key), titles);
        }
    }
}

bool SaveText(const char* dir, const char* name, const std::string& text)
{
    return ZEL::iFile::WriteFileAtomic(PathIn(dir, name), text);
}

// Opens one table. A missing table is written with its defaults first; the defaults are then read
// from memory, so a folder that cannot be written still gives a working game. An existing file
// that cannot be opened at all is treated the same way.
void OpenTable(pugi::xml_document& doc, const char* dir, const char* name, const std::string& defaults,
               bool (*save)(const char*))
{
    const std::string path = PathIn(dir, name);
    if (!ZEL::ifile.CheckFileExist(path.c_str())) {
        save(dir);
        doc.load_buffer(defaults.data(), defaults.size());
        return;
    }
    const pugi::xml_parse_result r = ZEL::LoadXmlFile(doc, path.c_str());
    if (r)
        return;
    if (r.status == pugi::status_file_not_found || r.status == pugi::status_io_error
        || r.status == pugi::status_out_of_memory) {
        ZEL::Diag(path + " cannot be read (" + r.description() + "); the built-in defaults are used");
        doc.reset();
        doc.load_buffer(defaults.data(), defaults.size());
        return;
    }
    // A damaged file is read as far as it goes: what is missing reads as empty or 0.
    ZEL::Diag(path + ": " + r.description() + " at byte " + std::to_string(r.offset));
}

pugi::xml_node RootOf(const pugi::xml_document& doc) { return FirstElement(doc); }

void ReadResource(const pugi::xml_document& doc)
{
    const pugi::xml_node root = RootOf(doc);
    pugi::xml_node entry;
    const char* groupName = nullptr;
    for (const ResRow& r : kResRows) {
        switch (r.kind) {
        case ResRow::First:
            entry = FirstElement(root);
            groupName = nullptr;
            break;
        case ResRow::One:
            entry = root.child(r.group);
            groupName = nullptr;
            break;
        case ResRow::Item:
        case ResRow::Font:
            // Entries of a group are taken by position; their names are not looked at.
            if (!groupName || std::strcmp(groupName, r.group) != 0) {
                entry = FirstElement(root.child(r.group));
                groupName = r.group;
            } else {
                entry = NextElement(entry);
            }
            break;
        }
        *r.global = CopyText(Var(entry));
        if (r.spaceGlobal)
            *r.spaceGlobal = ParseInt(entry.attribute("space").as_string(nullptr));
    }
}

void ReadConfig(const pugi::xml_document& doc)
{
    const pugi::xml_node root = RootOf(doc);
    chTEXT_PRODUCT_NAME = CopyText(Var(root.child("product")));
    chTEXT_COMPANY_NAME = CopyText(Var(root.child("company")));
    const pugi::xml_node splash = root.child("color_splash");
    C_COLOR_SPLASH = splash ? ParseHexColour(Var(splash)) : static_cast<int>(kDefaultSplash);
    for (const CfgRow& r : kCfgRows) {
        const pugi::xml_node parent = *r.parent ? root.child(r.parent) : root;
        const char* text = parent.child(r.key).attribute("var").as_string(nullptr);
        if (r.kind == CfgRow::Real)
            *r.realGlobal = ParseReal(r.key, text);
        else
            *r.intGlobal = ParseInt(text);
    }
}

// A text from the file replaces its default only when it takes the same printf arguments; the
// empty text (a missing key) is harmless and kept.
const char* CheckedText(const char* key, const char* text, const char* fallback)
{
    if (!*text || GAME::SameConversions(text, fallback))
        return text;
    ZEL::Diag(std::string("strings.xml: ") + key + " \"" + text
              + "\" does not take the arguments of its default; the default is used");
    return fallback;
}

} // namespace

namespace {

// Texts without a default take no arguments at all: they are drawn as they stand.
bool IsPlainText(const char* text)
{
    const auto sig = GAME::FormatSignature(text);
    return sig && sig->empty();
}

void ReadStrings(const pugi::xml_document& doc)
{
    const pugi::xml_node root = RootOf(doc);
    for (const StrRow& r : kStrRows) {
        if (r.kind == StrRow::Categories)
            continue;
        *r.global = CopyText(CheckedText(r.key, Var(root.child(r.key)), r.value));
    }

    chCATEGORIES_NAMES.clear();
    int index = 0;
    for (pugi::xml_node c = FirstElement(root.child("book_category")); c; c = NextElement(c), ++index) {
        const char* title = Var(c);
        if (IsPlainText(title)) {
            chCATEGORIES_NAMES.emplace_back(title);
        } else {
            ZEL::Diag(std::string("strings.xml: category title \"") + title + "\" is no plain text; replaced");
            chCATEGORIES_NAMES.push_back(DefaultCategoryTitle(index));
        }
    }

    // The optional texts: absent unless their element exists.
    auto optional = [&root](const char* key, char*& text, int* x, int* y) {
        text = nullptr;
        const pugi::xml_node e = root.child(key);
        if (!e)
            return;
        if (!IsPlainText(Var(e))) {
            ZEL::Diag(std::string("strings.xml: ") + key + " \"" + Var(e) + "\" is no plain text; ignored");
            return;
        }
        text = CopyText(Var(e));
        if (x)
            *x = ParseInt(e.attribute("x").as_string(nullptr));
        if (y)
            *y = ParseInt(e.attribute("y").as_string(nullptr));
    };
    optional("copyright1", chTEXT_COPYRIGHT1, &COPYRIGHT_POS_X, &COPYRIGHT_POS_Y);
    optional("copyright_title", chTEXT_COPYRIGHT2, &COPYRIGHT_TITLE_POS_X, &COPYRIGHT_TITLE_POS_Y);
}

bool UsableFolderName(const char* s) { return s && ZEL::IsPlainName(s); }

} // namespace

// ---------------------------------------------------------------------------------------------
// Public functions

std::string DefaultResourceText()
{
    pugi::xml_document doc;
    BuildDefaultResource(doc);
    return Serialise(doc);
}

std::string DefaultConfigText(bool withIdentity)
{
    pugi::xml_document doc;
    BuildDefaultConfig(doc, withIdentity);
    return Serialise(doc);
}

std::string DefaultStringsText()
{
    pugi::xml_document doc;
    BuildDefaultStrings(doc);
    return Serialise(doc);
}

bool SaveDefaultResource(const char* dir)
{
    ZEL::Diag("SAVE_DEFAULT_RESOURCE ...");
    ZEL::Diag(dir && *dir ? dir : ZEL::ifile.GetCurrentDir());
    const bool ok = SaveText(dir, "resource.xml", DefaultResourceText());
    if (ok)
        ZEL::Diag("SAVE_DEFAULT_RESOURCE   OK");
    return ok;
}

bool SaveDefaultConfig(const char* dir) { return SaveText(dir, "config.xml", DefaultConfigText(false)); }

bool SaveDefaultStrings(const char* dir) { return SaveText(dir, "strings.xml", DefaultStringsText()); }

bool WriteShippedTables(const char* dir) { return WriteShippedTables(dir, ShippedTexts{}); }

bool WriteShippedTables(const char* dir, const ShippedTexts& texts, std::string* error)
{
    auto fail = [error](const std::string& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!dir || !*dir)
        return fail("no folder given");
    pugi::xml_document strings;
    BuildDefaultStrings(strings);
    pugi::xml_node root = strings.first_child();
    for (const auto& [key, value] : texts.texts) {
        pugi::xml_node e = root.child(key.c_str());
        if (!e || e.first_child() || key == "book_category")
            return fail("no such text: " + key);
        e.attribute("var") = value.c_str();
    }
    if (!texts.categories.empty())
        WriteCategories(root.child("book_category"), texts.categories);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const bool a = SaveText(dir, "resource.xml", DefaultResourceText());
    const bool b = SaveText(dir, "config.xml", DefaultConfigText(true));
    const bool c = SaveText(dir, "strings.xml", Serialise(strings));
    return (a && b && c) || fail(std::string("cannot write the tables into ") + dir);
}

void LoadConfig(const char* dir)
{
    ReleaseTexts();
    chTEXT_COPYRIGHT1 = nullptr;
    chTEXT_COPYRIGHT2 = nullptr;
    ZEL::Diag("RESOURCE LOADING...");

    pugi::xml_document resource;
    OpenTable(resource, dir, "resource.xml", DefaultResourceText(), &SaveDefaultResource);
    ReadResource(resource);

    ZEL::Diag("load config...");
    pugi::xml_document config;
    OpenTable(config, dir, "config.xml", DefaultConfigText(false), &SaveDefaultConfig);
    ReadConfig(config);

    ZEL::Diag("load strings...");
    pugi::xml_document strings;
    OpenTable(strings, dir, "strings.xml", DefaultStringsText(), &SaveDefaultStrings);
    ReadStrings(strings);

    ZEL::Diag("RESOURCE LOADING   OK");
}

void ResetConfigToDefaults()
{
    ReleaseTexts();
    pugi::xml_document resource;
    BuildDefaultResource(resource);
    ReadResource(resource);
    pugi::xml_document config;
    BuildDefaultConfig(config, false);
    ReadConfig(config);
    pugi::xml_document strings;
    BuildDefaultStrings(strings);
    ReadStrings(strings);
    COPYRIGHT_POS_X = COPYRIGHT_POS_Y = COPYRIGHT_TITLE_POS_X = COPYRIGHT_TITLE_POS_Y = 0;
}

const char* EffectiveCompanyName()
{
    return UsableFolderName(chTEXT_COMPANY_NAME) ? chTEXT_COMPANY_NAME : GAME::kCompanyName;
}

const char* EffectiveProductName()
{
    return UsableFolderName(chTEXT_PRODUCT_NAME) ? chTEXT_PRODUCT_NAME : GAME::kProductName;
}

pugi::xml_document* GetXML(const char* name)
{
    auto* doc = new pugi::xml_document;
    if (!name)
        return doc;
    ZEL::iFile& f = ZEL::ifile;
    const char* pack = f.ZipGetCurrentPack();
    if (!pack || f.ZipOpen(pack) != 1) {
        ZEL::LoadXmlFile(*doc, name);
        return doc;
    }
    if (f.ZipFindFile(name) != 1 || f.ZipReadFile(f.ZipGetCurrentPass()) != 1) {
        f.ZipClearData();
        f.ZipCloze();
        delete doc;
        return nullptr;
    }
    doc->load_buffer(f.GetData(), f.GetDataSize());
    f.ZipClearData();
    f.ZipCloze();
    return doc;
}

namespace {
// Code that runs without LoadConfig (tools, tests) still finds every global filled.
const bool kDefaultsInPlace = (ResetConfigToDefaults(), true);
} // namespace
