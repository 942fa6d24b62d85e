#include "lha/LhaMethods.h"

#include <array>
#include <limits>
#include <stdexcept>

#include "lha/Lh5Decoder.h"
#include "lha/Lh5Encoder.h"
#include "lha/SimpleDecoders.h"

namespace vantaro {
namespace {

constexpr std::array<std::string_view, 4> kIdentifiers = {"-lh0-", "-lh1-", "-lh5-", "-rle-"};

PackResult Store(lha::ByteSource& input, std::uint64_t inputSize, lha::ByteSink& output,
                 const lha::ProgressCallback& progress) {
    const lha::CopyResult copied =
        lha::CopyWithCrc(input, std::numeric_limits<std::uint64_t>::max(), output, inputSize, progress);
    return {copied.size, copied.size, copied.crc};
}

}  // namespace

std::string_view MethodIdentifier(TCompLHAMethod method) {
    return kIdentifiers.at(static_cast<std::size_t>(method));
}

std::optional<TCompLHAMethod> MethodFromIdentifier(std::string_view identifier) {
    for (std::size_t i = 0; i < kIdentifiers.size(); ++i)
        if (kIdentifiers[i] == identifier) return static_cast<TCompLHAMethod>(i);
    return std::nullopt;
}

PackResult PackStream(lha::ByteSource& input, std::uint64_t inputSize, lha::ByteSink& output,
                      TCompLHAMethod method, const lha::ProgressCallback& progress) {
    switch (method) {
        case TCompLHAMethod::Lh0:
            return Store(input, inputSize, output, progress);
        case TCompLHAMethod::Lh5: {
            const lha::EncodeResult encoded = lha::EncodeLh5(input, inputSize, output, inputSize, progress);
            return {encoded.packedSize, encoded.unpackedSize, encoded.crc};
        }
        default:
            throw std::invalid_argument("PackStream: the method cannot pack");
    }
}

std::uint16_t UnpackStream(lha::ByteSource& input, std::uint64_t packedSize,
                           std::uint64_t unpackedSize, lha::ByteSink& output, TCompLHAMethod method,
                           const lha::ProgressCallback& progress) {
    switch (method) {
        case TCompLHAMethod::Lh0:
            return lha::DecodeStored(input, packedSize, unpackedSize, output, progress);
        case TCompLHAMethod::Lh1:
            return lha::DecodeLh1(input, packedSize, unpackedSize, output, progress);
        case TCompLHAMethod::Lh5:
            return lha::DecodeLh5(input, packedSize, unpackedSize, output, progress);
        case TCompLHAMethod::Rle:
            return lha::DecodeRle(input, packedSize, unpackedSize, output, progress);
    }
    throw std::invalid_argument("UnpackStream: unknown method");
}

}  // namespace vantaro
