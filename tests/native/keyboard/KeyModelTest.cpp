#include "keyboard/KeyModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every test starts from the state a freshly loaded module has.
class KeyModel : public testing::Test
{
protected:
    void SetUp() override { ResetState(); }
    void TearDown() override { ResetState(); }
    static void ResetState()
    {
        g_nCurrentView = VIEW_CHAR;
        g_nPressedKey = KEY_NONE;
        g_bCapsLock = 0;
        g_bShift = 0;
        g_bStylusDown = 0;
    }
};

// A small key table: two overlapping keys of the character view, a number key
// in the same place, a key of every view, and a key never placed.
const KeyPlace kPlaces[] = {
    {VIEW_CHAR, 10, 10, 50, 40},      // 0
    {VIEW_CHAR, 30, 20, 80, 60},      // 1 overlaps 0
    {VIEW_NUMBER, 10, 10, 50, 40},    // 2 same place as 0
    {VIEW_ALL, 100, 100, 140, 130},   // 3
    {VIEW_SYMBOL, 0, 0, 0, 0},        // 4 never set by a layout
};

struct HitCase
{
    int nView;
    int x;
    int y;
    int nExpected;
};

TEST_F(KeyModel, FindKeyAtFollowsEdgesViewsAndIndexOrder)
{
    const HitCase cases[] = {
        {VIEW_CHAR, 10, 10, 0},      // top-left corner is inside
        {VIEW_CHAR, 49, 39, 0},      // last pixel inside
        {VIEW_CHAR, 50, 15, KEY_NONE},   // right edge is outside
        {VIEW_CHAR, 15, 40, KEY_NONE},   // bottom edge is outside
        {VIEW_CHAR, 35, 25, 0},      // overlap: the lower index wins
        {VIEW_CHAR, 60, 50, 1},
        {VIEW_NUMBER, 35, 25, 2},    // same place, other view
        {VIEW_NUMBER, 60, 50, KEY_NONE}, // a character key is not hit in the number view
        {VIEW_SYMBOL, 100, 100, 3},  // a key of every view is hit in any view
        {VIEW_SYMBOL, 0, 0, KEY_NONE},   // an all-zero rectangle holds nothing
    };
    for (const HitCase& c : cases)
    {
        EXPECT_EQ(c.nExpected, FindKeyAt(kPlaces, 5, c.nView, c.x, c.y))
            << "view " << c.nView << " at (" << c.x << ", " << c.y << ")";
    }
    EXPECT_EQ(KEY_NONE, FindKeyAt(nullptr, 5, VIEW_CHAR, 20, 20));
}

// The label of a pressed key shows what it would type now (what each key types in every
// state is compared in ApplyKey's test): nothing for space, enter and keys that type
// nothing, an ampersand doubled for prefix drawing.
TEST_F(KeyModel, LabelShowsWhatThePressedKeyWouldTypeNow)
{
    const struct { int nKey; bool bCaps; bool bShift; const wchar_t* pszLabel; } cases[] = {
        {0, false, false, L"a"},           {0, true, false, L"A"},      {26, false, true, L"@"},
        {31, true, true, L""},             {35, false, true, L""},      {KEY_SYMBOL_AND, false, false, L"&&"},
        {30, false, false, L""},           {KEY_NONE, true, true, L""}, {84, false, false, L""},
    };
    for (const auto& c : cases)
    {
        g_nPressedKey = c.nKey;
        g_bCapsLock = c.bCaps;
        g_bShift = c.bShift;
        EXPECT_EQ(std::wstring(c.pszLabel), std::wstring(GetKeyLabel()))
            << "key " << c.nKey << " caps " << c.bCaps << " shift " << c.bShift;
    }
}

// What every key types and leaves of the view, caps lock and shift, in every state, is
// compared with the device's own keyboard (ApplyKey in TypingPlanTest); here, what each
// kind of key asks of the window side, and that no key changes nothing.
TEST_F(KeyModel, KeyActionsSayWhatToDo)
{
    const struct { int nKey; KeyEffect effect; } cases[] = {
        {0, KeyEffect::InsertText},         {26, KeyEffect::InsertText}, {KEY_SPACE, KeyEffect::InsertText},
        {KEY_ENTER, KeyEffect::InsertText}, {KEY_OK, KeyEffect::Finish}, {KEY_BACKSPACE, KeyEffect::None},
        {KEY_SHIFT, KeyEffect::None},       {KEY_CAPS, KeyEffect::None}, {KEY_123, KeyEffect::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.effect, ApplyKeyAction(c.nKey).effect) << "key " << c.nKey;
    ResetState();
    g_bShift = 1;
    for (int nKey : {KEY_NONE, 200})
    {
        EXPECT_EQ(KeyEffect::None, ApplyKeyAction(nKey).effect);
        EXPECT_TRUE(g_nCurrentView == VIEW_CHAR && g_bCapsLock == 0 && g_bShift == 1) << "key " << nKey;
    }
}

// A press, moves and a lift, with what each event asks of the window side.
enum class Stylus { Press, Move };

struct StylusStep
{
    Stylus event;
    int nHit;
    bool bRedraw;
    bool bBackspaceDown;
    bool bStopRepeat;
};

struct StylusCase
{
    const char* pszName;
    std::vector<StylusStep> steps;
    const wchar_t* pszTyped;   // what the lift types
};

TEST_F(KeyModel, StylusPressFollowsTheLastKeyUnderIt)
{
    const StylusCase cases[] = {
        {"K slid onto L acts on L", {{Stylus::Press, 10, true, false, false}, {Stylus::Move, 11, true, false, true}}, L"l"},
        {"sliding off every key acts on nothing",
         {{Stylus::Press, 10, true, false, false}, {Stylus::Move, KEY_NONE, false, false, true}}, nullptr},
        {"backspace deletes on the press",
         {{Stylus::Press, KEY_BACKSPACE, true, true, false}}, nullptr},
        {"sliding off backspace stops the repeat",
         {{Stylus::Press, KEY_BACKSPACE, true, true, false}, {Stylus::Move, KEY_BACKSPACE, true, false, false},
          {Stylus::Move, 0, true, false, true}}, L"a"},
        {"sliding onto backspace deletes nothing",
         {{Stylus::Press, 0, true, false, false}, {Stylus::Move, KEY_BACKSPACE, true, false, false}}, nullptr},
        {"a press on nothing asks for no redraw", {{Stylus::Press, KEY_NONE, false, false, false}}, nullptr},
    };
    const StylusOutcome moveAlone = MoveStylus(5);   // a move without a press is ignored
    EXPECT_TRUE(!moveAlone.bRedraw && !moveAlone.bStopRepeat && g_nPressedKey == KEY_NONE);
    for (const StylusCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        for (const StylusStep& step : c.steps)
        {
            const StylusOutcome outcome = step.event == Stylus::Press ? PressStylus(step.nHit) : MoveStylus(step.nHit);
            EXPECT_EQ(step.bRedraw, outcome.bRedraw);
            EXPECT_EQ(step.bBackspaceDown, outcome.bBackspaceDown);
            EXPECT_EQ(step.bStopRepeat, outcome.bStopRepeat);
            EXPECT_EQ(step.nHit, g_nPressedKey);
            EXPECT_EQ(1, g_bStylusDown);
        }
        const KeyOutcome outcome = LiftStylus();
        EXPECT_EQ(std::wstring(c.pszTyped != nullptr ? c.pszTyped : L"<none>"),
                  std::wstring(outcome.pszText != nullptr ? outcome.pszText : L"<none>"));
        EXPECT_TRUE(g_bStylusDown == 0 && g_nPressedKey == KEY_NONE);
    }
}

}  // namespace
