#pragma once
#include "device/harness/KeyRect.h"
#include "device/TypingKeys.h"
#include "keyboard/TextDirection.h"
#include "words/WordSettings.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

// Where the keys of a skin are on the keyboard control, read from the skin's own
// files the way the keyboard reads them: the index file picks the layout for the
// screen's shorter side, the layout places each key in design coordinates, and
// a skin drawn for the other orientation is shown turned towards the user's hand.

enum class ScreenShape { Landscape = 1, Portrait = 2, Square = 3 };

// A child of a skin file's root element, in document order: an element with its
// trimmed text and its attributes, or a comment or text (not an element). UTF-8.
struct SkinEntry
{
    bool bElement = false;
    std::string text;
    using Attributes = std::vector<std::pair<std::string, std::string>>;
    Attributes attributes;

    // The value of the attribute of that name (case counts); nullptr if none.
    const std::string* Attribute(const std::string& name) const;
};
using SkinEntries = std::vector<SkinEntry>;

struct SkinGeometry
{
    int nOrientation = 0;        // 4 drawn for landscape, 5 for portrait
    int nBackgroundWidth = 0;    // design size
    int nBackgroundHeight = 0;
    std::array<KeyRect, TYPING_KEY_COUNT> aKeys{};
    KeyRect rcEditView;          // where the typed text is drawn
    KeyRect rcCharView;          // where the pressed key's label is shown
    KeyRect rcWordView;          // where words that complete the typed one are offered; empty when none
    std::string aBackgrounds[3]; // bitmap files of the character, symbol and number views
    std::array<std::wstring, TYPING_KEY_COUNT> aAlternates{};   // each key's own "Alternates"; empty: the built-in ones
};

// The shape of a screen of that size.
ScreenShape ShapeOf(int nWidth, int nHeight);

// Integers of the skin files are read like C's atoi: leading blanks, a sign, digits.
int ParseSkinInteger(const std::string& text);

// The layout file the index file names for a screen whose shorter side is nShortSide:
// the first entry of that height, else the tallest entry below it; empty when none fits.
std::string ChooseLayoutFile(const SkinEntries& index, int nShortSide);

// A skin drawn for the other orientation than the screen's is shown turned.
bool IsTurned(int nOrientation, ScreenShape screen);

// How text reads on the keyboard: turned the way the skin is turned.
TextTurn TextTurnOf(int nOrientation, ScreenShape screen, bool bLeftHanded);

// A design rectangle mapped onto the keyboard control for this screen and hand.
KeyRect MapDesignRect(int nLeft, int nTop, int nWidth, int nHeight, int nOrientation, ScreenShape screen,
                      bool bLeftHanded, int nBackgroundWidth, int nBackgroundHeight);

// Reads the entries of a layout file into the geometry, starting from geometry's current values.
void ReadSkinGeometry(const SkinEntries& layout, ScreenShape screen, bool bLeftHanded, SkinGeometry& geometry);

// A point of key nKey that the keyboard resolves to that key in view nView (keys
// of lower index win where rectangles overlap); false when the key cannot be hit.
bool FindTapPoint(const SkinGeometry& geometry, int nKey, int nView, int& x, int& y);

// The user's hand and skin as the settings file beside the module holds them:
// habit (non-zero left-handed), a count of UTF-16 units, the skin file name; then
// the accents switch and word completion's settings, read by the module's own rules
// (fields the file lacks take their defaults). False for a file too short for what it
// announces or a name of 260 units or more.
struct UserChoices
{
    bool bLeftHanded = true;
    std::u16string skinFile = u"Silver.xml";
    WordSettings words;
};
bool ParseOptionsFile(const std::vector<unsigned char>& bytes, UserChoices& choices);
