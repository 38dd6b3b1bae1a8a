#include "KeyboardDriver.h"
#include "KeyboardTestSupport.h"
#include "WineTestSupport.h"
#include "skin/TestSkin.h"
#include "sip/DialogWatcher.h"
#include "sip/TestStateGuards.h"
#include "support/HostProcess.h"

#include "device/harness/FileBytes.h"
#include "keyboard/EditView.h"
#include "keyboard/KeyImagePainter.h"
#include "keyboard/KeyModel.h"
#include "keyboard/KeyboardCanvas.h"
#include "keyboard/KeyboardFonts.h"
#include "keyboard/KeyboardLayers.h"
#include "keyboard/KeyboardPaint.h"
#include "keyboard/KeyboardSkin.h"
#include "keyboard/KeyboardState.h"
#include "keyboard/KeyboardTouch.h"
#include "keyboard/WordCompletion.h"
#include "settings/ModulePath.h"
#include "sip/SipPanel.h"
#include "support/ModuleInstance.h"
#include "words/UserWordsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

namespace {

struct StripCase
{
    DWORD dwHabit;
    bool bWordView;   // the skin places the words; else they take the edit view's last line
};

std::string StripCaseName(const testing::TestParamInfo<StripCase>& info)
{
    return std::string(info.param.dwHabit != 0 ? "LeftHanded" : "RightHanded") + (info.param.bWordView ? "" : "InTheEditView");
}

std::wstring ModuleFile(const wchar_t* pszSuffix)
{
    WCHAR szPath[MAX_PATH];
    return BuildModulePath(g_hInstance, pszSuffix, szPath) ? szPath : L"";
}

// "word:uses " for each word Words.dat holds.
std::string StoredWords()
{
    const FileBytes bytes = ReadFileBytes(ModuleFile(L"\\Words.dat"));
    CUserWords words;
    ReadUserWords(bytes.data(), bytes.size(), words);
    std::string text;
    for (std::size_t i = 0; i < words.Count(); ++i)
        text += std::string(words.At(i).szWord, words.At(i).szWord + std::wcslen(words.At(i).szWord)) + ":" +
                std::to_string(words.At(i).nUses) + " ";
    return text;
}

RECT ToRect(const ViewRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

POINT Centre(const RECT& rc) { return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}; }

// The pixels of rc in which two pictures differ: their count and the box round them.
PixelChange ChangeWithin(const CPixelCanvas& a, const CPixelCanvas& b, const RECT& rc)
{
    PixelChange change;
    change.box = RECT{rc.right, rc.bottom, rc.left, rc.top};
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            if (a.At(x, y) != b.At(x, y))
            {
                ++change.nCount;
                change.box = RECT{std::min<LONG>(change.box.left, x), std::min<LONG>(change.box.top, y),
                                  std::max<LONG>(change.box.right, x + 1), std::max<LONG>(change.box.bottom, y + 1)};
            }
    return change;
}

// The keyboard dialog on the test skin, shown, worked by the stylus messages its
// keyboard control receives; word completion with the English list.
class WordStrip : public testing::TestWithParam<StripCase>
{
protected:
    void SetUp() override
    {
        if (IsSquareScreen())
            GTEST_SKIP() << "the dialog keeps the template's places on a square screen";
        DeleteFileW(ModuleFile(L"\\Words.dat").c_str());
        EnsureTextFont();
        ASSERT_EQ(1, m_skin.Load(GetParam().dwHabit));
        CreatePreviewFonts(m_fontSource.Window());
    }
    void TearDown() override
    {
        m_pKeyboard.reset();
        ReleaseKeyboardFonts();
        DeleteFileW(ModuleFile(L"\\Words.dat").c_str());
        g_nPressedKey = KEY_NONE;
        g_bStylusDown = 0;
        g_bShift = 0;
    }

    void Open(WordSettings settings = WordSettings())
    {
        m_pKeyboard.reset();
        settings.list = WordList::English;
        SetWordSettings(settings);
        m_pKeyboard = std::make_unique<CModelessKeyboard>();
        ASSERT_NE(nullptr, m_pKeyboard->Dialog());
        ShowWindow(m_pKeyboard->Dialog(), SW_SHOW);
        FlushEvents();
        m_hKeyboard = g_hKeyboardWnd;
        KillTimer(m_hKeyboard, IDT_CARET_BLINK);
        SetFocus(g_hEditCtrlWnd);
        g_bCaretVisible = 0;
    }
    // The text with the caret after it, and the repaint that follows typing.
    void Type(const wchar_t* pszText) const
    {
        SetWindowTextW(g_hEditCtrlWnd, pszText);
        SendMessageW(g_hEditCtrlWnd, EM_SETSEL, 0xFFFF, 0xFFFF);
        RedrawKeyboard(m_hKeyboard);
    }
    static std::wstring Offered()
    {
        const WordStripView view = CurrentWordStrip();
        std::wstring words;
        for (int i = 0; view.bShown && i < view.nCells && view.apszWords[i] != nullptr; ++i)
            words += (words.empty() ? L"" : L" ") + std::wstring(view.apszWords[i]);
        return words;
    }
    void Stylus(UINT uMsg, POINT pt) const { SendMessageW(m_hKeyboard, uMsg, 0, MAKELPARAM(pt.x, pt.y)); }
    static POINT CellCentre(int nCell) { return Centre(ToRect(CurrentWordStrip().aCells[nCell])); }
    static POINT KeyCentre(int nKey) { return Centre(g_skin.keys[nKey].rcKey); }

    CTestSkin m_skin{TestSkinOptions{4, true, GetParam().bWordView}};
    CFontSource m_fontSource;
    CSettingsRestorer m_settings;
    std::unique_ptr<CModelessKeyboard> m_pKeyboard;
    HWND m_hKeyboard = nullptr;
};

// What the strip draws lies in its cells, each word in its own along the text (upright
// text is wider than high, turned text higher than wide; the longest word the longest);
// in the edit view's last line the typed text and the caret keep above it.
TEST_P(WordStrip, WordsAreDrawnInTheirCellsAlongTheTextAndTheTextKeepsAboveThem)
{
    Open();
    Type(L"first line\r\nsecond line\r\nthird line\r\nfourth line\r\nhell");
    ASSERT_EQ(L"hello he'll Hellenic", Offered());
    const WordStripView view = CurrentWordStrip();
    ASSERT_EQ(GetParam().bWordView, !view.bInEditView);
    RECT rc{};
    GetClientRect(m_hKeyboard, &rc);
    const KeyboardFrame frame = CurrentKeyboardFrame(rc.right, rc.bottom);
    KeyboardFrame withoutWords = frame;
    withoutWords.layers[LAYER_WORDS] = LayerShown{};
    KeyboardFrame bare = withoutWords;
    for (int i = 0; i < LAYER_COUNT; ++i)
        bare.layers[i] = LayerShown{};
    CPixelCanvas shown(rc.right, rc.bottom), noWords(rc.right, rc.bottom), nothing(rc.right, rc.bottom);
    CKeyImagePainter painter;
    ComposeKeyboard(shown.Dc(), rc.right, rc.bottom, frame, nullptr, painter);
    ComposeKeyboard(noWords.Dc(), rc.right, rc.bottom, withoutWords, nullptr, painter);
    ComposeKeyboard(nothing.Dc(), rc.right, rc.bottom, bare, nullptr, painter);

    const PixelChange strip = ComparePixels(noWords.Snapshot(), shown);
    EXPECT_TRUE(IsInside(strip.box, ToRect(view.rcStrip))) << RectText(strip.box);
    const bool bUpright = CurrentTextTurn() == TextTurn::Upright;
    LONG anAlong[kMaxSuggestions] = {};
    ASSERT_EQ(3, view.nCells);
    for (int i = 0; i < view.nCells; ++i)
    {
        // The word without the lines between cells, which lie on the cells' edges.
        RECT rcCell = ToRect(view.aCells[i]);
        InflateRect(&rcCell, -2, -2);
        const PixelChange word = ChangeWithin(noWords, shown, rcCell);
        const LONG nAlong = bUpright ? word.box.right - word.box.left : word.box.bottom - word.box.top;
        const LONG nAcross = bUpright ? word.box.bottom - word.box.top : word.box.right - word.box.left;
        EXPECT_GT(word.nCount, 20) << "cell " << i;
        EXPECT_GT(nAlong, nAcross) << "cell " << i << ": " << RectText(word.box);
        anAlong[i] = nAlong;
    }
    EXPECT_GT(anAlong[2], std::max(anAlong[0], anAlong[1])) << "Hellenic, the longest word, drawn the longest";
    if (!view.bInEditView)
        return;
    EXPECT_EQ(0, ChangeWithin(nothing, noWords, ToRect(view.rcStrip)).nCount) << "typed text under the words";
    POINT from{}, to{};
    RECT rcEdit{};
    GetEditViewRect(&rcEdit);
    g_bCaretVisible = 1;
    ASSERT_TRUE(GetEditCaretLine(g_hEditCtrlWnd, rcEdit, CurrentSkinTurn(), &from, &to));
    const RECT rcBand = ToRect(view.rcStrip);
    EXPECT_FALSE(PtInRect(&rcBand, from) || PtInRect(&rcBand, to)) << "the caret under the words";
    // Once nothing is offered, the edit control has its whole height back.
    RECT rcBefore{};
    GetClientRect(g_hEditCtrlWnd, &rcBefore);
    Type(L"hell ");
    RECT rcAfter{};
    GetClientRect(g_hEditCtrlWnd, &rcAfter);
    EXPECT_EQ(L"", Offered());
    const RECT& band = rcBand;
    EXPECT_EQ(rcBefore.bottom + (bUpright ? band.bottom - band.top : band.right - band.left), rcAfter.bottom);
}

// A tap on a word puts it in place of the typed letters, as typed text that backspace
// takes back; the settings decide what is offered. No key is pressed by it.
TEST_P(WordStrip, ATapOnAWordPutsItInPlaceOfTheTypedLetters)
{
    // Each case opens a keyboard of its own, and Wine takes two seconds to close a
    // full-screen window: the cells of a turned strip and of the edit view's line suffice.
    if ((GetParam().dwHabit != 0) != GetParam().bWordView)
        GTEST_SKIP() << "the other two cases are enough";
    struct Case
    {
        const char* pszName;
        std::function<void(WordSettings&)> set;
        const wchar_t* pszTyped;
        const wchar_t* pszOffered;
        int nCell;               // tapped; -1: where the strip would be
        const wchar_t* pszAfter;
    };
    const Case cases[] = {
        {"the defaults", [](WordSettings&) {}, L"Hi. hell", L"hello he'll Hellenic", 0, L"Hi. hello "},
        {"no space after", [](WordSettings& s) { s.bSpaceAfterWord = false; }, L"hell", L"hello he'll Hellenic", 1,
         L"he'll"},
        {"capitals", [](WordSettings&) {}, L"HELL", L"HELLO HE'LL HELLENIC", 2, L"HELLENIC "},
        {"one word", [](WordSettings& s) { s.nWords = 1; }, L"hell", L"hello", 0, L"hello "},
        {"after three letters, two are not enough", [](WordSettings& s) { s.nAfterLetters = 3; }, L"he", L"", -1,
         L"he"},
        {"suggest off", [](WordSettings& s) { s.bSuggest = false; }, L"hell", L"", -1, L"hell"},
    };
    for (const Case& c : cases)
    {
        WordSettings settings;
        c.set(settings);
        Open(settings);
        Type(c.pszTyped);
        EXPECT_EQ(c.pszOffered, Offered()) << c.pszName;
        RECT rcWords{};
        GetWordViewRect(&rcWords);
        const POINT pt = c.nCell >= 0 ? CellCentre(c.nCell) : Centre(rcWords.right > rcWords.left ? rcWords : RECT{});
        Stylus(WM_LBUTTONDOWN, pt);
        EXPECT_EQ(KEY_NONE, g_nPressedKey) << c.pszName;
        Stylus(WM_LBUTTONUP, pt);
        EXPECT_EQ(c.pszAfter, WindowText(g_hEditCtrlWnd)) << c.pszName;
        Stylus(WM_LBUTTONDOWN, KeyCentre(KEY_BACKSPACE));
        Stylus(WM_LBUTTONUP, KeyCentre(KEY_BACKSPACE));
        EXPECT_EQ(std::wstring(c.pszAfter).substr(0, std::wcslen(c.pszAfter) - 1), WindowText(g_hEditCtrlWnd))
            << c.pszName;
    }
}

// A press that starts on the words stays theirs: slid onto a key and lifted there, it
// types nothing. One that starts on a key is a key's press as it always was.
TEST_P(WordStrip, APressStartedOnTheWordsReachesNoKey)
{
    Open();
    Type(L"hell");
    Stylus(WM_LBUTTONDOWN, CellCentre(0));
    Stylus(WM_MOUSEMOVE, KeyCentre(KEY_A));
    EXPECT_EQ(KEY_NONE, g_nPressedKey);
    Stylus(WM_LBUTTONUP, KeyCentre(KEY_A));
    EXPECT_EQ(L"hell", WindowText(g_hEditCtrlWnd));
    Stylus(WM_LBUTTONDOWN, KeyCentre(KEY_A));
    Stylus(WM_MOUSEMOVE, CellCentre(0));
    Stylus(WM_MOUSEMOVE, KeyCentre(KEY_A + 1));
    Stylus(WM_LBUTTONUP, KeyCentre(KEY_A + 1));
    EXPECT_EQ(L"hellb", WindowText(g_hEditCtrlWnd));
}

// OK counts the new words of the text in Words.dat (not with learning off); a held word
// of the user's own asks to be forgotten and, with a Yes, is gone from the file and the
// strip, the caret where it was. A word of the list asks nothing: the lift chooses it.
TEST_P(WordStrip, OkLearnsNewWordsAndAHeldOneIsForgotten)
{
    if (GetParam().dwHabit == 0 || !GetParam().bWordView)
        GTEST_SKIP() << "one case is enough";
    SipPanel panel(g_hInstance);
    for (bool bLearn : {false, true})
    {
        WordSettings settings;
        settings.bLearn = bLearn;
        settings.list = WordList::English;
        SetWordSettings(settings);
        ASSERT_TRUE(CKeyboardDriver::Run(&panel, [](CKeyboardDriver& driver) { driver.SetText(L"zarnitz and zarnitz"); }));
        EXPECT_EQ(bLearn ? "zarnitz:2 " : "", StoredWords());
    }
    Open();
    Type(L"zarn");
    ASSERT_EQ(L"zarnitz", Offered().substr(0, 7));
    std::wstring questions;
    CDialogWatcher watcher([&questions](const SeenDialog& dialog) {
        questions += dialog.text;
        PostMessageW(dialog.hwnd, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
    });
    for (const wchar_t* pszTyped : {L"hell", L"zarn"})
    {
        Type(pszTyped);
        Stylus(WM_LBUTTONDOWN, CellCentre(0));
        WordHoldTimerProc(g_hDlgWnd, WM_TIMER, IDT_WORD_HOLD, 0);
        Stylus(WM_LBUTTONUP, CellCentre(0));
    }
    EXPECT_EQ(L"Forget the word \"zarnitz\"?", questions) << "asked once, for the user's word only";
    // The held word of the list was chosen by the lift, as a tap would, and counted.
    EXPECT_EQ("hello:1 ", StoredWords());
    EXPECT_EQ(std::wstring::npos, Offered().find(L"zarnitz"));
    EXPECT_EQ(L"zarn", WindowText(g_hEditCtrlWnd));
    DWORD dwStart = 0, dwEnd = 0;
    SendMessageW(g_hEditCtrlWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    EXPECT_EQ(4u, dwStart);
    EXPECT_EQ(4u, dwEnd);
}

INSTANTIATE_TEST_SUITE_P(Hands, WordStrip,
                         testing::Values(StripCase{0, true}, StripCase{1, true}, StripCase{0, false}, StripCase{1, false}),
                         StripCaseName);

// A file of the program's folder put aside for a while, and back when the object goes.
class CFileAside
{
public:
    explicit CFileAside(std::wstring path) : m_path(std::move(path))
    {
        m_bAside = MoveFileW(m_path.c_str(), (m_path + L".away").c_str()) != FALSE;
    }
    ~CFileAside()
    {
        DeleteFileW(m_path.c_str());
        MoveFileW((m_path + L".away").c_str(), m_path.c_str());
    }
    CFileAside(const CFileAside&) = delete;
    CFileAside& operator=(const CFileAside&) = delete;
    bool IsAside() const { return m_bAside; }

private:
    std::wstring m_path;
    bool m_bAside = false;
};

// A word list that is missing or damaged turns completion off, says so in the log, and
// the keyboard types as ever.
TEST(WordList, AMissingOrDamagedListTurnsCompletionOff)
{
    if (IsSquareScreen())
        GTEST_SKIP() << "the dialog keeps the template's places on a square screen";
    CSettingsRestorer settings;
    CTestSkin skin;
    CFontSource fontSource;
    EnsureTextFont();
    ASSERT_EQ(1, skin.Load(1));
    const struct
    {
        WordList list;
        const wchar_t* pszFile;
        const char* pszBytes;   // null: no file
    } cases[] = {{WordList::Italiano, L"\\words\\it.dic", nullptr}, {WordList::Espanol, L"\\words\\es.dic", "BVWD junk"}};
    for (const auto& c : cases)
    {
        const std::wstring path = ModuleFile(c.pszFile);
        const CFileAside aside(path);
        ASSERT_TRUE(aside.IsAside());
        if (c.pszBytes != nullptr)
            WriteFileText(path, c.pszBytes);
        WordSettings words;
        words.list = c.list;
        SetWordSettings(words);
        {
            CModelessKeyboard keyboard;
            SetWindowTextW(g_hEditCtrlWnd, L"ciao");
            SendMessageW(g_hEditCtrlWnd, EM_SETSEL, 4, 4);
            RedrawKeyboard(g_hKeyboardWnd);
            EXPECT_FALSE(CurrentWordStrip().bShown);
            const POINT pt = Centre(g_skin.keys[KEY_A].rcKey);
            SendMessageW(g_hKeyboardWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(pt.x, pt.y));
            SendMessageW(g_hKeyboardWnd, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
            EXPECT_EQ(L"ciaoa", WindowText(g_hEditCtrlWnd));
        }
        const FileBytes bytes = ReadFileBytes(TestProgramFolder() + L"\\brevanto_wine_tests_log.txt");
        const std::string log(bytes.begin(), bytes.end());
        EXPECT_NE(std::string::npos, log.find("word completion off: the word list " +
                                              std::string(c.pszFile + 7, c.pszFile + std::wcslen(c.pszFile)) +
                                              " cannot be read"));
    }
    ReleaseKeyboardFonts();
}

}  // namespace
