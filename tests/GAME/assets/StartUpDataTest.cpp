// The start-up reads of the built working folder: the edition, the tables and the player store,
// in the order the entry point makes them.
#include "GAME/data/Config.h"
#include "GAME/data/EDITION_CONF.h"
#include "GAME/data/PROFILE.h"
#include "ST/core/iFile.h"
#include "support/HeadlessGame.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kRun = std::string(ZEL_TEST_BINARY_DIR) + "/run";

TEST(StartUpData, TheEditionTablesAndFirstPlayerComeFromTheWorkingFolder)
{
    testsupport::DiagCapture diag;
    testsupport::ScopedCwd cwd(kRun);
    LoadEdition();
    EXPECT_TRUE(diag.Contains("LoadEdition... OK"));
    EXPECT_EQ(ZEL::ifile.ZipGetCurrentPack(), nullptr) << "the edition pack is not left selected";
    for (int which : {1, 2}) {
        const std::string splash = gEdition.Splash(which);
        EXPECT_FALSE(splash.empty());
        EXPECT_TRUE(std::filesystem::is_regular_file(kRun + "/" + splash)) << splash;
    }
    LoadConfig();
    {
        testsupport::HeadlessGame game;
        GAME::PROFILE profile;
        EXPECT_TRUE(profile.FirstStart());
        EXPECT_EQ(profile.GetPlayerName(), chTEXT_DEFAULT_NAME);
        EXPECT_TRUE(std::filesystem::is_directory(profile.GetPlayerDir()));
    }
    ResetConfigToDefaults();
    gEdition = EDITION_CONF{};
}

} // namespace
