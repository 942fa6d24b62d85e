#pragma once

#include <string>

namespace vantaro {

// "Version 1.12 (Build 2291)", with " Debug", " Pre-Release", " Private", " Special" and then
// " Build" appended for the flags that are set; empty without a version block.
std::string VersionText();

// The major and two-digit minor version, such as "1.12"; empty without a version block.
std::string ShortVersion();

}  // namespace vantaro
