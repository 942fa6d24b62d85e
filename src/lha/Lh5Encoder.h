#pragma once

#include <cstdint>

#include "lha/ByteStream.h"

namespace vantaro::lha {

struct EncodeResult {
    std::uint64_t packedSize = 0;
    std::uint64_t unpackedSize = 0;
    std::uint16_t crc = 0;  // of the input
};

// Encodes the input to its end with -lh5- (Lh5Format.h). Raises ECompLHACannotCompress as soon
// as the output would pass budget bytes; the sink has then received at most budget bytes.
// inputSize is only the total reported to the progress callback.
EncodeResult EncodeLh5(ByteSource& input, std::uint64_t inputSize, ByteSink& output,
                       std::uint64_t budget, const ProgressCallback& progress);

}  // namespace vantaro::lha
