// vantaro-store new [--seed] FILE: writes a new data store holding an empty year, or with
// --seed the year a new data store starts with in the program.

#include <filesystem>
#include <ostream>
#include <string>

#include "domain/CRovanFactory.h"
#include "tools/StoreVerb.h"

namespace vantaro::tool {
namespace {

int RunNew(const VerbArgs& args, std::ostream& out, std::ostream& err) {
    bool seed = false;
    std::string path;
    for (const std::string& arg : args) {
        if (arg == "--seed" && !seed) {
            seed = true;
        } else if (path.empty() && !arg.starts_with("--")) {
            path = arg;
        } else {
            err << "vantaro-store new: unexpected argument \"" << arg << "\"\n";
            return kExitBadInput;
        }
    }
    if (path.empty()) {
        err << "vantaro-store new: expected the data store file to write\n";
        return kExitBadInput;
    }
    if (std::filesystem::path(path).extension() != ".ods") {
        err << "vantaro-store new: a data store file ends in .ods: " << path << '\n';
        return kExitBadInput;
    }
    if (std::filesystem::exists(path)) {
        err << "vantaro-store new: will not replace an existing file: " << path << '\n';
        return kExitBadInput;
    }

    CRovanFactory factory;
    factory.Settings().CompressDatastore = true;
    factory.NewDataStore(seed);
    factory.Save(path);
    out << "Wrote " << path << ": " << factory.Objects().Count() << " objects\n";
    return kExitOk;
}

const bool registered = RegisterVerb(
    {"new", "[--seed] FILE",
     "write a new data store: an empty year, or with --seed the standard vocabulary", RunNew});

}  // namespace
}  // namespace vantaro::tool
