#include "ST/core/SafeName.h"

#include "ST/core/Utf.h"

namespace ZEL {

bool IsPlainName(std::string_view s)
{
    if (s.empty() || s == "." || s == "..")
        return false;
    std::size_t i = 0;
    std::uint32_t cp = 0;
    while (i < s.size()) {
        if (!DecodeUtf8(s, i, cp))
            return false;
        if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == '/' || cp == '\\')
            return false;
    }
    return true;
}

} // namespace ZEL
