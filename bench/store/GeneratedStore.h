#pragma once

#include <cstdint>
#include <string>

#include "store/StoreShape.h"

namespace vantaro {
class CFactory;
class CRovanFactory;
}  // namespace vantaro

namespace vantaro::bench {

// What a store holds: its stored objects and the achievements (link pairs) of its outcomes.
struct StoreCounts {
    int objects = 0;
    long long achievements = 0;
};
StoreCounts CountStore(const CFactory& factory);

// The seed a generated store is made from unless another is asked for.
inline constexpr std::uint64_t kDefaultSeed = 2007;

// Generates the school year of the shape into the factory (on a fixed clock, so its dates do
// not depend on the day it is made) and returns what it holds.
StoreCounts GenerateStore(CRovanFactory& factory, const StoreShape& shape, std::uint64_t seed = kDefaultSeed);

}  // namespace vantaro::bench
