#include "KeyboardPlan.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

bool Overlap(const PixelRect& a, const PixelRect& b)
{
    return a.nLeft < b.nRight && b.nLeft < a.nRight && a.nTop < b.nBottom && b.nTop < a.nBottom;
}

// Each scale with each letter arrangement.
class KeyboardPlanTest : public testing::TestWithParam<std::tuple<int, LetterArrangement>>
{
protected:
    const int nScale = std::get<0>(GetParam());
    const KeyboardPlan plan = BuildKeyboardPlan(nScale, std::get<1>(GetParam()));
};

TEST_P(KeyboardPlanTest, EveryKeyIsPlacedFingerSizedInsideTheDesign)
{
    EXPECT_EQ(320 * nScale, plan.nWidth);
    EXPECT_EQ(240 * nScale, plan.nHeight);
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        const PixelRect& rc = plan.keys[i];
        EXPECT_GE(rc.Width(), 26 * nScale) << "key " << i;
        EXPECT_GE(rc.Height(), 26 * nScale) << "key " << i;
        EXPECT_GE(rc.nLeft, 0) << "key " << i;
        EXPECT_GE(rc.nTop, 0) << "key " << i;
        EXPECT_LE(rc.nRight, plan.nWidth) << "key " << i;
        EXPECT_LE(rc.nBottom, plan.nHeight) << "key " << i;
    }
}

TEST_P(KeyboardPlanTest, NothingShownTogetherOverlaps)
{
    for (int nView : {VIEW_CHAR, VIEW_SYMBOL, VIEW_NUMBER})
    {
        const std::vector<int> keys = KeysOfView(nView);
        for (size_t a = 0; a < keys.size(); ++a)
        {
            EXPECT_FALSE(Overlap(plan.keys[keys[a]], plan.rcEditPanel)) << keys[a];
            EXPECT_FALSE(Overlap(plan.keys[keys[a]], plan.rcCharPanel)) << keys[a];
            for (size_t b = a + 1; b < keys.size(); ++b)
                EXPECT_FALSE(Overlap(plan.keys[keys[a]], plan.keys[keys[b]])) << keys[a] << " and " << keys[b];
        }
    }
    EXPECT_FALSE(Overlap(plan.rcEditPanel, plan.rcCharPanel));
}

TEST_P(KeyboardPlanTest, TextAreasAreCentredInTheirPanelsAboveBackspaceAndOk)
{
    // The typed text and the offered words below it fill the edit panel as one area;
    // the words' line is a fingertip (7 mm: 27 units at either class's DPI) high.
    const PixelRect text{plan.rcEditView.nLeft, plan.rcEditView.nTop, plan.rcEditView.nRight, plan.rcWordView.nBottom};
    EXPECT_EQ(plan.rcEditView.nLeft, plan.rcWordView.nLeft);
    EXPECT_EQ(plan.rcEditView.nRight, plan.rcWordView.nRight);
    EXPECT_LT(plan.rcEditView.nBottom, plan.rcWordView.nTop);
    EXPECT_GE(plan.rcWordView.Height(), 27 * nScale);
    for (const auto& [area, panel] : {std::pair{text, plan.rcEditPanel}, std::pair{plan.rcCharView, plan.rcCharPanel}})
    {
        EXPECT_GT(area.nLeft, panel.nLeft);
        EXPECT_GT(area.nTop, panel.nTop);
        EXPECT_LT(area.nRight, panel.nRight);
        EXPECT_LT(area.nBottom, panel.nBottom);
        EXPECT_EQ(area.nLeft - panel.nLeft, panel.nRight - area.nRight);  // centred
        EXPECT_EQ(area.nTop - panel.nTop, panel.nBottom - area.nBottom);
    }
    // Backspace and OK stand side by side under the preview.
    const PixelRect& back = plan.keys[KEY_BACKSPACE];
    const PixelRect& ok = plan.keys[KEY_OK];
    EXPECT_EQ(back.nTop, ok.nTop);
    EXPECT_EQ(back.nBottom, ok.nBottom);
    EXPECT_LT(back.nRight, ok.nLeft);
    EXPECT_GT(back.nTop, plan.rcCharPanel.nBottom);
}

INSTANTIATE_TEST_SUITE_P(Scales, KeyboardPlanTest,
                         testing::Combine(testing::Values(1, 2),
                                          testing::Values(LetterArrangement::Qwerty, LetterArrangement::Qwertz,
                                                          LetterArrangement::Azerty)));

TEST(KeyboardPlan, TheLargerSizeIsTheSmallerDoubled)
{
    const KeyboardPlan small = BuildKeyboardPlan(1);
    const KeyboardPlan large = BuildKeyboardPlan(2);
    for (int i = 0; i < KEY_COUNT; ++i)
    {
        EXPECT_EQ(small.keys[i].nLeft * 2, large.keys[i].nLeft);
        EXPECT_EQ(small.keys[i].nBottom * 2, large.keys[i].nBottom);
    }
}

TEST(KeyboardPlan, LettersFollowTheDeskKeyboardRows)
{
    const KeyboardPlan plan = BuildKeyboardPlan(1);
    auto key = [&](wchar_t ch) { return plan.keys[KEY_A + (ch - L'A')]; };
    const wchar_t* rows[] = {L"QWERTYUIOP", L"ASDFGHJKL", L"ZXCVBNM"};
    for (const wchar_t* row : rows)
        for (const wchar_t* p = row + 1; *p != L'\0'; ++p)
        {
            EXPECT_EQ(key(p[-1]).nTop, key(*p).nTop) << static_cast<char>(*p);
            EXPECT_LT(key(p[-1]).nRight, key(*p).nLeft) << static_cast<char>(*p);
        }
    EXPECT_LT(key(L'Q').nBottom, key(L'A').nTop);
    EXPECT_LT(key(L'A').nBottom, key(L'Z').nTop);
}

TEST(KeyboardPlan, ViewsListTheirOwnKeysAndTheCommonOnes)
{
    EXPECT_EQ(38u, KeysOfView(VIEW_CHAR).size());
    EXPECT_EQ(38u, KeysOfView(VIEW_SYMBOL).size());
    EXPECT_EQ(24u, KeysOfView(VIEW_NUMBER).size());
}

}  // namespace
