#pragma once

#include <string>
#include <string_view>

namespace vantaro {

class CActivity;
class CAssessment;
class CCapability;
class CObjective;
class COutcome;
class CPupil;
class CStored;

// The small computations and headings the organisers and data windows show.

// Days of absence of the pupil's live absences, authorised or not. An AUTHORIZED that is
// neither "TRUE" nor "FALSE" is first set to "FALSE"; absences without a duration add nothing.
double AbsenceTotal(CPupil& pupil, bool authorised);
// The pupil's live notes.
int NoteCount(const CPupil& pupil);
// The capability of the outcome's aptitude whose score is nearest; the first of equally near
// ones. Null without aptitude or capabilities.
CCapability* NearestCapability(const COutcome& outcome, double score);
// The mean score of the capabilities the outcome's visible pupils reached; -1 when none did.
double AverageScore(const COutcome& outcome);
// The categories of the assessment's visible notes written in the lesson, comma separated.
std::string NoteCategories(const CAssessment& assessment, const CStored* lessonPlan);
// The display texts of the staff in the association, separated by ", ".
std::string StaffNames(const CStored& object, std::string_view association);

// The objective's category, or "Objective".
std::string ObjectiveHeading(const CObjective& objective);
// The outcome's aptitude, or "Outcome".
std::string OutcomeHeading(const COutcome& outcome);
// The sets, activity categories and staff the activity is aimed at, or "Activity".
std::string ActivityHeading(const CActivity& activity);

}  // namespace vantaro
