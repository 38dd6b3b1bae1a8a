#pragma once
#include <windows.h>

#include <functional>
#include <string>

class SipPanel;

// Runs the keyboard dialog modally on the calling thread, the way the SIP
// bar's keyboard action does, while a driver on a second thread works it
// with real mouse input (SendInput, carried through the platform's input
// path). The driver never asserts; it records what it saw for the test
// thread to check after the dialog has ended.
class CKeyboardDriver
{
public:
    // The dialog, once it is open and placed.
    HWND Dialog() const { return m_hDlg; }

    // The screen point at the middle of key nIndex.
    POINT KeyCentre(int nIndex) const;

    // Real stylus input at a key: the stylus goes down, moves, and lifts.
    // Each waits until the dialog has handled the event; false on a timeout.
    bool Press(int nIndex);
    bool SlideTo(int nIndex);
    bool Lift();
    bool Tap(int nIndex);

    // Presses key nIndex and holds it until its alternates strip opens (false after 3 s);
    // *pnMs gets the time from just before the press to the first sight of the strip.
    bool HoldForStrip(int nIndex, int* pnMs);
    // Slides the held stylus onto the middle of cell nCell of the open strip.
    bool SlideToCell(int nCell);

    // Presses backspace and holds it until the text has lost nDeletions characters
    // (false after 5 s). Each poll counts the deletions against the time since just
    // before the press: one at the press, then one every 100 ms once 500 ms have
    // passed, at the most; *pnMostAhead gets the largest excess seen (0 or less when
    // the repeat kept its delay and rate). Load only makes timers later, so the count
    // is bounded from above by the clock and waited for from below.
    bool HoldBackspace(int nDeletions, int* pnMostAhead);

    // Waits until the caret has blinked three times: proof that the dialog's thread has
    // run its timers for a second since the call (false after 5 s). A check that
    // nothing happens by timer is only worth something after this.
    bool LetTimersRun() const;

    std::wstring Text() const;
    // Sets the text with the caret after it.
    void SetText(const wchar_t* pszText) const;

    // Polls until pred is true or nTimeoutMs has passed.
    static bool WaitFor(const std::function<bool()>& pred, int nTimeoutMs = 3000);

    // Runs the dialog for pPanel; driver runs once the dialog is open. If the
    // driver leaves the dialog open, it is ended with OK. Returns false when
    // the dialog never opened.
    static bool Run(SipPanel* pPanel, const std::function<void(CKeyboardDriver&)>& driver);

    // Calls open on this thread, which is to run the keyboard dialog modally
    // (a tap on the bar's keyboard button, say), and works the dialog with
    // driver once it is open. Returns false when no dialog opened before open
    // returned or the timeout passed.
    static bool Attend(const std::function<void()>& open, const std::function<void(CKeyboardDriver&)>& driver,
                       int nOpenTimeoutMs = 5000);

private:
    void Settle() const;

    HWND m_hDlg = nullptr;
};

// Reads a flag the dialog thread writes.
int ReadShared(const int& nValue);
