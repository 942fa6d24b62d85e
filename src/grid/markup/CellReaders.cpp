#include "grid/markup/CellReaders.h"

#include "factory/CStored.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "routines/NumberText.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

constexpr auto npos = std::string_view::npos;

// One attribute of a cell: its name, and where its value lies in the cell's text.
struct AttributeSpan {
    std::string_view name;
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
};

// Walks the ` NAME="VALUE"` items between the tag name and the first '>'.
class AttributeWalker {
public:
    explicit AttributeWalker(std::string_view cell)
        : cell_(cell), end_(std::min(cell.find('>'), cell.size())) {
        const std::size_t space = cell_.find(' ');
        at_ = space < end_ ? space : end_;
    }

    bool Next(AttributeSpan& span) {
        while (at_ < end_ && cell_[at_] == ' ') ++at_;
        if (at_ >= end_) return false;
        const std::size_t equals = cell_.find('=', at_);
        if (equals == npos || equals >= end_) {
            at_ = end_;
            return false;
        }
        span.name = cell_.substr(at_, equals - at_);
        std::size_t valueEnd;
        if (equals + 1 < end_ && cell_[equals + 1] == '"') {
            span.valueBegin = equals + 2;
            valueEnd = cell_.find('"', span.valueBegin);
            if (valueEnd == npos || valueEnd > end_) valueEnd = end_;
            at_ = std::min(valueEnd + 1, end_);
        } else {
            span.valueBegin = equals + 1;
            valueEnd = cell_.find(' ', span.valueBegin);
            if (valueEnd == npos || valueEnd > end_) valueEnd = end_;
            at_ = valueEnd;
        }
        span.valueEnd = valueEnd;
        return true;
    }

    std::size_t AttributesEnd() const { return end_; }

private:
    std::string_view cell_;
    std::size_t end_;
    std::size_t at_;
};

bool FindSpan(std::string_view cell, std::string_view key, AttributeSpan& found) {
    AttributeWalker walker(cell);
    AttributeSpan span;
    while (walker.Next(span)) {
        if (span.name == key) {
            found = span;
            return true;
        }
    }
    return false;
}

std::string_view ValueOf(std::string_view cell, const AttributeSpan& span) {
    return cell.substr(span.valueBegin, span.valueEnd - span.valueBegin);
}

int NumberOr(std::string_view text, int fallback) {
    long long value = 0;
    if (text.empty() || !TryReadInteger(text, value)) return fallback;
    return static_cast<int>(value);
}

CStored* ObjectOfIdText(std::string_view text, const CFactory* factory) {
    long long id = 0;
    if (!factory || !TryReadInteger(NumericChars(text), id) || id == 0) return nullptr;
    if (id < INT32_MIN || id > INT32_MAX) return nullptr;
    return factory->FindObject(static_cast<std::int32_t>(id));
}

bool IsObjectContent(std::string_view content) {
    return content == cell::kName || content == cell::kAttribute;
}

}  // namespace

std::string CellValue(std::string_view cell, std::string_view key) {
    AttributeSpan span;
    return FindSpan(cell, key, span) ? std::string(ValueOf(cell, span)) : std::string();
}

bool CellHas(std::string_view cell, std::string_view key) {
    AttributeSpan span;
    return FindSpan(cell, key, span);
}

std::string SetCellValue(std::string_view cell, std::string_view key, std::string_view value) {
    AttributeSpan span;
    std::string result(cell);
    if (FindSpan(cell, key, span)) {
        result.replace(span.valueBegin, span.valueEnd - span.valueBegin, value);
        return result;
    }
    const std::size_t end = AttributeWalker(cell).AttributesEnd();
    std::string item = " ";
    item.append(key).append("=\"").append(value).append("\"");
    result.insert(end, item);
    return result;
}

CStored* CellTarget(std::string_view cell, const CFactory* factory) {
    return ObjectOfIdText(CellValue(cell, cell::kTarget), factory);
}

CStored* CellSource(std::string_view cell, const CFactory* factory) {
    return ObjectOfIdText(CellValue(cell, cell::kSource), factory);
}

CStored* CellObject(std::string_view cell, const CFactory* factory) {
    if (!IsObjectContent(CellValue(cell, cell::kContent))) return nullptr;
    const std::string content = TagContent(cell);
    return ObjectOfIdText(std::string_view(content).substr(0, content.find('.')), factory);
}

std::string CellAttributeName(std::string_view cell) {
    if (CellValue(cell, cell::kContent) != cell::kAttribute) return {};
    const std::string content = TagContent(cell);
    const std::size_t stop = content.find('.');
    return stop == npos ? std::string() : content.substr(stop + 1);
}

std::string CellDisplayText(std::string_view cell, const CFactory* factory) {
    const std::string content = CellValue(cell, cell::kContent);
    if (content == cell::kName) {
        const CStored* object = CellObject(cell, factory);
        return object ? object->DisplayText() : std::string();
    }
    if (content == cell::kAttribute) {
        const CStored* object = CellObject(cell, factory);
        if (!object) return {};
        std::string text = object->GetAttributeText(CellAttributeName(cell));
        if (text == cell::kTrue || text == cell::kFalse) text = IdentifierCaption(text);
        return text;
    }
    if (content == cell::kPicture) return {};
    return UnescapeText(TagContent(cell));
}

CellEffect ReadEffect(std::string_view effect) {
    const auto has = [effect](std::string_view word) { return effect.find(word) != npos; };
    return {has("ROUND"), has("LEFT"), has("RIGHT"), has("LIGHTEN"), has("DARKEN"), has("SHADOW")};
}

bool CellFacts::IsEditableStyle() const { return style == cell::kData || style == cell::kDataLine; }

CellFacts ReadCellFacts(std::string_view cell) {
    CellFacts facts;
    AttributeWalker walker(cell);
    AttributeSpan span;
    while (walker.Next(span)) {
        const std::string_view value = ValueOf(cell, span);
        if (span.name == cell::kStyle) facts.style = value;
        else if (span.name == cell::kContent) facts.content = value;
        else if (span.name == cell::kEffect) facts.effectText = value;
        else if (span.name == cell::kAction) facts.action = value;
        else if (span.name == cell::kLevel) facts.level = NumberOr(value, 0);
        else if (span.name == cell::kType) facts.type = NumberOr(value, -1);
        else if (span.name == cell::kCheck) facts.check = NumberOr(value, -1);
        else if (span.name == cell::kReadOnly) facts.readOnly = value == cell::kTrue;
        else if (span.name == cell::kSelection) facts.selection = value == cell::kTrue;
        else if (span.name == cell::kDragSource) facts.dragSource = true;
        else if (span.name == cell::kDragTarget) facts.dragTarget = true;
    }
    facts.effect = ReadEffect(facts.effectText);
    return facts;
}

}  // namespace vantaro
