#include "lha/AdaptiveHuffman.h"

#include <algorithm>

namespace vantaro::lha::lh1 {

AdaptiveHuffman::AdaptiveHuffman() {
    for (int symbol = 0; symbol < kSymbols; ++symbol) {
        frequency_[symbol] = 1;
        son_[symbol] = static_cast<std::int16_t>(symbol + kNodes);
        parent_[symbol + kNodes] = static_cast<std::int16_t>(symbol);
    }
    for (int child = 0, node = kSymbols; node <= kRoot; child += 2, ++node) {
        frequency_[node] = static_cast<std::uint16_t>(frequency_[child] + frequency_[child + 1]);
        son_[node] = static_cast<std::int16_t>(child);
        parent_[child] = parent_[child + 1] = static_cast<std::int16_t>(node);
    }
    frequency_[kNodes] = 0xFFFF;
    parent_[kRoot] = 0;
}

void AdaptiveHuffman::Rebuild() {
    // Gather the leaves at the front with halved frequencies.
    int leaves = 0;
    for (int node = 0; node < kNodes; ++node) {
        if (son_[node] >= kNodes) {
            frequency_[leaves] = static_cast<std::uint16_t>((frequency_[node] + 1) / 2);
            son_[leaves] = son_[node];
            ++leaves;
        }
    }
    // Join pairs in order, inserting each new node where its frequency keeps the order.
    for (int child = 0, node = kSymbols; node < kNodes; child += 2, ++node) {
        const std::uint16_t sum = static_cast<std::uint16_t>(frequency_[child] + frequency_[child + 1]);
        int place = node - 1;
        while (sum < frequency_[place]) --place;
        ++place;
        std::copy_backward(frequency_.begin() + place, frequency_.begin() + node,
                           frequency_.begin() + node + 1);
        std::copy_backward(son_.begin() + place, son_.begin() + node, son_.begin() + node + 1);
        frequency_[place] = sum;
        son_[place] = static_cast<std::int16_t>(child);
    }
    for (int node = 0; node < kNodes; ++node) {
        const int child = son_[node];
        parent_[child] = static_cast<std::int16_t>(node);
        if (child < kNodes) parent_[child + 1] = static_cast<std::int16_t>(node);
    }
}

void AdaptiveHuffman::Update(int symbol) {
    if (frequency_[kRoot] == kRebuildFrequency) Rebuild();
    int node = parent_[symbol + kNodes];
    do {
        const std::uint16_t raised = ++frequency_[node];
        // Swap with the last node whose frequency is now lower, keeping the order.
        int last = node + 1;
        if (raised > frequency_[last]) {
            while (raised > frequency_[++last]) {
            }
            --last;
            frequency_[node] = frequency_[last];
            frequency_[last] = raised;

            const int nodeChild = son_[node];
            parent_[nodeChild] = static_cast<std::int16_t>(last);
            if (nodeChild < kNodes) parent_[nodeChild + 1] = static_cast<std::int16_t>(last);

            const int lastChild = son_[last];
            son_[last] = static_cast<std::int16_t>(nodeChild);
            parent_[lastChild] = static_cast<std::int16_t>(node);
            if (lastChild < kNodes) parent_[lastChild + 1] = static_cast<std::int16_t>(node);
            son_[node] = static_cast<std::int16_t>(lastChild);
            node = last;
        }
        node = parent_[node];
    } while (node != 0);
}

namespace {

// The fixed position code: groups of upper-bit values sharing a code length.
struct PositionGroup {
    int values;
    int codeLength;
};
constexpr PositionGroup kPositionGroups[] = {{1, 3}, {3, 4}, {8, 5}, {12, 6}, {24, 7}, {16, 8}};

std::array<PositionCode, 256> MakePositionCodeTable() {
    std::array<PositionCode, 256> table{};
    int entry = 0;
    int upper = 0;
    for (const PositionGroup& group : kPositionGroups) {
        const int entriesPerValue = 1 << (kPositionPrefixBits - group.codeLength);
        for (int value = 0; value < group.values; ++value, ++upper)
            for (int i = 0; i < entriesPerValue; ++i)
                table[entry++] = {static_cast<std::uint8_t>(upper),
                                  static_cast<std::uint8_t>(group.codeLength)};
    }
    return table;
}

}  // namespace

const std::array<PositionCode, 256>& PositionCodeTable() {
    static const std::array<PositionCode, 256> table = MakePositionCodeTable();
    return table;
}

}  // namespace vantaro::lha::lh1
