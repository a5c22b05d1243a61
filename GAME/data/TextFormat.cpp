#include "GAME/data/TextFormat.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace GAME {

std::optional<std::string> FormatSignature(const char* text)
{
    if (!text)
        return std::nullopt;
    std::string sig;
    auto add = [&sig](const std::string& item) {
        if (!sig.empty())
            sig += ',';
        sig += item;
    };
    for (const char* p = text; *p; ++p) {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue;
        while (*p && std::strchr("-+ #0'", *p))
            ++p;
        if (*p == '*') {
            add("i");
            ++p;
        } else {
            while (*p >= '0' && *p <= '9')
                ++p;
            if (*p == '$')
                return std::nullopt;
        }
        if (*p == '.') {
            ++p;
            if (*p == '*') {
                add("i");
                ++p;
            } else {
                while (*p >= '0' && *p <= '9')
                    ++p;
            }
        }
        std::string length;
        // hh and h still pass a promoted int, so they read the same argument as no prefix.
        if (p[0] == 'h' && p[1] == 'h')
            p += 2;
        else if (*p == 'h')
            ++p;
        else if (p[0] == 'l' && p[1] == 'l')
            length = "ll", p += 2;
        else if (*p && std::strchr("lLjzt", *p))
            length = std::string(1, *p++);
        if (!*p)
            return std::nullopt;
        const char c = *p;
        if (std::strchr("diouxXc", c))
            add(length + "i");
        else if (std::strchr("fFeEgGaA", c))
            add(length + "f");
        else if (c == 's')
            add(length + "s");
        else if (c == 'p' && length.empty())
            add("p");
        else
            return std::nullopt; // %n and everything unknown
    }
    return sig;
}

bool SameConversions(const char* text, const char* reference)
{
    const auto a = FormatSignature(text);
    const auto b = FormatSignature(reference);
    return a && b && *a == *b;
}

std::string FormatChecked(const char* text, const char* reference, ...)
{
    const char* format = SameConversions(text, reference) ? text : reference;
    if (!format)
        return {};
    va_list args;
    va_start(args, reference);
    va_list again;
    va_copy(again, args);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const int n = std::vsnprintf(nullptr, 0, format, args);
    std::string out;
    if (n > 0) {
        std::vector<char> buf(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(buf.data(), buf.size(), format, again);
        out.assign(buf.data(), static_cast<std::size_t>(n));
    }
#pragma GCC diagnostic pop
    va_end(again);
    va_end(args);
    return out;
}

} // namespace GAME
