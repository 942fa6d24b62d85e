// vantaro-store info FILE: what a data store file holds, without changing it.
//
//   File: FILE
//   Packed: -lh5-            (or "no" for a plain text file)
//   Year: 2006/2007          (the root year's display text)
//   Hidden IDs: 12,7         (or "none")
//   Objects: 1234
//     CAbsence 3             (one line per class, by class name)

#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "domain/CRovanFactory.h"
#include "domain/Periods.h"
#include "lha/ArchiveInput.h"
#include "lha/BinaryFile.h"
#include "lha/LhaArchiveReader.h"
#include "lha/TCompLHA.h"
#include "tools/StoreFileArgs.h"

namespace vantaro::tool {
namespace {

// The method of the archive's first member, or nothing for a file that is not an archive.
std::optional<std::string> PackingMethod(const std::string& path) {
    if (!TCompLHA::IsArchive(path)) return std::nullopt;
    lha::BinaryFile file(path, lha::BinaryFile::Mode::Read);
    lha::FileArchiveInput input(file);
    std::string method;
    lha::ForEachMember(input, [&](const lha::MemberHeader& header) {
        method = header.method;
        return false;
    });
    return method;
}

int RunInfo(const VerbArgs& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "vantaro-store info: expected one data store file\n";
        return kExitBadInput;
    }
    const std::string& path = args[0];
    if (!IsStoreFileArgument("info", path, err)) return kExitBadInput;

    CRovanFactory factory;
    // The plain read: an empty file must show as empty, not as a new seeded year.
    factory.CFactory::Open(path);

    const std::optional<std::string> method = PackingMethod(path);
    const CYear* year = factory.Year();
    const std::string hidden = factory.GetHiddenIDs();
    std::map<std::string, int> perClass;
    for (int i = 0; i < factory.Objects().Count(); ++i) ++perClass[factory.Objects().Item(i)->ClassName()];

    out << "File: " << path << '\n'
        << "Packed: " << method.value_or("no") << '\n'
        << "Year: " << (year ? year->DisplayText() : std::string("none")) << '\n'
        << "Hidden IDs: " << (hidden.empty() ? std::string("none") : hidden) << '\n'
        << "Objects: " << factory.Objects().Count() << '\n';
    for (const auto& [className, count] : perClass) out << "  " << className << ' ' << count << '\n';
    return kExitOk;
}

const bool registered = RegisterVerb(
    {"info", "FILE", "show the year, the packing, the hidden IDs and the objects per class of a data store",
     RunInfo});

}  // namespace
}  // namespace vantaro::tool
