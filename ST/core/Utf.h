#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace ZEL {

// Decodes the code point starting at s[i] and moves i past it. False, with i unchanged, for a
// malformed sequence: a stray or missing continuation byte, an overlong form, a surrogate or a
// value above U+10FFFF.
bool DecodeUtf8(std::string_view s, std::size_t& i, std::uint32_t& cp);
bool IsValidUtf8(std::string_view s);

// Malformed sequences become U+FFFD; code points above the BMP become surrogate pairs.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Simple case mapping for the scripts the game's texts use (Latin, Latin-1, Cyrillic).
char16_t ToUpper16(char16_t c);
char16_t ToLower16(char16_t c);
bool IsCased16(char16_t c);

} // namespace ZEL
