#include "domain/DomainFixture.h"
#include "domain/People.h"
#include "domain/Subjects.h"

namespace vantaro::test {
namespace {

using TutorTest = DomainTest;

TEST_F(TutorTest, MakesTheTutorFromTheNameOnceAndFindsItAfterwards) {
    const struct {
        const char* tutorName;
        const char* firstName;
        const char* lastName;
        const char* shown;
    } cases[] = {
        {"Jane Doe", "Jane", "Doe", "Jane Doe"},
        {"Madonna", "", "Madonna", "Madonna"},
        {"Anne Marie Duff", "Anne", "Marie Duff", "Anne Marie Duff"},
        // Blanks around and between the words, and an escaped apostrophe.
        {"  Mary   O&apos;Neil ", "Mary", "O&apos;Neil", "Mary O'Neil"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tutorName);
        factory.NewDataStore(false);
        CYear* year = factory.Year();
        year->SetAttributeValue("TUTOR_NAME", c.tutorName);
        CStaff* tutor = factory.Tutor();
        ASSERT_NE(tutor, nullptr);
        EXPECT_EQ(tutor->GetAttributeValue("FIRST_NAME"), c.firstName);
        EXPECT_EQ(tutor->GetAttributeValue("LAST_NAME"), c.lastName);
        EXPECT_EQ(tutor->DisplayText(), c.shown);
        EXPECT_EQ(factory.Tutor(), tutor);
        CSubject* subject = year->NewSubject();
        EXPECT_EQ(subject->GetRelation("TUTOR"), tutor);
        subject->DisplayText();
        EXPECT_EQ(year->AssociationCount("STAFF"), 1);
    }
}

TEST_F(TutorTest, FindsAnExistingStaffMemberByTheUnescapedName) {
    CStaff* first = year->NewStaff();
    first->SetAttributeValue("LAST_NAME", "Other");
    CStaff* existing = year->NewStaff();
    existing->SetAttributeValue("FIRST_NAME", "Mary");
    existing->SetAttributeValue("LAST_NAME", "O'Neil");
    year->SetAttributeValue("TUTOR_NAME", "Mary O&apos;Neil");
    EXPECT_EQ(factory.Tutor(), existing);
    EXPECT_EQ(year->AssociationCount("STAFF"), 2);
}

TEST_F(TutorTest, NoNameMeansNoTutor) {
    year->SetAttributeValue("TUTOR_NAME", "   ");
    EXPECT_EQ(factory.Tutor(), nullptr);
    EXPECT_EQ(year->NewSubject()->GetRelation("TUTOR"), nullptr);
    EXPECT_EQ(year->AssociationCount("STAFF"), 0);
}

}  // namespace
}  // namespace vantaro::test
