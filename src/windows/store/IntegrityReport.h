#pragma once

#include <string>
#include <vector>

#include "factory/CFactory.h"

namespace vantaro {

// What Check RI tells the teacher: the number of objects verified and the four error counts;
// when there are errors, the objects Fix will remove (the first few by class and path text, then
// how many more) and where the details were logged.
struct IntegrityFindings {
    int objectCount = 0;
    CFactory::IntegrityCounts counts;
    std::vector<std::string> removals;  // "Pupil\tSmith, Ann", one per object Fix removes
    std::string logPath;                // the debug log the details went to
};

inline constexpr std::size_t kRemovalsListed = 10;

// The findings of the check just run on the factory, before any repair.
IntegrityFindings GatherIntegrityFindings(CFactory& factory, const CFactory::IntegrityCounts& counts,
                                          std::string logPath);
std::string IntegrityReportText(const IntegrityFindings& findings);

}  // namespace vantaro
