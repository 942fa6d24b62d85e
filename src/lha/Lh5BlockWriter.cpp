#include "lha/Lh5BlockWriter.h"

#include <algorithm>

#include "lha/HuffmanDecoder.h"
#include "lha/HuffmanEncoder.h"

namespace vantaro::lha {
namespace {

using namespace lh5;

// The zero runs of the literal tree's code lengths as pre-tree symbols: 0 is one zero, 1 a short
// run (4 more bits), 2 a long run (9 more bits); a length k is sent as k + 2.
constexpr int kOneZero = 0;
constexpr int kShortZeroRun = 1;
constexpr int kLongZeroRun = 2;
constexpr int kLengthSymbolOffset = 2;
constexpr int kShortZeroRunMax = kShortZeroRunBase + (1 << kShortZeroRunBits) - 1;  // 18

int UsedCount(const std::uint8_t* lengths, int alphabet) {
    while (alphabet > 0 && lengths[alphabet - 1] == 0) --alphabet;
    return alphabet;
}

int OnlySymbol(const std::uint32_t* frequencies, int alphabet) {
    for (int symbol = 0; symbol < alphabet; ++symbol)
        if (frequencies[symbol] != 0) return symbol;
    return 0;
}

// Calls emit(symbol, extraBits, extraValue) for each pre-tree symbol that codes the lengths.
template <class Emit>
void ForEachLengthSymbol(const std::uint8_t* lengths, int count, Emit emit) {
    int i = 0;
    while (i < count) {
        const int length = lengths[i++];
        if (length != 0) {
            emit(length + kLengthSymbolOffset, 0, 0u);
            continue;
        }
        int zeros = 1;
        while (i < count && lengths[i] == 0) {
            ++i;
            ++zeros;
        }
        if (zeros < kShortZeroRunBase) {
            for (int k = 0; k < zeros; ++k) emit(kOneZero, 0, 0u);
        } else if (zeros <= kShortZeroRunMax) {
            emit(kShortZeroRun, kShortZeroRunBits, static_cast<std::uint32_t>(zeros - kShortZeroRunBase));
        } else if (zeros == kShortZeroRunMax + 1) {
            emit(kOneZero, 0, 0u);
            emit(kShortZeroRun, kShortZeroRunBits, static_cast<std::uint32_t>(kShortZeroRunMax - kShortZeroRunBase));
        } else {
            emit(kLongZeroRun, kLiteralCountBits, static_cast<std::uint32_t>(zeros - kLongZeroRunBase));
        }
    }
}

// Costs before the first block and of symbols the last block did not use.
constexpr int kFirstLiteralBits = 6;
constexpr int kUnusedLiteralBits = 12;
constexpr int kUnusedPositionBits = 6;
constexpr int kFirstPositionBits = 4;

int ExtraPositionBits(int code) { return code > 1 ? code - 1 : 0; }

}  // namespace

Lh5Costs::Lh5Costs() : literal(kFirstLiteralBits * kScale) {
    for (int matchLength = kMinMatch; matchLength <= kMaxMatch; ++matchLength)
        length[static_cast<std::size_t>(matchLength)] = (4 + std::bit_width(static_cast<unsigned>(matchLength - kMinMatch))) * kScale;
    for (int code = 0; code < kPositionSymbols; ++code)
        position[static_cast<std::size_t>(code)] = (kFirstPositionBits + ExtraPositionBits(code)) * kScale;
}

Lh5BlockWriter::Lh5BlockWriter(BitWriter& writer)
    : writer_(writer),
      symbols_(new std::uint16_t[kBlockSymbols]),
      offsets_(new std::uint16_t[kBlockSymbols]) {}

void Lh5BlockWriter::WriteBlock() {
    writer_.Put(kBlockSizeBits, static_cast<std::uint32_t>(count_));
    WriteTrees();
    WriteSymbols();
    UpdateCosts();
    count_ = 0;
    literalFrequency_.fill(0);
    positionFrequency_.fill(0);
}

void Lh5BlockWriter::WriteTrees() {
    const int usedLiterals = BuildCodeLengths(literalFrequency_.data(), kLiteralLengthSymbols,
                                              kMaxCodeLength, literalLength_.data());
    if (usedLiterals >= 2) {
        WriteLiteralTree();
    } else {
        // One symbol only: an empty pre-tree and the symbol itself, sent in no bits.
        writer_.Put(kCodeLengthCountBits, 0);
        writer_.Put(kCodeLengthCountBits, 0);
        writer_.Put(kLiteralCountBits, 0);
        writer_.Put(kLiteralCountBits, static_cast<std::uint32_t>(OnlySymbol(literalFrequency_.data(), kLiteralLengthSymbols)));
    }
    AssignCodes(literalLength_.data(), kLiteralLengthSymbols, literalCode_.data());

    const int usedPositions = BuildCodeLengths(positionFrequency_.data(), kPositionSymbols,
                                               kMaxCodeLength, positionLength_.data());
    if (usedPositions >= 2) {
        WriteSmallTree(positionLength_.data(), kPositionSymbols, kPositionCountBits, -1);
    } else {
        writer_.Put(kPositionCountBits, 0);
        writer_.Put(kPositionCountBits, static_cast<std::uint32_t>(OnlySymbol(positionFrequency_.data(), kPositionSymbols)));
    }
    AssignCodes(positionLength_.data(), kPositionSymbols, positionCode_.data());
}

void Lh5BlockWriter::WriteSmallTree(const std::uint8_t* lengths, int alphabet, int countBits,
                                    int zeroSkipAfter) {
    const int count = UsedCount(lengths, alphabet);
    writer_.Put(countBits, static_cast<std::uint32_t>(count));
    int i = 0;
    while (i < count) {
        const int length = lengths[i++];
        if (length < kPlainLengthEscape)
            writer_.Put(kPlainLengthBits, static_cast<std::uint32_t>(length));
        else  // 7 and up: 111, then one 1-bit per step above 7, then a 0-bit
            writer_.Put(length - kPlainLengthBits, (1u << (length - kPlainLengthBits)) - 2);
        if (i == zeroSkipAfter) {
            int zeros = 0;
            while (i < count && zeros < (1 << kZeroSkipBits) - 1 && lengths[i] == 0) {
                ++i;
                ++zeros;
            }
            writer_.Put(kZeroSkipBits, static_cast<std::uint32_t>(zeros));
        }
    }
}

void Lh5BlockWriter::WriteLiteralTree() {
    const int count = UsedCount(literalLength_.data(), kLiteralLengthSymbols);
    std::array<std::uint32_t, kCodeLengthSymbols> frequency{};
    ForEachLengthSymbol(literalLength_.data(), count,
                        [&](int symbol, int, std::uint32_t) { ++frequency[symbol]; });
    const int used = BuildCodeLengths(frequency.data(), kCodeLengthSymbols, kMaxCodeLength,
                                      preTreeLength_.data());
    if (used >= 2) {
        WriteSmallTree(preTreeLength_.data(), kCodeLengthSymbols, kCodeLengthCountBits, kZeroSkipAfter);
    } else {
        writer_.Put(kCodeLengthCountBits, 0);
        writer_.Put(kCodeLengthCountBits, static_cast<std::uint32_t>(OnlySymbol(frequency.data(), kCodeLengthSymbols)));
    }
    AssignCodes(preTreeLength_.data(), kCodeLengthSymbols, preTreeCode_.data());

    writer_.Put(kLiteralCountBits, static_cast<std::uint32_t>(count));
    ForEachLengthSymbol(literalLength_.data(), count, [&](int symbol, int extraBits, std::uint32_t extra) {
        writer_.Put(preTreeLength_[symbol], preTreeCode_[symbol]);
        writer_.Put(extraBits, extra);
    });
}

void Lh5BlockWriter::WriteSymbols() {
    for (int i = 0; i < count_; ++i) {
        const int symbol = symbols_[i];
        writer_.Put(literalLength_[symbol], literalCode_[symbol]);
        if (symbol < kLiterals) continue;
        const std::uint32_t offset = offsets_[i];
        const int code = std::bit_width(offset);
        writer_.Put(positionLength_[code], positionCode_[code]);
        if (code > 1) writer_.Put(code - 1, offset & ((1u << (code - 1)) - 1));
    }
}

void Lh5BlockWriter::UpdateCosts() {
    std::uint64_t literals = 0, literalBits = 0;
    for (int symbol = 0; symbol < kLiterals; ++symbol) {
        literals += literalFrequency_[symbol];
        literalBits += static_cast<std::uint64_t>(literalFrequency_[symbol]) * literalLength_[symbol];
    }
    if (literals > 0)
        costs_.literal = static_cast<int>(literalBits * Lh5Costs::kScale / literals);
    for (int matchLength = kMinMatch; matchLength <= kMaxMatch; ++matchLength) {
        const int bits = literalLength_[matchLength + kLengthOffset];
        costs_.length[static_cast<std::size_t>(matchLength)] = (bits != 0 ? bits : kUnusedLiteralBits) * Lh5Costs::kScale;
    }
    for (int code = 0; code < kPositionSymbols; ++code) {
        const int bits = positionLength_[code];
        costs_.position[static_cast<std::size_t>(code)] =
            ((bits != 0 ? bits : kUnusedPositionBits) + ExtraPositionBits(code)) * Lh5Costs::kScale;
    }
}

}  // namespace vantaro::lha
