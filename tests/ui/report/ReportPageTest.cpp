// The annual report page of a pupil: subject reports, comments and absences.

#include "domain/Assessments.h"
#include "domain/Lookups.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "grid/markup/CellMarkup.h"
#include "ui/controllers/ControllerTestSupport.h"
#include "windows/report/TFrameReportGrid.h"

namespace vantaro::test {
namespace {

class ReportPageTest : public ControllerTest {
protected:
    ReportPageTest() {
        factory.SetDeletedCountsAsHidden(true);
        pupil->SetAttributeValue("FIRST_NAME", "Tom");
        for (const char* name : {"Maths", "Art"}) {
            CSubject* subject = year->NewSubject();
            subject->SetAttributeValue("DESCRIPTION", name);
            subjects.push_back(subject);
        }
    }
    std::vector<std::string> Texts(const TFrameGridAncestor& page) {
        std::vector<std::string> texts;
        for (int row = 0; row < page.Grid().RowCount(); ++row) texts.push_back(CellDisplayText(page.Cell(0, row)));
        return texts;
    }

    CPupil* pupil = year->NewPupil();
    std::vector<CSubject*> subjects;
};

TEST_F(ReportPageTest, SubjectReportsThenCommentsThenAbsencesEachUnderItsHeading) {
    CAssessment* art = subjects[1]->NewAssessment(pupil);
    art->SetAttributeValue("SUBJECT_REPORT", "Paints boldly.");
    subjects[0]->NewAssessment(pupil);
    subjects[0]->NewAssessment(pupil);  // two assessments in one subject: two reports
    CComment* own = pupil->NewComment();
    own->SetAttributeValue("TITLE", "Form Teacher's Comments");
    CComment* takenOver = pupil->NewComment();
    takenOver->SetAttributeValue("TITLE", "Head Teacher's Comments");
    takenOver->SetStatus(StoredStatus::Transient);
    CDuration* day = year->NewDuration();
    day->SetAttributeValue("DESCRIPTION", "1 day");
    CAbsence* ill = pupil->NewAbsence();
    ill->SetAttributeValue("DATE", "20070312");
    ill->SetAttributeValue("AUTHORIZED", "TRUE");
    ill->SetAttributeValue("DESCRIPTION", "Flu");
    ill->SetRelation("DURATION", day);
    CAbsence* truant = pupil->NewAbsence();
    truant->SetAttributeValue("AUTHORIZED", "FALSE");
    truant->SetRelation("DURATION", day);
    pupil->NewAbsence()->SetAttributeValue("AUTHORIZED", "TRUE");  // without a duration: left out

    factory.Settings().AnnualReportFullTitle = false;
    TFrameReportGrid page;
    page.SetObjectList({pupil});
    page.resize(600, 400);
    page.Refresh(0);
    const std::vector<std::string> texts = Texts(page);
    ASSERT_EQ(texts.size(), 15u);
    EXPECT_EQ(texts[0], pupil->DisplayText());
    EXPECT_EQ(texts[1], "Maths");
    EXPECT_EQ(texts[3], "Maths");
    EXPECT_EQ(texts[5], "Art");
    EXPECT_EQ(texts[6], "Paints boldly.");
    EXPECT_EQ(texts[7], "Head Teacher's Comments") << "comments taken over come first";
    EXPECT_EQ(texts[9], "Form Teacher's Comments");
    EXPECT_EQ(texts[11], "Authorised Absences");
    EXPECT_EQ(texts[12], ill->GetAttributeText("DATE") + ", 1 day (Flu)");
    EXPECT_EQ(texts[13], "Unauthorised Absences");

    EXPECT_EQ(CellValue(page.Cell(0, 6), cell::kDragTarget), "TRUE");
    EXPECT_EQ(CellValue(page.Cell(0, 6), cell::kAction), "ACTIONSYNCHRONISEINFOPANEL");
    EXPECT_EQ(CellValue(page.Cell(0, 8), cell::kReadOnly), "TRUE") << "a comment taken over is read-only";
    EXPECT_EQ(CellValue(page.Cell(0, 8), cell::kDragTarget), "");

    factory.Settings().AnnualReportFullTitle = true;
    page.Refresh(0);
    EXPECT_EQ(CellDisplayText(page.Cell(0, 0)),
              pupil->DisplayText() + " Annual Report " + year->DisplayText());
}

}  // namespace
}  // namespace vantaro::test
