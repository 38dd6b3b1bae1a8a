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

    // Moves the file's last-write time by a number of seconds from its current value.
    void ShiftWriteTime(LONGLONG nSeconds)
    {
        HANDLE h = CreateFileW(m_path.c_str(), GENERIC_READ | FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        FILETIME ft;
        ASSERT_TRUE(GetFileTime(h, nullptr, nullptr, &ft));
        ULARGE_INTEGER t;
        t.LowPart = ft.dwLowDateTime;
        t.HighPart = ft.dwHighDateTime;
        t.QuadPart += nSeconds * 10000000LL;
        ft.dwLowDateTime = t.LowPart;
        ft.dwHighDateTime = t.HighPart;
        EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &ft));
        CloseHandle(h);
    }
};

TEST_F(OptionsChange, FirstChecksAfterLoadAndAfterASkinLoad)
{
    LoadOptions();
    EXPECT_TRUE(IsOptionsChanged());   // time 0, orientation never recorded
    EXPECT_TRUE(IsOptionsChanged());   // the orientation still was not recorded
    SetLoadedOrientation(GetScreenOrientation());
    EXPECT_FALSE(IsOptionsChanged());
    EXPECT_FALSE(IsOptionsChanged());
}

TEST_F(OptionsChange, ARewrittenFileIsReportedOnce)
{
    LoadOptions();
    SetLoadedOrientation(GetScreenOrientation());
    EXPECT_TRUE(IsOptionsChanged());
    EXPECT_FALSE(IsOptionsChanged());

    SaveOptions();
    ShiftWriteTime(+2);  // a later save, whatever the clock's resolution
    EXPECT_TRUE(IsOptionsChanged());
    EXPECT_FALSE(IsOptionsChanged());
}

TEST_F(OptionsChange, AnOlderFileIsNotAChange)
{
    LoadOptions();
    SetLoadedOrientation(GetScreenOrientation());
    EXPECT_TRUE(IsOptionsChanged());
    ShiftWriteTime(-3600);
    EXPECT_FALSE(IsOptionsChanged());
}

TEST_F(OptionsChange, TheRecordedTimeIsTheFilesTime)
{
    LoadOptions();
    SetLoadedOrientation(GetScreenOrientation());
    IsOptionsChanged();
    CDataFile file;
    ASSERT_TRUE(file.Open(m_path.c_str(), FALSE));
    FILETIME ft = {};
    ASSERT_TRUE(file.GetLastWriteTime(ft));
    EXPECT_EQ(0, CDataFile::CompareTimes(ft, g_ftOptionsTime));
}

TEST_F(OptionsChange, ATurnedScreenKeepsReportingUntilASkinIsLoaded)
{
    LoadOptions();
    const ScreenOrientation now = GetScreenOrientation();
    // The skin was last loaded in another orientation.
    SetLoadedOrientation(now == ORIENT_LANDSCAPE ? ORIENT_PORTRAIT : ORIENT_LANDSCAPE);
    EXPECT_TRUE(IsOptionsChanged());
    EXPECT_TRUE(IsOptionsChanged());
    EXPECT_TRUE(IsOptionsChanged());
    SetLoadedOrientation(now);
    EXPECT_FALSE(IsOptionsChanged());
    EXPECT_EQ(static_cast<DWORD>(now), GetLoadedOrientation());
}

TEST_F(OptionsChange, AMissingFileIsAChangeAndNotCreated)
{
    SetLoadedOrientation(GetScreenOrientation());
    EXPECT_TRUE(IsOptionsChanged());
    EXPECT_TRUE(IsOptionsChanged());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(m_path.c_str()));
}

TEST_F(OptionsChange, TheCheckRefreshesTheRecordedScreenSize)
{
    g_nScreenWidth = g_nScreenHeight = 0;
    IsOptionsChanged();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), GetLastScreenWidth());
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), GetLastScreenHeight());
}

}  // namespace
