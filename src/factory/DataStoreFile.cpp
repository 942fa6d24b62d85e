#include "factory/CFactory.h"
#include "routines/Errors.h"

namespace vantaro {

// Reading a data store file arrives with the data store file code; until then an open fails
// plainly and changes nothing.
void CFactory::Open(const std::string& path) {
    throw EInOutError("Cannot open " + path + ": reading data store files is not available");
}

}  // namespace vantaro
