#include "CountingCallback.h"

HRESULT CCountingCallback::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IIMCallback))
    {
        *ppv = static_cast<IIMCallback*>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

HRESULT CCountingCallback::SendVirtualKey(BYTE bVk, DWORD dwFlags)
{
    if (bVk == VK_RETURN && dwFlags == KEYEVENTF_SILENT)
        ++m_nEnters;
    else
        ++m_nOtherCalls;
    return S_OK;
}

HRESULT CCountingCallback::SendCharEvents(UINT, UINT, UINT, UINT*, UINT*)
{
    ++m_nOtherCalls;
    return S_OK;
}

HRESULT CCountingCallback::SendString(BSTR ptszStr, DWORD dwChars)
{
    ++m_nStrings;
    if (ptszStr == nullptr)
        return E_POINTER;
    m_nUnits += dwChars;
    m_nHash = HashUnits(m_nHash, ptszStr, dwChars);
    return S_OK;
}

unsigned long HashUnits(unsigned long nHash, const wchar_t* pUnits, unsigned long nCount)
{
    for (unsigned long i = 0; i < nCount; ++i)
        nHash = nHash * 31 + static_cast<unsigned long>(pUnits[i]);
    return nHash;
}
