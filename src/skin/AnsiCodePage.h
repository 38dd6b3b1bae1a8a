#pragma once
#include <cstddef>
#include <string>

// Attribute text of a skin file reaches the readers through the device's ANSI code page:
// numbers are read from the ANSI form of the text, and bitmap names travel to ANSI and
// back. The Win32 layer supplies the system's code page; other builds may supply any.
class CAnsiCodePage
{
public:
    virtual ~CAnsiCodePage() = default;

    // The ANSI form of nLength units of pszText (which may be null when nLength is 0).
    // False only when it cannot be made (no memory); out is then unspecified.
    virtual bool Narrow(const wchar_t* pszText, std::size_t nLength, std::string& out) const = 0;

    // The UTF-16 form of the zero-terminated pszAnsi, terminator included, into pszOut
    // (nCapacity units). False, with an empty buffer, when it does not fit.
    virtual bool Widen(const char* pszAnsi, wchar_t* pszOut, std::size_t nCapacity) const = 0;
};

// The number atoi reads from the ANSI form of the text. False, with *pnValue untouched,
// only when the ANSI form cannot be made.
bool ParseAnsiNumber(const CAnsiCodePage& codePage, const wchar_t* pszText, std::size_t nLength,
                     int* pnValue);

enum class NameTrip
{
    Done,      // pszOut holds the name as it came back (possibly empty)
    TooLong,   // it would not fit: pszOut is empty
    NoMemory,  // no ANSI form could be made: pszOut is empty
};

// Sends a file name to the ANSI code page and back into pszOut (nCapacity units with the
// terminator). A name never arrives cut short.
NameTrip RoundTripName(const CAnsiCodePage& codePage, const wchar_t* pszText, std::size_t nLength,
                       wchar_t* pszOut, std::size_t nCapacity);
