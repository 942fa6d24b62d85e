#pragma once

#include <string>

namespace vantaro::test {

// Packs data with -lh1- (greedy matching, including matches into the ring's initial spaces),
// for tests of the decoder; no tool here writes -lh1-, and lhasa checks what this writes.
std::string EncodeLh1ForTest(const std::string& data);

}  // namespace vantaro::test
