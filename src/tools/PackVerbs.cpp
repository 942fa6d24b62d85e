// vantaro-store pack TEXT OUT / extract ARCHIVE OUT: the data store's own packing, from the
// command line.

#include <ostream>

#include "factory/StoreArchive.h"
#include "lha/TCompLHA.h"
#include "tools/StoreVerb.h"

namespace vantaro::tool {
namespace {

bool WrongArguments(const VerbArgs& args, const char* verb, const char* usage, std::ostream& err) {
    if (args.size() == 2) return false;
    err << "vantaro-store " << verb << ": expected " << usage << '\n';
    return true;
}

int RunPack(const VerbArgs& args, std::ostream&, std::ostream& err) {
    if (WrongArguments(args, "pack", "TEXT OUT", err)) return kExitBadInput;
    TCompLHA archiver;
    archiver.PackFile(args[0], args[1], kStoreMemberName);
    return kExitOk;
}

int RunExtract(const VerbArgs& args, std::ostream&, std::ostream& err) {
    if (WrongArguments(args, "extract", "ARCHIVE OUT", err)) return kExitBadInput;
    if (!TCompLHA::IsArchive(args[0])) {
        err << "vantaro-store extract: " << args[0] << " is not an LHA archive\n";
        return kExitBadInput;
    }
    TCompLHA archiver;
    if (!archiver.ExtractFile(args[0], kStoreMemberName, args[1])) {
        err << "vantaro-store extract: " << args[0] << " holds no member " << kStoreMemberName << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

const bool packRegistered = RegisterVerb(
    {"pack", "TEXT OUT", "Packs the text into a new LHA archive as the member Vantaro.xml.", RunPack});
const bool extractRegistered = RegisterVerb(
    {"extract", "ARCHIVE OUT", "Extracts the member Vantaro.xml of an LHA archive into OUT.", RunExtract});

}  // namespace
}  // namespace vantaro::tool
