#pragma once
#include <windows.h>

#include "OwnedImCallback.h"

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

// The SIP manager's side of the input method's callback: what it sends reaches
// the focused application as real keyboard input, in order. Virtual keys become
// key presses and releases (so Ctrl+C, Enter or Backspace act as on a keyboard),
// character events and strings become characters. Every call is also recorded.
class CImCallback final : public COwnedImCallback
{
public:
    CImCallback() = default;
    explicit CImCallback(IDeliveryTarget* pTarget) : m_pTarget(pTarget) {}

    HRESULT STDMETHODCALLTYPE SetImInfo(IMINFO* pimi) override;
    HRESULT STDMETHODCALLTYPE SendVirtualKey(BYTE bVk, DWORD dwFlags) override;
    HRESULT STDMETHODCALLTYPE SendCharEvents(UINT uVk, UINT uKeyFlags, UINT uChars, UINT* puShift,
                                             UINT* puChars) override;
    HRESULT STDMETHODCALLTYPE SendString(BSTR ptszStr, DWORD dwChars) override;

    // One line per call, in order, e.g. "SendVirtualKey 0x11 4".
    const std::vector<std::string>& Calls() const { return m_calls; }

private:
    void Prepare();

    IDeliveryTarget* m_pTarget = nullptr;
    std::vector<std::string> m_calls;
};
