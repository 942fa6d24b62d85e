#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "domain/StoredAccess.h"

namespace vantaro {

// What the three pages of the plan window share.

// "<subject> <View word>", then " For <period>" when the plan has a period; the view word is an
// identifier such as "PLAN" or "OUTCOMES".
std::string PlanHeading(const CStored& plan, std::string_view viewWord);

// The type image of a score: ScoreTypeIndex of its stored decimal text.
int ScoreType(double score);

}  // namespace vantaro
