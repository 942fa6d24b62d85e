#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantaro {

class CFactory;
class CObjectStore;

// The longest line a data store file may hold, its line end aside. The writer refuses to write
// a longer one, so that every file it writes reads back.
inline constexpr std::size_t kMaxStoreLineLength = 1024 * 1024;

// The whole content of a file; none when the file does not exist. EDataStoreError when it
// exists and cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// The text of a data store file's content: unpacked when the content starts with an LHA header,
// otherwise the content itself. Damage to an archive raises EDataStoreError naming the file and
// the archive's message; an archive without the member "Vantaro.xml" does too.
std::string StoreTextOf(std::string content, const std::string& fileName);

// What a read found beside the objects.
struct CStoreReadResult {
    // The content of the HIDE_DATA line (empty when there is none after the OBJECT_STORE line).
    std::string hiddenIDs;
    // The ID of each object read and the line of its OBJECT line, in ID order.
    std::vector<std::pair<std::int32_t, int>> objectLines;

    // The line of the object's OBJECT line, or 0.
    int LineOf(std::int32_t id) const;
};

// Fills an empty store from the text of a data store: objects are made by the factory's
// CreateObject and take the property lines that follow their OBJECT line; the object named by
// ROOT_OBJECT_ID becomes the root, and without one the store ends empty. References are not
// resolved. Raises EDataStoreError (no OBJECT_STORE line, a line longer than
// kMaxStoreLineLength, an unknown class, an ID met twice) or EDataStoreConvertError (a missing
// or non-numeric ROOT_OBJECT_ID, an object ID that is not a number), each naming the file and
// the line; the store is then left empty.
CStoreReadResult ParseStoreText(std::string_view text, const std::string& fileName, CFactory& factory,
                                CObjectStore& store);

}  // namespace vantaro
