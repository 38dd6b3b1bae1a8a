#pragma once

// Splits a NUL-terminated string in place at each separator. The first call
// passes the text; later calls pass null and continue from *ppNext. Each
// separator found is overwritten with NULs; *ppNext becomes null once the
// last line has been returned.
wchar_t* SplitLine(wchar_t* pszText, const wchar_t* pszSeparator, wchar_t** ppNext);
