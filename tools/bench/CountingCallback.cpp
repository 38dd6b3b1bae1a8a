#include "CountingCallback.h"

HRESULT CCountingCallback::SetImInfo(IMINFO*)
{
    ++m_counts.nOtherCalls;
    return S_OK;
}

HRESULT CCountingCallback::SendVirtualKey(BYTE bVk, DWORD dwFlags)
{
    if (bVk == VK_RETURN && dwFlags == KEYEVENTF_SILENT)
        ++m_counts.nEnters;
    else
        ++m_counts.nOtherCalls;
    return S_OK;
}

HRESULT CCountingCallback::SendCharEvents(UINT, UINT, UINT, UINT*, UINT*)
{
    ++m_counts.nOtherCalls;
    return S_OK;
}

HRESULT CCountingCallback::SendString(BSTR ptszStr, DWORD dwChars)
{
    ++m_counts.nStrings;
    if (ptszStr == nullptr)
        return E_POINTER;
    m_counts.nUnits += dwChars;
    m_counts.nHash = HashUnits(m_counts.nHash, ptszStr, dwChars);
    return S_OK;
}

unsigned long HashUnits(unsigned long nHash, const wchar_t* pUnits, unsigned long nCount)
{
    for (unsigned long i = 0; i < nCount; ++i)
        nHash = nHash * 31 + static_cast<unsigned long>(pUnits[i]);
    return nHash;
}
