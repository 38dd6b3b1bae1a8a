#include "device/harness/TextUtf.h"

#include <cstdint>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsSurrogate(std::uint32_t u) { return u >= 0xD800 && u <= 0xDFFF; }

// Length of the sequence a lead byte starts (0 for a byte that cannot lead one),
// and the payload bits of that lead byte.
int SequenceLength(unsigned char c, std::uint32_t& uBits)
{
    if (c < 0x80) { uBits = c; return 1; }
    if ((c & 0xE0) == 0xC0) { uBits = c & 0x1Fu; return 2; }
    if ((c & 0xF0) == 0xE0) { uBits = c & 0x0Fu; return 3; }
    if ((c & 0xF8) == 0xF0) { uBits = c & 0x07u; return 4; }
    return 0;
}

// Decodes the code point at utf8[i]; returns the bytes it took, 0 when broken.
std::size_t DecodeOne(std::string_view utf8, std::size_t i, std::uint32_t& uCode)
{
    const int nLength = SequenceLength(static_cast<unsigned char>(utf8[i]), uCode);
    if (nLength == 0 || i + nLength > utf8.size())
        return 0;
    for (int k = 1; k < nLength; ++k)
    {
        const unsigned char c = static_cast<unsigned char>(utf8[i + k]);
        if ((c & 0xC0) != 0x80)
            return 0;
        uCode = (uCode << 6) | (c & 0x3Fu);
    }
    if (uCode > 0x10FFFF || IsSurrogate(uCode))
        return 0;
    return static_cast<std::size_t>(nLength);
}

void AppendUtf8(std::string& out, std::uint32_t u)
{
    if (u < 0x80)
    {
        out += static_cast<char>(u);
        return;
    }
    const int nLength = u < 0x800 ? 2 : u < 0x10000 ? 3 : 4;
    const unsigned lead = nLength == 2 ? 0xC0 : nLength == 3 ? 0xE0 : 0xF0;
    out += static_cast<char>(lead | (u >> (6 * (nLength - 1))));
    for (int k = nLength - 2; k >= 0; --k)
        out += static_cast<char>(0x80 | ((u >> (6 * k)) & 0x3F));
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();)
    {
        std::uint32_t uCode = 0;
        const std::size_t nTaken = DecodeOne(utf8, i, uCode);
        if (nTaken == 0)
        {
            out += kReplacement;
            ++i;
            continue;
        }
        i += nTaken;
        if (uCode >= 0x10000)
        {
            uCode -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (uCode >> 10));
            out += static_cast<char16_t>(0xDC00 + (uCode & 0x3FF));
        }
        else
            out += static_cast<char16_t>(uCode);
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    for (std::size_t i = 0; i < utf16.size(); ++i)
    {
        std::uint32_t uCode = utf16[i];
        const bool bPair = uCode >= 0xD800 && uCode <= 0xDBFF && i + 1 < utf16.size() &&
                           utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF;
        if (bPair)
            uCode = 0x10000 + ((uCode - 0xD800) << 10) + (utf16[++i] - 0xDC00u);
        else if (IsSurrogate(uCode))
            uCode = kReplacement;
        AppendUtf8(out, uCode);
    }
    return out;
}

std::wstring Widen(std::string_view utf8)
{
    if constexpr (sizeof(wchar_t) == sizeof(char16_t))
    {
        const std::u16string utf16 = Utf8ToUtf16(utf8);
        return std::wstring(utf16.begin(), utf16.end());
    }
    std::wstring out;
    for (std::size_t i = 0; i < utf8.size();)
    {
        std::uint32_t uCode = 0;
        const std::size_t nTaken = DecodeOne(utf8, i, uCode);
        out += static_cast<wchar_t>(nTaken == 0 ? kReplacement : uCode);
        i += nTaken == 0 ? 1 : nTaken;
    }
    return out;
}

std::string Narrow(std::wstring_view wide)
{
    if constexpr (sizeof(wchar_t) == sizeof(char16_t))
        return Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
    std::string out;
    for (const wchar_t ch : wide)
    {
        const auto u = static_cast<std::uint32_t>(ch);
        AppendUtf8(out, u > 0x10FFFF || IsSurrogate(u) ? kReplacement : u);
    }
    return out;
}
