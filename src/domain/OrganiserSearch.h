#pragma once

#include <string>
#include <vector>

namespace vantaro {

class CFactory;
class CStored;

// What the search wizard looks in: the plans' objectives, activities, outcomes and evaluations,
// or the pupils' names.
enum SearchFlag { kSearchObjectives = 1, kSearchActivities = 2, kSearchOutcomes = 4, kSearchEvaluations = 8,
                  kSearchPupilNames = 16 };
enum class SearchedOrganiser { Planning = 0, Assessment = 1, Report = 2 };

struct SearchResult {
    std::string key;
    CStored* object = nullptr;
};

struct OrganiserSearch {
    SearchedOrganiser organiser = SearchedOrganiser::Planning;
    int flags = 0;
    std::vector<std::string> phrases;
    bool allRequired = false;
    bool caseSensitive = false;
};

// The live objects of the store whose texts match the phrases as whole words: lesson plans (of
// their objectives, activities, outcomes or evaluation) for planning, assessments for assessment,
// pupils for report. One result per object, sorted by key (the plan's or assessment's sort key,
// the pupil's name); objects that are deleted, or whose plan is, are left out.
std::vector<SearchResult> SearchOrganisers(const CFactory& factory, const OrganiserSearch& search);

}  // namespace vantaro
