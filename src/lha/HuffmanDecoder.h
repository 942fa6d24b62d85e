#pragma once

#include <array>
#include <cstdint>

namespace vantaro::lha {

// The longest code of the static Huffman methods (-lh5- and its kin).
constexpr int kMaxCodeLength = 16;

// Decodes one canonical Huffman code of up to kMaxCodeLength bits, codes read most significant
// bit first. Codes are assigned in order of length and, within a length, of symbol, as LHA does.
// Codes of up to RootBits bits are found with one look-up; longer ones by walking the lengths.
// A table may be incomplete (some bit patterns lead nowhere); decoding such a pattern, like a
// table whose lengths over-subscribe the code space, raises ECompLHABadDecodeTable.
template <int Alphabet, int RootBits>
class HuffmanDecoder {
public:
    // lengths[0..count) are the code lengths (0: symbol unused); count <= Alphabet.
    void Build(const std::uint8_t* lengths, int count);
    // A code of one symbol that takes no bits at all.
    void BuildSingle(int symbol);

    // Decodes from the top bits of bits (at least kMaxCodeLength of them valid) and returns the
    // symbol; length receives the bits used.
    int Decode(std::uint64_t bits, int& length) const {
        const std::uint16_t entry = root_[bits >> (64 - RootBits)];
        if (entry != kLongCode) {
            length = entry >> kSymbolBits;
            return entry & kSymbolMask;
        }
        return DecodeLong(bits, length);
    }

private:
    static constexpr int kSymbolBits = 10;
    static constexpr std::uint16_t kSymbolMask = (1u << kSymbolBits) - 1;
    static constexpr std::uint16_t kLongCode = 0xFFFF;  // a longer code or no code at all
    static_assert(Alphabet <= (1 << kSymbolBits));

    int DecodeLong(std::uint64_t bits, int& length) const;

    std::array<std::uint16_t, 1u << RootBits> root_{};
    std::array<std::uint16_t, kMaxCodeLength + 1> countOfLength_{};
    std::array<std::uint16_t, Alphabet> symbolsByCode_{};
};

}  // namespace vantaro::lha
