#include "domain/Summaries.h"

#include <cmath>
#include <vector>

#include "domain/Aptitudes.h"
#include "domain/Assessments.h"
#include "domain/People.h"
#include "domain/PlanItems.h"
#include "domain/PupilRecords.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "routines/IdentifierCaption.h"
#include "routines/NumberText.h"

namespace vantaro {
namespace {

bool IsLive(const CStored& object) { return object.Status() != StoredStatus::Deleted; }

std::string Joined(const std::vector<std::string>& texts, std::string_view separator) {
    std::string joined;
    for (const std::string& text : texts) {
        if (&text != &texts.front()) joined += separator;
        joined += text;
    }
    return joined;
}

}  // namespace

double AbsenceTotal(CPupil& pupil, bool authorised) {
    const std::string wanted = authorised ? "TRUE" : "FALSE";
    double total = 0;
    for (CAbsence* absence : MembersAs<CAbsence>(pupil, "ABSENCES")) {
        if (!IsLive(*absence)) continue;
        const std::string flag = absence->GetAttributeValue("AUTHORIZED");
        if (flag != "TRUE" && flag != "FALSE") absence->SetAttributeValue("AUTHORIZED", "FALSE");
        if (absence->GetAttributeValue("AUTHORIZED") != wanted) continue;
        if (const CStored* duration = absence->GetRelation("DURATION"))
            total += ReadStoredNumber(duration->GetAttributeValue("LENGTH"));
    }
    return total;
}

int NoteCount(const CPupil& pupil) {
    int count = 0;
    for (const CNote* note : MembersAs<CNote>(pupil, "NOTES"))
        if (IsLive(*note)) ++count;
    return count;
}

CCapability* NearestCapability(const COutcome& outcome, double score) {
    const CAptitude* aptitude = RelationAs<CAptitude>(outcome, "APTITUDE");
    if (!aptitude) return nullptr;
    CCapability* nearest = nullptr;
    double nearestDistance = 1000;
    for (CCapability* capability : MembersAs<CCapability>(*aptitude, "CAPABILITIES")) {
        const double capabilityScore =
            ReadStoredNumber(NumericChars(capability->GetAttributeValue("SCORE")));
        const double distance = std::fabs(capabilityScore - score);
        if (distance < nearestDistance) {
            nearest = capability;
            nearestDistance = distance;
        }
    }
    return nearest;
}

double AverageScore(const COutcome& outcome) {
    double sum = 0;
    int count = 0;
    for (int i = 0; i < outcome.LinkCount("ACHIEVEMENTS"); ++i) {
        const CLink* link = outcome.LinkItem("ACHIEVEMENTS", i);
        if (!link) continue;
        const auto* assessment = dynamic_cast<const CAssessment*>(link->Source());
        const auto* capability = dynamic_cast<const CCapability*>(link->Target());
        if (!assessment || !capability) continue;
        if (IsHiddenIn(outcome, assessment) || IsHiddenIn(outcome, capability)) continue;
        const CPupil* pupil = RelationAs<CPupil>(*assessment, "PUPIL");
        if (!pupil || IsHiddenIn(outcome, pupil)) continue;
        sum += ReadStoredNumber(capability->GetAttributeValue("SCORE"));
        ++count;
    }
    return count == 0 ? -1 : sum / count;
}

std::string NoteCategories(const CAssessment& assessment, const CStored* lessonPlan) {
    std::vector<std::string> categories;
    for (const CNote* note : MembersAs<CNote>(assessment, "NOTES")) {
        if (IsHiddenIn(assessment, note) || note->GetRelation("LESSON_PLAN") != lessonPlan) continue;
        const CStored* category = note->GetRelation("NOTE_CATEGORY");
        categories.push_back(category ? category->DisplayText() : IdentifierCaption("NO_CATEGORY"));
    }
    return Joined(categories, ",");
}

std::string StaffNames(const CStored& object, std::string_view association) {
    std::vector<std::string> names;
    for (const CStaff* staff : MembersAs<CStaff>(object, association))
        names.push_back(staff->DisplayText());
    return Joined(names, ", ");
}

std::string ObjectiveHeading(const CObjective& objective) {
    const CStored* category = RelationAs<CObjectiveCategory>(objective, "OBJECTIVE_CATEGORY");
    return category ? category->DisplayText() : IdentifierCaption("OBJECTIVE");
}

std::string OutcomeHeading(const COutcome& outcome) {
    const CStored* aptitude = RelationAs<CAptitude>(outcome, "APTITUDE");
    return aptitude ? aptitude->DisplayText() : IdentifierCaption("OUTCOME");
}

std::string ActivityHeading(const CActivity& activity) {
    std::vector<std::string> focus;
    for (const CStored* member : activity.AssociationItems("FOCUS"))
        if (dynamic_cast<const CSet*>(member) || dynamic_cast<const CActivityCategory*>(member) ||
            dynamic_cast<const CStaff*>(member))
            focus.push_back(member->DisplayText());
    const std::string heading = Joined(focus, ", ");
    return heading.empty() ? IdentifierCaption("ACTIVITY") : heading;
}

}  // namespace vantaro
