// vantaro-store unpack FILE [OUT]: the plain text of a data store file, packed or plain, as the
// store reader takes it; to OUT, or to standard output. A damaged archive is an error, not text.

#include <fstream>
#include <ostream>

#include "factory/DataStoreReader.h"
#include "tools/StoreFileArgs.h"

namespace vantaro::tool {
namespace {

int RunUnpack(const VerbArgs& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args.size() > 2) {
        err << "vantaro-store unpack: expected FILE [OUT]\n";
        return kExitBadInput;
    }
    std::optional<std::string> content = ReadWholeFile(args[0]);
    if (!content) {
        err << "vantaro-store unpack: no such file: " << args[0] << '\n';
        return kExitBadInput;
    }
    const std::string text = StoreTextOf(std::move(*content), args[0]);
    if (args.size() == 1) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        return kExitOk;
    }
    std::ofstream file(args[1], std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file) {
        err << "vantaro-store unpack: cannot write " << args[1] << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

const bool registered = RegisterVerb(
    {"unpack", "FILE [OUT]", "Writes the plain text of a packed or plain data store to OUT or standard output.",
     RunUnpack});

}  // namespace
}  // namespace vantaro::tool
