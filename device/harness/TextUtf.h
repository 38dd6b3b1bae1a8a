#pragma once
#include <string>
#include <string_view>

// The one conversion between the UTF-8 of scripts, reports and test names and the
// UTF-16 of the Win32 API, for the device, the tools and the tests. Broken input
// (a cut or invalid UTF-8 sequence, an unpaired surrogate) becomes U+FFFD, one for
// each byte or unit that cannot be read.

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// The same for wchar_t strings: 16-bit units on Windows, code points elsewhere.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
