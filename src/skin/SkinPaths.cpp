#include "skin/SkinPaths.h"

#include <cwchar>

namespace {

bool Fail(wchar_t* pszOut, std::size_t nCapacity)
{
    if (pszOut != nullptr && nCapacity != 0)
        pszOut[0] = L'\0';
    return false;
}

}  // namespace

bool JoinSkinPath(wchar_t* pszOut, std::size_t nCapacity, const wchar_t* pszFolder,
                  const wchar_t* pszName)
{
    if (pszOut == nullptr || pszFolder == nullptr || pszName == nullptr)
        return Fail(pszOut, nCapacity);
    const std::size_t nFolder = std::wcslen(pszFolder);
    const std::size_t nName = std::wcslen(pszName);
    if (nFolder >= nCapacity || nName >= nCapacity || nFolder + 1 + nName + 1 > nCapacity)
        return Fail(pszOut, nCapacity);
    // The folder may be the output itself (a folder extended in place): the name goes
    // behind it first, then the folder moves, which is then no move at all.
    std::wmemmove(pszOut + nFolder + 1, pszName, nName);
    std::wmemmove(pszOut, pszFolder, nFolder);
    pszOut[nFolder] = L'\\';
    pszOut[nFolder + 1 + nName] = L'\0';
    return true;
}

bool CopySkinName(wchar_t* pszOut, std::size_t nCapacity, const wchar_t* pszFileName)
{
    if (pszOut == nullptr || pszFileName == nullptr)
        return Fail(pszOut, nCapacity);
    const wchar_t* pDot = std::wcsrchr(pszFileName, L'.');
    const std::size_t nLength = pDot != nullptr ? static_cast<std::size_t>(pDot - pszFileName)
                                                : std::wcslen(pszFileName);
    if (nLength >= nCapacity)
        return Fail(pszOut, nCapacity);
    std::wmemmove(pszOut, pszFileName, nLength);
    pszOut[nLength] = L'\0';
    return true;
}
