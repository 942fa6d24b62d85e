#include "routines/IdentifierCaption.h"

#include "routines/Words.h"

namespace vantaro {

std::string IdentifierCaption(std::string_view identifier) {
    if (identifier == "OK") return "OK";
    return Capitalise(UnderscoresToSpaces(identifier));
}

}  // namespace vantaro
