#pragma once
#include <cstddef>
#include <cstdint>

// The CRC-32 of zip and PNG. Passing an earlier result as nCrc continues it over more
// bytes, as if they had followed.
std::uint32_t Crc32(const void* pData, std::size_t cbData, std::uint32_t nCrc = 0);
