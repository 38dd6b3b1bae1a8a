#pragma once
// A code page for tests and fuzzing of the skin readers away from Windows: units up to
// U+00FF map to the byte of the same value (Latin-1), every other unit becomes '?', as a
// single-byte ANSI code page does with characters it cannot show. It can be told to run
// out of memory, so that the readers' handling of a failed conversion is reachable.
#include "skin/AnsiCodePage.h"

#include <algorithm>
#include <cstring>

class CTestCodePage final : public CAnsiCodePage
{
public:
    explicit CTestCodePage(bool bOutOfMemory = false) : m_bOutOfMemory(bOutOfMemory) {}

    bool Narrow(const wchar_t* pszText, std::size_t nLength, std::string& out) const override
    {
        out.clear();
        if (m_bOutOfMemory && nLength != 0)
            return false;
        out.resize(nLength);
        std::transform(pszText, pszText + nLength, out.begin(), [](wchar_t ch) {
            return static_cast<unsigned long>(ch) <= 0xFF ? static_cast<char>(ch) : '?';
        });
        return true;
    }

    bool Widen(const char* pszAnsi, wchar_t* pszOut, std::size_t nCapacity) const override
    {
        const std::size_t nLength = std::strlen(pszAnsi);
        if (nLength >= nCapacity)
        {
            if (nCapacity != 0)
                pszOut[0] = L'\0';
            return false;
        }
        for (std::size_t i = 0; i <= nLength; ++i)
            pszOut[i] = static_cast<wchar_t>(static_cast<unsigned char>(pszAnsi[i]));
        return true;
    }

private:
    bool m_bOutOfMemory;
};
