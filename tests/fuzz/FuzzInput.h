#pragma once
// Turns fuzz bytes into what the readers receive from a document: texts of UTF-16 units,
// attribute names (mostly the ones the readers know, sometimes anything), and lengths.
// Running out of bytes gives zeros and short texts, never an error.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// A property that does not hold ends the run as a crash.
inline void Check(bool bHolds)
{
    if (!bHolds)
        std::abort();
}

class CFuzzInput
{
public:
    CFuzzInput(const std::uint8_t* pData, std::size_t cbData) : m_pData(pData), m_cbData(cbData) {}

    bool AtEnd() const { return m_nPos >= m_cbData; }

    std::uint8_t Byte() { return AtEnd() ? 0 : m_pData[m_nPos++]; }

    // Mostly short; 0xFF is followed by a 12-bit length (the top bits of its second byte are
    // ignored): up to 4095 units, far beyond the readers' 260-unit buffers, yet small enough
    // that a run does not spend its time building and converting texts.
    std::size_t Length()
    {
        const std::size_t n = Byte();
        return n != 0xFF ? n : Byte() | static_cast<std::size_t>(Byte() & 0x0F) << 8;
    }

    // Two bytes a unit; once they run out the last unit repeats, so long texts cost little.
    // The repeated tail is filled in one go: the long lengths would otherwise cost most of a run.
    std::wstring Text(std::size_t nLength)
    {
        const std::size_t nGiven = m_nPos < m_cbData ? std::min(nLength, (m_cbData - m_nPos) / 2) : 0;
        std::wstring text(nLength, nGiven != 0 ? L'\0' : L'9');
        for (std::size_t i = 0; i < nGiven; ++i, m_nPos += 2)
            text[i] = static_cast<wchar_t>(m_pData[m_nPos] | m_pData[m_nPos + 1] << 8);
        if (nGiven != 0)
            std::fill(text.begin() + nGiven, text.end(), text[nGiven - 1]);
        return text;
    }

    // A name from the list when the selector's top bit is clear, else any short text.
    std::wstring Name(const std::vector<std::wstring>& known)
    {
        const std::uint8_t selector = Byte();
        return (selector & 0x80) == 0 ? known[selector % known.size()] : Text(selector & 0x1F);
    }

private:
    const std::uint8_t* m_pData;
    std::size_t m_cbData;
    std::size_t m_nPos = 0;
};

// The text up to its first zero unit, as a zero-terminated reader sees it.
inline std::wstring UpToZero(const std::wstring& text)
{
    return text.substr(0, text.find(L'\0'));
}

// The Latin-1 trip of a text, as the test code page makes it: '?' for what it cannot show.
inline std::wstring Latin1Trip(const std::wstring& text)
{
    std::wstring out = UpToZero(text);
    std::replace_if(out.begin(), out.end(), [](wchar_t ch) { return static_cast<unsigned long>(ch) > 0xFF; }, L'?');
    return out;
}

// What atoi reads (from the text's trip), computed independently of the reader under test.
inline int ReferenceNumber(const std::string& ansi)
{
    return static_cast<int>(std::clamp<long long>(std::strtoll(ansi.c_str(), nullptr, 10), INT_MIN, INT_MAX));
}

inline int ReferenceNumber(const std::wstring& text)
{
    const std::wstring trip = Latin1Trip(text);
    return ReferenceNumber(std::string(trip.begin(), trip.end()));
}
