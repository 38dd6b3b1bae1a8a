#include "sip/TextDelivery.h"

#include "sip/EditCommands.h"
#include "sip/SipActions.h"
#include "sip/SplitLine.h"
#include "support/LogFile.h"

#include <cwchar>
#include <memory>
#include <new>

namespace
{

void SendLine(IIMCallback* pCallback, WCHAR* pszLine)
{
    // The pointer is into the buffer, NUL-terminated; not a BSTR with a length prefix.
    if (pCallback != nullptr)
        pCallback->SendString(pszLine, static_cast<DWORD>(std::wcslen(pszLine)));
}

} // namespace

void PauseBetweenLines(DWORD dwMilliseconds)
{
    Sleep(dwMilliseconds);
}

void DeliverText(IIMCallback* pCallback, WCHAR*& pBuffer, LinePauseFunction pfnPause)
{
    if (pBuffer == nullptr)
        return;
    // Traced under the name of the panel, whose keyboard action this is.
    LOG_MSG("m_pBuffer is not NULL", "SipPanel.cpp", 364);
    const size_t cchBuffer = std::wcslen(pBuffer) + 1;
    if (cchBuffer >= 2)
    {
        // The lines are cut in the buffer itself, which is freed after: a copy to cut
        // would be one more allocation that could fail and lose the text.
        WCHAR* pNext = nullptr;
        SendLine(pCallback, SplitLine(pBuffer, L"\r\n", &pNext));
        while (pNext != nullptr)
        {
            SendEnter(pCallback);
            pfnPause(kLinePauseMs);
            SendLine(pCallback, SplitLine(nullptr, L"\r\n", &pNext));
        }
    }
    delete[] pBuffer;
    pBuffer = nullptr;
}
