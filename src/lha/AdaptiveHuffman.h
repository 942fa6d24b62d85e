#pragma once

// The adaptive Huffman model of the -lh1- method (LHarc 1.x): a tree over 314 symbols (256
// literals, then the match lengths 3 to 60 as length + 253) whose node frequencies grow with every
// coded symbol. Nodes are kept in order of frequency; after a symbol is coded its leaf's and its
// ancestors' frequencies are raised, swapping a node with the last node of lower frequency so the
// order (the sibling property) holds. When the root's frequency reaches 0x8000 every leaf's
// frequency is halved and the tree rebuilt.
//
// Node layout: nodes 0..626; the root is node 626. son_[node] is the first of a node's two
// children (the second is son_[node] + 1), or kNodes + symbol for a leaf. parent_[kNodes + symbol]
// is a leaf's node.
//
// Match positions of -lh1- (distance - 1, 0..4095) are sent as 12 bits: the upper 6 bits through
// a fixed code of 3 to 8 bits (PositionCodeTable), the lower 6 bits plainly.

#include <array>
#include <cstdint>

namespace vantaro::lha::lh1 {

constexpr int kDictionaryBits = 12;
constexpr int kDictionarySize = 1 << kDictionaryBits;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 60;
constexpr int kSymbols = 256 + kMaxMatch - kMinMatch + 1;  // 314
constexpr int kLengthOffset = 256 - kMinMatch;              // symbol = length + 253
constexpr int kNodes = 2 * kSymbols - 1;                    // 627
constexpr int kRoot = kNodes - 1;
constexpr std::uint16_t kRebuildFrequency = 0x8000;
constexpr int kPlainPositionBits = 6;
constexpr int kPositionPrefixBits = 8;  // the fixed position code is read 8 bits at a time

class AdaptiveHuffman {
public:
    AdaptiveHuffman();

    int Root() const { return kRoot; }
    // The first child of an inner node, or kNodes + symbol for a leaf.
    int Child(int node) const { return son_[node]; }
    int Parent(int node) const { return parent_[node]; }
    int LeafOf(int symbol) const { return parent_[kNodes + symbol]; }

    // Counts one more occurrence of symbol.
    void Update(int symbol);

private:
    void Rebuild();

    std::array<std::uint16_t, kNodes + 1> frequency_{};  // the extra entry is a sentinel
    std::array<std::int16_t, kNodes + kSymbols> parent_{};
    std::array<std::int16_t, kNodes> son_{};
};

// The fixed code of the upper 6 position bits: the 64 values take 3 to 8 bits. Indexed by the
// next 8 bits of input, it gives the value and the bits its code takes.
struct PositionCode {
    std::uint8_t upperBits;
    std::uint8_t codeLength;
};
const std::array<PositionCode, 256>& PositionCodeTable();

}  // namespace vantaro::lha::lh1
