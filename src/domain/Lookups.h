#pragma once

#include <string>

namespace vantaro {

class CAssessment;
class CAttainment;
class CAttainmentTarget;
class CDay;
class CLessonPlan;
class CLongTermPlan;
class CPupil;
class CStored;
class CSubject;
class CTeachingDay;
class CYear;

// Finding, and on request making, the plans, assessments, targets and teaching days the windows
// work on. A lookup answers null when the object sought is missing, hidden or of another class;
// with create unset it makes nothing. None of them shows a message.

// The subject's first long-term plan that is neither hidden nor deleted; a new one when it has
// none and create is set. Null when that first plan is not a long-term plan.
CLongTermPlan* LongTermPlanOf(CSubject& subject, bool create);
// The subject's live lesson plan on the day.
CLessonPlan* LessonPlanFor(CSubject& subject, CDay* day, bool create);
// A medium-term plan's TERM, a lesson plan's DAY; null for anything else.
CStored* PeriodOf(const CStored& plan);
// The subject's live assessment of the pupil.
CAssessment* AssessmentFor(CSubject& subject, CStored* pupil, bool create);
// The IDs of the pupils of the subject's live assessments, comma separated, last assessment first.
std::string PupilIdList(const CSubject& subject);
// The assessment's live target of the attainment; null asks for the general target, the one
// without an attainment.
CAttainmentTarget* AttainmentTargetFor(CAssessment& assessment, CStored* attainment,
                                       bool create);
// Gives the assessment one target per attainment of its subject's curriculum, copying the
// gradings of a general target into each target it makes (never into one that exists) and then
// trashing the general target. Without a curriculum, makes sure
// the general target exists.
void EnsureAttainmentTargets(CAssessment& assessment);
// Trashes every attainment target of the subject's assessments.
void RemoveTargets(CSubject& subject);
// The year's teaching day with that number (1 Monday to 7 Sunday); a new one for a number from
// 1 to 7 when there is none and create is set.
CTeachingDay* TeachingDayOf(CYear& year, int dayNumber, bool create);
// Whether lessons are planned on that weekday; makes its teaching day when missing.
void SetTeachingDay(CYear& year, int dayNumber, bool include);

}  // namespace vantaro
