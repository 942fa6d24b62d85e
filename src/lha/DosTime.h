#pragma once

#include <chrono>
#include <cstdint>

namespace vantaro::lha {

// MS-DOS time stamps of level 0 and 1 headers: local time in two-second steps, the date in the
// high 16 bits (year - 1980: 7 bits, month: 4, day: 5) and the time in the low 16 bits (hour: 5,
// minute: 6, second / 2: 5). Times before 1980 or after 2107 are clamped to the range.
std::uint32_t ToDosTime(std::chrono::system_clock::time_point time);
std::chrono::system_clock::time_point FromDosTime(std::uint32_t dosTime);

}  // namespace vantaro::lha
