#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantaro {

// Reads an object ID written in decimal (an optional sign and digits, within 32 bits); none
// for any other text.
std::optional<std::int32_t> TryIDFromText(std::string_view text);
// As TryIDFromText, but raises EConvertError naming the text when it is not an ID.
std::int32_t IDFromText(std::string_view text);

}  // namespace vantaro
