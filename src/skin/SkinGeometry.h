#pragma once
#include <cstddef>
#include <cstdint>

// How a skin drawn for one orientation is shown on the screen: the turn chosen from
// the screen, the skin's design orientation and the user's hand, and what that turn
// does to a design rectangle and to the pixels of an image. Rectangles and images
// always take the same turn, so a key's pressed image stays on its rectangle.

enum class SkinTurn
{
    None,
    Clockwise,         // design point (x, y) goes to (BH - y, x)
    CounterClockwise,  // design point (x, y) goes to (y, BW - x)
};

// The one rule for how the keyboard is shown: bitmaps, key rectangles, the keyboard's
// place on the screen, its text, caret and arrow keys all follow the turn chosen here.
// nScreenOrientation: ORIENT_LANDSCAPE, ORIENT_PORTRAIT or ORIENT_SQUARE (square counts
// as portrait). nDesignOrientation: 4 drawn for landscape; any other value (5, or a
// value a layout left out or damaged) is taken as drawn for portrait.
// A landscape design turns on a portrait screen, clockwise for the right hand and
// counter-clockwise for the left; a portrait design turns counter-clockwise on a
// landscape screen whatever the hand.
SkinTurn ChooseSkinTurn(int nScreenOrientation, int nDesignOrientation, bool bLeftHanded);

struct SkinRect
{
    int nLeft;
    int nTop;
    int nRight;   // exclusive
    int nBottom;  // exclusive
};

// Maps a design rectangle (left, top, width, height) of a design area of
// nBackgroundWidth x nBackgroundHeight to the screen. Sums that leave the int range are
// clamped to it, so a hostile layout cannot overflow.
SkinRect MapDesignRect(SkinTurn turn, int nLeft, int nTop, int nWidth, int nHeight,
                       int nBackgroundWidth, int nBackgroundHeight);

// Index in the turned pixel array (nHeight pixels wide, nWidth rows) that receives
// source pixel (x, y) of an array nWidth pixels wide with nHeight rows. Both arrays are
// rows of a bottom-up DIB, which is what makes the index formulas turn the picture
// the named way.
std::size_t TurnedPixelIndex(SkinTurn turn, int x, int y, int nWidth, int nHeight);

// Moves every pixel of pSource (nWidth x nHeight, bottom-up rows without padding) to
// pTarget (nHeight x nWidth) for a Clockwise or CounterClockwise turn; with None it
// copies the pixels as they are. nTargetStride is the pixels from one target row to the
// next, at least the target's width; 0 means exactly its width. Pixels between a row's
// end and the next row are left alone.
void TurnPixels(SkinTurn turn, const uint32_t* pSource, int nWidth, int nHeight,
                uint32_t* pTarget, std::size_t nTargetStride = 0);

// Bytes in one row of a 24-bit DIB nWidth pixels wide: three a pixel, padded to four.
std::size_t Rgb24RowBytes(int nWidth);

// The same move from 24-bit rows (blue, green, red bytes; each row padded to
// Rgb24RowBytes), giving 32-bit pixels with a zero top byte, as a blit of the
// 24-bit picture into a 32-bit one would.
void TurnPixels24(SkinTurn turn, const uint8_t* pSource, int nWidth, int nHeight, uint32_t* pTarget,
                  std::size_t nTargetStride = 0);

enum class RowOrder { BottomUp, TopDown, Unknown };

// Which way the rows of a 24- or 32-bit DIB's memory (pBits) run, told from its
// bottom row as GDI reads it (pBottomRow, 32-bit pixels): the first memory row for
// bottom-up, the last for top-down. Unknown when both rows or neither match, or
// for any other bit count. The top bytes are not compared.
RowOrder FindRowOrder(const uint32_t* pBottomRow, const void* pBits, int nBitCount, int nWidth, int nHeight);
