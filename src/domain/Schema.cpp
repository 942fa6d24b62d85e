#include "domain/Schema.h"

#include <string>

#include "factory/CStored.h"

namespace vantaro {
namespace {

std::string AggregateText(bool aggregate) { return aggregate ? "TRUE" : "FALSE"; }

}  // namespace

void DeclareAttribute(CStored& object, std::string_view name, std::string_view format,
                      std::string_view defaultValue) {
    object.AddProperty("<ATTRIBUTE NAME=\"" + std::string(name) + "\" FORMAT=\"" +
                       std::string(format) + "\">" + std::string(defaultValue) + "</ATTRIBUTE>");
}

void DeclareAssociation(CStored& object, std::string_view name, bool aggregate) {
    object.AddProperty("<ASSOCATION AGGREGATE=\"" + AggregateText(aggregate) + "\" NAME=\"" +
                       std::string(name) + "\"></ASSOCATION>");
}

void DeclareRelation(CStored& object, std::string_view name, bool aggregate) {
    object.AddProperty("<RELATION AGGREGATE=\"" + AggregateText(aggregate) + "\" NAME=\"" +
                       std::string(name) + "\"></RELATION>");
}

void DeclareLink(CStored& object, std::string_view name) {
    object.AddProperty("<LINK NAME=\"" + std::string(name) + "\"></LINK>");
}

}  // namespace vantaro
