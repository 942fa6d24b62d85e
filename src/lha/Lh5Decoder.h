#pragma once

#include <cstdint>

#include "lha/ByteStream.h"

namespace vantaro::lha {

// Decodes -lh5- data (see Lh5Format.h) into exactly unpackedSize bytes and returns their CRC.
// Raises ECompLHABadDecodeTable for a table that cannot be built or a code outside its table, and
// ECompLHABadCRC when the data ends early or a match runs past the unpacked size.
std::uint16_t DecodeLh5(ByteSource& input, std::uint64_t packedSize, std::uint64_t unpackedSize,
                        ByteSink& output, const ProgressCallback& progress);

}  // namespace vantaro::lha
