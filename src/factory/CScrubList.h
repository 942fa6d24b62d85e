#pragma once

#include <map>
#include <string>

#include "factory/StoredRef.h"

namespace vantaro {

class CStored;

// The path texts of the objects met by the integrity check, sorted byte by byte, duplicates
// allowed, each with its object. Refers to the objects without owning them.
class CScrubList {
public:
    // Adds the object's PathText; among equal texts the new entry goes first. False when the
    // entry right after it has the same text and an object of the same class: a duplicate.
    bool AddPath(const CStored* object);
    void Clear() { entries_.clear(); }
    int Count() const { return static_cast<int>(entries_.size()); }

private:
    std::multimap<std::string, StoredRef> entries_;
};

}  // namespace vantaro
