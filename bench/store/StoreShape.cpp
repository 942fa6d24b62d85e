#include "store/StoreShape.h"

namespace vantaro::bench {

std::optional<StoreShape> ShapeNamed(std::string_view name) {
    if (name == "class") return StoreShape{"class", 1, 30, 11, 11, 3};
    if (name == "school") return StoreShape{"school", 10, 30, 30, 11, 12};
    if (name == "stress") return StoreShape{"stress", 30, 30, 90, 11, 36};
    return std::nullopt;
}

const std::vector<std::string>& ShapeNames() {
    static const std::vector<std::string> names = {"class", "school", "stress"};
    return names;
}

}  // namespace vantaro::bench
