#include "lha/Lh1TestEncoder.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "lha/AdaptiveHuffman.h"
#include "lha/BitWriter.h"

namespace vantaro::test {
namespace {

using namespace lha::lh1;

class Lh1Writer {
public:
    explicit Lh1Writer(std::string& out) : sink_(out), bits_(sink_, UINT64_MAX) {}

    void Symbol(int symbol) {
        // The path from the leaf up to the root, sent root first; a node's parity says which child
        // it is.
        std::vector<int> path;
        for (int node = tree_.LeafOf(symbol); node != tree_.Root(); node = tree_.Parent(node))
            path.push_back(node & 1);
        for (auto bit = path.rbegin(); bit != path.rend(); ++bit) bits_.Put(1, static_cast<std::uint32_t>(*bit));
        tree_.Update(symbol);
    }

    void Position(int offset) {
        const auto& table = PositionCodeTable();
        const int upper = offset >> kPlainPositionBits;
        const auto first = std::find_if(table.begin(), table.end(),
                                        [&](const PositionCode& code) { return code.upperBits == upper; });
        const int length = first->codeLength;
        const auto code = static_cast<std::uint32_t>((first - table.begin()) >> (kPositionPrefixBits - length));
        bits_.Put(length, code);
        bits_.Put(kPlainPositionBits, static_cast<std::uint32_t>(offset) & ((1u << kPlainPositionBits) - 1));
    }

    void Finish() { bits_.Finish(); }

private:
    lha::StringSink sink_;
    lha::BitWriter bits_;
    AdaptiveHuffman tree_;
};

}  // namespace

std::string EncodeLh1ForTest(const std::string& data) {
    // The decoder's ring starts as spaces, so matches may reach back into them.
    const std::string text = std::string(kDictionarySize, ' ') + data;
    const auto key = [&](int p) {
        const auto byte = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(text[static_cast<std::size_t>(i)])); };
        return byte(p) << 16 | byte(p + 1) << 8 | byte(p + 2);
    };
    std::unordered_map<std::uint32_t, std::vector<int>> seen;  // three bytes -> positions, oldest first
    for (int p = 0; p < kDictionarySize - 2; ++p) seen[key(p)].push_back(p);

    std::string packed;
    Lh1Writer writer(packed);
    int position = kDictionarySize;
    const int end = static_cast<int>(text.size());
    while (position < end) {
        int bestLength = 0, bestDistance = 0;
        if (end - position >= kMinMatch) {
            const std::vector<int>& candidates = seen[key(position)];
            for (auto next = candidates.rbegin(); next != candidates.rend(); ++next) {
                const int candidate = *next;
                const int distance = position - candidate;
                if (distance > kDictionarySize) break;
                int length = 0;
                while (length < kMaxMatch && position + length < end &&
                       text[static_cast<std::size_t>(candidate + length)] == text[static_cast<std::size_t>(position + length)])
                    ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = distance;
                }
            }
        }
        const int step = bestLength >= kMinMatch ? bestLength : 1;
        if (step == 1)
            writer.Symbol(static_cast<unsigned char>(text[static_cast<std::size_t>(position)]));
        else {
            writer.Symbol(bestLength + kLengthOffset);
            writer.Position(bestDistance - 1);
        }
        for (int p = position; p < position + step; ++p)
            if (p + kMinMatch <= end) seen[key(p)].push_back(p);
        position += step;
    }
    writer.Finish();
    return packed;
}

}  // namespace vantaro::test
