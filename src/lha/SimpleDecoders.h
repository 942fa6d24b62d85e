#pragma once

#include <cstdint>

#include "lha/ByteStream.h"

namespace vantaro::lha {

// Each decodes exactly unpackedSize bytes from at most packedSize bytes of input into output and
// returns their CRC. Input that ends early, or describes more output than unpackedSize, raises
// ECompLHABadCRC.

// -lh0-: the data unchanged.
std::uint16_t DecodeStored(ByteSource& input, std::uint64_t packedSize, std::uint64_t unpackedSize,
                           ByteSink& output, const ProgressCallback& progress);

// -lh1-: LZSS over a 4096-byte ring with the adaptive Huffman code of AdaptiveHuffman.h.
std::uint16_t DecodeLh1(ByteSource& input, std::uint64_t packedSize, std::uint64_t unpackedSize,
                        ByteSink& output, const ProgressCallback& progress);

// -rle-: bytes are copied except the escape byte 148, which is followed by a count n: n = 0 stands
// for the byte 148 itself; otherwise the byte before the escape is repeated n - 1 more times, and
// the byte a following escape repeats is then 148. An escape before any byte repeats the byte 0.
std::uint16_t DecodeRle(ByteSource& input, std::uint64_t packedSize, std::uint64_t unpackedSize,
                        ByteSink& output, const ProgressCallback& progress);

}  // namespace vantaro::lha
