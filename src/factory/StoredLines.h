#pragma once

#include <string_view>

namespace vantaro {

// The tags of property lines; ASSOCATION is spelt so in every line, file and lookup.
inline constexpr std::string_view kAttribute = "ATTRIBUTE";
inline constexpr std::string_view kAssociation = "ASSOCATION";
inline constexpr std::string_view kRelation = "RELATION";
inline constexpr std::string_view kLink = "LINK";

inline constexpr std::string_view kParent = "PARENT";
inline constexpr std::string_view kParentLine =
    R"(<RELATION AGGREGATE="FALSE" NAME="PARENT"></RELATION>)";

// Lines whose content is a list of references, resolved into an attached list.
constexpr bool IsReferenceTag(std::string_view tag) {
    return tag == kAssociation || tag == kRelation || tag == kLink;
}

}  // namespace vantaro
