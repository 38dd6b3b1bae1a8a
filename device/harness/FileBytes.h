#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

// The one whole-file read and write of the device, the tools and the tests.
// Paths are std::filesystem paths, so wide Windows paths pass unchanged.

using FileBytes = std::vector<std::uint8_t>;

// The file's bytes; false (and no bytes) when it cannot be opened or read.
bool ReadFileBytes(const std::filesystem::path& path, FileBytes& bytes);

// The file's bytes, or none when it cannot be read (for checks that compare).
FileBytes ReadFileBytes(const std::filesystem::path& path);

// Replaces the file with the bytes; false when it cannot be written whole.
bool WriteFileBytes(const std::filesystem::path& path, const void* pData, std::size_t cbData);

template <class Bytes>
bool WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    return WriteFileBytes(path, bytes.data(), bytes.size() * sizeof(bytes[0]));
}

inline bool WriteFileText(const std::filesystem::path& path, std::string_view text)
{
    return WriteFileBytes(path, text.data(), text.size());
}
