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
        SendMessageW(m_hwndEdit, EM_SETSEL, static_cast<WPARAM>(-1), -1);
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
void Copy(IIMCallback& cb, UINT uVk = 0x43, UINT uChar = 0x03)
{
    UINT uDown = 0x40000080, uUp = 0x40010000;
    cb.SendVirtualKey(VK_CONTROL, 4);
    cb.SendCharEvents(uVk, 0x40000080, 1, &uDown, &uChar);
    cb.SendCharEvents(uVk, 0x40010000, 1, &uUp, &uChar);
    cb.SendVirtualKey(VK_CONTROL, 6);
}
void Paste(IIMCallback& cb) { Copy(cb, 0x56, 0x16); }
void Cut(IIMCallback& cb) { Copy(cb, 0x58, 0x18); }
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
    // Enter and Backspace are pressed and never released, as the input method
    // sends them; let them go so that later tests start from a keyboard at rest.
    void TearDown() override
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

TEST_F(ImCallback, StringsArriveAsCharacters)
{
    CFocusedEdit edit;
    CImCallback cb;
    SendText(cb, L"Hello, world!");
    EXPECT_EQ(L"Hello, world!", edit.Text());
    SendText(cb, L" a\rb");
    EXPECT_EQ(L"Hello, world! a\r\nb", edit.Text()) << "a carriage return inside a string breaks the line";
}

TEST_F(ImCallback, EnterAndBackspaceArePressesThatActOnTheText)
{
    CFocusedEdit edit;
    CImCallback cb;
    SendText(cb, L"abc");
    cb.SendVirtualKey(VK_BACK, 4);
    cb.SendVirtualKey(VK_RETURN, 4);
    SendText(cb, L"d");
    EXPECT_EQ(L"ab\r\nd", edit.Text());
    EXPECT_EQ((std::vector<std::string>{"SendString 3", "SendVirtualKey 0x08 4", "SendVirtualKey 0x0D 4",
                                        "SendString 1"}),
              cb.Calls());
}

TEST_F(ImCallback, SelectAllCopyAndPasteGiveTheTextTwice)
{
    CFocusedEdit edit;
    edit.SetText(L"twice");
    CImCallback cb;
    SelectAll(cb);
    Copy(cb);
    EXPECT_EQ(L"twice", edit.Text());
    DWORD dwStart = 0, dwEnd = 0;
    SendMessageW(edit.Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    EXPECT_EQ(0u, dwStart);
    EXPECT_EQ(5u, dwEnd) << "Select All selected everything";
    SendMessageW(edit.Edit(), EM_SETSEL, 5, 5);
    Paste(cb);
    EXPECT_EQ(L"twicetwice", edit.Text());
}

TEST_F(ImCallback, CutEmptiesAndPasteBringsBack)
{
    CFocusedEdit edit;
    edit.SetText(L"move me");
    CImCallback cb;
    SelectAll(cb);
    Cut(cb);
    EXPECT_EQ(L"", edit.Text());
    Paste(cb);
    Paste(cb);
    EXPECT_EQ(L"move memove me", edit.Text());
    EXPECT_EQ(0, GetKeyState(VK_CONTROL) & 0x8000) << "Ctrl is released at the end of each sequence";
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
