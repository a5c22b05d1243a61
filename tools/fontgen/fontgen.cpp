// Bitmap font generator: renders a TrueType font with FreeType into one page picture and the
// XML glyph description the game's font loader reads.
//
//   fontgen --ttf FONT.ttf --size 32 --spacing -8 --name Font_big --out DIR [--set text|numbers]
//           [--fill RRGGBB[,RRGGBB]] [--outline PX --outline-color RRGGBB] [--page 512]
//
// The loader advances each glyph by its rectangle width plus the (negative) spacing and ignores
// xoffset/xadvance, so every rectangle is the pen advance widened by |spacing|, with the bearing
// baked in. Missing glyphs advance by the last glyph in the file, hence space is written last.
#include "ST/platform/ImageCodec.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string ttf, name, out, set = "text";
    int size = 32, spacing = -8, page = 512, outline = 0;
    std::uint32_t fillTop = 0xFFFFFF, fillBottom = 0xFFFFFF, outlineColor = 0x000000;
};

struct Glyph {
    int id = 0;
    int w = 0, h = 0, yoffset = 0;    // rectangle on the page and its offset below the line top
    int x = 0, y = 0;
    std::vector<std::uint32_t> pixels; // w*h, ARGB
};

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "fontgen: %s\n", why.c_str());
    std::exit(1);
}

std::uint32_t ParseColor(const std::string& s) {
    char* end = nullptr;
    const unsigned long v = std::strtoul(s.c_str(), &end, 16);
    if (s.size() != 6 || *end) Fail("colour must be RRGGBB: " + s);
    return static_cast<std::uint32_t>(v);
}

std::vector<int> CharSet(const std::string& set) {
    std::vector<int> ids;
    if (set == "numbers") {
        for (int c : std::u16string(u"+-0123456789")) ids.push_back(c);
    } else if (set == "text") {
        for (int c = 0x21; c <= 0x7E; ++c) ids.push_back(c);
        for (int c = 0x410; c <= 0x44F; ++c) ids.push_back(c);  // А..я
        for (int c : std::u16string(u"ЁёІіЇїЄєҐґЎў«»—–…№©°")) ids.push_back(c);
        ids.push_back('\t');
    } else {
        Fail("unknown --set " + set);
    }
    ids.push_back(' ');  // last on purpose
    return ids;
}

Options ParseArgs(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) Fail("missing value after " + a);
            return argv[++i];
        };
        if (a == "--ttf") o.ttf = value();
        else if (a == "--name") o.name = value();
        else if (a == "--out") o.out = value();
        else if (a == "--set") o.set = value();
        else if (a == "--size") o.size = std::atoi(value().c_str());
        else if (a == "--spacing") o.spacing = std::atoi(value().c_str());
        else if (a == "--page") o.page = std::atoi(value().c_str());
        else if (a == "--outline") o.outline = std::atoi(value().c_str());
        else if (a == "--outline-color") o.outlineColor = ParseColor(value());
        else if (a == "--fill") {
            const std::string v = value();
            const auto comma = v.find(',');
            o.fillTop = ParseColor(v.substr(0, comma));
            o.fillBottom = comma == std::string::npos ? o.fillTop : ParseColor(v.substr(comma + 1));
        } else Fail("unknown option " + a);
    }
    if (o.ttf.empty() || o.name.empty() || o.out.empty()) Fail("--ttf, --name and --out are required");
    if (o.size < 4 || o.size > 256) Fail("--size out of range");
    if (o.page < 64 || o.page > 4096) Fail("--page out of range");
    if (o.outline < 0 || o.outline > 8) Fail("--outline out of range");
    return o;
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, float t) {
    auto ch = [&](int shift) {
        const float va = static_cast<float>((a >> shift) & 0xFF), vb = static_cast<float>((b >> shift) & 0xFF);
        return static_cast<std::uint32_t>(std::lround(va + (vb - va) * t)) << shift;
    };
    return ch(16) | ch(8) | ch(0);
}

// Ink coverage of one glyph on a full-line cell, composited as fill over outline.
Glyph RenderGlyph(FT_Face face, int id, const Options& o, int baseline) {
    Glyph g;
    g.id = id;
    const int pad = -o.spacing / 2 > 0 ? -o.spacing / 2 : 0;
    int advance = 0;
    const bool blank = id == ' ' || id == '\t';
    if (FT_Load_Char(face, static_cast<FT_ULong>(blank ? ' ' : id), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0)
        Fail("cannot render U+" + std::to_string(id));
    const FT_GlyphSlot slot = face->glyph;
    if (!blank && FT_Get_Char_Index(face, static_cast<FT_ULong>(id)) == 0)
        std::fprintf(stderr, "fontgen: warning: the font has no glyph for U+%04X\n", id);
    advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (id == '\t') {
        // About one lowercase letter, so rows of tab-separated columns line up.
        FT_Load_Char(face, 'n', FT_LOAD_DEFAULT);
        advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
    }
    g.w = std::max(1, advance + 2 * pad);
    const int cellH = o.size;
    if (blank) {
        g.h = 1;
        g.pixels.assign(static_cast<std::size_t>(g.w), 0);
        return g;
    }

    std::vector<float> cover(static_cast<std::size_t>(g.w) * cellH, 0.f);
    const FT_Bitmap& bm = slot->bitmap;
    const int left = pad + slot->bitmap_left, top = baseline - slot->bitmap_top;
    for (unsigned r = 0; r < bm.rows; ++r)
        for (unsigned c = 0; c < bm.width; ++c) {
            const int x = left + static_cast<int>(c), y = top + static_cast<int>(r);
            if (x < 0 || y < 0 || x >= g.w || y >= cellH) continue;
            cover[static_cast<std::size_t>(y) * g.w + x] = bm.buffer[r * bm.pitch + c] / 255.f;
        }

    std::vector<float> ring(cover.size(), 0.f);
    if (o.outline > 0) {
        const int R = o.outline;
        for (int y = 0; y < cellH; ++y)
            for (int x = 0; x < g.w; ++x) {
                float m = 0.f;
                for (int dy = -R; dy <= R; ++dy)
                    for (int dx = -R; dx <= R; ++dx) {
                        const float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
                        if (d > R + 0.5f) continue;
                        const int sx = x + dx, sy = y + dy;
                        if (sx < 0 || sy < 0 || sx >= g.w || sy >= cellH) continue;
                        const float w = std::clamp(R + 0.5f - d, 0.f, 1.f);
                        m = std::max(m, cover[static_cast<std::size_t>(sy) * g.w + sx] * w);
                    }
                ring[static_cast<std::size_t>(y) * g.w + x] = m;
            }
    }

    int inkTop = cellH, inkBottom = -1;
    std::vector<std::uint32_t> cell(cover.size(), 0);
    for (int y = 0; y < cellH; ++y) {
        const std::uint32_t fill = Mix(o.fillTop, o.fillBottom, static_cast<float>(y) / (cellH - 1));
        for (int x = 0; x < g.w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * g.w + x;
            const float fa = cover[i], oa = std::max(ring[i], fa);
            if (oa <= 0.f) continue;
            // fill over outline: colour weighted by the fill's share of the total coverage
            const std::uint32_t rgb = o.outline > 0 ? Mix(o.outlineColor, fill, fa / oa) : fill;
            const auto a = static_cast<std::uint32_t>(std::lround(oa * 255.f));
            cell[i] = (a << 24) | rgb;
            inkTop = std::min(inkTop, y);
            inkBottom = std::max(inkBottom, y);
        }
    }
    if (inkBottom < 0) {  // a glyph without ink still needs a rectangle to advance by
        g.h = 1;
        g.pixels.assign(static_cast<std::size_t>(g.w), 0);
        return g;
    }
    g.yoffset = inkTop;
    g.h = inkBottom - inkTop + 1;
    g.pixels.assign(cell.begin() + static_cast<std::ptrdiff_t>(inkTop) * g.w,
                    cell.begin() + static_cast<std::ptrdiff_t>(inkBottom + 1) * g.w);
    return g;
}

// Shelf packing with a gutter so filtering never samples a neighbour.
bool Pack(std::vector<Glyph>& glyphs, int page) {
    const int gutter = 2;
    int x = gutter, y = gutter, shelf = 0;
    for (Glyph& g : glyphs) {
        if (x + g.w + gutter > page) {
            x = gutter;
            y += shelf + gutter;
            shelf = 0;
        }
        if (g.w + 2 * gutter > page || y + g.h + gutter > page) return false;
        g.x = x;
        g.y = y;
        x += g.w + gutter;
        shelf = std::max(shelf, g.h);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const Options o = ParseArgs(argc, argv);
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&lib) != 0) Fail("FreeType did not start");
    if (FT_New_Face(lib, o.ttf.c_str(), 0, &face) != 0) Fail("cannot open " + o.ttf);

    // The loader uses `size` as the line pitch, so scale the face's ascender+descender to it.
    const double extent = static_cast<double>(face->ascender - face->descender) / face->units_per_EM;
    const int pixelSize = std::max(4, static_cast<int>(std::floor(o.size / extent)));
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
    const int baseline = static_cast<int>(std::lround(static_cast<double>(face->ascender) / face->units_per_EM * pixelSize +
                                                      (o.size - extent * pixelSize) / 2));

    std::vector<Glyph> glyphs;
    for (int id : CharSet(o.set)) glyphs.push_back(RenderGlyph(face, id, o, baseline));
    int page = o.page;
    while (!Pack(glyphs, page)) {
        page *= 2;
        if (page > 4096) Fail("glyphs do not fit one page");
    }

    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(page) * page, 0);
    for (const Glyph& g : glyphs)
        for (int r = 0; r < g.h; ++r)
            std::copy_n(g.pixels.begin() + static_cast<std::ptrdiff_t>(r) * g.w, g.w,
                        pixels.begin() + static_cast<std::ptrdiff_t>(g.y + r) * page + g.x);

    std::filesystem::create_directories(o.out);
    const std::string pageName = o.name + "_0.png";
    if (!ZEL::SavePng((std::filesystem::path(o.out) / pageName).c_str(), pixels.data(), page, page))
        Fail("cannot write " + pageName);

    pugi::xml_document doc;
    pugi::xml_node font = doc.append_child("font");
    pugi::xml_node info = font.append_child("info");
    info.append_attribute("face") = (std::string(face->family_name) + " " + face->style_name).c_str();
    info.append_attribute("size") = o.size;
    pugi::xml_node common = font.append_child("common");
    common.append_attribute("lineHeight") = o.size;
    common.append_attribute("base") = baseline;
    common.append_attribute("scaleW") = page;
    common.append_attribute("scaleH") = page;
    common.append_attribute("pages") = 1;
    pugi::xml_node p = font.append_child("pages").append_child("page");
    p.append_attribute("id") = 0;
    p.append_attribute("file") = pageName.c_str();
    pugi::xml_node chars = font.append_child("chars");
    chars.append_attribute("count") = static_cast<int>(glyphs.size());
    for (const Glyph& g : glyphs) {
        pugi::xml_node c = chars.append_child("char");
        c.append_attribute("id") = g.id;
        c.append_attribute("x") = g.x;
        c.append_attribute("y") = g.y;
        c.append_attribute("width") = g.w;
        c.append_attribute("height") = g.h;
        c.append_attribute("xoffset") = 0;
        c.append_attribute("yoffset") = g.yoffset;
        c.append_attribute("xadvance") = g.w + o.spacing;
        c.append_attribute("page") = 0;
        c.append_attribute("chnl") = 15;
    }
    const std::string fnt = (std::filesystem::path(o.out) / (o.name + ".fnt")).string();
    if (!doc.save_file(fnt.c_str(), "  ", pugi::format_default, pugi::encoding_utf8)) Fail("cannot write " + fnt);

    FT_Done_Face(face);
    FT_Done_FreeType(lib);
    std::printf("fontgen: %s: %zu glyphs on a %dx%d page\n", o.name.c_str(), glyphs.size(), page, page);
    return 0;
}
