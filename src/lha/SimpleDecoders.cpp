#include "lha/SimpleDecoders.h"

#include <algorithm>
#include <memory>

#include "lha/AdaptiveHuffman.h"
#include "lha/BitReader.h"
#include "lha/LhaErrors.h"
#include "lha/OutputWindow.h"

namespace vantaro::lha {
namespace {

constexpr std::uint8_t kRleEscape = 148;

// Reads the packed bytes of a byte-oriented method through a buffer, never past packedSize.
class ByteReader {
public:
    ByteReader(ByteSource& source, std::uint64_t packedSize)
        : source_(source), unread_(packedSize), buffer_(new std::uint8_t[kCopyBufferSize]) {}

    // The next byte; ECompLHABadCRC when the packed data has ended.
    std::uint8_t Next() {
        if (next_ == end_ && !Fill()) throw ECompLHABadCRC();
        return *next_++;
    }

private:
    bool Fill() {
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(kCopyBufferSize, unread_));
        const std::size_t got = wanted == 0 ? 0 : source_.Read(buffer_.get(), wanted);
        unread_ = got == 0 ? 0 : unread_ - got;
        next_ = buffer_.get();
        end_ = next_ + got;
        return got > 0;
    }

    ByteSource& source_;
    std::uint64_t unread_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    const std::uint8_t* next_ = nullptr;
    const std::uint8_t* end_ = nullptr;
};

}  // namespace

std::uint16_t DecodeStored(ByteSource& input, std::uint64_t packedSize, std::uint64_t unpackedSize,
                           ByteSink& output, const ProgressCallback& progress) {
    if (packedSize < unpackedSize) throw ECompLHABadCRC();
    const CopyResult copied = CopyWithCrc(input, unpackedSize, output, unpackedSize, progress);
    if (copied.size < unpackedSize) throw ECompLHABadCRC();
    return copied.crc;
}

std::uint16_t DecodeLh1(ByteSource& input, std::uint64_t packedSize, std::uint64_t unpackedSize,
                        ByteSink& output, const ProgressCallback& progress) {
    using namespace lh1;
    BitReader reader(input, packedSize);
    OutputWindow window(output, unpackedSize, progress);
    AdaptiveHuffman tree;
    const auto& positionCodes = PositionCodeTable();
    std::uint64_t remaining = unpackedSize;
    while (remaining > 0) {
        int node = tree.Child(tree.Root());
        while (node < kNodes) node = tree.Child(node + static_cast<int>(reader.Get(1)));
        const int symbol = node - kNodes;
        tree.Update(symbol);

        std::uint8_t* const out = window.Data();
        std::size_t position = window.Position();
        if (symbol < 256) {
            out[position++] = static_cast<std::uint8_t>(symbol);
            --remaining;
        } else {
            const int length = symbol - kLengthOffset;
            if (static_cast<std::uint64_t>(length) > remaining) throw ECompLHABadCRC();
            reader.Refill();
            const PositionCode code = positionCodes[reader.Peek(kPositionPrefixBits)];
            const int bits = code.codeLength + kPlainPositionBits;
            const std::uint32_t lower = reader.Peek(bits) & ((1u << kPlainPositionBits) - 1);
            reader.Skip(bits);
            const std::size_t distance = ((static_cast<std::size_t>(code.upperBits) << kPlainPositionBits) | lower) + 1;
            for (int i = 0; i < length; ++i, ++position) out[position] = out[position - distance];
            remaining -= static_cast<std::uint64_t>(length);
        }
        window.SetPosition(position);
        if (position >= window.FlushLimit()) window.Flush();
    }
    window.Flush();
    if (reader.Overrun()) throw ECompLHABadCRC();
    return window.Crc();
}

std::uint16_t DecodeRle(ByteSource& input, std::uint64_t packedSize, std::uint64_t unpackedSize,
                        ByteSink& output, const ProgressCallback& progress) {
    ByteReader reader(input, packedSize);
    OutputWindow window(output, unpackedSize, progress);
    std::uint64_t remaining = unpackedSize;
    std::uint8_t previous = 0;
    while (remaining > 0) {
        std::uint8_t* const out = window.Data();
        std::size_t position = window.Position();
        const std::uint8_t byte = reader.Next();
        if (byte != kRleEscape) {
            out[position++] = byte;
            previous = byte;
            --remaining;
        } else {
            const std::uint8_t count = reader.Next();
            const int repeats = count == 0 ? 1 : count - 1;
            if (static_cast<std::uint64_t>(repeats) > remaining) throw ECompLHABadCRC();
            std::fill_n(out + position, repeats, count == 0 ? kRleEscape : previous);
            position += static_cast<std::size_t>(repeats);
            remaining -= static_cast<std::uint64_t>(repeats);
            previous = kRleEscape;
        }
        window.SetPosition(position);
        if (position >= window.FlushLimit()) window.Flush();
    }
    window.Flush();
    return window.Crc();
}

}  // namespace vantaro::lha
