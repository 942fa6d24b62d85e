// vantaro-store copy FILE OUT [--plain]: opens the data store and saves it under OUT as Save As
// does (permanent IDs, a ".~ods" copy of an existing OUT, the read-back proof), packed unless
// --plain is given.

#include <ostream>

#include "domain/CRovanFactory.h"
#include "tools/StoreFileArgs.h"

namespace vantaro::tool {
namespace {

int RunCopy(const VerbArgs& args, std::ostream&, std::ostream& err) {
    const bool plain = args.size() == 3 && args[2] == "--plain";
    if (args.size() != 2 && !plain) {
        err << "vantaro-store copy: expected FILE OUT [--plain]\n";
        return kExitBadInput;
    }
    if (!IsStoreFileArgument("copy", args[0], err)) return kExitBadInput;

    CRovanFactory factory;
    // The plain read: a store that holds nothing is copied as it is, not as a new seeded year.
    factory.CFactory::Open(args[0]);
    ReportSkipped("copy", factory, err);
    factory.Settings().CompressDatastore = !plain;
    factory.EmptyTrash();
    factory.Save(args[1]);
    return kExitOk;
}

const bool registered = RegisterVerb(
    {"copy", "FILE OUT [--plain]", "Saves the data store under OUT as Save As does, packed unless --plain.",
     RunCopy});

}  // namespace
}  // namespace vantaro::tool
