#include "WineTestSupport.h"
#include "device/ImCallback.h"
#include "device/NotesApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The device's notes application, in front with its edit control focused.
class CFocusedEdit
{
public:
    CFocusedEdit()
    {
        EXPECT_TRUE(m_notes.Create(GetModuleHandleW(nullptr), RECT{0, 26, 200, 200}));
        m_hwndEdit = m_notes.Edit();
        FlushEvents();
    }
    ~CFocusedEdit() { DestroyWindow(m_notes.Window()); }
    CFocusedEdit(const CFocusedEdit&) = delete;
    CFocusedEdit& operator=(const CFocusedEdit&) = delete;

    void SetText(const wchar_t* psz)
    {
        SetWindowTextW(m_hwndEdit, psz);
        const WPARAM nEnd = wcslen(psz);
        SendMessageW(m_hwndEdit, EM_SETSEL, nEnd, static_cast<LPARAM>(nEnd));
    }
    // The text once the input sent so far has been dealt with: the queue stayed
    // empty and the text unchanged for a while.
    std::wstring Text() const
    {
        std::wstring last;
        int nStable = 0;
        for (int i = 0; i < 300 && nStable < 5; ++i)
        {
            FlushEvents();
            Sleep(10);
            const std::wstring now = Current();
            const bool bQuiet = HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE)) == 0;
            nStable = now == last && bQuiet ? nStable + 1 : 0;
            last = now;
        }
        return last;
    }
    HWND Edit() const { return m_hwndEdit; }

private:
    std::wstring Current() const
    {
        wchar_t sz[512] = {};
        GetWindowTextW(m_hwndEdit, sz, 512);
        return sz;
    }
    CNotesApp m_notes;
    HWND m_hwndEdit = nullptr;
};

// The key sequences of the SIP bar's editing buttons, as the input method sends them.
void ControlKey(IIMCallback& cb, UINT uVk, UINT uChar)
{
    UINT uDown = 0x40000080, uUp = 0x40010000;
    cb.SendVirtualKey(VK_CONTROL, 4);
    cb.SendCharEvents(uVk, 0x40000080, 1, &uDown, &uChar);
    cb.SendCharEvents(uVk, 0x40010000, 1, &uUp, &uChar);
    cb.SendVirtualKey(VK_CONTROL, 6);
}
void Copy(IIMCallback& cb) { ControlKey(cb, 0x43, 0x03); }
void Paste(IIMCallback& cb) { ControlKey(cb, 0x56, 0x16); }
void Cut(IIMCallback& cb) { ControlKey(cb, 0x58, 0x18); }
void SelectAll(IIMCallback& cb)
{
    cb.SendVirtualKey(VK_CONTROL, 4);
    cb.SendVirtualKey(0x41, 4);
    cb.SendVirtualKey(0x41, 6);
    cb.SendVirtualKey(VK_CONTROL, 6);
}
void SendText(IIMCallback& cb, const wchar_t* psz)
{
    std::wstring text = psz;
    cb.SendString(&text[0], static_cast<DWORD>(text.size()));
}

// Delivery does not depend on the screen: one size is enough.
class ImCallback : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!IsScreen(240, 320))
            GTEST_SKIP() << "screen-independent";
    }
    void TearDown() override { ReleaseKeys(); }
    // Enter and Backspace are pressed and never released, as the input method
    // sends them; let them go so that what follows starts from a keyboard at rest.
    static void ReleaseKeys()
    {
        for (WORD wVk : {WORD{VK_RETURN}, WORD{VK_BACK}, WORD{VK_CONTROL}})
        {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = wVk;
            input.ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(1, &input, sizeof(INPUT));
        }
        for (int i = 0; i < 20; ++i)
        {
            FlushEvents();
            Sleep(5);
        }
    }
};

void Enter(IIMCallback& cb) { cb.SendVirtualKey(VK_RETURN, 4); }
void Backspace(IIMCallback& cb) { cb.SendVirtualKey(VK_BACK, 4); }

struct DeliveryCase
{
    const wchar_t* pszBefore;                  // the text, caret at its end
    std::vector<void (*)(IIMCallback&)> steps;
    const wchar_t* pszAfter;
};

// What each call of the input method does to the focused application's text.
TEST_F(ImCallback, CallsActOnTheFocusedText)
{
    const DeliveryCase cases[] = {
        {L"", {[](IIMCallback& cb) { SendText(cb, L"Hello, world!"); }}, L"Hello, world!"},
        {L"", {[](IIMCallback& cb) { SendText(cb, L" a\rb"); }}, L" a\r\nb"},   // a carriage return breaks the line
        {L"abc", {Backspace, Enter, [](IIMCallback& cb) { SendText(cb, L"d"); }}, L"ab\r\nd"},
        {L"twice", {SelectAll, Copy}, L"twice"},
        {L"twice", {SelectAll, Copy, Paste, Paste}, L"twicetwice"},   // the selection is replaced, then added to
        {L"move me", {SelectAll, Cut, Paste, Paste}, L"move memove me"},
        {L"gone", {SelectAll, Cut}, L""},
    };
    for (const DeliveryCase& c : cases)
    {
        CFocusedEdit edit;
        edit.SetText(c.pszBefore);
        CImCallback cb;
        for (auto step : c.steps)
            step(cb);
        EXPECT_EQ(c.pszAfter, edit.Text()) << "from \"" << c.pszBefore << "\"";
        EXPECT_EQ(0, GetKeyState(VK_CONTROL) & 0x8000) << "Ctrl is released at the end of each sequence";
        ReleaseKeys();
    }
}

TEST_F(ImCallback, RecordsEveryCallInOrder)
{
    CFocusedEdit edit;
    CImCallback cb;
    SendText(cb, L"abc");
    Backspace(cb);
    Enter(cb);
    EXPECT_EQ((std::vector<std::string>{"SendString 3", "SendVirtualKey 0x08 4", "SendVirtualKey 0x0D 4"}), cb.Calls());
}

TEST_F(ImCallback, AnswersOnlyItsOwnInterfaces)
{
    CImCallback cb;
    void* pv = &cb;
    EXPECT_EQ(E_NOINTERFACE, cb.QueryInterface(IID_IInputMethod, &pv));
    EXPECT_EQ(nullptr, pv);
    EXPECT_EQ(S_OK, cb.QueryInterface(IID_IIMCallback, &pv));
    EXPECT_EQ(static_cast<IIMCallback*>(&cb), pv);
    EXPECT_EQ(2, cb.References());
    cb.Release();
    EXPECT_EQ(E_POINTER, cb.SendString(nullptr, 3));
}

}  // namespace
