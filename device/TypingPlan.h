#pragma once
#include "device/TypingKeys.h"
#include "keyboard/Alternates.h"

#include <array>
#include <string>
#include <vector>

// What the full-screen keyboard remembers between taps, and the plan of taps
// that types a text from a given state. The device uses it to type a text the
// way a user would: switching views and using shift and caps lock as needed.

struct KeyboardState
{
    int nView = 1;        // 1 characters, 2 symbols, 3 numbers
    bool bCapsLock = false;
    bool bShift = false;  // one-shot shift
};

// One tap of a key: what it types, the state afterwards. Keys of another view
// than the current one cannot be tapped: they type nothing and change nothing.
std::wstring ApplyKey(KeyboardState& state, int nKey);

// Keys present in the loaded skin (a key the layout does not place cannot be tapped).
using KeyAvailability = std::array<bool, TYPING_KEY_COUNT>;

// A skin's own alternates for each key (its layout entry's "Alternates"); an
// empty one leaves the key the keyboard's built-in alternates.
using SkinAlternates = std::array<std::wstring, TYPING_KEY_COUNT>;

// What a long press on nKey offers now: the skin's own list (its characters of
// one UTF-16 unit), else the built-in alternates of the character the key types
// (a letter's lower-case form); none for a key that types no single character
// in this state.
AlternateList OfferedAlternates(const KeyboardState& state, int nKey, const std::wstring& skinOwn);

// Lifting on cell nCell of those: the cell in capitals when exactly one of caps
// lock and shift is on (title case when it is shift); shift is released.
std::wstring ApplyAlternate(KeyboardState& state, const AlternateList& offered, int nCell);

// A tap (nCell < 0), or a long press whose finger slides onto cell nCell of
// the strip of nCells alternates before it lifts.
struct TypingStep
{
    int nKey = 0;
    int nCell = -1;
    int nCells = 0;
};

struct TypingPlan
{
    std::vector<TypingStep> aSteps;   // in order
    bool bComplete = false;   // false: the character at nFailedAt cannot be typed with this skin
    size_t nFailedAt = 0;
    KeyboardState finalState;
};

// The shortest sequence of taps (per character) that types sText from state;
// a character no tap types takes the shortest way to a long press that does.
// A line feed, alone or after a carriage return, is typed with the enter key.
TypingPlan PlanTyping(const std::wstring& sText, const KeyboardState& state, const KeyAvailability& available,
                      const SkinAlternates* pSkinAlternates = nullptr);
