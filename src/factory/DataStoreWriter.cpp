// The text of a data store file. Every line ends with CR LF; the text is ISO-8859-1.
//
//   1    <?xml version="1.0" encoding="ISO-8859-1" standalone="yes"?>     padded with spaces
//   2                                                                       70 spaces
//   3    <!--                                                               padded
//   4      Written by Vantaro 1.12                                          padded
//   5      DO NOT MANUALY EDIT THIS FILE AS IT WILL CORRUPT YOUR DATASTORE  padded
//   6    -->                                                                padded
//   7                                                                       70 spaces
//   8    <OBJECT_STORE APPLICATION="Vantaro" VERSION="1.12" ROOT_OBJECT_ID="1" ENCRYPTION="FALSE">
//   9    (empty)
//   10   <HIDE_DATA>12,7,</HIDE_DATA>
//   11   (empty)
//   then each written object's block (see CStored::ToText) followed by an empty line
//        </OBJECT_STORE>
//        (empty)
//
// Header lines 1 to 7 are padded with spaces to kHeaderWidth characters.

#include "factory/DataStoreWriter.h"

#include "factory/CObjectStore.h"
#include "factory/CStored.h"
#include "factory/DataStoreReader.h"
#include "factory/StoreProgress.h"
#include "routines/AppInfo.h"
#include "routines/Errors.h"
#include "routines/VersionText.h"

namespace vantaro {
namespace {

constexpr std::size_t kHeaderWidth = 70;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEscapedLineBreak = "&#13;&#10;";
constexpr std::string_view kBlockLineStart = "  <";
constexpr std::string_view kBlockEnd = "</OBJECT>";
// A guess at the bytes per object, to spare the text's buffer most of its regrowth.
constexpr std::size_t kBytesPerObjectGuess = 320;

void AppendHeaderLine(std::string& text, std::string_view line) {
    text.append(line.substr(0, kHeaderWidth));
    if (line.size() < kHeaderWidth) text.append(kHeaderWidth - line.size(), ' ');
    text.append(kLineEnd);
}

void AppendHeader(std::string& text, std::int32_t rootID, std::string_view hiddenIDs) {
    AppendHeaderLine(text, R"(<?xml version="1.0" encoding="ISO-8859-1" standalone="yes"?>)");
    AppendHeaderLine(text, "");
    AppendHeaderLine(text, "<!--");
    AppendHeaderLine(text, "  Written by " + ApplicationTitle() + " " + ShortVersion());
    AppendHeaderLine(text, "  DO NOT MANUALY EDIT THIS FILE AS IT WILL CORRUPT YOUR DATASTORE");
    AppendHeaderLine(text, "-->");
    AppendHeaderLine(text, "");
    text.append("<OBJECT_STORE APPLICATION=\"").append(ApplicationTitle());
    text.append("\" VERSION=\"").append(ShortVersion());
    text.append("\" ROOT_OBJECT_ID=\"").append(std::to_string(rootID));
    text.append("\" ENCRYPTION=\"FALSE\">").append(kLineEnd).append(kLineEnd);
    text.append("<HIDE_DATA>").append(hiddenIDs).append("</HIDE_DATA>").append(kLineEnd).append(kLineEnd);
}

// A CR LF that ends a line of the block: followed by the next indented line, by the closing
// tag, or by nothing. Contents are escaped text, which holds no raw '<', so a line break inside
// a content is never taken for one of these.
bool IsBlockLineEnd(std::string_view block, std::size_t at) {
    if (block.substr(at, kLineEnd.size()) != kLineEnd) return false;
    const std::string_view rest = block.substr(at + kLineEnd.size());
    return rest.empty() || rest.starts_with(kBlockLineStart) || rest.starts_with(kBlockEnd);
}

void CheckLineLength(std::size_t length, const CStored& object) {
    if (length <= kMaxStoreLineLength) return;
    throw EInOutError("a line of object " + std::to_string(object.ID()) + " (" + object.ClassName() +
                      ") is longer than " + std::to_string(kMaxStoreLineLength) + " bytes");
}

// Appends an object block, escaping every raw CR or LF inside a line (a CR LF pair or a lone one
// becomes one escaped pair) and checking the length of every line.
void AppendBlock(std::string& text, std::string_view block, const CStored& object) {
    std::size_t lineLength = 0;
    std::size_t from = 0;
    for (std::size_t at = 0; at < block.size(); ++at) {
        const char c = block[at];
        if (c != '\r' && c != '\n') continue;
        text.append(block.substr(from, at - from));
        lineLength += at - from;
        if (IsBlockLineEnd(block, at)) {
            CheckLineLength(lineLength, object);
            text.append(kLineEnd);
            lineLength = 0;
            at += kLineEnd.size() - 1;
        } else {
            text.append(kEscapedLineBreak);
            lineLength += kEscapedLineBreak.size();
            if (block.substr(at, kLineEnd.size()) == kLineEnd) ++at;
        }
        from = at + 1;
    }
    text.append(block.substr(from));
    CheckLineLength(lineLength + block.size() - from, object);
}

}  // namespace

bool IsWritten(const CStored& object) {
    return object.Status() != StoredStatus::Deleted && object.Status() != StoredStatus::Transient;
}

std::string BuildStoreText(const CObjectStore& store, std::int32_t rootID, std::string_view hiddenIDs) {
    const int count = store.Count();
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * kBytesPerObjectGuess + 1024);
    AppendHeader(text, rootID, hiddenIDs);
    const lha::ProgressCallback progress = StoreProgress();
    for (int i = 0; i < count; ++i) {
        CStored& object = *store.Item(i);
        if (IsWritten(object)) {
            AppendBlock(text, object.ToText(), object);
            text.append(kLineEnd);
        }
        progress(i + 1, count);
    }
    text.append("</OBJECT_STORE>").append(kLineEnd).append(kLineEnd);
    return text;
}

}  // namespace vantaro
