#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Raw deflate (one block with the fixed Huffman codes and LZ77 matches), enough
// to keep screenshots of flat-coloured screens small.
std::vector<uint8_t> Deflate(const std::vector<uint8_t>& data);

// The inverse, for stored and fixed-code blocks; false on a malformed or dynamic-code stream.
bool Inflate(const std::vector<uint8_t>& compressed, std::vector<uint8_t>& data);
