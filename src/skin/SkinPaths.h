#pragma once
#include <cstddef>

// Composing the paths of a skin in fixed buffers. A path that would not fit is never
// cut short: the functions fail and leave an empty buffer, so no truncated path is
// ever opened.

// Writes pszFolder + "\" + pszName into pszOut (nCapacity units with the terminator).
bool JoinSkinPath(wchar_t* pszOut, std::size_t nCapacity, const wchar_t* pszFolder,
                  const wchar_t* pszName);

// Writes pszFileName up to (not including) its last dot into pszOut; a name without a
// dot is copied whole.
bool CopySkinName(wchar_t* pszOut, std::size_t nCapacity, const wchar_t* pszFileName);
