// Fuzzes the decoders and the -lh5- encoder. The first byte picks the method and with the next two
// gives the unpacked size (up to 256 KiB, past the decoders' output flushes), and the fourth the sizes of the pieces in which the packed data (the rest)
// reaches UnpackStream, so that the decoders' buffers run dry at varying offsets. The input is
// also packed with -lh5- and must unpack to itself with the same CRC.
//
// Layout of an input: [method: bits 0-1, size bits 16-17: bits 2-3] [size bits 0-7] [size bits 8-15]
//                     [pieces] [packed data ...]

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lha/ByteStream.h"
#include "lha/Lh5Encoder.h"
#include "lha/LhaErrors.h"
#include "lha/LhaMethods.h"

namespace {

using namespace vantaro;

constexpr std::size_t kPrefix = 4;

// Gives its bytes in pieces of the sizes listed, in turn.
class PieceSource final : public lha::ByteSource {
public:
    PieceSource(std::string_view bytes, std::uint8_t pieces)
        : bytes_(bytes), pieces_{static_cast<std::size_t>(pieces & 0x0F) + 1, 64, static_cast<std::size_t>(pieces >> 4) * 16 + 1} {}
    std::size_t Read(std::uint8_t* data, std::size_t size) override {
        const std::size_t count = std::min({size, pieces_[next_++ % 3], bytes_.size() - position_});
        std::copy_n(bytes_.data() + position_, count, data);
        position_ += count;
        return count;
    }

private:
    std::string_view bytes_;
    std::size_t pieces_[3];
    std::size_t next_ = 0;
    std::size_t position_ = 0;
};

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
    const std::size_t unpackedSize =
        data[1] | static_cast<std::size_t>(data[2]) << 8 | static_cast<std::size_t>(data[0] >> 2 & 3) << 16;
    const std::string_view packed(reinterpret_cast<const char*>(data + kPrefix), size - kPrefix);
    PieceSource source(packed, data[3]);
    lha::CountingSink sink;
    try {
        UnpackStream(source, packed.size(), unpackedSize, sink, method);
        if (sink.Count() != unpackedSize) std::abort();
    } catch (const ECompLHA&) {
    }
    RoundTrip(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
