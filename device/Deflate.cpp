#include "Deflate.h"

#include <algorithm>

namespace {

const uint16_t g_aLengthBase[29] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
                                     35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const uint8_t g_aLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                                     3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const uint16_t g_aDistanceBase[30] = {1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129,
                                       193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097,
                                       6145, 8193, 12289, 16385, 24577};
const uint8_t g_aDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                                       6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

class CBitWriter
{
public:
    void Bits(uint32_t uValue, int nCount)  // least significant bit first
    {
        for (int i = 0; i < nCount; ++i)
            Bit((uValue >> i) & 1);
    }
    void Code(uint32_t uCode, int nLength)  // Huffman codes go most significant bit first
    {
        for (int i = nLength - 1; i >= 0; --i)
            Bit((uCode >> i) & 1);
    }
    std::vector<uint8_t> Finish()
    {
        if (m_nUsed != 0)
            m_out.push_back(m_uByte);
        return std::move(m_out);
    }

private:
    void Bit(uint32_t u)
    {
        m_uByte |= static_cast<uint8_t>(u << m_nUsed);
        if (++m_nUsed == 8)
        {
            m_out.push_back(m_uByte);
            m_uByte = 0;
            m_nUsed = 0;
        }
    }
    std::vector<uint8_t> m_out;
    uint8_t m_uByte = 0;
    int m_nUsed = 0;
};

void PutSymbol(CBitWriter& writer, int nSymbol)
{
    if (nSymbol < 144)
        writer.Code(0x30 + nSymbol, 8);
    else if (nSymbol < 256)
        writer.Code(0x190 + nSymbol - 144, 9);
    else if (nSymbol < 280)
        writer.Code(nSymbol - 256, 7);
    else
        writer.Code(0xC0 + nSymbol - 280, 8);
}

void PutMatch(CBitWriter& writer, int nLength, int nDistance)
{
    int nCode = 28;
    while (g_aLengthBase[nCode] > nLength)
        --nCode;
    PutSymbol(writer, 257 + nCode);
    writer.Bits(nLength - g_aLengthBase[nCode], g_aLengthExtra[nCode]);
    int nDistanceCode = 29;
    while (g_aDistanceBase[nDistanceCode] > nDistance)
        --nDistanceCode;
    writer.Code(nDistanceCode, 5);
    writer.Bits(nDistance - g_aDistanceBase[nDistanceCode], g_aDistanceExtra[nDistanceCode]);
}

class CBitReader
{
public:
    explicit CBitReader(const std::vector<uint8_t>& in) : m_in(in) {}
    bool Bits(int nCount, uint32_t& uValue)
    {
        uValue = 0;
        for (int i = 0; i < nCount; ++i)
        {
            if (m_nBit >= m_in.size() * 8)
                return false;
            uValue |= static_cast<uint32_t>((m_in[m_nBit / 8] >> (m_nBit % 8)) & 1) << i;
            ++m_nBit;
        }
        return true;
    }
    bool CodeBit(uint32_t& uCode)
    {
        uint32_t uBit;
        if (!Bits(1, uBit))
            return false;
        uCode = (uCode << 1) | uBit;
        return true;
    }
    void AlignToByte() { m_nBit = (m_nBit + 7) / 8 * 8; }
    size_t BytePosition() const { return m_nBit / 8; }
    void SkipBytes(size_t n) { m_nBit += n * 8; }

private:
    const std::vector<uint8_t>& m_in;
    size_t m_nBit = 0;
};

// One symbol of the fixed literal/length code; -1 on a truncated stream.
int ReadFixedSymbol(CBitReader& reader)
{
    uint32_t uCode = 0;
    for (int i = 0; i < 7; ++i)
        if (!reader.CodeBit(uCode))
            return -1;
    if (uCode <= 0x17)
        return 256 + static_cast<int>(uCode);
    if (!reader.CodeBit(uCode))
        return -1;
    if (uCode >= 0x30 && uCode <= 0xBF)
        return static_cast<int>(uCode - 0x30);
    if (uCode >= 0xC0 && uCode <= 0xC7)
        return 280 + static_cast<int>(uCode - 0xC0);
    if (!reader.CodeBit(uCode))
        return -1;
    return 144 + static_cast<int>(uCode - 0x190);
}

}  // namespace

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& data)
{
    constexpr int nWindow = 32768;
    constexpr int nHashSize = 1 << 15;
    constexpr int nMaxChain = 32;
    std::vector<int> head(nHashSize, -1);
    std::vector<int> previous(nWindow, -1);
    auto hash = [&](size_t i) {
        return ((data[i] << 10) ^ (data[i + 1] << 5) ^ data[i + 2]) & (nHashSize - 1);
    };
    auto insert = [&](size_t i) {
        if (i + 2 >= data.size())
            return;
        const int h = hash(i);
        previous[i % nWindow] = head[h];
        head[h] = static_cast<int>(i);
    };

    CBitWriter writer;
    writer.Bits(1, 1);  // the final block
    writer.Bits(1, 2);  // fixed Huffman codes
    size_t i = 0;
    while (i < data.size())
    {
        int nBestLength = 0;
        int nBestDistance = 0;
        if (i + 2 < data.size())
        {
            int nCandidate = head[hash(i)];
            for (int nChain = 0; nCandidate >= 0 && nChain < nMaxChain; ++nChain)
            {
                const size_t nDistance = i - static_cast<size_t>(nCandidate);
                if (nDistance > nWindow - 1)
                    break;
                const size_t nLimit = std::min<size_t>(258, data.size() - i);
                size_t nLength = 0;
                while (nLength < nLimit && data[nCandidate + nLength] == data[i + nLength])
                    ++nLength;
                if (static_cast<int>(nLength) > nBestLength)
                {
                    nBestLength = static_cast<int>(nLength);
                    nBestDistance = static_cast<int>(nDistance);
                    if (nLength == nLimit)
                        break;
                }
                const int nNext = previous[nCandidate % nWindow];
                if (nNext >= nCandidate)
                    break;
                nCandidate = nNext;
            }
        }
        if (nBestLength >= 3)
        {
            PutMatch(writer, nBestLength, nBestDistance);
            for (int k = 0; k < nBestLength; ++k)
                insert(i + k);
            i += nBestLength;
        }
        else
        {
            PutSymbol(writer, data[i]);
            insert(i);
            ++i;
        }
    }
    PutSymbol(writer, 256);
    return writer.Finish();
}

bool Inflate(const std::vector<uint8_t>& compressed, std::vector<uint8_t>& data)
{
    data.clear();
    CBitReader reader(compressed);
    uint32_t uFinal = 0;
    do
    {
        uint32_t uType;
        if (!reader.Bits(1, uFinal) || !reader.Bits(2, uType))
            return false;
        if (uType == 0)
        {
            reader.AlignToByte();
            const size_t nAt = reader.BytePosition();
            if (nAt + 4 > compressed.size())
                return false;
            const size_t nLength = compressed[nAt] | (compressed[nAt + 1] << 8);
            const size_t nComplement = compressed[nAt + 2] | (compressed[nAt + 3] << 8);
            if ((nLength ^ 0xFFFF) != nComplement || nAt + 4 + nLength > compressed.size())
                return false;
            data.insert(data.end(), compressed.begin() + nAt + 4, compressed.begin() + nAt + 4 + nLength);
            reader.SkipBytes(4 + nLength);
            continue;
        }
        if (uType != 1)
            return false;
        for (;;)
        {
            const int nSymbol = ReadFixedSymbol(reader);
            if (nSymbol < 0 || nSymbol > 285)
                return false;
            if (nSymbol < 256)
            {
                data.push_back(static_cast<uint8_t>(nSymbol));
                continue;
            }
            if (nSymbol == 256)
                break;
            uint32_t uExtra, uDistanceCode = 0, uDistanceExtra;
            const int nCode = nSymbol - 257;
            if (!reader.Bits(g_aLengthExtra[nCode], uExtra))
                return false;
            const size_t nLength = g_aLengthBase[nCode] + uExtra;
            for (int k = 0; k < 5; ++k)
                if (!reader.CodeBit(uDistanceCode))
                    return false;
            if (uDistanceCode > 29 || !reader.Bits(g_aDistanceExtra[uDistanceCode], uDistanceExtra))
                return false;
            const size_t nDistance = g_aDistanceBase[uDistanceCode] + uDistanceExtra;
            if (nDistance > data.size())
                return false;
            for (size_t k = 0; k < nLength; ++k)
                data.push_back(data[data.size() - nDistance]);
        }
    } while (uFinal == 0);
    return true;
}
