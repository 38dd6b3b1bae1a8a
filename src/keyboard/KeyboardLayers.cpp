#include "keyboard/KeyboardLayers.h"

#include "keyboard/EditView.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyStrip.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "keyboard/WordCompletion.h"
#include "support/DisplayMetrics.h"

#include <cstdint>
#include <cwchar>

namespace {

ViewRect ToViewRect(const RECT& rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }

std::uint64_t Handle(const void* h) { return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(h)); }

std::uint64_t Mix(std::uint64_t nSignature, int nValue)
{
    return MixSignature(nSignature, static_cast<std::uint64_t>(static_cast<std::uint32_t>(nValue)));
}

std::uint64_t WholeSignature(int nWidth, int nHeight, SkinTurn turn)
{
    const int nView = GetCurrentView();
    std::uint64_t n = Mix(Mix(kEmptySignature, nWidth), nHeight);
    n = Mix(Mix(Mix(n, nView), IsCapsOn() ? 1 : 0), IsShiftOn() ? 1 : 0);
    n = Mix(Mix(n, static_cast<int>(turn)), GetDesignOrientation());
    return MixSignature(n, Handle(GetViewBackground(nView)));
}

// Each visible line that is drawn: its band and its text where it stands.
void AddEditLines(KeyboardFrame& frame, const RECT& rcEdit)
{
    const HWND hEdit = g_hEditCtrlWnd;
    if (hEdit == nullptr)
        return;
    const TextTurn turn = TextTurnFor(frame.turn);
    const int nLineHeight = GetEditLineHeight(hEdit);
    const std::uint64_t nMargin = MixSignature(kEmptySignature, GetEditLeftMargin(hEdit));
    ForEachVisibleLine(hEdit, [&](int nLine, const WCHAR* pszLine, int nLength, int nOffset) {
        LayerShown& layer = frame.layers[EditLineLayer(nLine)];
        const std::uint64_t nStart = layer.nContent != 0 ? layer.nContent : nMargin;
        layer.nContent = MixSignature(Mix(nStart, nOffset), pszLine, nLength);
        layer.rcBox = UnionRects(layer.rcBox, EditLineBox(turn, ToViewRect(rcEdit), nOffset, nLineHeight));
    });
}

LayerShown CaretLayer(const RECT& rcEdit, SkinTurn turn)
{
    POINT from{};
    POINT to{};
    if (!GetEditCaretLine(g_hEditCtrlWnd, rcEdit, turn, &from, &to))
        return {};
    const std::uint64_t n = Mix(Mix(Mix(Mix(kEmptySignature, from.x), from.y), to.x), to.y);
    return {CaretBox({from.x, from.y}, {to.x, to.y}, kCaretPenWidth), n};
}

LayerShown PreviewLayer(SkinTurn turn)
{
    RECT rcChar{};
    GetCharViewRect(&rcChar);
    const CRotatedFont& font = PreviewFontFor(TextTurnFor(turn));
    // A font that was never made draws upright, whatever the turn.
    const TextTurn drawn = static_cast<TextTurn>(font.Escapement());
    const WCHAR* pszLabel = GetKeyLabel();
    const int nLength = static_cast<int>(std::wcslen(pszLabel));
    if (nLength == 0)
        return {};
    return {PreviewBox(ToViewRect(rcChar), drawn, font.Height()), MixSignature(Handle(font.Font()), pszLabel, nLength)};
}

LayerShown HeldKeyLayer()
{
    KeyRecord key{};
    const int nKey = GetPressedKey();
    if (nKey == KEY_NONE || !GetKeyRecord(nKey, &key))
        return {};
    // The image is drawn without its last row and column.
    const int nWidth = GetBitmapWidth(key.hPressedImage) - 1;
    const int nHeight = GetBitmapHeight(key.hPressedImage) - 1;
    const std::uint64_t n = Mix(MixSignature(kEmptySignature, Handle(key.hPressedImage)), nKey);
    if (nWidth <= 0 || nHeight <= 0)
        return {{0, 0, 0, 0}, n};
    return {{key.rcKey.left, key.rcKey.top, key.rcKey.left + nWidth, key.rcKey.top + nHeight}, n};
}

LayerShown StripLayer()
{
    if (!IsKeyStripOpen())
        return {};
    ViewRect rcBox{0, 0, 0, 0};
    std::uint64_t n = Mix(Mix(Mix(kEmptySignature, g_keyStrip.nKey), g_keyStrip.nCount), g_keyStrip.nPressedCell);
    for (int i = 0; i < g_keyStrip.nCount; ++i)
    {
        const ViewRect& cell = g_keyStrip.aCells[i];
        rcBox = UnionRects(rcBox, cell);
        n = Mix(Mix(Mix(Mix(Mix(n, cell.left), cell.top), cell.right), cell.bottom), g_keyStrip.aChars[i]);
    }
    return {rcBox, n};
}

// The strip of offered words: its place, the words in their cells, the cell under the
// finger and the font they are drawn in.
LayerShown WordStripLayer(SkinTurn turn)
{
    const WordStripView view = CurrentWordStrip();
    if (!view.bShown)
        return {};
    std::uint64_t n = Mix(MixSignature(kEmptySignature, Handle(EditFontFor(TextTurnFor(turn)).Font())),
                          view.nPressedCell);
    n = Mix(n, view.bInEditView ? 1 : 0);
    for (int i = 0; i < view.nCells; ++i)
    {
        const ViewRect& cell = view.aCells[i];
        n = Mix(Mix(Mix(Mix(n, cell.left), cell.top), cell.right), cell.bottom);
        const wchar_t* pszWord = view.apszWords[i] != nullptr ? view.apszWords[i] : L"";
        n = MixSignature(n, pszWord, static_cast<int>(std::wcslen(pszWord)));
    }
    return {view.rcStrip, n};
}

}  // namespace

KeyboardFrame CurrentKeyboardFrame(int nWidth, int nHeight)
{
    KeyboardFrame frame{};
    frame.bKnown = true;
    frame.turn = CurrentSkinTurn();
    frame.nWhole = WholeSignature(nWidth, nHeight, frame.turn);
    RECT rcEdit{};
    GetEditViewRect(&rcEdit);
    AddEditLines(frame, rcEdit);
    frame.layers[LAYER_CARET] = CaretLayer(rcEdit, frame.turn);
    frame.layers[LAYER_PREVIEW] = PreviewLayer(frame.turn);
    frame.layers[LAYER_HELD_KEY] = HeldKeyLayer();
    frame.layers[LAYER_STRIP] = StripLayer();
    frame.layers[LAYER_WORDS] = WordStripLayer(frame.turn);
    return frame;
}

RECT LayerRect(const KeyboardFrame& frame, KeyboardLayer layer)
{
    const ViewRect& rc = frame.layers[layer].rcBox;
    return RECT{rc.left, rc.top, rc.right, rc.bottom};
}
