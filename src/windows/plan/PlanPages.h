#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "domain/StoredAccess.h"

namespace vantaro {

class CCapability;

// What the three pages of the plan window share.

// "<subject> <View word>", then " For <period>" when the plan has a period; the view word is an
// identifier such as "PLAN" or "OUTCOMES".
std::string PlanHeading(const CStored& plan, std::string_view viewWord);

// The members of class T that are not hidden, in member order.
template <class T>
std::vector<T*> ShownMembers(const CStored& owner, std::string_view association) {
    std::vector<T*> shown;
    for (T* member : MembersAs<T>(owner, association))
        if (!IsHiddenIn(owner, member)) shown.push_back(member);
    return shown;
}

// The capability the outcome's pupil reached, as the outcome's ACHIEVEMENTS link records it for
// the assessment; null when there is none.
CCapability* AchievementOf(const CStored& outcome, const CStored& assessment);

// The type image of a score: ScoreTypeIndex of its stored decimal text.
int ScoreType(double score);

}  // namespace vantaro
