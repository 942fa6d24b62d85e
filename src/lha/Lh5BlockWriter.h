#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <memory>

#include "lha/BitWriter.h"
#include "lha/Lh5Format.h"

namespace vantaro::lha {

// Estimated cost in bits (scaled by kScale) of coding with the trees of the last block written:
// the encoder weighs a match's length against these costs when it chooses between matches.
struct Lh5Costs {
    static constexpr int kScale = 16;
    int literal;                                         // an average literal
    std::array<int, lh5::kMaxMatch + 1> length;          // the code of each match length
    std::array<int, lh5::kPositionSymbols> position;     // each position code with its extra bits

    Lh5Costs();
    // The bits saved by sending length bytes as a match with the position code instead of as
    // literals; a match is worth sending only when this is positive.
    int Gain(int matchLength, int positionCode) const {
        return matchLength * literal - length[static_cast<std::size_t>(matchLength)] -
               position[static_cast<std::size_t>(positionCode)];
    }
};

// Collects the literals and matches of -lh5- encoding and writes them as blocks, each with its
// own Huffman trees built from the block's symbol frequencies (layout in Lh5Format.h).
class Lh5BlockWriter {
public:
    // Symbols per block; the block's 16-bit count field allows up to 65535.
    static constexpr int kBlockSymbols = 65535;

    explicit Lh5BlockWriter(BitWriter& writer);

    void Literal(std::uint8_t byte) {
        symbols_[count_] = byte;
        ++literalFrequency_[byte];
        if (++count_ == kBlockSymbols) WriteBlock();
    }

    // distance is 1 to 8192, length 3 to 256.
    void Match(int length, std::uint32_t distance) {
        const auto symbol = static_cast<std::uint16_t>(length + lh5::kLengthOffset);
        const std::uint32_t offset = distance - 1;
        symbols_[count_] = symbol;
        offsets_[count_] = static_cast<std::uint16_t>(offset);
        ++literalFrequency_[symbol];
        ++positionFrequency_[std::bit_width(offset)];
        if (++count_ == kBlockSymbols) WriteBlock();
    }

    const Lh5Costs& Costs() const { return costs_; }

    // Writes the last block, if any symbols are left.
    void Finish() {
        if (count_ > 0) WriteBlock();
    }

private:
    void WriteBlock();
    void WriteTrees();
    void WriteSmallTree(const std::uint8_t* lengths, int alphabet, int countBits, int zeroSkipAfter);
    void WriteLiteralTree();
    void WriteSymbols();
    void UpdateCosts();

    BitWriter& writer_;
    std::unique_ptr<std::uint16_t[]> symbols_;
    std::unique_ptr<std::uint16_t[]> offsets_;  // distance - 1 of each match
    int count_ = 0;
    std::array<std::uint32_t, lh5::kLiteralLengthSymbols> literalFrequency_{};
    std::array<std::uint32_t, lh5::kPositionSymbols> positionFrequency_{};
    std::array<std::uint8_t, lh5::kLiteralLengthSymbols> literalLength_{};
    std::array<std::uint16_t, lh5::kLiteralLengthSymbols> literalCode_{};
    std::array<std::uint8_t, lh5::kPositionSymbols> positionLength_{};
    std::array<std::uint16_t, lh5::kPositionSymbols> positionCode_{};
    std::array<std::uint8_t, lh5::kCodeLengthSymbols> preTreeLength_{};
    std::array<std::uint16_t, lh5::kCodeLengthSymbols> preTreeCode_{};
    Lh5Costs costs_;
};

}  // namespace vantaro::lha
