#pragma once
#include "SkinTestFiles.h"

#include "Canvas.h"
#include "KeyboardPlan.h"
#include "sip/TestStateGuards.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinRecord.h"

#include <gtest/gtest.h>

#include <string>

// The one skin of the tests: the painted skins' keyboard plan (a 320 x 240 design, 640 x
// 480 for the 480 class) in plain colours the tests look for, written under the skins
// folder by the generator's own document and bitmap writers, and loaded through LoadSkin.
//
// Backgrounds are one colour a view with a kMarker pixel at the design's top-left corner.
// Pressed images are the key's own colour with a kMagentaBlock square of the transparent
// colour at their top-left corner. The corners tell how a picture was turned.

constexpr Colour kCharBackground = MakeColour(200, 210, 220);
constexpr Colour kSymbolBackground = MakeColour(180, 200, 160);
constexpr Colour kNumberBackground = MakeColour(160, 170, 210);
constexpr Colour kMarker = MakeColour(255, 0, 0);
constexpr int kMagentaBlock = 3;

// The colour of key nKey's pressed image.
Colour PressedColour(int nKey);

// A colour of the test skin as the keyboard holds it: a turned image is made in the
// display's format, so on a 16-bit screen it keeps only the colour's top 5 or 6 bits.
Colour AsShown(Colour colour, SkinTurn turn);

struct TestSkinOptions
{
    int nDesign = 4;  // the layout's orientation value: 4 drawn for landscape, any other for portrait
    bool bNumberBackground = true;
    bool bWordView = true;   // false: no char_wordview, the edit view reaching down over its place
};

// The test skin's class for this screen: 480 when its short side has 480 pixels, else 240.
int ScreenClass();

// "LeftHanded" or "RightHanded", to name the cases of a test run for both hands.
std::string HandName(const testing::TestParamInfo<DWORD>& info);

// The design of a class (240 or 480); a portrait design (nDesign not 4) is the landscape
// one transposed. Without a word view its rectangle is empty and the edit view takes its place.
KeyboardPlan TestSkinPlan(int nClass, int nDesign = 4, bool bWordView = true);

// Checks every key's rectangle, view and pressed image, the text areas and the backgrounds
// of the loaded test skin drawn on plan against the turn this screen must give it; the
// corner marks tell which way each picture turned.
void ExpectTestSkinLoaded(const KeyboardPlan& plan, SkinTurn turn);

// Loads skins through LoadSkin the way the module does, the settings put back (and the
// skin released) when the object goes.
class CSkinSelection
{
public:
    CSkinSelection() = default;
    ~CSkinSelection() { ReleaseSkin(); }
    CSkinSelection(const CSkinSelection&) = delete;
    CSkinSelection& operator=(const CSkinSelection&) = delete;

    // Selects the skin file for the hand (non-zero left) and loads it, the key model as a
    // fresh module has it; LoadSkin's result.
    int Load(const wchar_t* pszSkinFile, DWORD dwHabit);

private:
    CSettingsRestorer m_settings;
};

// The test skin's files, there while the object lives.
class CTestSkin
{
public:
    static constexpr const wchar_t* kIndexFile = L"ZzTestSkin.xml";

    explicit CTestSkin(const TestSkinOptions& options = TestSkinOptions());

    int Load(DWORD dwHabit) { return m_selection.Load(kIndexFile, dwHabit); }

    const CSkinTestFiles& Files() const { return m_files; }

private:
    CSkinTestFiles m_files;
    CSkinSelection m_selection;
};
