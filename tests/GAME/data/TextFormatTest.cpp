#include "GAME/data/TextFormat.h"

#include <gtest/gtest.h>

using namespace GAME;

namespace {

TEST(TextFormat, SignatureListsTheArgumentsAFormatTakes)
{
    struct Case {
        const char* text;
        const char* signature;  // null: no format the game would pass on
    } cases[] = {
        {"", ""},
        {"Настройки", ""},
        {"100%% готово", ""},
        {"счёт: %i", "i"},
        {"%d %5i %-3x %c", "i,i,i,i"},
        {"%hhd %hi", "i,i"},
        {"%ld %lld %zu", "li,lli,zi"},
        {"%0*i:%0*i", "i,i,i,i"},
        {"%.*s|%8.3f|%Lg", "i,s,f,Lf"},
        {"%p", "p"},
        {"%n", nullptr},
        {"%hn", nullptr},
        {"%1$s", nullptr},
        {"50%", nullptr},
        {"50% off", "i"},  // printf reads "% o" as a conversion
        {"%y", nullptr},
        {"%02*i", nullptr},
    };
    for (const Case& c : cases) {
        const auto sig = FormatSignature(c.text);
        if (c.signature) {
            ASSERT_TRUE(sig.has_value()) << c.text;
            EXPECT_EQ(*sig, c.signature) << c.text;
        } else {
            EXPECT_FALSE(sig.has_value()) << c.text << " -> " << sig.value_or("");
        }
    }
    EXPECT_FALSE(FormatSignature(nullptr).has_value());
}

TEST(TextFormat, SameConversionsIgnoresFlagsButNotArguments)
{
    EXPECT_TRUE(SameConversions("Очки %d", "%i"));
    EXPECT_TRUE(SameConversions("%05i%%", "%i"));
    EXPECT_FALSE(SameConversions("%s", "%i"));
    EXPECT_FALSE(SameConversions("%i %i", "%i"));
    EXPECT_FALSE(SameConversions("", "%i"));
    EXPECT_FALSE(SameConversions("%n", "%n"));  // never accepted, not even against itself
}

TEST(TextFormat, FormatCheckedFallsBackToTheReference)
{
    EXPECT_EQ(FormatChecked("счёт: %i", "%i", 42), "счёт: 42");
    EXPECT_EQ(FormatChecked("Время: %0*i:%0*i", "%0*i:%0*i", 2, 5, 2, 7), "Время: 05:07");
    EXPECT_EQ(FormatChecked("bad %s", "%i", 42), "42");
    EXPECT_EQ(FormatChecked(nullptr, "n=%i", 3), "n=3");
    EXPECT_EQ(FormatChecked("", "%i", 3), "3");
    const std::string longText(5000, 'x');
    EXPECT_EQ(FormatChecked((longText + "%i").c_str(), "%i", 1), longText + "1");
}

} // namespace
