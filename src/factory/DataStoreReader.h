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

// Objects a read left out: those of a class the application does not know, by class name, and
// those whose ID an earlier object of the file already had.
struct CSkippedObjects {
    std::vector<std::pair<std::string, int>> unknownClasses;  // in the order first met
    int duplicateIDs = 0;

    bool Any() const { return !unknownClasses.empty() || duplicateIDs > 0; }
    int Count() const;
    void AddUnknownClass(const std::string& className);
    // One line per kind left out, such as "2 objects of the unknown class CLetter".
    std::vector<std::string> Lines() const;
};

// What a read found beside the objects.
struct CStoreReadResult {
    // The content of the HIDE_DATA line (empty when there is none after the OBJECT_STORE line).
    std::string hiddenIDs;
    // The ID of each object read and the line of its OBJECT line, in ID order.
    std::vector<std::pair<std::int32_t, int>> objectLines;
    CSkippedObjects skipped;

    // The line of the object's OBJECT line, or 0.
    int LineOf(std::int32_t id) const;
};

// Fills an empty store from the text of a data store: objects are made by the factory's
// CreateObject and take the property lines that follow their OBJECT line; the object named by
// ROOT_OBJECT_ID becomes the root, and without one the store ends empty. References are not
// resolved. An object of a class the factory does not know is skipped with its lines; a second
// object with an ID already read takes its lines and is dropped; both are counted in the result.
// Raises EDataStoreError (no OBJECT_STORE line, a file cut short, a line longer than
// kMaxStoreLineLength) or EDataStoreConvertError (a missing or non-numeric ROOT_OBJECT_ID, an
// object ID that is not a number), each naming the file and the line; the store is then left
// empty.
CStoreReadResult ParseStoreText(std::string_view text, const std::string& fileName, CFactory& factory,
                                CObjectStore& store);

}  // namespace vantaro
