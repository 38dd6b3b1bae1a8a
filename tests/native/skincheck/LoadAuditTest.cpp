#include "LoadRuns.h"
#include "SkinBuilder.h"

#include <gtest/gtest.h>

namespace {

const CheckedScreen kScreen = {{480, 640}, 96};

// What a correct loader makes of the builder's complete skin on a 480x640 screen: every
// key where the file puts it, with its 40x40 image.
LoadRun CorrectRun(const LayoutModel& layout)
{
    LoadRun run;
    run.nResult = 1;
    for (const LayoutEntryRecord& record : layout.entries)
    {
        if (record.target.kind != LayoutEntryKind::Key)
            continue;
        const LayoutValues& v = record.values;
        LoadedKey& key = run.keys[static_cast<std::size_t>(record.target.nKey)];
        key.rc = {v.nLeft, v.nTop, v.nLeft + v.nWidth, v.nTop + v.nHeight};
        key.nImageWidth = 40;
        key.nImageHeight = 40;
    }
    return run;
}

TEST(LoadReport, ReadsBackWhatTheChildWroteUpToItsLastLine)
{
    LoadRun run;
    run.nSkin = 3;
    run.bLeftHanded = true;
    run.nResult = 1;
    run.keys[KEY_COUNT - 1] = {{-5, 6, 7, 8}, 9, 10};
    const ScreenRun parsed = ParseScreenReport(kScreen, FormatLoadRun(run) + "done\n");
    ASSERT_TRUE(parsed.bRan);
    ASSERT_EQ(1u, parsed.runs.size());
    EXPECT_EQ(3, parsed.runs[0].nSkin);
    EXPECT_TRUE(parsed.runs[0].bLeftHanded);
    EXPECT_EQ(1, parsed.runs[0].nResult);
    EXPECT_EQ(-5, parsed.runs[0].keys[KEY_COUNT - 1].rc.nLeft);
    EXPECT_EQ(8, parsed.runs[0].keys[KEY_COUNT - 1].rc.nBottom);
    EXPECT_EQ(10, parsed.runs[0].keys[KEY_COUNT - 1].nImageHeight);
    // Without its last line the run did not happen.
    EXPECT_FALSE(ParseScreenReport(kScreen, FormatLoadRun(run)).bRan);
    EXPECT_FALSE(ParseScreenReport(kScreen, "").bRan);
}

struct LoadCase
{
    const char* pszWhat;
    void (*spoil)(LoadRun&);
    std::string report;
};

class LoadAuditFinds : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadAuditFinds, WhatTheLoaderGotWrong)
{
    const LoadCase& c = GetParam();
    CLayoutBuilder layout;
    BitmapTable bitmaps;
    layout.CompleteSkin(bitmaps);
    LoadRun run = CorrectRun(layout.Model());
    c.spoil(run);
    const std::string index = "Test.xml";
    ScreenRun screenRun;
    screenRun.screen = kScreen;
    screenRun.bRan = true;
    CFindings findings;
    AuditLoadRun(screenRun, run, {&index, &layout.Model(), &bitmaps}, findings);
    EXPECT_EQ(c.report, findings.Format()) << c.pszWhat;
}

INSTANTIATE_TEST_SUITE_P(Table, LoadAuditFinds, testing::Values(
    LoadCase{"a correct load", [](LoadRun&) {}, ""},
    LoadCase{"a refused load", [](LoadRun& r) { r.nResult = 0; },
             "error: Test.xml: the loader refuses the skin on a 480x640 screen (right hand)\n"},
    LoadCase{"an image lost",
             [](LoadRun& r) { r.keys[FindKeyByEntry(L"char_Q")] = {r.keys[FindKeyByEntry(L"char_Q")].rc}; },
             "error: Test\\layout.xml, child 25 \"char_Q\": on a 480x640 screen (right hand), the loader left the "
             "key without its pressed image\n"},
    LoadCase{"an image turned but not its key", [](LoadRun& r) { r.keys[KEY_A].nImageWidth = 30; },
             "error: Test\\layout.xml, child 9 \"char_A\": on a 480x640 screen (right hand), the loaded pressed "
             "image is 30x40 but the key is 40x40\n"},
    LoadCase{"a key put off the keyboard", [](LoadRun& r) { r.keys[KEY_OK].rc = {460, 600, 500, 640}; },
             "error: Test\\layout.xml, child 39 \"char_ok\": on a 480x640 screen (right hand), the loader puts the "
             "key at (460, 600)-(500, 640), outside the 480x640 keyboard\n"}));

}  // namespace
