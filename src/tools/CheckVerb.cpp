// vantaro-store check FILE [--repair]: the referential integrity check of a data store.
//
//   ADOPTION 0
//   SURROGATE 1
//   ORPHAN 0
//   DUPLICATE 1
//
// With --repair the errors are repaired and the store is saved over FILE in its own packing,
// keeping the previous file as ".~ods". The check writes its records to DebugLog.txt in the
// current folder. Exit status 1 when errors were found and not repaired.

#include <ostream>

#include "domain/CRovanFactory.h"
#include "lha/TCompLHA.h"
#include "tools/StoreFileArgs.h"

namespace vantaro::tool {
namespace {

int RunCheck(const VerbArgs& args, std::ostream& out, std::ostream& err) {
    const bool repair = args.size() == 2 && args[1] == "--repair";
    if (args.size() != 1 && !repair) {
        err << "vantaro-store check: expected FILE [--repair]\n";
        return kExitBadInput;
    }
    const std::string& path = args[0];
    if (!IsStoreFileArgument("check", path, err)) return kExitBadInput;

    CRovanFactory factory;
    factory.CFactory::Open(path);
    ReportSkipped("check", factory, err);
    const CFactory::IntegrityCounts counts = factory.FindIntegrityErrors();
    out << "ADOPTION " << counts.adoptions << "\nSURROGATE " << counts.surrogates << "\nORPHAN "
        << counts.orphans << "\nDUPLICATE " << counts.duplicates << '\n';
    if (!counts.logFailure.empty()) err << "vantaro-store check: " << counts.logFailure << '\n';
    if (counts.Total() == 0) return kExitOk;
    if (!repair) return kExitErrorsFound;

    factory.RepairAdoptions();
    factory.RepairSurrogates();
    factory.RepairOrphans();
    factory.RepairDuplicates();
    factory.EmptyTrash();
    factory.Settings().CompressDatastore = TCompLHA::IsArchive(path);
    factory.Save(path);
    return kExitOk;
}

const bool registered = RegisterVerb(
    {"check", "FILE [--repair]",
     "Counts the integrity errors (ADOPTION, SURROGATE, ORPHAN, DUPLICATE); --repair repairs them and saves.",
     RunCheck});

}  // namespace
}  // namespace vantaro::tool
