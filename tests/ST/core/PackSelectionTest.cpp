#include "ST/core/PackSelection.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Selected(const ZEL::iFile& f)
{
    const char* pack = f.ZipGetCurrentPack();
    const char* pass = f.ZipGetCurrentPass();
    return std::string(pack ? pack : "(none)") + "|" + (pass ? pass : "(none)");
}

TEST(PackSelection, NestedSelectionsComeBackInOrder)
{
    ZEL::iFile f;
    {
        ZEL::PackSelection gui("DATA/gui", "qelm7", f);
        EXPECT_EQ(Selected(f), "DATA/gui|qelm7");
        {
            // A temporary name: the guard keeps its own copy.
            ZEL::PackSelection trophies(std::string("DATA/trofei").c_str(), "qelm7", f);
            EXPECT_EQ(Selected(f), "DATA/trofei|qelm7");
            {
                ZEL::PackSelection plain(nullptr, nullptr, f);
                EXPECT_EQ(Selected(f), "(none)|(none)");
            }
            EXPECT_EQ(Selected(f), "DATA/trofei|qelm7");
        }
        EXPECT_EQ(Selected(f), "DATA/gui|qelm7");
    }
    EXPECT_EQ(Selected(f), "(none)|(none)");
}

TEST(PackSelection, AnEarlyReturnRestoresTheSelectionOfTheCaller)
{
    ZEL::iFile f;
    const std::string outer = "DATA/menu";
    f.ZipSetCurrentPack(outer.c_str());
    f.ZipSetCurrentPass("qelm7");
    auto loader = [&f](bool fail) {
        ZEL::PackSelection sel("DATA/editions", "qelm7", f);
        if (fail)
            return false;
        return true;
    };
    EXPECT_FALSE(loader(true));
    EXPECT_EQ(Selected(f), "DATA/menu|qelm7");
    EXPECT_TRUE(loader(false));
    EXPECT_EQ(Selected(f), "DATA/menu|qelm7");
}

} // namespace
