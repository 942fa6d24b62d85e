#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace vantaro {

class CStored;

// The 37 class names a data store file may name, in table order.
const std::vector<std::string_view>& StoredClassNames();

// A new object of the class with exactly that name, with no parent and the given ID; null for
// a name not in the table (the abstract classes among them).
std::unique_ptr<CStored> CreateStoredObject(std::string_view className, std::int32_t id);

// The association of its parent that lists an object of the class; empty for a year and for a
// name not in the table.
std::string_view CollectionOf(std::string_view className);

}  // namespace vantaro
