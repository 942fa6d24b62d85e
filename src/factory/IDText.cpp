#include "factory/IDText.h"

#include <charconv>
#include <string>

#include "routines/Errors.h"

namespace vantaro {

std::optional<std::int32_t> TryIDFromText(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return id;
}

std::int32_t IDFromText(std::string_view text) {
    if (const auto id = TryIDFromText(text)) return *id;
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace vantaro
