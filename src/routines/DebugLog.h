#pragma once

#include <string>
#include <string_view>

namespace vantaro {

// Appends the text and a line break to "DebugLog.txt" in the current directory. The file is
// started afresh when it is missing or was last written more than 3 days ago. Raises EInOutError
// when the file cannot be written.
void DebugLog(std::string_view text);
// The full path of the file DebugLog writes.
std::string DebugLogPath();

}  // namespace vantaro
