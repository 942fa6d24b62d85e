#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vantaro::bench {

// A data store text of about the given size, the same for the same seed: the file header, then
// object blocks of a school year (pupils, staff, plans, assessments, notes, reports) with their
// property lines, CRLF line ends and ISO-8859-1 text.
std::string MakeStoreText(std::size_t size, std::uint32_t seed = 2007);

}  // namespace vantaro::bench
