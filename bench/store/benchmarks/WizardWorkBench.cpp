// bench_wizard_work: the work behind two wizards on the generated school-size year. A pupil list
// of 2,000 lines (names, genders, dates of birth, forms; a tenth of them pupils the year already
// has) is read, built in a scratch store, checked against the year and copied in, as the pupil
// import does from its file to Finish; and a search of the planning organiser and one of the
// report organiser run over the whole store. Milliseconds beside their budgets, best of three.
//
// Usage: bench_wizard_work

#include <algorithm>
#include <string>
#include <vector>

#include "domain/CRovanFactory.h"
#include "domain/OrganiserSearch.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/PupilListImport.h"
#include "domain/StoredAccess.h"
#include "routines/CsvText.h"
#include "routines/Platform.h"
#include "store/BenchSupport.h"
#include "store/StoreFiles.h"

namespace vantaro::bench {
namespace {

constexpr double kImportBudget = 1000;  // milliseconds for a 2,000-line pupil list
constexpr double kSearchBudget = 1000;  // milliseconds for a search of the school-size store
constexpr double kMilliseconds = 1000;
constexpr int kLines = 2000;

// The file's bytes: every tenth line a pupil of the year, the rest new pupils in 20 forms.
std::string PupilListFile(const CYear& year) {
    const std::vector<CPupil*> pupils = MembersAs<CPupil>(year, "PUPILS");
    std::string file = "\xEF\xBB\xBF" "First Name,Initial,Last Name,Gender,DOB,Form\r\n";
    for (int line = 0; line < kLines; ++line) {
        if (line % 10 == 0 && !pupils.empty()) {
            const CPupil& known = *pupils[line % pupils.size()];
            file += known.GetAttributeText("FIRST_NAME") + ",," + known.GetAttributeText("LAST_NAME") + ",,,\r\n";
            continue;
        }
        file += "Pupil" + std::to_string(line) + ",A,\"Family, " + std::to_string(line % 300) + "\"," +
                (line % 2 ? "female" : "MALE") + ",0" + std::to_string(1 + line % 9) + "/03/2010,Imported " +
                std::to_string(line % 20) + "\r\n";
    }
    return file;
}

int Run(int, char**) {
    NoPrompts prompts;
    const ScopedPlatform platform({nullptr, nullptr, &prompts});
    const StoreFiles files = GeneratedStoreFiles(*ShapeNamed("school"));
    OpenedMainFactory opened(files.packed);
    CRovanFactory& factory = opened.factory;
    const std::string bytes = PupilListFile(*factory.Year());

    int imported = 0;
    double import = 0;
    for (int run = 0; run < 3; ++run) {
        factory.Open(files.packed.string());  // each run imports into the year as it was
        const double once = BestTime(1, [&] {
            CYear& year = *factory.Year();
            const std::size_t before = year.AssociationItems("PUPILS").size();
            const TextFileLines text = DecodeTextLines(bytes);
            std::vector<NumberedLine> lines;
            for (std::size_t i = 1; i < text.lines.size(); ++i) lines.push_back({static_cast<int>(i) + 1, text.lines[i]});
            CRovanFactory scratch;
            CYear& scratchYear = *scratch.NewDataStore(false);
            BuildScratchPupils(scratchYear, lines);
            DropExistingFromScratch(scratchYear, year);
            std::vector<CStored*> chosen;
            for (const char* association : {"FORMS", "PUPILS"})
                for (CStored* object : scratchYear.AssociationItems(association)) chosen.push_back(object);
            CopyChosenIntoYear(chosen, year);
            imported = static_cast<int>(year.AssociationItems("PUPILS").size() - before);
        });
        import = run == 0 ? once : std::min(import, once);
    }
    PrintAgainstBudget("pupil import, " + std::to_string(kLines) + " lines, " + std::to_string(imported) +
                           " new pupils (school)",
                       import * kMilliseconds, kImportBudget);

    factory.Open(files.packed.string());
    const std::string lastName = factory.Year()->AssociationItem("PUPILS", 0)->GetAttributeText("LAST_NAME");
    for (const auto& [name, search] :
         {std::pair{"planning search, every part of every plan", OrganiserSearch{SearchedOrganiser::Planning, 15, {"the"}}},
          {"report search, every pupil's name", OrganiserSearch{SearchedOrganiser::Report, kSearchPupilNames, {lastName}}}}) {
        std::size_t results = 0;
        const double searched = BestTime(3, [&] { results = SearchOrganisers(factory, search).size(); });
        PrintAgainstBudget(std::string(name) + ", " + std::to_string(results) + " results (school)",
                           searched * kMilliseconds, kSearchBudget);
    }
    return 0;
}

}  // namespace
}  // namespace vantaro::bench

int main(int argc, char** argv) {
    return vantaro::bench::RunBenchmark("bench_wizard_work", vantaro::bench::Run, argc, argv);
}
