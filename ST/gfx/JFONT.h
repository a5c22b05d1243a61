#pragma once
// Bitmap fonts: a glyph picture plus its BMFont XML description. Text is UTF-16 inside
// (UTF-8 on the narrow entry points), drawn glyph by glyph with one re-cut sprite.
#include <cstdint>
#include <string>

class JSPRITE;

namespace ZEL {

class JFONT {
public:
    struct GLYPH {
        int id = 0;
        float texLeft = 0, texTop = 0, texRight = 0, texBottom = 0;
        int width = 0, height = 0;
        int xoffset = 0, yoffset = 0;
        GLYPH* next = nullptr;
    };

    JFONT(const char* file, int n = 0);
    ~JFONT();
    JFONT(const JFONT&) = delete;
    JFONT& operator=(const JFONT&) = delete;

    // printf-formatted; the result is cut to the buffer, never written past it.
    void Render(int x, int y, const char* fmt, ...) __attribute__((format(printf, 4, 5)));
    void Render(int x, int y, const char16_t* fmt, ...);
    void Rende(int x, int y, const char* text);
    void Rende(int x, int y, const char16_t* text);
    int RenderLetter(int code, int x, int y);

    int GetStringLenght(const char* text) const;
    int GetStringLenght(const char16_t* text) const;
    int GetStringHeight(const char* text) const;
    int GetLetterWidth(int code) const;

    void SetSize(float s);
    float GetSize() const;
    void SetColor(int argb);
    int GetColor() const;
    void SetDefaultHeight() { size = defaultSize; }
    void Test(float x, float y);

    const GLYPH* Find(int code) const;

    static constexpr int kNarrowMax = 595;
    static constexpr int kWideMax = 599;

    std::uint32_t texture = 0;
    int defaultSize = 0;
    int size = 0;
    int glyphCount = 0;
    int spacing = 0;
    JSPRITE* sprite = nullptr;
    GLYPH* glyphs = nullptr;
    char narrowText[kNarrowMax + 1] = {};
    char16_t wideText[kWideMax + 1] = {};
    int align = 1;
};

} // namespace ZEL
