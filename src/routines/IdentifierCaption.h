#pragma once

#include <string>
#include <string_view>

namespace vantaro {

// The caption of an upper-case key: CHOOSE_A_PUPIL gives "Choose A Pupil"; OK stays "OK".
std::string IdentifierCaption(std::string_view identifier);

}  // namespace vantaro
