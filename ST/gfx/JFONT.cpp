#include "ST/gfx/JFONT.h"

#include "ST/core/Diag.h"
#include "ST/core/Utf.h"
#include "ST/gui/JSPRITE.h"
#include "ST/core/XmlFile.h"

#include <pugixml.hpp>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <string>

namespace ZEL {

namespace {

int Round(float v) { return static_cast<int>(std::lround(v)); }

template <class Ch>
int FirstLineLength(const JFONT& font, const Ch* text) {
    if (!text) return 0;
    int len = 0;
    for (const Ch* p = text; *p && *p != Ch('\n'); ++p) len += font.GetLetterWidth(static_cast<int>(*p)) + font.spacing;
    return len;
}

} // namespace

JFONT::JFONT(const char* file, int n) {
    Diag(std::string("loading font ") + (file ? file : ""));
    pugi::xml_document doc;
    pugi::xml_node root;
    if (file && LoadXmlFile(doc, file)) root = doc.first_child();
    if (!root) {
        Diag(std::string("Cant open file ") + (file ? file : "") + " Font not loaded ");
        sprite = new JSPRITE();
        return;
    }
    size = defaultSize = root.first_child().attribute("size").as_int();
    if (size == 0) Diag("size==0!!!");
    spacing = size / 4;

    const char* page = root.child("pages").first_child().attribute("file").as_string();
    sprite = new JSPRITE(page, n);
    sprite->SetBlendMode(1);
    texture = sprite->GetTexture();
    const float pw = static_cast<float>(sprite->imageSize.x > 0 ? sprite->imageSize.x : 1);
    const float ph = static_cast<float>(sprite->imageSize.y > 0 ? sprite->imageSize.y : 1);

    pugi::xml_node chars = root.child("chars");
    for (pugi::xml_node c = chars.first_child(); c; c = c.next_sibling()) {
        auto* g = new GLYPH;
        g->id = c.attribute("id").as_int();
        const int x = c.attribute("x").as_int(), y = c.attribute("y").as_int();
        g->width = c.attribute("width").as_int();
        g->height = c.attribute("height").as_int();
        g->xoffset = c.attribute("xoffset").as_int();
        g->yoffset = c.attribute("yoffset").as_int();
        g->texLeft = x / pw;
        g->texTop = y / ph;
        g->texRight = (x + g->width) / pw;
        g->texBottom = (y + g->height) / ph;
        g->next = glyphs;
        glyphs = g;
        ++glyphCount;
    }
    const int declared = chars.attribute("count").as_int();
    if (declared != glyphCount)
        Diag("Count chars " + std::to_string(declared) + " not concide with chars count");
    sprite->SetSizePix(size, size);
    sprite->SetHotSpot(0, 0);
    sprite->SetLayer(100);
    align = 1;
    Diag("fontLoaded");
}

JFONT::~JFONT() {
    delete sprite;
    while (glyphs) {
        GLYPH* n = glyphs->next;
        delete glyphs;
        glyphs = n;
    }
}

const JFONT::GLYPH* JFONT::Find(int code) const {
    for (const GLYPH* g = glyphs; g; g = g->next)
        if (g->id == code) return g;
    return nullptr;
}

int JFONT::GetLetterWidth(int code) const {
    const GLYPH* g = Find(code);
    return g ? g->width : 0;
}

int JFONT::GetStringLenght(const char* text) const {
    return text ? GetStringLenght(Utf8ToUtf16(text).c_str()) : 0;
}

int JFONT::GetStringLenght(const char16_t* text) const { return FirstLineLength(*this, text); }

int JFONT::GetStringHeight(const char* text) const {
    int lines = 1;
    for (const char* p = text; p && *p; ++p) lines += *p == '\n';
    return size * lines;
}

void JFONT::Render(int x, int y, const char* fmt, ...) {
    if (!fmt) return;
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(narrowText, sizeof narrowText, fmt, ap);
    va_end(ap);
    Rende(x, y, narrowText);
}

void JFONT::Render(int x, int y, const char16_t* fmt, ...) {
    if (!fmt) return;
    // There is no printf for UTF-16: format the UTF-8 form and convert back, cut to the buffer.
    const std::string f8 = Utf16ToUtf8(fmt);
    char buf[4 * (kWideMax + 1)];
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(buf, sizeof buf, f8.c_str(), ap);
    va_end(ap);
    const std::u16string w = Utf8ToUtf16(buf);
    size_t n = std::min<size_t>(w.size(), kWideMax);
    if (n > 0 && n < w.size() && w[n - 1] >= 0xD800 && w[n - 1] <= 0xDBFF) --n;  // keep pairs whole
    std::copy(w.begin(), w.begin() + static_cast<long>(n), wideText);
    wideText[n] = 0;
    Rende(x, y, wideText);
}

void JFONT::Rende(int x, int y, const char* text) {
    if (!text) {
        align = 1;
        return;
    }
    Rende(x, y, Utf8ToUtf16(text).c_str());
}

void JFONT::Rende(int x, int y, const char16_t* text) {
    if (!text || !sprite) {
        align = 1;
        return;
    }
    const float sx = sprite->scale.x, sy = sprite->scale.y;
    const int L = GetStringLenght(text);
    int offX = 0, offY = 0;
    switch (align) {
    case 0: offX = Round(sx * static_cast<float>(L / 2)); offY = Round(sy * size * 0.5f); break;
    case 2: offX = L; offY = Round(sy); break;
    case 4: offX = L; offY = Round(sy * size); break;
    case 7: offY = Round(sy * size * 0.5f); break;
    case 8: offX = L; offY = Round(sy * size * 0.5f); break;
    default: break;
    }
    int c = 0, line = 0;
    for (const char16_t* p = text; *p; ++p) {
        if (*p == u'\n') {
            ++line;
            c = 0;
            continue;
        }
        const int adv = RenderLetter(*p, Round(sx * c + x - offX), Round(sy * (size * line) + y - offY));
        c += spacing + adv;
    }
    align = 1;
}

int JFONT::RenderLetter(int code, int x, int y) {
    const GLYPH* g = Find(code);
    if (!g) return glyphs ? glyphs->width : 0;  // no glyphs at all: nothing to advance by
    sprite->SetPos(x, y + g->yoffset);
    sprite->SetTexelCoord(g->texLeft, g->texTop, g->texRight, g->texBottom);
    sprite->SetSizePix(g->width, g->height);
    sprite->Render(0);
    return g->width;
}

void JFONT::SetSize(float s) {
    if (sprite) sprite->SetSize(s, s);
}

float JFONT::GetSize() const { return sprite ? sprite->scale.x : 1.0f; }

void JFONT::SetColor(int argb) {
    if (sprite) sprite->SetColor(argb);
}

int JFONT::GetColor() const { return sprite ? sprite->GetColor() : 0; }

void JFONT::Test(float x, float y) {
    int i = 0;
    for (const GLYPH* g = glyphs; g; g = g->next, ++i)
        RenderLetter(g->id, static_cast<int>(x) + (i % 21) * size, static_cast<int>(y) + 15 + (i / 21) * size);
}

} // namespace ZEL
