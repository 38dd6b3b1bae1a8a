#pragma once
#include <cstddef>

// Paths of files that live next to the module: the module's folder followed
// by a suffix that begins with a backslash. Generic over the UTF-16 unit type
// so that the rule runs the same on the device (wchar_t) and in native tests
// (char16_t).

constexpr std::size_t kPathUnits = 260;  // every path buffer, terminator included

// Writes the folder of pszModuleFile (cchModuleFile units, cut at its last
// backslash, without it) followed by pszSuffix into pOut (cchOut units).
// A path that would not fit, or a module name without any folder, gives
// false and an empty output: a cut path would name some other file.
template <typename TChar>
bool ComposeModulePath(const TChar* pszModuleFile, std::size_t cchModuleFile,
                       const TChar* pszSuffix, TChar* pOut, std::size_t cchOut)
{
    if (pOut == nullptr || cchOut == 0)
        return false;
    pOut[0] = 0;
    if (pszModuleFile == nullptr || pszSuffix == nullptr)
        return false;

    std::size_t cchFolder = cchModuleFile;
    while (cchFolder > 0 && pszModuleFile[cchFolder - 1] != TChar('\\'))
        --cchFolder;
    if (cchFolder == 0)
        return false;
    --cchFolder;  // drop the backslash itself

    std::size_t cchSuffix = 0;
    while (pszSuffix[cchSuffix] != 0)
        ++cchSuffix;
    if (cchFolder + cchSuffix + 1 > cchOut)
        return false;

    for (std::size_t i = 0; i < cchFolder; ++i)
        pOut[i] = pszModuleFile[i];
    for (std::size_t i = 0; i < cchSuffix; ++i)
        pOut[cchFolder + i] = pszSuffix[i];
    pOut[cchFolder + cchSuffix] = 0;
    return true;
}
