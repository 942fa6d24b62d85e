#include <gtest/gtest.h>

#include "factory/TestClasses.h"

namespace vantaro::test {
namespace {

TEST(StoredObject, ParentlessObjectWritesAnEmptyBody) {
    CTestFactory factory;
    CTestNote note;
    note.SetAttributeValue("DATE", "");
    EXPECT_EQ(note.ToText(), "<OBJECT ID=\"" + std::to_string(note.ID()) +
                                 "\" CLASS=\"CNote\">\r\n</OBJECT>\r\n");
}

}  // namespace
}  // namespace vantaro::test
