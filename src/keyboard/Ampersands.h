#pragma once

// Text drawn by the keyboard goes through prefix processing, which would eat a
// single ampersand; doubling each one makes it show as typed.

// Copies the zero-terminated pszSource to pszDest writing every ampersand
// twice. pszDest must hold 2 * (length + 1) units.
void DoubleAmpersands(const wchar_t* pszSource, wchar_t* pszDest);

// Units that DoubleAmpersands needs for a text of nLength characters.
inline int DoubledLengthFor(int nLength) { return 2 * (nLength + 1); }
