#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantaro {

class CObjectStore;
class CStored;

// Whether an object goes into the data store file: deleted and transient objects do not. Saving
// gives permanent IDs to exactly these.
bool IsWritten(const CStored& object);

// The whole text of a data store file for the objects of a store, in store order, leaving out
// deleted and transient objects. A raw carriage return or line feed in a line is written as
// "&#13;&#10;", so no value can split its line. Raises EInOutError when a line would be longer
// than a reader accepts (kMaxStoreLineLength), so no file is written that cannot be read back.
std::string BuildStoreText(const CObjectStore& store, std::int32_t rootID, std::string_view hiddenIDs);

}  // namespace vantaro
