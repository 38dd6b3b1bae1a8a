#pragma once
#include "Canvas.h"
#include "skin/KeyTable.h"

#include <array>
#include <vector>

// Where everything sits on the landscape keyboard: the rectangle of each of the 84
// keys, the edit view and character view areas, and the panels drawn around them.
// The design is laid out once in QVGA units (320 x 240) and multiplied by the scale
// (1 for the 240 class, 2 for the 480 class), so both sizes are the same picture.
//
//   +-----------------------------+----------+
//   | edit view (typed text)      | preview  |
//   |-----------------------------+----+-----+
//   | word view (offered words)   | <- | OK  |
//   +-----------------------------+----+-----+
//   | three rows of the current view's keys  |
//   |                                        |
//   +-------+-------+---+---+---------+------+
//   | caps  | shift |123|#@ |  space  |enter |
//   +-------+-------+---+---+---------+------+

constexpr int kDesignWidth = 320;   // QVGA units
constexpr int kDesignHeight = 240;

// Where the letters sit, as on a national desk keyboard. Only places change: every key
// still types what the key table says.
enum class LetterArrangement
{
    Qwerty,
    Qwertz,  // German: Y and Z change places
    Azerty,  // French: A and Q, Z and W change places, M follows L on the middle row
};

struct KeyboardPlan
{
    int nScale;
    int nWidth;
    int nHeight;
    std::array<PixelRect, KEY_COUNT> keys;
    PixelRect rcEditView;   // the char_editview area: where the typed lines go
    PixelRect rcCharView;   // the char_charview area: the enlarged label of the held key
    PixelRect rcWordView;   // the char_wordview area: words that complete the typed one, under the text
    PixelRect rcEditPanel;  // the decoration around the edit view
    PixelRect rcCharPanel;  // the decoration around the character view
};

KeyboardPlan BuildKeyboardPlan(int nScale, LetterArrangement arrangement = LetterArrangement::Qwerty);

// The indices of the keys that show in a view (its own keys and the keys of every view).
std::vector<int> KeysOfView(int nView);
