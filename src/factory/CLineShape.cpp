#include "factory/CLineShape.h"

#include <memory>
#include <unordered_map>

#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

struct ShapeKey {
    std::string_view prefix;
    std::string_view suffix;
    bool operator==(const ShapeKey&) const = default;
};

struct ShapeKeyHash {
    using is_transparent = void;
    std::size_t operator()(const ShapeKey& key) const {
        const std::hash<std::string_view> hash;
        return hash(key.prefix) * 31 + hash(key.suffix);
    }
};

std::optional<std::string> AttributeInPrefix(std::string_view prefix, std::string_view name) {
    const std::string item = FindAttribute(prefix, name);
    if (item.empty()) return std::nullopt;
    return AttributeValue(item);
}

std::unique_ptr<CLineShape> MakeShape(std::string_view prefix, std::string_view suffix) {
    auto shape = std::make_unique<CLineShape>();
    shape->prefix = prefix;
    shape->suffix = suffix;
    shape->tag = TagName(prefix);
    shape->name = AttributeValue(FindAttribute(prefix, "NAME"));
    if (!shape->IsRaw()) {
        shape->format = AttributeInPrefix(prefix, "FORMAT");
        shape->aggregate = AttributeInPrefix(prefix, "AGGREGATE");
    }
    return shape;
}

using ShapeTable =
    std::unordered_map<ShapeKey, std::unique_ptr<CLineShape>, ShapeKeyHash, std::equal_to<>>;

// Shapes live as long as the process: their number is bounded by the distinct line shapes met,
// which the classes' schemas keep small.
ShapeTable& Shapes() {
    static ShapeTable shapes;
    return shapes;
}

const CLineShape* FindShape(std::string_view prefix, std::string_view suffix) {
    const auto found = Shapes().find(ShapeKey{prefix, suffix});
    return found == Shapes().end() ? nullptr : found->second.get();
}

const CLineShape& AddShape(std::string_view prefix, std::string_view suffix) {
    std::unique_ptr<CLineShape> shape = MakeShape(prefix, suffix);
    const ShapeKey key{shape->prefix, shape->suffix};
    return *Shapes().emplace(key, std::move(shape)).first->second;
}

const CLineShape& RawShape(std::string_view line) {
    const CLineShape* shape = FindShape(line, {});
    return shape ? *shape : AddShape(line, {});
}

}  // namespace

CSplitLine SplitLine(std::string_view line) {
    const std::size_t open = line.find('<');
    const std::size_t close = line.find('>');
    const std::size_t closing = line.find("</");
    const bool splits = open != std::string_view::npos && close != std::string_view::npos &&
                        open < close && closing != std::string_view::npos && closing > close;
    if (!splits) return {&RawShape(line), {}};
    const std::string_view prefix = line.substr(0, close + 1);
    const std::string_view suffix = line.substr(closing);
    const std::string_view content = line.substr(close + 1, closing - close - 1);
    // Only shapes whose prefix holds the NAME are ever kept with a suffix.
    if (const CLineShape* shape = FindShape(prefix, suffix)) return {shape, content};
    if (FindAttribute(prefix, "NAME").empty()) return {&RawShape(line), {}};
    return {&AddShape(prefix, suffix), content};
}

}  // namespace vantaro
