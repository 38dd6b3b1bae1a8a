#include "skin/SystemCodePage.h"

#include <windows.h>

#include <climits>
#include <new>

namespace {

class CSystemCodePage final : public CAnsiCodePage
{
public:
    bool Narrow(const wchar_t* pszText, std::size_t nLength, std::string& out) const override
    {
        out.clear();
        if (nLength == 0)
            return true;
        if (pszText == nullptr || nLength > static_cast<std::size_t>(INT_MAX))
            return false;
        const int nUnits = static_cast<int>(nLength);
        const int nBytes = WideCharToMultiByte(CP_ACP, 0, pszText, nUnits, nullptr, 0, nullptr, nullptr);
        if (nBytes <= 0)
            return false;
        try
        {
            out.resize(static_cast<std::size_t>(nBytes));
        }
        catch (const std::bad_alloc&)
        {
            return false;
        }
        return WideCharToMultiByte(CP_ACP, 0, pszText, nUnits, &out[0], nBytes, nullptr, nullptr) == nBytes;
    }

    bool Widen(const char* pszAnsi, wchar_t* pszOut, std::size_t nCapacity) const override
    {
        if (pszOut == nullptr || nCapacity == 0)
            return false;
        const int nCapacityUnits = nCapacity > static_cast<std::size_t>(INT_MAX) ? INT_MAX
                                                                                 : static_cast<int>(nCapacity);
        // -1: the terminator travels too, so a name that does not fit fails instead of
        // arriving cut.
        if (pszAnsi == nullptr || MultiByteToWideChar(CP_ACP, 0, pszAnsi, -1, pszOut, nCapacityUnits) == 0)
        {
            pszOut[0] = L'\0';
            return false;
        }
        return true;
    }
};

}  // namespace

const CAnsiCodePage& GetSystemCodePage()
{
    static const CSystemCodePage s_codePage;
    return s_codePage;
}
