#include "ModuleSymbols.h"
#include "device/harness/FileBytes.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr std::size_t kSymbolSize = 18;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::uint16_t kFunctionType = 0x20;

std::uint32_t Read32(const FileBytes& bytes, std::size_t at)
{
    if (at + 4 > bytes.size())
        return 0;
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t Read16(const FileBytes& bytes, std::size_t at)
{
    return at + 2 <= bytes.size() ? static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8) : 0;
}

// A symbol's name: eight bytes in place, or an offset into the string table after the symbols.
std::string SymbolName(const FileBytes& bytes, std::size_t at, std::size_t strings)
{
    if (Read32(bytes, at) != 0)
    {
        const char* p = reinterpret_cast<const char*>(&bytes[at]);
        return std::string(p, strnlen(p, 8));
    }
    const std::size_t name = strings + Read32(bytes, at + 4);
    if (name >= bytes.size())
        return {};
    const char* p = reinterpret_cast<const char*>(&bytes[name]);
    return std::string(p, strnlen(p, bytes.size() - name));
}

}  // namespace

bool CModuleSymbols::Read(const std::filesystem::path& path)
{
    m_functions.clear();
    FileBytes bytes;
    if (!ReadFileBytes(path, bytes))
        return false;
    const std::size_t header = Read32(bytes, 0x3C) + 4;  // past "PE\0\0"
    const std::size_t nSections = Read16(bytes, header + 2);
    const std::size_t symbols = Read32(bytes, header + 8);
    const std::size_t nSymbols = Read32(bytes, header + 12);
    const std::size_t sections = header + 20 + Read16(bytes, header + 16);
    const std::size_t strings = symbols + nSymbols * kSymbolSize;
    if (symbols == 0 || strings > bytes.size())
        return false;
    for (std::size_t i = 0; i < nSymbols; i += 1 + bytes[symbols + i * kSymbolSize + 17])
    {
        const std::size_t at = symbols + i * kSymbolSize;
        const auto nSection = static_cast<std::int16_t>(Read16(bytes, at + 12));
        if (Read16(bytes, at + 14) != kFunctionType || nSection < 1 || static_cast<std::size_t>(nSection) > nSections)
            continue;
        const std::uint32_t uSectionRva = Read32(bytes, sections + (nSection - 1) * kSectionHeaderSize + 12);
        m_functions.emplace_back(uSectionRva + Read32(bytes, at + 8), SymbolName(bytes, at, strings));
    }
    std::sort(m_functions.begin(), m_functions.end());
    return !m_functions.empty();
}

std::string CModuleSymbols::FunctionAt(std::uint64_t rva) const
{
    const auto it = std::upper_bound(m_functions.begin(), m_functions.end(), rva,
                                     [](std::uint64_t a, const auto& function) { return a < function.first; });
    return it == m_functions.begin() ? std::string() : std::prev(it)->second;
}
