#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantaro {

class CStored;
class CSubject;

// Which pupils are assessed in a subject: the pupil selection window's work, without the window.

// The IDs of the shown pupils of the subject's live, shown assessments, in assessment order,
// comma separated: the allocation another subject can copy.
std::string AssessedPupilIds(const CSubject& subject);

// Makes the subject's assessments follow the chosen pupils (a comma list of IDs, compared whole).
// An offered pupil who is not chosen loses the assessment (deleted, with its targets, notes and
// report; not kept in the trash), as does an assessment without a pupil; a chosen pupil without
// one gets one. Pupils that were not offered keep what they have.
void ApplyPupilSelection(CSubject& subject, std::string_view chosenIds, const std::vector<const CStored*>& offered);

}  // namespace vantaro
