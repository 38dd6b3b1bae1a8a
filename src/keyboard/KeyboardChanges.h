#pragma once

#include "keyboard/TextDirection.h"

#include <cstdint>

// What one paint of the keyboard shows, reduced to what tells two paints apart,
// and the rectangles whose pixels differ between two of them: a stylus event or
// a blink repaints only those. Plain geometry, no Win32.

// The parts of a paint that change on their own, each inside its box. The box
// is also where the layer is clipped when drawn, so that nothing it draws falls
// outside what a change of it repaints.
// Typed lines are a layer each, so that typing repaints the line typed in;
// visible lines past the last layer share it.
constexpr int kMaxEditLines = 12;

enum KeyboardLayer
{
    LAYER_CARET,
    LAYER_PREVIEW,     // the held key's label, enlarged in the character view area
    LAYER_HELD_KEY,    // the held key's pressed image
    LAYER_STRIP,       // the open alternates strip
    LAYER_WORDS,       // the words offered to complete the typed one
    LAYER_EDIT_LINE,   // the first visible line of the edit view; the next ones follow
    LAYER_COUNT = LAYER_EDIT_LINE + kMaxEditLines
};

// The layer of the nLine-th visible line (0 for the first).
KeyboardLayer EditLineLayer(int nLine);

struct LayerShown
{
    ViewRect rcBox;           // keyboard control pixels; empty when the layer draws nothing
    std::uint64_t nContent;   // tells one content of the layer from another
};

struct KeyboardFrame
{
    bool bKnown;              // false: nothing is known to be on the screen
    std::uint64_t nWhole;     // what every pixel may follow: skin, size, turn, view, caps lock, shift
    SkinTurn turn;            // how the skin is shown, which text and caret follow
    LayerShown layers[LAYER_COUNT];
};

constexpr int kMaxChangedRects = 2 * LAYER_COUNT;

struct KeyboardChanges
{
    bool bAll;                // repaint the whole keyboard
    int nCount;
    ViewRect aRects[kMaxChangedRects];
};

// What must be repainted to turn a screen showing `shown` into one showing
// `next`: all of it when nothing is known or the whole picture changed, else
// the old and the new box of each layer that changed.
KeyboardChanges FindKeyboardChanges(const KeyboardFrame& shown, const KeyboardFrame& next);

// Content signatures (64-bit FNV-1a): start from kEmptySignature and mix in
// what the layer's pixels depend on.
constexpr std::uint64_t kEmptySignature = 14695981039346656037ull;
std::uint64_t MixSignature(std::uint64_t nSignature, std::uint64_t nValue);
std::uint64_t MixSignature(std::uint64_t nSignature, const wchar_t* pszText, int nLength);

bool IsEmptyRect(const ViewRect& rc);
// The smallest rectangle holding both; an empty one adds nothing.
ViewRect UnionRects(const ViewRect& a, const ViewRect& b);
ViewRect IntersectRects(const ViewRect& a, const ViewRect& b);

// The boxes of the layers.
// A typed line nOffset pixels into the area (the sum of the line heights above
// it), as EditLineOrigin places it: its line height across, a quarter line
// more each side for overhanging glyphs, and along the whole area and a line
// height past either end for lines longer than the area reads.
ViewRect EditLineBox(TextTurn turn, const ViewRect& rcArea, int nOffset, int nLineHeight);
// The caret, a line of nPenWidth pixels from one point to the other (both drawn).
ViewRect CaretBox(ViewPoint from, ViewPoint to, int nPenWidth);
// One character centred in the area in a font of nFontHeight (its lfHeight):
// upright text is clipped to the area by its drawing; turned text is not, and
// may stand out of it by up to a character height each way from its centre.
ViewRect PreviewBox(const ViewRect& rcArea, TextTurn turn, int nFontHeight);
