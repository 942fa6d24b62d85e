#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantaro {

class CStored;

// The caption of a data window: the display text of its one object; for several, the
// DESCRIPTION of each object's SUBJECT where it differs from the one before, each followed by a
// blank, then the plural ("Plans", "Assessments").
std::string DataWindowCaption(const std::vector<CStored*>& objects, std::string_view plural);

}  // namespace vantaro
