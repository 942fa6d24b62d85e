#include "domain/Lookups.h"

#include "domain/Assessments.h"
#include "domain/Curricula.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/Plans.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "domain/Timetable.h"

namespace vantaro {
namespace {

constexpr int kMonday = 1;
constexpr int kSunday = 7;

// The curriculum of the assessment's subject: the parent of the attainment that owns the
// subject's first curriculum level. Null wherever the chain breaks.
CCurriculum* CurriculumOf(const CAssessment& assessment) {
    const CSubject* subject = RelationAs<CSubject>(assessment, "SUBJECT");
    if (!subject || subject->AssociationCount("CURRICULUM_LEVELS") == 0) return nullptr;
    const CStored* level = subject->AssociationItem("CURRICULUM_LEVELS", 0);
    CStored* attainment = level ? dynamic_cast<CAttainment*>(level->GetParent()) : nullptr;
    return attainment ? dynamic_cast<CCurriculum*>(attainment->GetParent()) : nullptr;
}

void MoveToTrash(CStored& object) {
    if (CFactory* factory = object.GetFactory()) factory->MoveToTrash(&object);
}

}  // namespace

// A plan in the trash is passed over even where deleted objects are shown: a lesson plan filed
// under it would be destroyed with it when the trash is emptied.
CLongTermPlan* LongTermPlanOf(CSubject& subject, bool create) {
    for (CStored* plan : subject.AssociationItems("LONG_TERM_PLANS"))
        if (!IsHiddenIn(subject, plan) && plan->Status() != StoredStatus::Deleted)
            return dynamic_cast<CLongTermPlan*>(plan);
    return create ? subject.NewLongTermPlan() : nullptr;
}

CLessonPlan* LessonPlanFor(CSubject& subject, CDay* day, bool create) {
    CLongTermPlan* longTermPlan = LongTermPlanOf(subject, create);
    if (!longTermPlan) return nullptr;
    for (CLessonPlan* plan : MembersAs<CLessonPlan>(*longTermPlan, "LESSON_PLANS"))
        if (plan->GetRelation("DAY") == day && !IsHiddenIn(*longTermPlan, plan)) return plan;
    if (!create) return nullptr;
    CLessonPlan* plan = longTermPlan->NewLessonPlan();
    plan->SetRelation("DAY", day);
    return plan;
}

CStored* PeriodOf(const CStored& plan) {
    if (dynamic_cast<const CMedimumTermPlan*>(&plan)) return plan.GetRelation("TERM");
    if (dynamic_cast<const CLessonPlan*>(&plan)) return plan.GetRelation("DAY");
    return nullptr;
}

CAssessment* AssessmentFor(CSubject& subject, CStored* pupil, bool create) {
    for (CAssessment* assessment : MembersAs<CAssessment>(subject, "ASSESSMENTS"))
        if (!IsHiddenIn(subject, assessment) && assessment->GetRelation("PUPIL") == pupil)
            return assessment;
    return create ? subject.NewAssessment(pupil) : nullptr;
}

std::string PupilIdList(const CSubject& subject) {
    const std::vector<CAssessment*> assessments = MembersAs<CAssessment>(subject, "ASSESSMENTS");
    std::string ids;
    for (auto assessment = assessments.rbegin(); assessment != assessments.rend(); ++assessment) {
        if (IsHiddenIn(subject, *assessment)) continue;
        const CPupil* pupil = RelationAs<CPupil>(**assessment, "PUPIL");
        if (!pupil) continue;
        if (!ids.empty()) ids += ",";
        ids += std::to_string(pupil->ID());
    }
    return ids;
}

CAttainmentTarget* AttainmentTargetFor(CAssessment& assessment, CStored* attainment,
                                       bool create) {
    for (CAttainmentTarget* target : MembersAs<CAttainmentTarget>(assessment, "ATTAINMENT_TARGETS"))
        if (!IsHiddenIn(assessment, target) && target->GetRelation("ATTAINMENT") == attainment)
            return target;
    if (!create) return nullptr;
    CAttainmentTarget* target = assessment.NewAttainmentTarget();
    target->SetRelation("ATTAINMENT", attainment);
    return target;
}

void EnsureAttainmentTargets(CAssessment& assessment) {
    const CCurriculum* curriculum = CurriculumOf(assessment);
    if (!curriculum || curriculum->AssociationCount("ATTAINMENTS") == 0) {
        AttainmentTargetFor(assessment, nullptr, true);
        return;
    }
    CAttainmentTarget* general = AttainmentTargetFor(assessment, nullptr, false);
    for (CStored* attainment : curriculum->AssociationItems("ATTAINMENTS")) {
        // A target that already exists keeps the gradings the teacher gave it.
        if (AttainmentTargetFor(assessment, attainment, false)) continue;
        CAttainmentTarget* target = AttainmentTargetFor(assessment, attainment, true);
        if (!general) continue;
        for (const char* grading : {"INITIAL_GRADING", "TARGET_GRADING", "FINAL_GRADING"})
            target->SetAttributeValue(grading, general->GetAttributeValue(grading));
    }
    if (general) MoveToTrash(*general);
}

void RemoveTargets(CSubject& subject) {
    for (CAssessment* assessment : MembersAs<CAssessment>(subject, "ASSESSMENTS"))
        for (CAttainmentTarget* target :
             MembersAs<CAttainmentTarget>(*assessment, "ATTAINMENT_TARGETS"))
            MoveToTrash(*target);
}

CTeachingDay* TeachingDayOf(CYear& year, int dayNumber, bool create) {
    for (CTeachingDay* teachingDay : MembersAs<CTeachingDay>(year, "TEACHING_DAYS"))
        if (teachingDay->DayNumber() == dayNumber) return teachingDay;
    if (!create || dayNumber < kMonday || dayNumber > kSunday) return nullptr;
    CTeachingDay* teachingDay = year.NewTeachingDay();
    teachingDay->SetAttributeValue("DAY_OF_WEEK", std::to_string(dayNumber));
    return teachingDay;
}

void SetTeachingDay(CYear& year, int dayNumber, bool include) {
    if (CTeachingDay* teachingDay = TeachingDayOf(year, dayNumber, true))
        teachingDay->SetAttributeValue("INCLUDE_IN_LESSON_PLANING", include ? "TRUE" : "FALSE");
}

}  // namespace vantaro
