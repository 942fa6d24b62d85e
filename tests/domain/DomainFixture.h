#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "domain/CRovanFactory.h"
#include "domain/Periods.h"
#include "factory/CStored.h"
#include "support/FakePlatform.h"

namespace vantaro::test {

// A new unseeded year in an application factory, on the fake platform (15 March 2007, noon).
class DomainTest : public ::testing::Test {
protected:
    FakePlatform platform;
    CRovanFactory factory;
    CYear* year = factory.NewDataStore(false);
};

// The NAME of every property line, in line order.
inline std::vector<std::string> LineNames(const CStored& object) {
    std::vector<std::string> names;
    for (int i = 0; i < object.PropertyCount(); ++i) names.push_back(object.PropertyName(i));
    return names;
}

// The DisplayText of every member of an association, in member order.
inline std::vector<std::string> MemberTexts(const CStored& object, const std::string& association) {
    std::vector<std::string> texts;
    for (const CStored* member : object.AssociationItems(association))
        texts.push_back(member->DisplayText());
    return texts;
}

}  // namespace vantaro::test
