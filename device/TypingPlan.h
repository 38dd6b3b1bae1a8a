#pragma once
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
    bool operator==(const KeyboardState& other) const
    {
        return nView == other.nView && bCapsLock == other.bCapsLock && bShift == other.bShift;
    }
};

// One tap of a key: what it types, the state afterwards. Keys of another view
// than the current one cannot be tapped: they type nothing and change nothing.
std::wstring ApplyKey(KeyboardState& state, int nKey);

// Keys present in the loaded skin (a key the layout does not place cannot be tapped).
using KeyAvailability = std::array<bool, 84>;

struct TypingPlan
{
    std::vector<int> aKeys;   // key indices to tap, in order
    bool bComplete = false;   // false: the character at nFailedAt cannot be typed with this skin
    size_t nFailedAt = 0;
    KeyboardState finalState;
};

// The shortest sequence of taps (per character) that types sText from state.
// A line feed, alone or after a carriage return, is typed with the enter key.
TypingPlan PlanTyping(const std::wstring& sText, const KeyboardState& state, const KeyAvailability& available);
