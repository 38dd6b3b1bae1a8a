#include "keyboard/KeyboardChanges.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Box = std::tuple<int, int, int, int>;

Box Tie(const ViewRect& r) { return {r.left, r.top, r.right, r.bottom}; }

struct Layer
{
    KeyboardLayer id;
    ViewRect rcBox;
    std::uint64_t nContent;
};

KeyboardFrame Frame(std::initializer_list<Layer> layers, std::uint64_t nWhole = 1)
{
    KeyboardFrame frame{true, nWhole, SkinTurn::None, {}};
    for (const Layer& layer : layers)
        frame.layers[layer.id] = {layer.rcBox, layer.nContent};
    return frame;
}

std::vector<Box> Rects(const KeyboardChanges& changes)
{
    std::vector<Box> rects;
    for (int i = 0; i < changes.nCount; ++i)
        rects.push_back(Tie(changes.aRects[i]));
    return rects;
}

// A keyboard with a key A at (10, 100), a key S beside it, the preview area, two typed
// lines and a caret on the second; the strip above A.
const ViewRect kKeyA{10, 100, 50, 150};
const ViewRect kKeyS{50, 100, 90, 150};
const ViewRect kPreview{0, 0, 240, 40};
const ViewRect kLine1{0, 40, 240, 62};
const ViewRect kLine2{0, 58, 240, 80};
const ViewRect kCaret{20, 44, 25, 62};
const ViewRect kCaretNext{30, 44, 35, 62};
const ViewRect kStrip{10, 50, 130, 100};

TEST(KeyboardChanges, EachEventRepaintsWhereItsLayersWereAndAre)
{
    const KeyboardLayer line1 = EditLineLayer(0);
    const KeyboardLayer line2 = EditLineLayer(1);
    const KeyboardFrame idle = Frame({{line1, kLine1, 4}, {line2, kLine2, 5}, {LAYER_CARET, kCaret, 6}});
    const KeyboardFrame onA = Frame({{line1, kLine1, 4}, {line2, kLine2, 5}, {LAYER_CARET, kCaret, 6},
                                     {LAYER_PREVIEW, kPreview, 'a'}, {LAYER_HELD_KEY, kKeyA, 0}});
    const KeyboardFrame onS = Frame({{line1, kLine1, 4}, {line2, kLine2, 5}, {LAYER_CARET, kCaret, 6},
                                     {LAYER_PREVIEW, kPreview, 's'}, {LAYER_HELD_KEY, kKeyS, 18}});
    const KeyboardFrame typed = Frame({{line1, kLine1, 4}, {line2, kLine2, 7}, {LAYER_CARET, kCaretNext, 8}});
    const KeyboardFrame blinked = Frame({{line1, kLine1, 4}, {line2, kLine2, 7}});
    const KeyboardFrame scrolled = Frame({{line1, kLine1, 7}, {LAYER_CARET, kCaret, 9}});
    const KeyboardFrame stripOpen = Frame({{line1, kLine1, 4}, {line2, kLine2, 5}, {LAYER_CARET, kCaret, 6},
                                           {LAYER_PREVIEW, kPreview, 'a'}, {LAYER_HELD_KEY, kKeyA, 0},
                                           {LAYER_STRIP, kStrip, 1}});
    const KeyboardFrame stripCell = Frame({{line1, kLine1, 4}, {line2, kLine2, 5}, {LAYER_CARET, kCaret, 6},
                                           {LAYER_PREVIEW, kPreview, 0xe0}, {LAYER_HELD_KEY, kKeyA, 0},
                                           {LAYER_STRIP, kStrip, 2}});
    const struct
    {
        const char* pszEvent;
        const KeyboardFrame& shown;
        const KeyboardFrame& next;
        std::vector<Box> expected;
    } cases[] = {
        {"nothing changed", onA, onA, {}},
        {"press on A", idle, onA, {Tie(kPreview), Tie(kKeyA)}},
        {"slide to S", onA, onS, {Tie(kPreview), Tie(kKeyA), Tie(kKeyS)}},
        {"lift on S, s typed on the second line", onS, typed,
         {Tie(kCaret), Tie(kCaretNext), Tie(kPreview), Tie(kKeyS), Tie(kLine2)}},
        {"caret blinks off", typed, blinked, {Tie(kCaretNext)}},
        {"caret blinks on", blinked, typed, {Tie(kCaretNext)}},
        {"the text scrolls by a line", typed, scrolled, {Tie(kCaretNext), Tie(kCaret), Tie(kLine1), Tie(kLine2)}},
        {"held A opens its strip", onA, stripOpen, {Tie(kStrip)}},
        {"slide onto a cell", stripOpen, stripCell, {Tie(kPreview), Tie(kStrip)}},
        {"lift on the cell", stripCell, typed,
         {Tie(kCaret), Tie(kCaretNext), Tie(kPreview), Tie(kKeyA), Tie(kStrip), Tie(kLine2)}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszEvent);
        const KeyboardChanges changes = FindKeyboardChanges(c.shown, c.next);
        EXPECT_FALSE(changes.bAll);
        EXPECT_EQ(c.expected, Rects(changes));
    }
}

TEST(KeyboardChanges, UnknownScreenOrAnotherWholePictureRepaintsAll)
{
    const KeyboardFrame onA = Frame({{LAYER_HELD_KEY, kKeyA, 0}});
    // A view, caps lock, shift, turn or skin of its own is another whole picture.
    EXPECT_TRUE(FindKeyboardChanges(Frame({{LAYER_HELD_KEY, kKeyA, 0}}, 2), onA).bAll);
    EXPECT_TRUE(FindKeyboardChanges(KeyboardFrame{}, onA).bAll);
    EXPECT_TRUE(FindKeyboardChanges(onA, KeyboardFrame{}).bAll);
}

TEST(KeyboardChanges, LayerBoxesHoldWhatTheirDrawingCanTouch)
{
    const ViewRect area{100, 50, 300, 90};
    // Upright text is clipped to the area by its drawing; turned text is centred on it
    // and may stand out by a character height each way.
    EXPECT_EQ(Tie(area), Tie(PreviewBox(area, TextTurn::Upright, -32)));
    EXPECT_EQ(Box(100, 38, 300, 102), Tie(PreviewBox(area, TextTurn::Clockwise, -32)));
    EXPECT_EQ(Box(100, 50, 300, 90), Tie(PreviewBox(area, TextTurn::CounterClockwise, 10)));
    // The second line of 16 pixels: its band, 4 pixels more beside it, a line height more along.
    EXPECT_EQ(Box(84, 62, 316, 86), Tie(EditLineBox(TextTurn::Upright, area, 16, 16)));
    EXPECT_EQ(Box(112, 34, 136, 106), Tie(EditLineBox(TextTurn::CounterClockwise, area, 16, 16)));
    EXPECT_EQ(Box(264, 34, 288, 106), Tie(EditLineBox(TextTurn::Clockwise, area, 16, 16)));
    EXPECT_EQ(Box(0, 0, 0, 0), Tie(EditLineBox(TextTurn::Upright, {5, 5, 5, 20}, 0, 16)));
    // Lines past the last layer share it.
    EXPECT_EQ(LAYER_EDIT_LINE + 1, EditLineLayer(1));
    EXPECT_EQ(LAYER_COUNT - 1, EditLineLayer(kMaxEditLines + 3));
    // A 2-pixel line from (20, 60) up to (20, 45).
    EXPECT_EQ(Box(18, 43, 23, 63), Tie(CaretBox({20, 60}, {20, 45}, 2)));
    EXPECT_EQ(Tie(area), Tie(UnionRects({0, 0, 0, 0}, area)));
    EXPECT_EQ(Box(100, 50, 320, 95), Tie(UnionRects(area, {310, 60, 320, 95})));
    EXPECT_EQ(Box(250, 60, 300, 90), Tie(IntersectRects(area, {250, 60, 400, 95})));
    EXPECT_TRUE(IsEmptyRect(IntersectRects(area, {300, 50, 400, 95})));
}

TEST(KeyboardChanges, SignaturesTellTextsAndValuesApart)
{
    const auto text = [](const wchar_t* psz, int n) { return MixSignature(kEmptySignature, psz, n); };
    EXPECT_NE(text(L"ab", 2), text(L"ba", 2));
    EXPECT_NE(text(L"a", 1), text(L"a\0", 2));
    EXPECT_NE(text(L"\u0161", 1), text(L"a", 1));
    EXPECT_EQ(text(L"abc", 3), text(L"abcd", 3));
    EXPECT_NE(MixSignature(kEmptySignature, 1), MixSignature(kEmptySignature, 2));
    EXPECT_NE(MixSignature(MixSignature(kEmptySignature, 1), 2), MixSignature(MixSignature(kEmptySignature, 2), 1));
}

}  // namespace
