#pragma once

#include <string_view>

namespace vantaro {

class CStored;

// Template lines a domain class declares in its constructor, in its schema's order. The
// default value is the stored text a new object starts with.
void DeclareAttribute(CStored& object, std::string_view name, std::string_view format,
                      std::string_view defaultValue = {});
void DeclareAssociation(CStored& object, std::string_view name, bool aggregate);
void DeclareRelation(CStored& object, std::string_view name, bool aggregate);
void DeclareLink(CStored& object, std::string_view name);

}  // namespace vantaro
