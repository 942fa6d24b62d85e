#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "tools/StoreVerb.h"

namespace vantaro::tool {

// A data store file named on the command line: an existing file with the extension ".ods".
// Says why not on err and returns false otherwise.
inline bool IsStoreFileArgument(const std::string& verb, const std::string& path, std::ostream& err) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        err << "vantaro-store " << verb << ": no such file: " << path << '\n';
        return false;
    }
    if (std::filesystem::path(path).extension() != ".ods") {
        err << "vantaro-store " << verb << ": not a data store file (.ods): " << path << '\n';
        return false;
    }
    return true;
}

}  // namespace vantaro::tool
