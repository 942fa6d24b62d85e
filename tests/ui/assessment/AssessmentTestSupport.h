#pragma once

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "controllers/data/MainWindowCommands.h"
#include "controllers/data/TFormDataControler.h"
#include "domain/Aptitudes.h"
#include "domain/Assessments.h"
#include "domain/CRovanFactory.h"
#include "domain/Curricula.h"
#include "domain/Lookups.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "grid/TFrameGridAncestor.h"
#include "routines/DateTime.h"
#include "support/FakePlatform.h"
#include "ui/controllers/ControllerTestSupport.h"
#include "ui/organisers/OrganiserTestSupport.h"
#include "windows/assessment/TFormAssessmentData.h"

namespace vantaro::test {

// A small school in the unseeded year of the controller tests: Ann Lee and Ray (no first name) in
// Maths, whose curriculum has three attainments, and Ann in Art, which has none. Maths has two
// lessons with outcomes reached on an aptitude of two capabilities; Ann has lesson notes in Maths
// (one of them in the trash) and a note of her own; two staff members.
class AssessmentTest : public ControllerTest {
protected:
    AssessmentTest() {
        factory.SetDeletedCountsAsHidden(true);
        main.widget.setGeometry(80, 80, 900, 640);
        main.widget.show();

        ann = Pupil("Ann", "Lee");
        ray = Pupil("", "Ray");
        maths = Subject("Maths");
        art = Subject("Art");
        CCurriculum* curriculum = year->NewCurriculum();
        curriculum->SetAttributeValue("DESCRIPTION", "Mathematics");
        for (std::size_t i = 0; i < attainments.size(); ++i) {
            attainments[i] = curriculum->NewAttainment();
            attainments[i]->SetAttributeValue("DESCRIPTION", kAttainments[i]);
            attainments[i]->NewCurriculumLevel()->SetAttributeValue("DESCRIPTION", "Level 1");
        }
        maths->AddToAssociation("CURRICULUM_LEVELS",
                                attainments[0]->AssociationItem("CURRICULUM_LEVELS", 0));
        annMaths = maths->NewAssessment(ann);
        rayMaths = maths->NewAssessment(ray);
        annArt = art->NewAssessment(ann);

        CAptitude* aptitude = year->NewAptitude();
        aptitude->SetAttributeValue("DESCRIPTION", "Understanding");
        confident = Capability(*aptitude, "Can Confidently", "1");
        starting = Capability(*aptitude, "Is Starting To", "0.5");
        CWeek* week = year->NewTerm()->NewWeek();
        CDay* thursday = week->NewDay();
        CDay* friday = week->NewDay();
        friday->SetAttributeValue("START_DATE", FormatStoredDate(DateOf(platform.clock.Now()) + 1));
        firstLesson = LessonPlanFor(*maths, thursday, true);
        secondLesson = LessonPlanFor(*maths, friday, true);
        counting = Outcome(*firstLesson, "Count To Ten");
        adding = Outcome(*firstLesson, "add small numbers");
        shapes = Outcome(*secondLesson, "Name Shapes");
        counting->SetLink("ACHIEVEMENTS", annMaths, confident);
        counting->SetLink("ACHIEVEMENTS", rayMaths, starting);
        adding->SetLink("ACHIEVEMENTS", annMaths, starting);
        shapes->SetLink("ACHIEVEMENTS", rayMaths, confident);

        behaviour = year->NewNoteCategory();
        behaviour->SetAttributeValue("DESCRIPTION", "Behaviour");
        lessonNote = annMaths->NewNote(firstLesson);
        lessonNote->SetRelation("NOTE_CATEGORY", behaviour);
        lessonNote->SetAttributeValue("DESCRIPTION", "Worked well");
        generalNote = annMaths->NewNote(nullptr);
        generalNote->SetAttributeValue("DESCRIPTION", "Needs glasses");
        CNote* trashed = annMaths->NewNote(firstLesson);
        trashed->SetAttributeValue("DESCRIPTION", "Thrown away");
        factory.MoveToTrash(trashed);
        pupilNote = ann->NewNote();
        pupilNote->SetAttributeValue("DESCRIPTION", "Parents evening booked");

        jo = Staff("Jo", "Smith");
        kim = Staff("Kim", "Wu");
    }
    ~AssessmentTest() override {
        if (data) data->CloseWithoutAsking();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens the window on the objects and shows it, as the main window does.
    TFormAssessmentData& Open(const std::vector<CStored*>& objects) {
        data = TFormAssessmentData::Open(main, objects);
        if (!data) throw std::runtime_error("no assessment window was made");
        data->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(data));
        return *data;
    }
    TFormAssessmentData& OpenOnAll() { return Open({annMaths, rayMaths, annArt}); }
    void ShowView(const char* action) { data->RunAction(data->FindAction(action)); }

    // Presses a cell of a page as the mouse would, scrolling it into view first.
    static void Press(TFrameGridAncestor& page, int column, int row,
                      Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = {}) {
        page.Grid().ScrollIntoView(column, row);
        QTest::mouseClick(page.Grid().viewport(), button, modifiers,
                          page.Grid().CellRect(column, row).center());
    }
    static void DoubleClick(TFrameGridAncestor& page, int column, int row) {
        page.Grid().ScrollIntoView(column, row);
        QTest::mouseDClick(page.Grid().viewport(), Qt::LeftButton, {},
                           page.Grid().CellRect(column, row).center());
    }
    // The row of the first cell in the column that shows the text; -1 when none does.
    static int RowShowing(const TFrameGridAncestor& page, int column, const std::string& text) {
        for (int row = 0; row < page.Grid().RowCount(); ++row)
            if (CellDisplayText(page.Cell(column, row)) == text) return row;
        return -1;
    }

    static constexpr std::array<const char*, 3> kAttainments{"Number", "Shape", "Data"};

    FakeMain main;
    QPointer<TFormAssessmentData> data;

    CPupil* ann;
    CPupil* ray;
    CSubject* maths;
    CSubject* art;
    std::array<CAttainment*, 3> attainments{};
    CAssessment* annMaths;
    CAssessment* rayMaths;
    CAssessment* annArt;
    CCapability* confident;
    CCapability* starting;
    CLessonPlan* firstLesson;
    CLessonPlan* secondLesson;
    COutcome* counting;
    COutcome* adding;
    COutcome* shapes;
    CNoteCategory* behaviour;
    CNote* lessonNote;
    CNote* generalNote;
    CNote* pupilNote;
    CStaff* jo;
    CStaff* kim;

private:
    CPupil* Pupil(const char* first, const char* last) {
        CPupil* pupil = year->NewPupil();
        pupil->SetAttributeValue("FIRST_NAME", first);
        pupil->SetAttributeValue("LAST_NAME", last);
        return pupil;
    }
    CSubject* Subject(const char* description) {
        CSubject* subject = year->NewSubject();
        subject->SetAttributeValue("DESCRIPTION", description);
        return subject;
    }
    static CCapability* Capability(CAptitude& aptitude, const char* description,
                                   const char* score) {
        CCapability* capability = aptitude.NewCapability();
        capability->SetAttributeValue("DESCRIPTION", description);
        capability->SetAttributeValue("SCORE", score);
        return capability;
    }
    static COutcome* Outcome(CLessonPlan& plan, const char* description) {
        COutcome* outcome = plan.NewOutcome();
        outcome->SetAttributeValue("DESCRIPTION", description);
        return outcome;
    }
    CStaff* Staff(const char* first, const char* last) {
        CStaff* staff = year->NewStaff();
        staff->SetAttributeValue("FIRST_NAME", first);
        staff->SetAttributeValue("LAST_NAME", last);
        return staff;
    }
};

}  // namespace vantaro::test
