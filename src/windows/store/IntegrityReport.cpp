#include "windows/store/IntegrityReport.h"

#include "factory/CStored.h"
#include "routines/Words.h"

namespace vantaro {
namespace {

constexpr const char* kLine = "\r\n";

void CountLine(std::string& text, const char* label, int count) {
    text.append("\t").append(label).append("\t").append(std::to_string(count)).append(kLine);
}

}  // namespace

IntegrityFindings GatherIntegrityFindings(CFactory& factory, const CFactory::IntegrityCounts& counts,
                                          std::string logPath) {
    IntegrityFindings findings{factory.Objects().Count(), counts, {}, std::move(logPath)};
    for (const CStored* object : factory.ObjectsRepairsRemove())
        findings.removals.push_back(ClassWords(object->ClassName()) + "\t" + object->PathText());
    return findings;
}

std::string IntegrityReportText(const IntegrityFindings& findings) {
    const CFactory::IntegrityCounts& counts = findings.counts;
    std::string text = std::to_string(findings.objectCount) + " Objects Verfirifed" + kLine;
    CountLine(text, "Adoption Count:", counts.adoptions);
    CountLine(text, "Surrogate Count:", counts.surrogates);
    CountLine(text, "Orphan Count:", counts.orphans);
    CountLine(text, "Duplicate Count:", counts.duplicates);
    if (counts.Total() == 0) return text;

    if (!findings.removals.empty()) {
        text.append(kLine).append("Fix will remove these objects, with everything they own:").append(kLine);
        text.append(ListedLines(findings.removals, kRemovalsListed, "\t"));
    }
    text.append(kLine);
    if (counts.logFailure.empty())
        text.append("The details were written to ").append(findings.logPath).append(".");
    else
        text.append("The details could not be written to ").append(findings.logPath).append(": ").append(counts.logFailure).append(".");
    return text;
}

}  // namespace vantaro
