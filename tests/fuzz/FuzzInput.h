#pragma once
// Turns fuzz bytes into what the skin readers receive from a document: texts of UTF-16
// units, attribute names (mostly the ones the readers know, sometimes anything), and
// attribute lists. Running out of bytes gives empty texts, never an error.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

class CFuzzInput
{
public:
    CFuzzInput(const std::uint8_t* pData, std::size_t cbData) : m_pData(pData), m_cbData(cbData) {}

    bool AtEnd() const { return m_nPos >= m_cbData; }

    std::uint8_t Byte()
    {
        return m_nPos < m_cbData ? m_pData[m_nPos++] : 0;
    }

    // A length: mostly short, sometimes up to 65535 units, so that the readers see
    // values far beyond their buffers.
    std::size_t Length()
    {
        const std::uint8_t b = Byte();
        if (b != 0xFF)
            return b;
        return static_cast<std::size_t>(Byte()) | static_cast<std::size_t>(Byte()) << 8;
    }

    // nLength units of text. Bytes come two per unit; once they run out, a unit repeats
    // the last byte pair's low byte so that long texts cost few input bytes.
    std::wstring Text(std::size_t nLength)
    {
        std::wstring text;
        text.reserve(nLength);
        wchar_t fill = L'9';
        for (std::size_t i = 0; i < nLength; ++i)
        {
            if (m_nPos + 1 < m_cbData)
            {
                fill = static_cast<wchar_t>(m_pData[m_nPos] | m_pData[m_nPos + 1] << 8);
                m_nPos += 2;
            }
            text.push_back(fill);
        }
        return text;
    }

    // A name from the given list when the selector's top bit is clear, else any text.
    std::wstring Name(const std::vector<std::wstring>& known)
    {
        const std::uint8_t selector = Byte();
        if ((selector & 0x80) == 0 && !known.empty())
            return known[selector % known.size()];
        return Text(selector & 0x1F);
    }

private:
    const std::uint8_t* m_pData;
    std::size_t m_cbData;
    std::size_t m_nPos = 0;
};

struct FuzzAttribute
{
    std::wstring name;
    std::wstring text;
};

// What atoi reads from the Latin-1 form of the text, computed independently of the
// reader under test: strtoll, clamped to the int range.
inline int ReferenceNumber(const std::wstring& text)
{
    std::string ansi;
    for (wchar_t ch : text)
    {
        const unsigned long unit = static_cast<unsigned long>(ch);
        if (unit == 0)
            break;
        ansi.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
    }
    const long long n = std::strtoll(ansi.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(n, INT_MIN, INT_MAX));
}

// The text up to its first zero unit, as a zero-terminated reader sees it.
inline std::wstring UpToZero(const std::wstring& text)
{
    return text.substr(0, text.find(L'\0'));
}

// The Latin-1 trip of a name, as the test code page makes it.
inline std::wstring ReferenceTrip(const std::wstring& text)
{
    std::wstring out;
    for (wchar_t ch : UpToZero(text))
        out.push_back(static_cast<unsigned long>(ch) <= 0xFF ? ch : L'?');
    return out;
}
