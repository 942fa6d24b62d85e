#pragma once

#include <cstdint>

namespace vantaro::lha {

// Code lengths for the symbols 0..count-1 from their frequencies: a Huffman code whose lengths
// are then limited to maxLength bits (moving leaves down the tree until the code is complete
// again). With fewer than two used symbols every length is 0 and the caller sends the one symbol
// without a code. Returns the number of used symbols.
int BuildCodeLengths(const std::uint32_t* frequencies, int count, int maxLength,
                     std::uint8_t* lengths);

// The canonical codes for the lengths: in order of length, then of symbol (as LHA assigns them).
void AssignCodes(const std::uint8_t* lengths, int count, std::uint16_t* codes);

}  // namespace vantaro::lha
