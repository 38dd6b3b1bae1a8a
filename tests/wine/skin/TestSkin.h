#pragma once
#include "SkinTestFiles.h"

#include <string>

// A complete small skin written by the tests: index file NAME.xml whose first child is a
// comment, entries for heights 240 and 480, and a landscape design of 320 x 240 and
// 640 x 480 with every key on a 12 x 7 grid. Every bitmap carries a red marker pixel at
// its top-left corner, so a test can tell how it was turned.

constexpr uint32_t kMarker = 0xFF0000;

struct TestSkinDesign
{
    int nWidth;
    int nHeight;
};

// The design size of the layout for a screen-short-side class (240 or 480).
TestSkinDesign TestSkinDesignFor(int nShortSideClass);

// The design rectangle of key nKey (left, top, width, height) in a design of that size.
void TestSkinKeyRect(const TestSkinDesign& design, int nKey, int* pnLeft, int* pnTop, int* pnWidth, int* pnHeight);

// The colour that fills the pressed image of key nKey (its marker apart).
uint32_t TestSkinKeyColour(int nKey);

// Writes the skin under the skins folder as NAME.xml and folder NAME.
void WriteTestSkin(CSkinTestFiles& files, const std::wstring& name);

// The layout document text of one design (used for the benchmark and broken variants).
std::string TestSkinLayout(const TestSkinDesign& design, const std::string& prefix);
