#include "ST/core/SafeName.h"
#include "ST/core/Utf.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SafeName, PlainNamesAndWellFormedUtf8)
{
    struct Case {
        std::string name;
        bool utf8;
        bool plain;
    };
    const Case cases[] = {
        {"Игрок", true, true},
        {"Anna Maria", true, true},
        {"logo1.png", true, true},
        {"..x", true, true},
        {"", true, false},
        {".", true, false},
        {"..", true, false},
        {"../x", true, false},
        {"a/b", true, false},
        {"a\\b", true, false},
        {"tab\there", true, false},
        {std::string("nul\0x", 5), true, false},
        {"del\x7f", true, false},
        {"c1\xc2\x85", true, false},            // U+0085, a C1 control
        {"\xff", false, false},
        {"\xd0", false, false},                 // cut off in the middle of a letter
        {"\xc0\xaf", false, false},             // overlong "/"
        {"\xed\xa0\x80", false, false},         // a surrogate
        {"\xf4\x90\x80\x80", false, false},     // above U+10FFFF
        {"\xf0\x9f\x99\x82", true, true},       // outside the BMP, well formed
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZEL::IsValidUtf8(c.name), c.utf8) << c.name;
        EXPECT_EQ(ZEL::IsPlainName(c.name), c.plain) << c.name;
    }
}

} // namespace
