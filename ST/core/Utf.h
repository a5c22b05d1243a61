#pragma once
#include <string>
#include <string_view>

namespace ZEL {

// Malformed sequences become U+FFFD; code points above the BMP become surrogate pairs.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Simple case mapping for the scripts the game's texts use (Latin, Latin-1, Cyrillic).
char16_t ToUpper16(char16_t c);
char16_t ToLower16(char16_t c);
bool IsCased16(char16_t c);

} // namespace ZEL
