#include "lha/HuffmanEncoder.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <vector>

namespace vantaro::lha {
namespace {

constexpr int kLengthLimitCeiling = 32;

struct Node {
    std::uint64_t weight;
    int parent;
};

// Depths of the leaves of a Huffman tree over the used symbols, leaves listed first.
std::vector<int> LeafDepths(const std::vector<std::uint64_t>& weights) {
    const int leaves = static_cast<int>(weights.size());
    std::vector<Node> nodes;
    nodes.reserve(2 * weights.size());
    using Entry = std::pair<std::uint64_t, int>;  // weight, node
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> heap;
    for (int i = 0; i < leaves; ++i) {
        nodes.push_back({weights[i], -1});
        heap.push({weights[i], i});
    }
    while (heap.size() > 1) {
        const Entry a = heap.top();
        heap.pop();
        const Entry b = heap.top();
        heap.pop();
        const int parent = static_cast<int>(nodes.size());
        nodes.push_back({a.first + b.first, -1});
        nodes[a.second].parent = parent;
        nodes[b.second].parent = parent;
        heap.push({a.first + b.first, parent});
    }
    // Parents come after their children, so depths fill in from the root down.
    std::vector<int> depth(nodes.size(), 0);
    for (int i = static_cast<int>(nodes.size()) - 2; i >= 0; --i) depth[i] = depth[nodes[i].parent] + 1;
    depth.resize(leaves);
    return depth;
}

}  // namespace

int BuildCodeLengths(const std::uint32_t* frequencies, int count, int maxLength,
                     std::uint8_t* lengths) {
    std::vector<int> used;
    for (int symbol = 0; symbol < count; ++symbol) {
        lengths[symbol] = 0;
        if (frequencies[symbol] > 0) used.push_back(symbol);
    }
    if (used.size() < 2) return static_cast<int>(used.size());

    // Least frequent first; they take the longest codes.
    std::stable_sort(used.begin(), used.end(),
                     [&](int a, int b) { return frequencies[a] < frequencies[b]; });
    std::vector<std::uint64_t> weights;
    for (int symbol : used) weights.push_back(frequencies[symbol]);
    const std::vector<int> depths = LeafDepths(weights);

    std::vector<std::uint32_t> countOfLength(kLengthLimitCeiling + 1, 0);
    for (int depth : depths) ++countOfLength[std::min(depth, maxLength)];
    // Clamping made the code over-full; each step takes one unit of 2^-maxLength away by moving a
    // leaf one level down and giving it a sibling from the longest level.
    std::uint64_t kraft = 0;
    for (int length = 1; length <= maxLength; ++length)
        kraft += static_cast<std::uint64_t>(countOfLength[length]) << (maxLength - length);
    while (kraft > (1ull << maxLength)) {
        --countOfLength[maxLength];
        for (int length = maxLength - 1; length > 0; --length) {
            if (countOfLength[length] != 0) {
                --countOfLength[length];
                countOfLength[length + 1] += 2;
                break;
            }
        }
        --kraft;
    }

    auto next = used.begin();
    for (int length = maxLength; length > 0; --length)
        for (std::uint32_t i = 0; i < countOfLength[length]; ++i)
            lengths[*next++] = static_cast<std::uint8_t>(length);
    return static_cast<int>(used.size());
}

void AssignCodes(const std::uint8_t* lengths, int count, std::uint16_t* codes) {
    std::uint32_t countOfLength[kLengthLimitCeiling + 1] = {};
    for (int symbol = 0; symbol < count; ++symbol) ++countOfLength[lengths[symbol]];
    countOfLength[0] = 0;
    std::uint32_t nextCode[kLengthLimitCeiling + 2] = {};
    for (int length = 1; length <= kLengthLimitCeiling; ++length)
        nextCode[length + 1] = (nextCode[length] + countOfLength[length]) << 1;
    for (int symbol = 0; symbol < count; ++symbol)
        if (lengths[symbol] != 0) codes[symbol] = static_cast<std::uint16_t>(nextCode[lengths[symbol]]++);
}

}  // namespace vantaro::lha
