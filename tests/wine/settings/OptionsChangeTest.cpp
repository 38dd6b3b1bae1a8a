#include "settings/DataFile.h"
#include "settings/Settings.h"
#include "settings/SettingsFileTest.h"
#include "support/DisplayMetrics.h"

#include <gtest/gtest.h>

namespace {

class OptionsChange : public testing::Test
{
protected:
    CFreshSettings m_fresh;
    std::wstring m_path = OptionsPath();
};

// One session: the checks after a load, a later and an older file, a turned
// screen, each reported as long as it matters and then no more.
TEST_F(OptionsChange, IsReportedUntilTheFileAndTheSkinAreCaughtUp)
{
    LoadOptions();
    EXPECT_TRUE(IsOptionsChanged());   // time 0, orientation never recorded
    EXPECT_TRUE(IsOptionsChanged());   // the orientation still was not recorded
    const ScreenOrientation now = GetScreenOrientation();
    SetLoadedOrientation(now);
    EXPECT_FALSE(IsOptionsChanged());
    {
        CDataFile file;
        FILETIME ft = {};
        ASSERT_TRUE(file.Open(m_path.c_str(), FALSE));
        ASSERT_TRUE(file.GetLastWriteTime(ft));
        EXPECT_EQ(0, CDataFile::CompareTimes(ft, g_ftOptionsTime)) << "the recorded time is the file's";
    }

    ASSERT_TRUE(ShiftWriteTime(m_path, +2));  // a later save, whatever the clock's resolution
    EXPECT_TRUE(IsOptionsChanged());
    EXPECT_FALSE(IsOptionsChanged());
    ASSERT_TRUE(ShiftWriteTime(m_path, -3600));
    EXPECT_FALSE(IsOptionsChanged()) << "an older file is no change";

    // The skin was last loaded in another orientation.
    SetLoadedOrientation(now == ORIENT_LANDSCAPE ? ORIENT_PORTRAIT : ORIENT_LANDSCAPE);
    EXPECT_TRUE(IsOptionsChanged());
    EXPECT_TRUE(IsOptionsChanged());
    SetLoadedOrientation(now);
    EXPECT_FALSE(IsOptionsChanged());
    EXPECT_EQ(static_cast<DWORD>(now), GetLoadedOrientation());

    g_nScreenWidth = g_nScreenHeight = 0;
    IsOptionsChanged();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), GetLastScreenWidth());
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), GetLastScreenHeight());
}

// Two saves within one tick of a coarse clock, or a clock set back: the file a save
// leaves is still later than the one it replaced, so the check sees every save.
TEST_F(OptionsChange, EverySaveIsSeenWhateverTheClock)
{
    SetLoadedOrientation(GetScreenOrientation());
    SaveOptions();
    ASSERT_TRUE(ShiftWriteTime(m_path, +3600));  // the last save's time lies an hour ahead
    EXPECT_TRUE(IsOptionsChanged());
    EXPECT_FALSE(IsOptionsChanged());
    SetHabit(GetHabit() == 0 ? 1 : 0);
    SaveOptions();
    EXPECT_TRUE(IsOptionsChanged()) << "a save at the clock's time replaced a later file";
    SaveOptions();
    EXPECT_TRUE(IsOptionsChanged()) << "a second save at once";
}

TEST_F(OptionsChange, AMissingFileIsAChangeAndNotCreated)
{
    SetLoadedOrientation(GetScreenOrientation());
    EXPECT_TRUE(IsOptionsChanged());
    EXPECT_TRUE(IsOptionsChanged());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m_path.c_str()));
}

}  // namespace
