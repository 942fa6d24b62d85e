#include <string>
#include <vector>

#include "domain/Assessments.h"
#include "domain/DomainFixture.h"
#include "domain/Lookups.h"
#include "domain/People.h"
#include "domain/PupilAllocation.h"
#include "domain/Subjects.h"

namespace vantaro::test {
namespace {

class PupilAllocationTest : public DomainTest {
protected:
    PupilAllocationTest() {
        factory.SetDeletedCountsAsHidden(true);
        for (int i = 0; i < 4; ++i) pupils.push_back(year->NewPupil());
    }
    std::string Ids(std::initializer_list<CPupil*> chosen) {
        std::string ids;
        for (CPupil* pupil : chosen) ids += (ids.empty() ? "" : ",") + std::to_string(pupil->ID());
        return ids;
    }
    std::vector<const CStored*> Offered(std::initializer_list<CPupil*> offered) { return {offered.begin(), offered.end()}; }
    bool Assessed(CPupil* pupil) { return AssessmentFor(*subject, pupil, false) != nullptr; }

    CSubject* subject = year->NewSubject();
    std::vector<CPupil*> pupils;
};

TEST_F(PupilAllocationTest, ChosenPupilsKeepOrGetAnAssessmentAndOnlyOfferedOnesLoseTheirs) {
    CAssessment* kept = AssessmentFor(*subject, pupils[0], true);
    kept->SetAttributeValue("SUBJECT_REPORT", "Works hard");
    CAssessment* dropped = AssessmentFor(*subject, pupils[1], true);
    CAssessment* notOffered = AssessmentFor(*subject, pupils[3], true);  // a pupil of a hidden form
    CAssessment* withoutPupil = subject->NewAssessment(nullptr);

    ApplyPupilSelection(*subject, Ids({pupils[0], pupils[2]}), Offered({pupils[0], pupils[1], pupils[2]}));
    EXPECT_EQ(AssessmentFor(*subject, pupils[0], false), kept) << "the report stays with the pupil";
    EXPECT_EQ(dropped->Status(), StoredStatus::Deleted);
    EXPECT_FALSE(factory.Trash().Find(dropped->ID())) << "deleted, not kept in the trash";
    EXPECT_TRUE(Assessed(pupils[2]));
    EXPECT_NE(notOffered->Status(), StoredStatus::Deleted) << "a pupil who was not offered keeps the assessment";
    EXPECT_EQ(withoutPupil->Status(), StoredStatus::Deleted);
}

// Two pupils whose IDs differ by a leading digit, such as -12 and -112.
TEST_F(PupilAllocationTest, IdsAreComparedWhole) {
    while (pupils.back()->ID() > -200) pupils.push_back(year->NewPupil());
    CPupil* shorter = nullptr;
    CPupil* longer = nullptr;
    for (CPupil* a : pupils)
        for (CPupil* b : pupils)
            if (!shorter && std::to_string(b->ID()) == "-1" + std::to_string(-a->ID())) shorter = a, longer = b;
    ASSERT_NE(shorter, nullptr);
    AssessmentFor(*subject, shorter, true);
    ApplyPupilSelection(*subject, std::to_string(longer->ID()), Offered({shorter, longer}));
    EXPECT_FALSE(Assessed(shorter)) << "choosing " << longer->ID() << " does not keep " << shorter->ID();
    EXPECT_TRUE(Assessed(longer));
}

TEST_F(PupilAllocationTest, AnAllocationToCopyLeavesOutDeletedAndHiddenAssessmentsAndPupils) {
    CSubject* other = year->NewSubject();
    for (CPupil* pupil : pupils) AssessmentFor(*other, pupil, true);
    factory.MoveToTrash(AssessmentFor(*other, pupils[1], false));
    factory.SetHiddenIDs(std::to_string(pupils[2]->ID()));
    EXPECT_EQ(AssessedPupilIds(*other), Ids({pupils[0], pupils[3]}));

    ApplyPupilSelection(*subject, AssessedPupilIds(*year->NewSubject()), Offered({pupils[0]}));
    EXPECT_TRUE(AssessedPupilIds(*subject).empty()) << "copying a subject without assessments";
}

}  // namespace
}  // namespace vantaro::test
