#include "domain/PupilAllocation.h"

#include <algorithm>
#include <set>

#include "domain/Assessments.h"
#include "domain/Lookups.h"
#include "domain/People.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "factory/CFactory.h"
#include "routines/NumberText.h"
#include "routines/XMLRoutines.h"

namespace vantaro {

std::string AssessedPupilIds(const CSubject& subject) {
    std::string ids;
    for (const CAssessment* assessment : ShownMembers<CAssessment>(subject, "ASSESSMENTS")) {
        if (assessment->Status() == StoredStatus::Deleted) continue;
        const CPupil* pupil = RelationAs<CPupil>(*assessment, "PUPIL");
        if (!pupil || IsHiddenIn(subject, pupil)) continue;
        if (!ids.empty()) ids += ',';
        ids += std::to_string(pupil->ID());
    }
    return ids;
}

void ApplyPupilSelection(CSubject& subject, std::string_view chosenIds, const std::vector<const CStored*>& offered) {
    std::vector<std::int32_t> chosen;
    ForEachListItem(chosenIds, [&chosen](std::string_view id) {
        long long value = 0;
        if (TryReadInteger(id, value)) chosen.push_back(static_cast<std::int32_t>(value));
    });
    const std::set<std::int32_t> chosenSet(chosen.begin(), chosen.end());
    const std::set<const CStored*> offeredSet(offered.begin(), offered.end());
    for (CAssessment* assessment : MembersAs<CAssessment>(subject, "ASSESSMENTS")) {
        const CStored* pupil = assessment->GetRelation("PUPIL");
        const bool dropped = !pupil || (offeredSet.contains(pupil) && !chosenSet.contains(pupil->ID()));
        if (dropped && assessment->Status() != StoredStatus::Deleted) assessment->Delete();
    }
    const CFactory* factory = subject.GetFactory();
    for (std::int32_t id : chosen) {
        CStored* pupil = factory ? factory->FindObject(id) : nullptr;
        if (dynamic_cast<CPupil*>(pupil)) AssessmentFor(subject, pupil, true);
    }
}

}  // namespace vantaro
