#include "LayoutAudit.h"
#include "SkinBuilder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const std::vector<CheckedScreen> kVgaPortrait = {{{480, 640}, 96}};

struct Spoiled
{
    CLayoutBuilder layout;
    BitmapTable bitmaps;
    std::vector<CheckedScreen> screens = kVgaPortrait;
};

// Moves the first entry with this text to the end of the file.
void MoveToEnd(LayoutModel& model, const std::wstring& text)
{
    for (std::size_t i = 0; i < model.entries.size(); ++i)
    {
        if (model.entries[i].text == text)
        {
            const LayoutEntryRecord record = model.entries[i];
            model.entries.erase(model.entries.begin() + static_cast<long>(i));
            model.entries.push_back(record);
            break;
        }
    }
    int nChild = 2;
    for (LayoutEntryRecord& record : model.entries)
        record.nChild = nChild++;
}

struct AuditCase
{
    const char* pszWhat;
    std::function<void(Spoiled&)> spoil;
    int nErrors;
    Severity severity;
    const char* pszEntry;    // fragment of the finding's entry ("" for the whole file)
    const char* pszMessage;  // fragment of its message
};

class LayoutAuditFinds : public testing::TestWithParam<AuditCase> {};

TEST_P(LayoutAuditFinds, EachFaultInPlainWords)
{
    const AuditCase& c = GetParam();
    Spoiled skin;
    skin.layout.CompleteSkin(skin.bitmaps);
    c.spoil(skin);
    CFindings findings;
    AuditLayout(skin.layout.Model(), skin.bitmaps, skin.screens, findings);

    EXPECT_EQ(c.nErrors, findings.ErrorCount()) << c.pszWhat << "\n" << findings.Format();
    bool bFound = false;
    for (const Finding& f : findings.All())
    {
        bFound = bFound || (f.severity == c.severity && f.file == "Test\\layout.xml" &&
                            f.entry.find(c.pszEntry) != std::string::npos &&
                            (c.pszEntry[0] != '\0' || f.entry.empty()) &&
                            f.message.find(c.pszMessage) != std::string::npos);
    }
    EXPECT_TRUE(bFound) << c.pszWhat << ": expected \"" << c.pszEntry << "\" / \"" << c.pszMessage << "\" in\n"
                        << findings.Format();
}

INSTANTIATE_TEST_SUITE_P(Table, LayoutAuditFinds, testing::Values(
    AuditCase{"a missing key", [](Spoiled& s) { s.layout.Without(L"char_Q"); },
              1, Severity::Error, "", "has no entry \"char_Q\""},
    AuditCase{"a missing background", [](Spoiled& s) { s.layout.Without(L"SymbolBackground"); },
              1, Severity::Error, "", "has no entry \"SymbolBackground\": the symbol view has no background"},
    AuditCase{"no orientation", [](Spoiled& s) { s.layout.Without(L"Orientation"); },
              1, Severity::Error, "", "has no \"Orientation\" entry"},
    AuditCase{"no design size", [](Spoiled& s) { s.layout.Without(L"DefaultBackground"); },
              1, Severity::Error, "", "has no \"DefaultBackground\" entry"},
    // Every background, area and key (89 entries) stands before it then.
    AuditCase{"orientation last", [](Spoiled& s) { MoveToEnd(s.layout.Model(), L"Orientation"); },
              89, Severity::Error, "\"char_Q\"", "comes before \"Orientation\""},
    AuditCase{"design size last", [](Spoiled& s) { MoveToEnd(s.layout.Model(), L"DefaultBackground"); },
              89, Severity::Error, "\"CharBackground\"", "comes before \"DefaultBackground\""},
    AuditCase{"an odd orientation value", [](Spoiled& s) { s.layout.Find(L"Orientation").values.nOrientationValue = 7; },
              1, Severity::Error, "\"Orientation\"", "OrientationValue 7 is neither 4"},
    AuditCase{"an empty design area",
              [](Spoiled& s) { s.layout.Find(L"DefaultBackground").values.nBackgroundHeight = 0; },
              1, Severity::Error, "\"DefaultBackground\"", "the design area 480x0"},
    AuditCase{"a design area without width", [](Spoiled& s) { s.layout.Find(L"DefaultBackground").values.nBackgroundWidth = 0; },
              1, Severity::Error, "\"DefaultBackground\"", "the design area 0x640"},
    AuditCase{"a key below the design area", [](Spoiled& s) { s.layout.Find(L"char_ok").values.nTop = 620; },
              1, Severity::Error, "\"char_ok\"", "at (0, 620), 40x40, reaches outside the design area 480x640"},
    AuditCase{"an area left of the design area", [](Spoiled& s) { s.layout.Find(L"char_charview").values.nLeft = -1; },
              1, Severity::Error, "\"char_charview\"", "reaches outside the design area"},
    AuditCase{"a key without area", [](Spoiled& s) { s.layout.Find(L"char_Z").values.nWidth = 0; },
              1, Severity::Error, "\"char_Z\"", "has no area (Width 0, Height 40)"},
    AuditCase{"two letters on one spot",
              [](Spoiled& s) {
                  const LayoutValues q = s.layout.Find(L"char_Q").values;
                  s.layout.Find(L"char_W").values.nLeft = q.nLeft;
                  s.layout.Find(L"char_W").values.nTop = q.nTop;
              },
              1, Severity::Error, "child 25 \"char_Q\"", "overlaps child 31 \"char_W\" by 40x40 pixels in the character view"},
    AuditCase{"a key of every view over a number key",
              [](Spoiled& s) {
                  const LayoutValues n = s.layout.Find(L"number_0").values;
                  s.layout.Find(L"char_ok").values.nLeft = n.nLeft;
                  s.layout.Find(L"char_ok").values.nTop = n.nTop;
              },
              3, Severity::Error, "\"char_ok\"", "by 40x40 pixels in the number view"},
    AuditCase{"a pressed image of the wrong size",
              [](Spoiled& s) { s.bitmaps[L"char_Q.bmp"] = {BitmapFacts::State::Loaded, 40, 30}; },
              1, Severity::Error, "\"char_Q\"", "its pressed image \"char_Q.bmp\" is 40x30 but the key is 40x40"},
    AuditCase{"a missing pressed image", [](Spoiled& s) { s.bitmaps.erase(L"char_Q.bmp"); },
              1, Severity::Error, "\"char_Q\"", "its pressed image \"char_Q.bmp\" is not in the skin folder"},
    AuditCase{"an unreadable background",
              [](Spoiled& s) { s.bitmaps[L"CharBackground.bmp"].state = BitmapFacts::State::Unreadable; },
              1, Severity::Error, "\"CharBackground\"", "cannot be read as a Windows bitmap"},
    AuditCase{"a folder for a bitmap",
              [](Spoiled& s) { s.bitmaps[L"char_A.bmp"].state = BitmapFacts::State::IsFolder; },
              1, Severity::Error, "\"char_A\"", "is a folder, not a bitmap"},
    AuditCase{"a key that names no image",
              [](Spoiled& s) { s.layout.Find(L"char_A").values.bBitmapNamed = false; },
              1, Severity::Error, "\"char_A\"", "names no pressed image (DefaultPath)"},
    AuditCase{"a bitmap name too long", [](Spoiled& s) { s.layout.Find(L"char_A").values.szBitmapName[0] = 0; },
              1, Severity::Error, "\"char_A\"", "is empty or too long for a path"},
    AuditCase{"a background of another size",
              [](Spoiled& s) { s.bitmaps[L"NumberBackground.bmp"] = {BitmapFacts::State::Loaded, 640, 480}; },
              0, Severity::Warning, "\"NumberBackground\"", "is 640x480 but the design area is 480x640"},
    AuditCase{"a name in the wrong case",
              [](Spoiled& s) { s.layout.Rect(L"CHAR_q", 0, 0, 1, 1); },
              0, Severity::Warning, "\"CHAR_q\"", "names no entry (names are case-sensitive: \"char_Q\"?)"},
    AuditCase{"a name of nothing", [](Spoiled& s) { s.layout.Rect(L"char_euro", 0, 0, 1, 1); },
              0, Severity::Warning, "\"char_euro\"", "names no entry; the loader ignores it"},
    AuditCase{"a key twice", [](Spoiled& s) { s.layout.Rect(L"char_Q", 0, 160, 40, 40, L"char_Q.bmp"); },
              1, Severity::Warning, "\"char_Q\"", "repeats the entry of child"},
    AuditCase{"an entry without attributes", [](Spoiled& s) { s.layout.Entry(L"char_Q", {}); },
              0, Severity::Warning, "\"char_Q\"", "has no attributes; the loader ignores it"},
    AuditCase{"keys under 7 mm at VGA density", [](Spoiled& s) { s.screens = {{{480, 640}, 192}}; },
              0, Severity::Warning, "\"char_Q\"", "the key is 40x40 pixels, 5.3 x 5.3 mm at 192 DPI (VGA screens)"},
    AuditCase{"alternates the label font cannot draw",
              [](Spoiled& s) {
                  s.layout.Find(L"char_E").alternates = L"\x00E9\xE000";
                  s.layout.Model().missingGlyphs = {L'\xE000'};
              },
              1, Severity::Error, "\"char_E\"", "hold U+E000, which the keys' label font has no glyph for"},
    AuditCase{"alternates that repeat a character",
              [](Spoiled& s) { s.layout.Find(L"char_E").alternates = L"\x00E9\x00E8\x00E9"; },
              0, Severity::Warning, "\"char_E\"", "offer \"\xC3\xA9\" more than once"},
    AuditCase{"alternates past 15 characters",
              [](Spoiled& s) { s.layout.Find(L"char_E").alternates = L"abcdefghijklmnop"; },
              0, Severity::Warning, "\"char_E\"", "are 16 characters long; the keyboard offers only the first 15"},
    AuditCase{"alternates beyond the Basic Multilingual Plane",
              [](Spoiled& s) { s.layout.Find(L"char_E").alternates = L"\x00E9\xD83D\xDE00"; },
              1, Severity::Error, "\"char_E\"", "hold U+1F600, which lies beyond the Basic Multilingual Plane"},
    AuditCase{"offered words over keys", [](Spoiled& s) { s.layout.Rect(L"char_wordview", 0, 150, 480, 40); },
              36, Severity::Error, "\"char_wordview\"", "by 40x30 pixels; a touch there reaches the offered words"},
    AuditCase{"offered words over the text", [](Spoiled& s) { s.layout.Rect(L"char_wordview", 0, 60, 480, 40); },
              0, Severity::Warning, "\"char_wordview\"", "overlaps child 7 \"char_editview\" by 480x40 pixels; what it"},
    AuditCase{"offered words on a line under 7 mm", [](Spoiled& s) { s.layout.Rect(L"char_wordview", 0, 300, 480, 20); },
              0, Severity::Warning, "\"char_wordview\"", "the words' line is 20 pixels high, 5.3 mm at 96 DPI"},
    AuditCase{"offered words past the design", [](Spoiled& s) { s.layout.Rect(L"char_wordview", 0, 300, 481, 40); },
              1, Severity::Error, "\"char_wordview\"", "reaches outside the design area"},
    AuditCase{"a design larger than the screen", [](Spoiled& s) { s.screens = {{{240, 320}, 96}}; },
              1, Severity::Error, "", "the design area 480x640 is shown as 480x640 on a 240x320 screen"}));

// Upright, and turned on a landscape screen.
TEST(LayoutAudit, PassesACompleteSkin)
{
    CLayoutBuilder layout;
    BitmapTable bitmaps;
    layout.CompleteSkin(bitmaps).Rect(L"char_wordview", 0, 300, 480, 40);
    const std::vector<CheckedScreen> screenSets[] = {kVgaPortrait, {{{800, 480}, 96}, {{480, 800}, 96}}};
    for (const std::vector<CheckedScreen>& screens : screenSets)
    {
        CFindings findings;
        AuditLayout(layout.Model(), bitmaps, screens, findings);
        EXPECT_EQ("", findings.Format()) << screens[0].size.nWidth;
    }
}

TEST(LayoutAudit, SaysWhenTheFileIsMissingOrNotXml)
{
    LayoutModel missing;
    missing.file = "Test\\gone.xml";
    CFindings findings;
    AuditLayout(missing, {}, kVgaPortrait, findings);
    missing.bPresent = true;
    AuditLayout(missing, {}, kVgaPortrait, findings);
    EXPECT_EQ("error: Test\\gone.xml: is not in the skin folder; the keyboard will not open on the screens that use it\n"
              "error: Test\\gone.xml: cannot be read as an XML document; the keyboard will not open on the screens "
              "that use it\n",
              findings.Format());
}

TEST(LayoutAudit, ShortensHugeEntryNames)
{
    CLayoutBuilder layout;
    BitmapTable bitmaps;
    layout.CompleteSkin(bitmaps).Rect(std::wstring(10000, L'x'), 0, 0, 1, 1);
    CFindings findings;
    AuditLayout(layout.Model(), bitmaps, kVgaPortrait, findings);
    ASSERT_EQ(1u, findings.All().size());
    EXPECT_EQ("child 93 \"" + std::string(40, 'x') + "...\" (10000 characters)", findings.All()[0].entry);
}

}  // namespace
