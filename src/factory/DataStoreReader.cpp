// Reading a data store file. The file is read whole into memory; when it starts with an LHA
// member header it is an archive and the store's text is its member "Vantaro.xml", otherwise the
// file is the text. The text is taken line by line as views into it: each line is trimmed of
// blanks and used only when it begins with '<', ends with '>' and does not begin with "</".
//
//   <OBJECT_STORE ... ROOT_OBJECT_ID="1" ...>   the store; resets the hidden IDs
//   <HIDE_DATA>12,7,</HIDE_DATA>                  the hidden IDs
//   <OBJECT ID="12" CLASS="CNote">                a new current object
//   <ATTRIBUTE ...>, <ASSOCATION ...>,            merged into the current object's lines
//   <RELATION ...>, <LINK ...>
//   anything else                                 ignored

#include "factory/DataStoreReader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "factory/CFactory.h"
#include "factory/DataStoreErrors.h"
#include "factory/IDText.h"
#include "factory/StoreArchive.h"
#include "factory/StoreProgress.h"
#include "factory/StoredLines.h"
#include "lha/LhaErrors.h"
#include "routines/TextBasics.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

constexpr std::string_view kObjectStoreTag = "OBJECT_STORE";
constexpr std::string_view kHideDataTag = "HIDE_DATA";
constexpr std::string_view kObjectTag = "OBJECT";

// The tag name of a line that begins with '<': up to the first space or '>'.
std::string_view TagNameOf(std::string_view line) {
    const std::size_t space = line.find(' ');
    const std::size_t close = line.find('>');
    const std::size_t end = space == std::string_view::npos || close < space ? close : space;
    return end == std::string_view::npos || end <= 1 ? std::string_view() : line.substr(1, end - 1);
}

// The attribute text of a line: after the first space, up to the first '>'.
std::string_view AttributesOf(std::string_view line) {
    const std::size_t space = line.find(' ');
    const std::size_t close = line.find('>');
    if (space == std::string_view::npos || close == std::string_view::npos || space + 1 >= close) return {};
    return line.substr(space + 1, close - space - 1);
}

// Takes a data store text apart line by line into a store.
class CStoreParser {
public:
    CStoreParser(std::string_view text, const std::string& fileName, CFactory& factory, CObjectStore& store)
        : text_(text), fileName_(fileName), factory_(factory), store_(store) {}

    CStoreReadResult Parse() {
        std::size_t at = 0;
        while (at < text_.size()) {
            const std::size_t end = std::min(text_.find('\n', at), text_.size());
            ++lineNumber_;
            TakeLine(text_.substr(at, end - at));
            at = end + 1;
            progress_(at, text_.size());
        }
        SetRoot();
        std::sort(result_.objectLines.begin(), result_.objectLines.end());
        return std::move(result_);
    }

private:
    void TakeLine(std::string_view raw) {
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        if (raw.size() > kMaxStoreLineLength) {
            Fail("the line is longer than " + std::to_string(kMaxStoreLineLength) + " bytes");
        }
        const std::string_view line = TrimView(raw);
        if (line.size() < 2 || line.front() != '<' || line.back() != '>') return;
        if (line[1] == '/') {
            if (line.substr(2, line.size() - 3) == kObjectStoreTag) closed_ = true;
            return;
        }
        const std::string_view tag = TagNameOf(line);
        if (tag == kObjectTag) {
            TakeObject(line);
        } else if (tag == kAttribute || IsReferenceTag(tag)) {
            if (current_) current_->AddProperty(line);
        } else if (tag == kObjectStoreTag) {
            rootText_ = AttributeValue(FindAttribute(AttributesOf(line), "ROOT_OBJECT_ID"));
            hasRootID_ = HasAttribute(AttributesOf(line), "ROOT_OBJECT_ID");
            storeLine_ = lineNumber_;
            result_.hiddenIDs.clear();
        } else if (tag == kHideDataTag) {
            result_.hiddenIDs = TagContent(line);
        }
    }

    void TakeObject(std::string_view line) {
        const std::string_view attributes = AttributesOf(line);
        std::unique_ptr<CStored> object;
        try {
            object = factory_.CreateObject(attributes);
        } catch (const EConvertError& error) {
            FailConvert(error.what());
        }
        dropped_.reset();
        current_ = nullptr;
        if (!object) {
            result_.skipped.AddUnknownClass(AttributeValue(FindAttribute(attributes, "CLASS")));
            return;
        }
        const std::int32_t id = object->ID();
        CStored* raw = object.get();
        if (store_.Find(id)) {
            // The lines that follow belong to the object met second, which is then dropped.
            ++result_.skipped.duplicateIDs;
            dropped_ = std::move(object);
            current_ = raw;
            return;
        }
        store_.Add(object);
        current_ = raw;
        result_.objectLines.emplace_back(id, lineNumber_);
    }

    void SetRoot() {
        if (storeLine_ == 0) Fail("this is not a data store (it has no OBJECT_STORE line)", 0);
        // Every store is written whole; without its last line the file was cut short and the
        // objects after the cut would be lost without a word.
        if (!closed_) Fail("the file is incomplete: it ends before its </OBJECT_STORE> line");
        if (!hasRootID_) FailConvert("ROOT_OBJECT_ID is missing", storeLine_);
        const std::optional<std::int32_t> id = TryIDFromText(rootText_);
        if (!id) FailConvert("ROOT_OBJECT_ID \"" + rootText_ + "\" is not a number", storeLine_);
        store_.SetRoot(store_.Find(*id));
    }

    [[noreturn]] void Fail(const std::string& reason, int line = -1) {
        store_.Clear();
        throw EDataStoreError(fileName_, line < 0 ? lineNumber_ : line, reason);
    }

    [[noreturn]] void FailConvert(const std::string& reason, int line = -1) {
        store_.Clear();
        throw EDataStoreConvertError(fileName_, line < 0 ? lineNumber_ : line, reason);
    }

    std::string_view text_;
    const std::string& fileName_;
    CFactory& factory_;
    CObjectStore& store_;
    CStoreReadResult result_;
    lha::ProgressCallback progress_ = StoreProgress();
    CStored* current_ = nullptr;
    std::unique_ptr<CStored> dropped_;  // a duplicate taking its lines until the next object
    int lineNumber_ = 0;
    int storeLine_ = 0;
    bool hasRootID_ = false;
    bool closed_ = false;
    std::string rootText_;
};

}  // namespace

int CSkippedObjects::Count() const {
    int count = duplicateIDs;
    for (const auto& [className, objects] : unknownClasses) count += objects;
    return count;
}

void CSkippedObjects::AddUnknownClass(const std::string& className) {
    for (auto& [known, objects] : unknownClasses) {
        if (known == className) {
            ++objects;
            return;
        }
    }
    unknownClasses.emplace_back(className, 1);
}

std::vector<std::string> CSkippedObjects::Lines() const {
    const auto objects = [](int count) { return std::to_string(count) + (count == 1 ? " object" : " objects"); };
    std::vector<std::string> lines;
    for (const auto& [className, count] : unknownClasses)
        lines.push_back(objects(count) + " of the unknown class " + (className.empty() ? "(none)" : className));
    if (duplicateIDs > 0) lines.push_back(objects(duplicateIDs) + " with an ID already used");
    return lines;
}

int CStoreReadResult::LineOf(std::int32_t id) const {
    const auto found = std::lower_bound(objectLines.begin(), objectLines.end(), std::make_pair(id, 0));
    return found != objectLines.end() && found->first == id ? found->second : 0;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return std::nullopt;
    const auto fail = [&path](int code) -> EDataStoreError {
        return EDataStoreError(path, 0, std::string("the file cannot be read: ") + std::strerror(code));
    };
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) throw fail(errno);
    std::string content;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error) content.reserve(static_cast<std::size_t>(size) + 1);
    char buffer[1 << 16];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        content.append(buffer, got);
        if (got < sizeof buffer) break;
    }
    if (std::ferror(file.get())) throw fail(errno ? errno : EIO);
    return content;
}

std::string StoreTextOf(std::string content, const std::string& fileName) {
    if (!IsStoreArchive(content)) return content;
    std::optional<std::string> text;
    try {
        text = UnpackStoreText(content, StoreProgress());
    } catch (const ECompLHA& error) {
        throw EDataStoreError(fileName, 0, error.what());
    }
    if (!text) throw EDataStoreError(fileName, 0, std::string("the archive holds no ") + kStoreMemberName);
    return std::move(*text);
}

CStoreReadResult ParseStoreText(std::string_view text, const std::string& fileName, CFactory& factory,
                                CObjectStore& store) {
    store.Clear();
    return CStoreParser(text, fileName, factory, store).Parse();
}

}  // namespace vantaro
