// Fuzzes the decoders and the -lh5- encoder. The first byte picks the method and the next two give
// the unpacked size; the rest is the packed data, unpacked with UnpackStream. The input is also
// packed with -lh5- and must unpack to itself with the same CRC.
//
// Layout of an input: [method & 3] [size low] [size high] [packed data ...]

#include <cstdint>
#include <cstdlib>
#include <string>

#include "lha/ByteStream.h"
#include "lha/Lh5Encoder.h"
#include "lha/LhaErrors.h"
#include "lha/LhaMethods.h"

namespace {

using namespace vantaro;

constexpr std::size_t kPrefix = 3;

void RoundTrip(std::string_view bytes) {
    lha::MemorySource source(bytes);
    std::string packed;
    lha::StringSink packedSink(packed);
    const lha::EncodeResult encoded = lha::EncodeLh5(source, bytes.size(), packedSink, UINT64_MAX, {});
    lha::MemorySource packedSource(packed);
    std::string unpacked;
    lha::StringSink unpackedSink(unpacked);
    const std::uint16_t crc = UnpackStream(packedSource, packed.size(), bytes.size(), unpackedSink, TCompLHAMethod::Lh5);
    if (unpacked != bytes || crc != encoded.crc || encoded.packedSize != packed.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kPrefix) return 0;
    const auto method = static_cast<TCompLHAMethod>(data[0] & 3);
    const std::size_t unpackedSize = data[1] | static_cast<std::size_t>(data[2]) << 8;
    const std::string_view packed(reinterpret_cast<const char*>(data + kPrefix), size - kPrefix);
    lha::MemorySource source(packed);
    lha::CountingSink sink;
    try {
        UnpackStream(source, packed.size(), unpackedSize, sink, method);
        if (sink.Count() != unpackedSize) std::abort();
    } catch (const ECompLHA&) {
    }
    RoundTrip(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
