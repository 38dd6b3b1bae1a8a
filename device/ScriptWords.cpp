#include "ScriptRunner.h"

#include "DeviceLayout.h"
#include "DeviceWindows.h"
#include "device/harness/FileBytes.h"
#include "device/harness/InputInjector.h"
#include "device/harness/ScreenCapture.h"
#include "device/harness/TextUtf.h"
#include "keyboard/AlternatesStrip.h"
#include "keyboard/WordStrip.h"
#include "support/LogFormat.h"
#include "support/ScreenRules.h"
#include "words/WordLimits.h"

#include <algorithm>
#include <sstream>

namespace {

// The keyboard opens the question after 500 ms; the finger stays well past that.
constexpr DWORD kHoldMs = 700;
// A cell showing a word differs from the skin's background in at least this many pixels.
constexpr int kWordPixels = 10;
constexpr char kWordsLine[] = "suggestions:";

ViewRect ToViewRect(const KeyRect& r) { return {r.nLeft, r.nTop, r.nRight, r.nBottom}; }

std::string Joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

// The input method's log, beside the device's program and named after it.
std::wstring LogPath()
{
    wchar_t szProgram[MAX_PATH] = {};
    wchar_t szLog[MAX_PATH] = {};
    const DWORD cch = GetModuleFileNameW(nullptr, szProgram, MAX_PATH);
    return cch > 0 && cch < MAX_PATH && ComposeLogFileName(szProgram, cch, szLog, MAX_PATH) ? szLog : L"";
}

// The text of the log's last line about the words on offer, after its "suggestions:",
// in UTF-8 (the log is in the system's code page); false when it has none.
bool LastWordsLine(const FileBytes& log, std::string& line)
{
    const std::string text(log.begin(), log.end());
    const size_t nAt = text.rfind(kWordsLine);
    if (nAt == std::string::npos)
        return false;
    const size_t nFrom = nAt + sizeof kWordsLine - 1;
    const std::string bytes = text.substr(nFrom, text.find_first_of("\t\r\n", nFrom) - nFrom);
    const int cch = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(cch, 0)), L'\0');
    if (cch > 0)
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], cch);
    line = Narrow(wide);
    return true;
}

// The pixels of rc in which two pictures of the keyboard differ.
int DifferingPixels(const RgbImage& a, const RgbImage& b, const KeyRect& rc)
{
    int nCount = 0;
    for (int y = std::max(rc.nTop, 0); y < std::min({rc.nBottom, a.nHeight, b.nHeight}); ++y)
        for (int x = std::max(rc.nLeft, 0); x < std::min({rc.nRight, a.nWidth, b.nWidth}); ++x)
            nCount += a.Pixel(x, y) != b.Pixel(x, y) ? 1 : 0;
    return nCount;
}

}  // namespace

// What the keyboard offers, as it writes each change of the words to its log (the
// device's thread is idle here, so the log is up to date).
bool CScriptRunner::OfferedWords(std::vector<std::string>& words, std::string& sWhy)
{
    words.clear();
    FileBytes log;
    std::string line;
    if (!ReadFileBytes(LogPath(), log))
    {
        sWhy = "the input method's log cannot be read";
        return false;
    }
    if (LastWordsLine(log, line))
    {
        std::istringstream stream(line);
        for (std::string word; stream >> word;)
            words.push_back(word);
    }
    return true;
}

// The cells of the strip on the keyboard control, placed as the keyboard places them:
// the skin's place for the words or a band of the edit view, as many cells as the
// settings offer words, along the keyboard's text.
bool CScriptRunner::WordCells(std::vector<KeyRect>& cells, std::string& sWhy)
{
    if (!PrepareKeyboard(sWhy))
        return false;
    const int nWidth = GetSystemMetrics(SM_CXSCREEN), nHeight = GetSystemMetrics(SM_CYSCREEN);
    const int nDpi = ApplyDpiOverride(ScreenDpi{GetScreenDpi(), GetScreenDpi()}, nWidth, nHeight).nLogPixelsY;
    const TextTurn turn = TextTurnOf(m_skin.geometry.nOrientation, ShapeOf(nWidth, nHeight), m_skin.bLeftHanded);
    const WordStripPlace place = PlaceWordStrip(ToViewRect(m_skin.geometry.rcWordView),
                                                ToViewRect(m_skin.geometry.rcEditView), turn, MinimumCellPixels(nDpi));
    ViewRect aCells[kMaxSuggestions];
    const int nCells = PlaceWordCells(place.rcStrip, turn, static_cast<int>(m_skin.words.nWords), kMaxSuggestions, aCells);
    if (nCells == 0)
    {
        sWhy = "the keyboard has no room for offered words";
        return false;
    }
    cells.clear();
    for (int i = 0; i < nCells; ++i)
        cells.push_back(KeyRect{aCells[i].left, aCells[i].top, aCells[i].right, aCells[i].bottom});
    return true;
}

bool CScriptRunner::OfferedWordOnScreen(const std::string& word, POINT& pt, std::string& sWhy)
{
    std::vector<std::string> words;
    std::vector<KeyRect> cells;
    if (!OfferedWords(words, sWhy) || !WordCells(cells, sWhy))
        return false;
    const auto found = std::find(words.begin(), words.end(), word);
    const size_t nCell = static_cast<size_t>(found - words.begin());
    if (found == words.end() || nCell >= cells.size())
    {
        sWhy = "\"" + word + "\" is not offered (the keyboard offers \"" + Joined(words) + "\")";
        return false;
    }
    const KeyRect& cell = cells[nCell];
    pt = POINT{(cell.nLeft + cell.nRight) / 2, (cell.nTop + cell.nBottom) / 2};
    return ClientToScreen(GetDlgItem(m_hwndKeyboard, kKeyboardControlId), &pt) != FALSE;
}

// The words the log names, and on the screen a drawing in each of their cells; with no
// words, the skin's own place for them shows its background.
bool CScriptRunner::OnExpectWords(const ScriptCommand& command, std::string& sWhy)
{
    std::vector<std::string> words;
    std::vector<KeyRect> cells;
    if (!OfferedWords(words, sWhy))
        return false;
    if (Joined(words) != command.argument)
    {
        sWhy = "the keyboard offers \"" + Joined(words) + "\", expected \"" + command.argument + "\"";
        return false;
    }
    RgbImage background;
    if (!WordCells(cells, sWhy) || !ReadViewBackground(m_skin, m_keyboardState.nView, background, sWhy))
        return false;
    RECT rc{};
    const HWND hwndControl = GetDlgItem(m_hwndKeyboard, kKeyboardControlId);
    GetClientRect(hwndControl, &rc);
    MapWindowPoints(hwndControl, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    const RgbImage shown = CaptureScreen(rc);
    for (size_t i = 0; i < words.size() && i < cells.size(); ++i)
    {
        if (DifferingPixels(shown, background, cells[i]) < kWordPixels)
        {
            sWhy = "the cell of \"" + words[i] + "\" shows nothing on the skin's background";
            return false;
        }
    }
    const KeyRect& place = m_skin.geometry.rcWordView;
    if (words.empty() && !place.IsEmpty() && DifferingPixels(shown, background, place) > 0)
    {
        sWhy = "no words are offered, but their place does not show the skin's background";
        return false;
    }
    return true;
}

bool CScriptRunner::OnChoose(const ScriptCommand& command, std::string& sWhy)
{
    POINT pt{};
    if (!OfferedWordOnScreen(command.argument, pt, sWhy))
        return false;
    if (!TapAt(pt.x, pt.y))
    {
        sWhy = "the pointer did not reach the word";
        return false;
    }
    Sync();
    return true;
}

// A finger held on the word: the keyboard asks whether to forget it, and the user says Yes.
bool CScriptRunner::OnForget(const ScriptCommand& command, std::string& sWhy)
{
    POINT pt{};
    if (!OfferedWordOnScreen(command.argument, pt, sWhy))
        return false;
    const std::string question = "Forget the word \"" + command.argument + "\"?";
    const size_t nMessagesBefore = m_messages.size();
    if (!PressAt(pt.x, pt.y))
    {
        sWhy = "the pointer did not reach the word";
        return false;
    }
    m_nAnswerToQuestions = IDYES;
    Sleep(kHoldMs);
    Sync();
    m_nAnswerToQuestions = IDNO;
    InputInjector::Lift(pt.x, pt.y);
    Sync();
    if (std::find(m_messages.begin() + static_cast<std::ptrdiff_t>(nMessagesBefore), m_messages.end(), question) ==
        m_messages.end())
    {
        sWhy = "holding the word did not ask \"" + question + "\"";
        return false;
    }
    return true;
}
