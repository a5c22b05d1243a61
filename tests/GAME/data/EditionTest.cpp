#include "GAME/data/EDITION_CONF.h"
#include "support/TestSupport.h"

#include "ST/core/iFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using testsupport::Quote;
using testsupport::RunCommand;
using testsupport::ScopedCwd;
using testsupport::TempDir;
using testsupport::WriteFile;

// Puts DATA/editions holding `xml` as editions.xml into the working folder `work`.
void MakeEditionPack(const TempDir& work, const char* xml)
{
    mkdir((work / "DATA").c_str(), 0755);
    WriteFile(work / "editions.src", xml);
    ASSERT_EQ(RunCommand(Quote(ZEL_PACKBUILDER) + " --password qelm7 " + Quote(work / "DATA/editions") + " "
                         + Quote("editions.xml=" + (work / "editions.src"))),
              0);
}

class EditionTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        ZEL::ifile.ZipSetCurrentPack(nullptr);
        ZEL::ifile.ZipSetCurrentPass(nullptr);
        gEdition = EDITION_CONF{};
    }
};

TEST_F(EditionTest, SplashNamesComeFromThePackAndTheSelectionIsRestored)
{
    TempDir work;
    MakeEditionPack(work, "<?xml version=\"1.0\"?><edition><splash1 param=\"gold1.png\"/>"
                          "<splash2 param=\"gold2.png\"/></edition>");
    ScopedCwd cwd(work.path());
    const std::string before = "DATA/gui";
    ZEL::ifile.ZipSetCurrentPack(before.c_str());
    ZEL::ifile.ZipSetCurrentPass("qelm7");
    LoadEdition();
    EXPECT_EQ(gEdition.splash1, "gold1.png");
    EXPECT_EQ(gEdition.splash2, "gold2.png");
    EXPECT_EQ(gEdition.Splash(2), "gold2.png");
    EXPECT_EQ(ZEL::ifile.ZipGetCurrentPack(), before.c_str());
}

TEST_F(EditionTest, MissingOrUnusableNamesLeaveBothEmptyAndTheDefaultsInPlace)
{
    struct Case {
        const char* xml;  // null: no pack at all
        const char* logLine;
    };
    const Case cases[] = {
        {nullptr, nullptr},
        {"<edition><splash1 param=\"a.png\"/></edition>", "nodeSplash2"},
        {"<edition><splash2 param=\"b.png\"/></edition>", "nodeSplash1"},
        {"not xml at all", "nodeSplash1"},
        {"<edition><splash1 param=\"../../x.png\"/><splash2 param=\"b.png\"/></edition>", "no plain file name"},
    };
    for (const Case& c : cases) {
        TempDir work;
        if (c.xml)
            MakeEditionPack(work, c.xml);
        ScopedCwd cwd(work.path());
        gEdition.splash1 = "stale.png";
        testsupport::DiagCapture diag;
        LoadEdition();
        const char* what = c.xml ? c.xml : "no pack";
        EXPECT_EQ(gEdition.splash1, "") << what;
        EXPECT_EQ(gEdition.splash2, "") << what;
        EXPECT_EQ(gEdition.Splash(1), "logo1.png");
        EXPECT_EQ(gEdition.Splash(2), "logo2.png");
        if (c.logLine) {
            EXPECT_TRUE(diag.Contains(c.logLine)) << what;
        }
        EXPECT_EQ(ZEL::ifile.ZipGetCurrentPack(), nullptr) << what;
        EXPECT_EQ(ZEL::ifile.ZipGetCurrentPass(), nullptr) << what;
    }
}

} // namespace
