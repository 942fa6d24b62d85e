#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lha/ByteStream.h"

namespace vantaro {

// The compression methods the archive component knows, by index; the names are the five-character
// identifiers of the member headers.
enum class TCompLHAMethod : std::uint8_t {
    Lh0 = 0,  // "-lh0-": stored
    Lh1 = 1,  // "-lh1-": LZSS, 4 KiB dictionary, adaptive Huffman (unpacking only)
    Lh5 = 2,  // "-lh5-": LZSS, 8 KiB dictionary, static Huffman per block
    Rle = 3,  // "-rle-": run-length (unpacking only)
};

std::string_view MethodIdentifier(TCompLHAMethod method);
std::optional<TCompLHAMethod> MethodFromIdentifier(std::string_view identifier);

struct PackResult {
    std::uint64_t packedSize = 0;    // bytes written to the output
    std::uint64_t unpackedSize = 0;  // bytes read from the input
    std::uint16_t crc = 0;           // LHA CRC-16 of the input
};

// Packs the input, read to its end, into the output with method Lh0 or Lh5. inputSize is the
// input's length: with Lh5 the output may not grow past it, and when it would, packing stops with
// ECompLHACannotCompress ("Could not compress data, will store instead") after at most inputSize
// bytes reached the output; the caller then stores the data with Lh0. Progress is reported as
// input bytes read out of inputSize. Other methods raise std::invalid_argument.
PackResult PackStream(lha::ByteSource& input, std::uint64_t inputSize, lha::ByteSink& output,
                      TCompLHAMethod method, const lha::ProgressCallback& progress = {});

// Unpacks exactly unpackedSize bytes from at most packedSize bytes of the input (positioned at the
// member's data) into the output, and returns the CRC-16 of what was written; the caller compares
// it with the header's. Progress is reported as output bytes out of unpackedSize. Damaged data
// raises ECompLHABadDecodeTable or ECompLHABadCRC; whatever the input, the decoders stay within
// their buffers, allocate a fixed amount and finish.
std::uint16_t UnpackStream(lha::ByteSource& input, std::uint64_t packedSize,
                           std::uint64_t unpackedSize, lha::ByteSink& output, TCompLHAMethod method,
                           const lha::ProgressCallback& progress = {});

}  // namespace vantaro
