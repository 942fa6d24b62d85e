#include "domain/OrganiserSearch.h"

#include <algorithm>
#include <span>
#include <unordered_set>

#include "domain/Assessments.h"
#include "domain/People.h"
#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "factory/CFactory.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

bool IsLive(const CStored* object) { return object && object->Status() != StoredStatus::Deleted; }

struct Examined {
    const char* className;
    int flag;
    const char* attribute;  // the stored text tested; empty for the display text
    bool resultIsParent;
};

constexpr Examined kPlanning[] = {{"CObjective", kSearchObjectives, "DESCRIPTION", true},
                                  {"CActivity", kSearchActivities, "DESCRIPTION", true},
                                  {"COutcome", kSearchOutcomes, "DESCRIPTION", true},
                                  {"CLessonPlan", kSearchEvaluations, "EVALUATION", false}};
constexpr Examined kAssessment[] = {{"CAssessment", kSearchPupilNames, "", false}};
constexpr Examined kReport[] = {{"CPupil", kSearchPupilNames, "", false}};

std::span<const Examined> ExaminedFor(SearchedOrganiser organiser) {
    switch (organiser) {
        case SearchedOrganiser::Planning: return kPlanning;
        case SearchedOrganiser::Assessment: return kAssessment;
        case SearchedOrganiser::Report: return kReport;
    }
    return {};
}

}  // namespace

std::vector<SearchResult> SearchOrganisers(const CFactory& factory, const OrganiserSearch& search) {
    std::vector<SearchResult> results;
    std::unordered_set<const CStored*> listed;
    const CObjectStore& store = factory.Objects();
    for (int i = 0; i < store.Count(); ++i) {
        CStored* object = store.Item(i);
        if (!IsLive(object)) continue;
        for (const Examined& examined : ExaminedFor(search.organiser)) {
            if (!(search.flags & examined.flag) || object->ClassName() != examined.className) continue;
            const std::string text =
                *examined.attribute ? object->GetAttributeValue(examined.attribute) : object->DisplayText();
            if (!MatchKeywords(search.phrases, text, search.allRequired, search.caseSensitive)) continue;
            CStored* result = examined.resultIsParent ? object->GetRelation("PARENT") : object;
            if (!IsLive(result) || (examined.resultIsParent && !dynamic_cast<CPlan*>(result))) continue;
            if (listed.insert(result).second)
                results.push_back({search.organiser == SearchedOrganiser::Report ? result->DisplayText() : result->SortKey(),
                                   result});
        }
    }
    std::stable_sort(results.begin(), results.end(),
                     [](const SearchResult& a, const SearchResult& b) { return a.key < b.key; });
    return results;
}

}  // namespace vantaro
