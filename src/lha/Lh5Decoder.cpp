#include "lha/Lh5Decoder.h"

#include <cstring>

#include "lha/BitReader.h"
#include "lha/HuffmanDecoder.h"
#include "lha/LhaErrors.h"
#include "lha/Lh5Format.h"
#include "lha/OutputWindow.h"

namespace vantaro::lha {
namespace {

using namespace lh5;

// Copies a match forward byte by byte in effect, so that a distance shorter than the length
// repeats the bytes just written. May write up to 7 bytes past the end of the match.
inline void CopyMatch(std::uint8_t* to, std::uint32_t distance, int length) {
    const std::uint8_t* from = to - distance;
    if (distance >= 8) {
        do {
            std::memcpy(to, from, 8);
            to += 8;
            from += 8;
            length -= 8;
        } while (length > 0);
    } else if (distance == 1) {
        std::memset(to, *from, static_cast<std::size_t>(length));
    } else {
        for (int i = 0; i < length; ++i) to[i] = from[i];
    }
}

class Lh5Decoder {
public:
    Lh5Decoder(ByteSource& input, std::uint64_t packedSize, std::uint64_t unpackedSize,
               ByteSink& output, const ProgressCallback& progress)
        : reader_(input, packedSize), window_(output, unpackedSize, progress), remaining_(unpackedSize) {}

    std::uint16_t Run() {
        while (remaining_ > 0) {
            if (blockLeft_ == 0)
                ReadBlockHeader();
            else
                DecodeSymbols();
        }
        window_.Flush();
        if (reader_.Overrun()) throw ECompLHABadCRC();
        return window_.Crc();
    }

private:
    void ReadBlockHeader() {
        blockLeft_ = reader_.Get(kBlockSizeBits);
        if (blockLeft_ == 0) return;  // an empty block: another header follows
        ReadSmallTree(preTree_, kCodeLengthSymbols, kCodeLengthCountBits, kZeroSkipAfter);
        ReadLiteralTree();
        ReadSmallTree(positions_, kPositionSymbols, kPositionCountBits, -1);
    }

    // The pre-tree and the position tree: plain 3-bit lengths with a unary extension.
    template <class Table>
    void ReadSmallTree(Table& table, int alphabet, int countBits, int zeroSkipAfter) {
        const int count = static_cast<int>(reader_.Get(countBits));
        if (count == 0) {
            table.BuildSingle(static_cast<int>(reader_.Get(countBits)));
            return;
        }
        if (count > alphabet) throw ECompLHABadDecodeTable();
        std::uint8_t lengths[kCodeLengthSymbols + kPlainLengthEscape] = {};
        int i = 0;
        while (i < count) {
            int length = static_cast<int>(reader_.Get(kPlainLengthBits));
            if (length == kPlainLengthEscape) {
                while (reader_.Get(1) != 0)
                    if (++length > kMaxCodeLength) throw ECompLHABadDecodeTable();
            }
            lengths[i++] = static_cast<std::uint8_t>(length);
            if (i == zeroSkipAfter) i += static_cast<int>(reader_.Get(kZeroSkipBits));
        }
        table.Build(lengths, alphabet);
    }

    void ReadLiteralTree() {
        const int count = static_cast<int>(reader_.Get(kLiteralCountBits));
        if (count == 0) {
            literals_.BuildSingle(static_cast<int>(reader_.Get(kLiteralCountBits)));
            return;
        }
        if (count > kLiteralLengthSymbols) throw ECompLHABadDecodeTable();
        std::uint8_t lengths[kLiteralLengthSymbols] = {};
        int i = 0;
        while (i < count) {
            reader_.Refill();
            int used = 0;
            const int symbol = preTree_.Decode(reader_.Bits(), used);
            reader_.Skip(used);
            if (symbol > 2) {
                lengths[i++] = static_cast<std::uint8_t>(symbol - 2);
                continue;
            }
            const int zeros = symbol == 0   ? 1
                              : symbol == 1 ? static_cast<int>(reader_.Get(kShortZeroRunBits)) + kShortZeroRunBase
                                            : static_cast<int>(reader_.Get(kLiteralCountBits)) + kLongZeroRunBase;
            if (zeros > count - i) throw ECompLHABadDecodeTable();
            i += zeros;
        }
        literals_.Build(lengths, kLiteralLengthSymbols);
    }

    // The hot loop: one refill per symbol covers the longest literal/length code (16 bits), the
    // longest position code (16) and its extra bits (12).
    void DecodeSymbols() {
        std::uint8_t* const out = window_.Data();
        std::size_t position = window_.Position();
        const std::size_t flushLimit = window_.FlushLimit();
        while (blockLeft_ > 0 && remaining_ > 0) {
            reader_.Refill();
            std::uint64_t bits = reader_.Bits();
            int used = 0;
            const int symbol = literals_.Decode(bits, used);
            if (symbol < kLiterals) {
                out[position++] = static_cast<std::uint8_t>(symbol);
                --remaining_;
            } else {
                bits <<= used;
                int positionBits = 0;
                const int code = positions_.Decode(bits, positionBits);
                bits <<= positionBits;
                used += positionBits;
                std::uint32_t distance = static_cast<std::uint32_t>(code);
                if (code > 1) {
                    const int extra = code - 1;
                    distance = (1u << extra) + static_cast<std::uint32_t>(bits >> (64 - extra));
                    used += extra;
                }
                ++distance;
                const int length = symbol - kLengthOffset;
                if (static_cast<std::uint64_t>(length) > remaining_) throw ECompLHABadCRC();
                CopyMatch(out + position, distance, length);
                position += static_cast<std::size_t>(length);
                remaining_ -= static_cast<std::uint64_t>(length);
            }
            reader_.Skip(used);
            --blockLeft_;
            if (position >= flushLimit) {
                window_.SetPosition(position);
                window_.Flush();
                position = window_.Position();
            }
        }
        window_.SetPosition(position);
    }

    BitReader reader_;
    OutputWindow window_;
    std::uint64_t remaining_;
    std::uint32_t blockLeft_ = 0;
    HuffmanDecoder<kCodeLengthSymbols, 8> preTree_;
    HuffmanDecoder<kLiteralLengthSymbols, 11> literals_;
    HuffmanDecoder<kPositionSymbols, 8> positions_;
};

}  // namespace

std::uint16_t DecodeLh5(ByteSource& input, std::uint64_t packedSize, std::uint64_t unpackedSize,
                        ByteSink& output, const ProgressCallback& progress) {
    return Lh5Decoder(input, packedSize, unpackedSize, output, progress).Run();
}

}  // namespace vantaro::lha
