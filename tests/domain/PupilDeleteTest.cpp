#include "domain/Assessments.h"
#include "domain/DomainFixture.h"
#include "domain/People.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"

namespace vantaro::test {
namespace {

using PupilDeleteTest = DomainTest;

TEST_F(PupilDeleteTest, RestoringAPupilRestoresTheAssessmentsItsDeletionDeleted) {
    CPupil* pupil = year->NewPupil();
    CPupil* other = year->NewPupil();
    CNote* note = pupil->NewNote();
    CAssessment* maths = year->NewSubject()->NewAssessment(pupil);
    CAssessment* art = year->NewSubject()->NewAssessment(pupil);
    CAssessment* trashedEarlier = year->NewSubject()->NewAssessment(pupil);
    CAssessment* othersAssessment = year->NewSubject()->NewAssessment(other);
    CStored* grading = maths->NewAttainmentTarget();
    maths->MarkSaved(maths->ID());
    factory.MoveToTrash(trashedEarlier);

    factory.MoveToTrash(pupil);
    for (const CStored* gone : {static_cast<CStored*>(pupil), static_cast<CStored*>(note),
                                static_cast<CStored*>(maths), static_cast<CStored*>(art), grading})
        EXPECT_EQ(gone->Status(), StoredStatus::Deleted);
    EXPECT_NE(othersAssessment->Status(), StoredStatus::Deleted);

    factory.RestoreFromTrash(pupil);
    EXPECT_EQ(pupil->Status(), StoredStatus::New);
    EXPECT_EQ(note->Status(), StoredStatus::New);
    EXPECT_EQ(maths->Status(), StoredStatus::Modified);
    EXPECT_EQ(art->Status(), StoredStatus::New);
    EXPECT_EQ(grading->Status(), StoredStatus::New);
    EXPECT_EQ(trashedEarlier->Status(), StoredStatus::Deleted);
}

}  // namespace
}  // namespace vantaro::test
