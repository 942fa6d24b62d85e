#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantaro::lha {

// Member names use '\' between directory parts; names from other tools may use '/'. Letter case
// is compared for ASCII and ISO-8859-1 letters alike.

// Whether text matches pattern, where '*' stands for any run of characters and '?' for one,
// without regard to letter case.
bool WildcardMatch(std::string_view pattern, std::string_view text);

// A member is selected when some entry has the same directory part (letter case aside) and a
// file name that matches the member's file name as a wildcard pattern.
bool MemberSelected(std::string_view memberName, const std::vector<std::string>& entries);

// The member name reduced to a plain file name that is safe to write into a target folder: the
// part after the last '/', '\' or ':'. Empty when nothing usable is left ("", ".", "..", or a name
// holding a control character), in which case the member is not written.
std::string PlainFileName(std::string_view memberName);

}  // namespace vantaro::lha
