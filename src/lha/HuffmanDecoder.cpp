#include "lha/HuffmanDecoder.h"

#include "lha/LhaErrors.h"

namespace vantaro::lha {

template <int Alphabet, int RootBits>
void HuffmanDecoder<Alphabet, RootBits>::Build(const std::uint8_t* lengths, int count) {
    countOfLength_.fill(0);
    for (int symbol = 0; symbol < count; ++symbol) {
        if (lengths[symbol] > kMaxCodeLength) throw ECompLHABadDecodeTable();
        ++countOfLength_[lengths[symbol]];
    }
    countOfLength_[0] = 0;

    // Kraft sum in units of the longest code: more than the whole space cannot be decoded.
    std::uint32_t used = 0;
    std::array<std::uint32_t, kMaxCodeLength + 2> firstCode{};  // left-aligned to 16 bits
    std::array<int, kMaxCodeLength + 2> firstIndex{};
    for (int length = 1; length <= kMaxCodeLength; ++length) {
        firstCode[length] = used;
        used += static_cast<std::uint32_t>(countOfLength_[length]) << (kMaxCodeLength - length);
        firstIndex[length + 1] = firstIndex[length] + countOfLength_[length];
    }
    if (used > (1u << kMaxCodeLength)) throw ECompLHABadDecodeTable();

    root_.fill(kLongCode);
    for (int symbol = 0; symbol < count; ++symbol) {
        const int length = lengths[symbol];
        if (length == 0) continue;
        symbolsByCode_[firstIndex[length]++] = static_cast<std::uint16_t>(symbol);
        const std::uint32_t code = firstCode[length];
        firstCode[length] += 1u << (kMaxCodeLength - length);
        if (length > RootBits) continue;
        const std::uint32_t start = code >> (kMaxCodeLength - RootBits);
        const std::uint32_t span = 1u << (RootBits - length);
        const auto entry = static_cast<std::uint16_t>(length << kSymbolBits | symbol);
        for (std::uint32_t i = 0; i < span; ++i) root_[start + i] = entry;
    }
}

template <int Alphabet, int RootBits>
void HuffmanDecoder<Alphabet, RootBits>::BuildSingle(int symbol) {
    if (symbol < 0 || symbol >= Alphabet) throw ECompLHABadDecodeTable();
    root_.fill(static_cast<std::uint16_t>(symbol));
}

// Canonical decoding one length at a time: the codes of each length are consecutive numbers
// following those of the shorter lengths.
template <int Alphabet, int RootBits>
int HuffmanDecoder<Alphabet, RootBits>::DecodeLong(std::uint64_t bits, int& length) const {
    std::uint32_t code = 0;
    std::uint32_t first = 0;
    int index = 0;
    for (length = 1; length <= kMaxCodeLength; ++length) {
        code |= static_cast<std::uint32_t>(bits >> (64 - length)) & 1u;
        const std::uint32_t count = countOfLength_[length];
        if (code - first < count) return symbolsByCode_[index + (code - first)];
        index += static_cast<int>(count);
        first = (first + count) << 1;
        code <<= 1;
    }
    throw ECompLHABadDecodeTable();
}

template class HuffmanDecoder<19, 8>;
template class HuffmanDecoder<14, 8>;
template class HuffmanDecoder<510, 11>;

}  // namespace vantaro::lha
