#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "factory/CFactory.h"
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

// One line on err per kind of object the open left out of the file.
inline void ReportSkipped(const std::string& verb, const CFactory& factory, std::ostream& err) {
    for (const std::string& line : factory.SkippedOnOpen().Lines())
        err << "vantaro-store " << verb << ": left out " << line << '\n';
}

}  // namespace vantaro::tool
