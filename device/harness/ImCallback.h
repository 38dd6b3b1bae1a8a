#pragma once
#include <windows.h>

#include "device/harness/OwnedImCallback.h"

#include <string>
#include <vector>

// Whoever stands for the focused application: before keys go out, it makes sure
// the application the user works in has the focus again (a closing dialog of the
// input method may have left the activation elsewhere).
class IDeliveryTarget
{
public:
    virtual void BeforeDelivery() = 0;

protected:
    ~IDeliveryTarget() = default;
};

// One call the callback received, written out in full so that a report or a
// failure shows it: "SendVirtualKey(0x11, 0x4)", "SendCharEvents(0x43, 0x40000080,
// {0x40000080}, {0x3})", "SendString(\"abc\", 3)" (", unterminated" when no NUL follows).
std::string VirtualKeyCall(UINT uKey, DWORD dwFlags);
std::string CharEventsCall(UINT uKey, DWORD dwFlags, UINT uChar);
std::string StringCall(const std::wstring& text);

// The SIP manager's side of the input method's callback. Every call is recorded,
// with when it came. Given a target, what it sends also reaches the focused
// application as real keyboard input, in order: virtual keys become key presses
// and releases (so Ctrl+C, Enter or Backspace act as on a keyboard), character
// events and strings become characters. Without one, calls are only recorded.
class CImCallback : public COwnedImCallback
{
public:
    CImCallback() = default;
    explicit CImCallback(IDeliveryTarget* pTarget) : m_pTarget(pTarget) {}
    virtual ~CImCallback() = default;

    HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO* pimi) override;
    HRESULT STDMETHODCALLTYPE SendVirtualKey(BYTE bVk, DWORD dwFlags) override;
    HRESULT STDMETHODCALLTYPE SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift,
                                             UINT* puChars) override;
    HRESULT STDMETHODCALLTYPE SendString(BSTR ptszStr, DWORD dwChars) override;

    const std::vector<std::string>& Calls() const { return m_calls; }
    // When each call came, in milliseconds of the performance counter.
    const std::vector<double>& Times() const { return m_times; }
    // Puts a line of the caller's among the calls, where it happened.
    void Note(const std::string& sLine);
    void Clear()
    {
        m_calls.clear();
        m_times.clear();
    }

private:
    bool Deliver();

    IDeliveryTarget* m_pTarget = nullptr;
    std::vector<std::string> m_calls;
    std::vector<double> m_times;
};
