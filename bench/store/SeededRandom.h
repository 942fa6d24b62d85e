#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace vantaro::bench {

// A small pseudo-random sequence (SplitMix64) that gives the same numbers for the same seed on
// every platform and standard library, so a generated store is the same wherever it is made.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A whole number from 0 to bound - 1 (bound > 0).
    int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }
    // A whole number from low to high, both included.
    int Between(int low, int high) { return low + Below(high - low + 1); }
    // True in about percent cases out of a hundred.
    bool Chance(int percent) { return Below(100) < percent; }

    template <class T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }
    // count different positions of a list of the given size, in random order (count <= size).
    std::vector<int> Distinct(int count, int size) {
        std::vector<int> positions(static_cast<std::size_t>(size));
        for (int i = 0; i < size; ++i) positions[static_cast<std::size_t>(i)] = i;
        for (int i = 0; i < count; ++i) {
            const int j = Between(i, size - 1);
            std::swap(positions[static_cast<std::size_t>(i)], positions[static_cast<std::size_t>(j)]);
        }
        positions.resize(static_cast<std::size_t>(count));
        return positions;
    }

private:
    std::uint64_t state_;
};

}  // namespace vantaro::bench
