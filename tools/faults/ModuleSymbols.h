#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// The functions named in a PE file's COFF symbol table, by their address relative to the
// image base: enough to tell in which function a return address lies.
class CModuleSymbols
{
public:
    // False when the file cannot be read or carries no symbol table.
    bool Read(const std::filesystem::path& path);

    // The function that holds rva (the nearest one at or below it); empty when none does.
    std::string FunctionAt(std::uint64_t rva) const;

private:
    std::vector<std::pair<std::uint64_t, std::string>> m_functions;  // sorted by address
};
