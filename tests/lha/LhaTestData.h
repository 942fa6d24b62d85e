#pragma once

#include <cstdint>
#include <string>

namespace vantaro::test {

// Deterministic inputs for the packers.
std::string RandomBytes(std::size_t size, std::uint32_t seed);
// Text shaped like a data store: tag lines with IDs, names and dates.
std::string StoreLikeText(std::size_t size, std::uint32_t seed);

}  // namespace vantaro::test
