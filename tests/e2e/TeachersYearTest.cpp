// A teacher's year through the real program: its main window and the windows it opens, driven by
// clicks, keys and the windows' own commands, and checked in the stored objects and the files.
// Each step says its name when it fails.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QRegularExpression>
#include <QTabBar>
#include <QCalendarWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>
#include <memory>

#include "app/ProgramRun.h"
#include "controllers/messages/TFormDateSelector.h"
#include "controllers/messages/TFrameQuestionGrid.h"
#include "controllers/property/TFormPropertyControler.h"
#include "controllers/property/TFramePropertyGrid.h"
#include "controllers/selection/TFrameSelectionGrid.h"
#include "domain/Assessments.h"
#include "domain/CRovanFactory.h"
#include "domain/Lookups.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "grid/CellEditor.h"
#include "grid/markup/CellReaders.h"
#include "routines/SettingsStore.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/windows/ScriptedDialogs.h"
#include "windows/assessment/TFormAssessmentData.h"
#include "windows/assessment/TFramePupilNotes.h"
#include "windows/assessment/TFrameTargetListingGrid.h"
#include "windows/main/TFormMain.h"
#include "windows/notes/TFormAbsencesControler.h"
#include "windows/notes/TFormNotesControler.h"
#include "windows/notes/TFrameAbsenceGrid.h"
#include "controllers/selection/TFormSelectionControler.h"
#include "domain/Plans.h"
#include "windows/plan/TFormPlanData.h"
#include "windows/plan/TFrameEvaluationGrid.h"
#include "windows/plan/TFrameOutcomesGrid.h"
#include "windows/plan/TFramePlanGrid.h"
#include "windows/report/TFormReportData.h"
#include "windows/report/TFrameInformation.h"
#include "windows/report/TFrameReportGrid.h"
#include "windows/sets/TFormPupilSelection.h"
#include "e2e/WindowDriving.h"
#include "wizards/TFormWidzardControler.h"

namespace vantaro::test {
namespace {

constexpr int kPupils = 30;

class TeachersYearTest : public ::testing::Test {
public:
    ProgramRun::Services Services() { return {&settings, &dialogs, &prompts}; }
    std::string Path(const char* name) const { return (folder.path() / name).string(); }
    CYear& Year(ProgramRun& run) { return *run.MainFactory().Year(); }
    // Opens the cell's menu in the main window and chooses the entry.
    void FromMenu(ProgramRun& run, TFrameGridAncestor& page, QPoint cell, const char* entry) {
        Press(page, cell, Qt::RightButton);
        EXPECT_TRUE(ChooseMenuEntry(run.FormMain().PopupMenu(), QString::fromLatin1(entry))) << entry;
    }
    TFrameGridAncestor& Organiser(ProgramRun& run, int view) {
        run.FormMain().ShowView(view);
        return *run.FormMain().Views()[view];
    }
    std::string WritePupilList() const {
        std::ofstream file(Path("class.csv"), std::ios::binary);
        file << "First Name,Initial,Last Name,Gender,DOB,Form\r\n";
        for (int i = 1; i <= kPupils; ++i)
            file << "Pupil" << i << ",," << (i == 1 ? "\"Smith, Jr\"" : "Family" + std::to_string(i)) << ","
                 << (i % 2 ? "female" : "male") << ",0" << 1 + i % 9 << "/02/2000,Year 7\r\n";
        return Path("class.csv");
    }

    void NewSeededYear(ProgramRun& run);
    void FileProperties(ProgramRun& run);
    void TermWeeksAndDays(ProgramRun& run);
    void ImportPupils(ProgramRun& run);
    void SelectPupilsForMaths(ProgramRun& run);
    void PlanALesson(ProgramRun& run);
    void SetTargets(ProgramRun& run);
    void PupilNote(ProgramRun& run);
    void RecordAnAbsence(ProgramRun& run);
    void WriteAReport(ProgramRun& run);
    void SaveReportsPdfAndBackUp(ProgramRun& run);
    void SaveAndQuit(ProgramRun& run);
    void CheckReopened(ProgramRun& run);

    TempDir folder;
    MemorySettingsStore settings;
    ScriptedDialogs dialogs;
    RecordingPrompts prompts;
    std::string writtenReport;
};

void TeachersYearTest::NewSeededYear(ProgramRun& run) {
    OnModal<TFormPropertyControler>([](TFormPropertyControler& properties) { properties.ButtonCloseOK().click(); });
    prompts.answers = {false};  // the empty year started with the program is not saved first
    run.FormMain().RunAction(run.FormMain().FindAction("ACTIONFILENEW"));
    ASSERT_NE(run.MainFactory().Year(), nullptr);
    EXPECT_FALSE(Year(run).AssociationItems("SUBJECTS").empty()) << "a new year comes seeded";
}

void TeachersYearTest::FileProperties(ProgramRun& run) {
    OnModal<TFormPropertyControler>([](TFormPropertyControler& properties) {
        TFramePropertyGrid& page = properties.Page();
        TypeInto(page, ValueOf(page, "School Name"), QStringLiteral("Hill School"));
        TypeInto(page, ValueOf(page, "Tutor Name"), QStringLiteral("Mrs Hale"));
        page.CommitEdit();
        ChooseDate(page, ValueOf(page, "Academic Year Start Date"), QDate(2006, 9, 1));
        ChooseDate(page, ValueOf(page, "Academic Year End Date"), QDate(2007, 7, 20));
        properties.ButtonCloseOK().click();
    });
    run.FormMain().RunAction(run.FormMain().FindAction("ACTIONFILEPROPERTIES"));
    const CYear& year = Year(run);
    EXPECT_EQ(year.GetAttributeText("SCHOOL_NAME"), "Hill School");
    EXPECT_EQ(year.GetAttributeText("TUTOR_NAME"), "Mrs Hale");
    EXPECT_EQ(year.GetAttributeText("ACADEMIC_YEAR_START_DATE"), "01 September 2006");
}

void TeachersYearTest::TermWeeksAndDays(ProgramRun& run) {
    TFrameGridAncestor& planning = Organiser(run, 0);
    OnModal<TFormPropertyControler>([](TFormPropertyControler& properties) {
        TFramePropertyGrid& page = properties.Page();
        TypeInto(page, ValueOf(page, "Description"), QStringLiteral("Autumn"));
        page.CommitEdit();
        ChooseDate(page, ValueOf(page, "Start Date"), QDate(2006, 9, 4));
        ChooseDate(page, ValueOf(page, "End Date"), QDate(2006, 10, 20));
        properties.ButtonCloseOK().click();
    });
    FromMenu(run, planning, CellTargeting(planning, &Year(run)), "New Term...");
    ASSERT_EQ(Year(run).AssociationItems("TERMS").size(), 1u);
    CStored* term = Year(run).AssociationItems("TERMS").front();
    FromMenu(run, planning, CellTargeting(planning, term), "Build Weeks");
    ASSERT_EQ(term->AssociationItems("WEEKS").size(), 7u) << "seven Mondays from 4 September to 20 October";
    CStored* week = term->AssociationItems("WEEKS").front();
    FromMenu(run, planning, CellTargeting(planning, week), "Build Days");
    EXPECT_EQ(week->AssociationItems("DAYS").size(), 5u) << "the seeded teaching days, Monday to Friday";
}

void TeachersYearTest::ImportPupils(ProgramRun& run) {
    dialogs.open = QString::fromStdString(WritePupilList());
    OnModal<TFormWidzardControler>([](TFormWidzardControler& wizard) {
        TFrameQuestionGrid& page = wizard.Question();
        Activate(page, {0, 0});    // the heading opens the file dialog
        Press(page, {0, 5});       // the file has a header line
        wizard.ButtonNext().click();  // its lines
        wizard.ButtonNext().click();  // the forms and pupils to import
        wizard.ButtonNext().click();  // Finish
    });
    run.FormMain().RunAction(run.FormMain().FindAction("ACTIONFILELOADPUPILWIZARD"));
    const std::vector<CStored*> pupils = Year(run).AssociationItems("PUPILS");
    ASSERT_EQ(pupils.size(), static_cast<std::size_t>(kPupils));
    EXPECT_EQ(pupils.front()->DisplayText(), "Pupil1 Smith, Jr");
    EXPECT_EQ(pupils.front()->GetRelation("FORM")->DisplayText(), "Year 7");
    EXPECT_EQ(pupils.front()->GetRelation("GENDER")->DisplayText(), "Female");
}

void TeachersYearTest::SelectPupilsForMaths(ProgramRun& run) {
    CSubject* maths = nullptr;
    for (CSubject* subject : MembersAs<CSubject>(Year(run), "SUBJECTS"))
        if (subject->DisplayText() == "Maths") maths = subject;
    ASSERT_NE(maths, nullptr);
    const std::vector<CStored*> pupils = Year(run).AssociationItems("PUPILS");
    TFrameGridAncestor& assessments = Organiser(run, 1);
    OnModal<TFormPupilSelection>([&pupils](TFormPupilSelection& selection) {
        for (const CStored* pupil : pupils) Press(selection.Page(), CellTargeting(selection.Page(), pupil));
        selection.ButtonOK().click();
    });
    FromMenu(run, assessments, CellTargeting(assessments, maths), "Select Pupils...");
    int assessed = 0;
    for (CStored* pupil : pupils) assessed += AssessmentFor(*maths, pupil, false) != nullptr;
    EXPECT_EQ(assessed, kPupils);
}

CSubject* MathsOf(CYear& year) {
    for (CSubject* subject : MembersAs<CSubject>(year, "SUBJECTS"))
        if (subject->DisplayText() == "Maths") return subject;
    return nullptr;
}


// Monday's Maths lesson: made from its empty cell and opened from it, its objective and activity
// typed, its outcome given an aptitude, every pupil's achievement set at once over the range,
// and the lesson evaluated.
void TeachersYearTest::PlanALesson(ProgramRun& run) {
    CSubject* maths = MathsOf(Year(run));
    CStored* monday = Year(run).AssociationItem("TERMS", 0)->AssociationItem("WEEKS", 0)->AssociationItem("DAYS", 0);
    TFrameGridAncestor& planning = Organiser(run, 0);
    const QPoint lesson = CellOf(planning, maths, monday);
    Activate(planning, lesson);  // "Create New Plan"? Yes
    CLessonPlan* plan = LessonPlanFor(*maths, static_cast<CDay*>(monday), false);
    ASSERT_NE(plan, nullptr);
    Activate(planning, CellTargeting(planning, plan));
    ASSERT_EQ(run.FormMain().DataWindows().size(), 1u) << "the plan window opened";
    auto* window = qobject_cast<TFormPlanData*>(run.FormMain().DataWindows().front().data());
    ASSERT_NE(window, nullptr);
    QApplication::processEvents();

    TFrameGridAncestor& page = window->PlanGrid();
    TypeInto(page, {0, 2}, QStringLiteral("Add fractions"));
    TypeInto(page, {1, 2}, QStringLiteral("Pairs work"));
    page.CommitEdit();
    CStored* outcome = plan->AssociationItem("OUTCOMES", 0);
    OnModal<TFormSelectionControler>([](TFormSelectionControler& chooser) {
        TFrameGridAncestor& aptitudes = chooser.Page();
        Press(aptitudes, {0, 1});  // the first aptitude
        chooser.ButtonOK().click();
    });
    Activate(page, CellTargeting(page, outcome));  // its heading chooses the aptitude
    ASSERT_NE(outcome->GetRelation("APTITUDE"), nullptr) << "an aptitude chosen for the outcome";

    window->RunAction(window->FindAction("ACTIONVIEWOUTCOMES"));
    TFrameGridAncestor& outcomes = window->OutcomesGrid();
    const std::vector<CStored*> assessments = maths->AssociationItems("ASSESSMENTS");
    Press(outcomes, CellOf(outcomes, outcome, assessments.front()));
    const QPoint last = CellOf(outcomes, outcome, assessments.back());
    outcomes.Grid().ScrollIntoView(last.x(), last.y());
    QTest::mouseClick(outcomes.Grid().viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      outcomes.Grid().CellRect(last.x(), last.y()).center());
    Press(outcomes, last, Qt::RightButton);
    EXPECT_TRUE(ChooseMenuEntry(window->OutcomesMenu(), QStringLiteral("Highest Capability")));
    EXPECT_EQ(outcome->LinkCount("ACHIEVEMENTS"), kPupils) << "every pupil's achievement in one command";

    window->RunAction(window->FindAction("ACTIONVIEWEVALUATION"));
    TypeInto(window->EvaluationGrid(), {0, 1}, QStringLiteral("Most could add fractions"));
    window->RunAction(window->FindAction("ACTIONFORMCLOSE"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(plan->AssociationItem("OBJECTIVES", 0)->GetAttributeValue("DESCRIPTION"), "Add fractions");
    EXPECT_EQ(plan->AssociationItem("ACTIVITIES", 0)->GetAttributeValue("DESCRIPTION"), "Pairs work");
    EXPECT_EQ(plan->GetAttributeValue("EVALUATION"), "Most could add fractions") << "Close writes what was typed";
}

CPupil* FirstPupil(CYear& year) { return static_cast<CPupil*>(year.AssociationItems("PUPILS").front()); }

// The first pupil's Maths assessment: a target grading typed for the first attainment, and the
// target's staff chosen, a new member of staff made in the chooser on the way.
void TeachersYearTest::SetTargets(ProgramRun& run) {
    CSubject* maths = MathsOf(Year(run));
    CStored* assessment = AssessmentFor(*maths, FirstPupil(Year(run)), false);
    TFrameGridAncestor& organiser = Organiser(run, 1);
    Activate(organiser, CellTargeting(organiser, assessment));
    ASSERT_EQ(run.FormMain().DataWindows().size(), 1u) << "the assessment window opened";
    auto* window = qobject_cast<TFormAssessmentData*>(run.FormMain().DataWindows().front().data());
    ASSERT_NE(window, nullptr);
    QApplication::processEvents();
    window->RunAction(window->FindAction("ACTIONVIEWTARGETSETTING"));
    TFrameGridAncestor& page = window->ViewTargets();
    int gradingRow = -1;
    for (int row = 0; row < page.Grid().RowCount() && gradingRow < 0; ++row)
        if (IsClassCell(page.Cell(2, row), "CAttainmentTarget")) gradingRow = row;
    ASSERT_GE(gradingRow, 0) << "Maths has attainments to set targets in";
    CStored* target = CellObject(page.Cell(2, gradingRow));
    TypeInto(page, {2, gradingRow}, QStringLiteral("4b"));
    QTest::keyClick(&page.Editor(), Qt::Key_Return);
    EXPECT_EQ(target->GetAttributeValue("TARGET_GRADING"), "4B");

    int staffRow = -1;
    for (int row = 0; row < page.Grid().RowCount(); ++row)
        if (CellTarget(page.Cell(2, row)) == assessment && CellHas(page.Cell(2, row), "PARAMETER")) staffRow = row;
    ASSERT_GE(staffRow, 0);
    OnModal<TFormSelectionControler>([](TFormSelectionControler& chooser) {
        OnModal<TFormPropertyControler>([](TFormPropertyControler& properties) {
            TFramePropertyGrid& staff = properties.Page();
            TypeInto(staff, ValueOf(staff, "First Name"), QStringLiteral("Kim"));
            TypeInto(staff, ValueOf(staff, "Last Name"), QStringLiteral("Wu"));
            properties.ButtonCloseOK().click();
        });
        Activate(chooser.Page(), {0, 0});  // the title makes a new member of staff
        const int kim = RowShowing(chooser.Page(), "Kim Wu");
        Press(chooser.Page(), {0, kim});
        chooser.ButtonOK().click();
    });
    Activate(page, {2, staffRow});
    ASSERT_EQ(assessment->AssociationCount("TARGET_STAFF"), 1);
    EXPECT_EQ(assessment->AssociationItem("TARGET_STAFF", 0)->DisplayText(), "Kim Wu");
    window->RunAction(window->FindAction("ACTIONFORMCLOSE"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A note written from the assessment organiser's notes column, as the report's statement.
void TeachersYearTest::PupilNote(ProgramRun& run) {
    CPupil* pupil = FirstPupil(Year(run));
    TFrameGridAncestor& assessments = Organiser(run, 1);
    OnModal<TFormNotesControler>([pupil](TFormNotesControler& notes) {
        TFrameGridAncestor& page = notes.PupilNotesPage();
        Activate(page, CellTargeting(page, pupil));  // the title adds a note
        ASSERT_EQ(pupil->AssociationCount("NOTES"), 1);
        TypeInto(page, CellTargeting(page, pupil->AssociationItem("NOTES", 0)) + QPoint(0, 1),
                 QStringLiteral("<PUPIL> reads widely."));
        notes.ButtonClose().click();
    });
    const QPoint name = CellTargeting(assessments, pupil);
    Activate(assessments, name + QPoint(1, 0));
    ASSERT_EQ(pupil->AssociationCount("NOTES"), 1);
    EXPECT_EQ(pupil->AssociationItem("NOTES", 0)->GetAttributeValue("DESCRIPTION"), "&lt;PUPIL&gt; reads widely.");
}

// Typed, then the note dragged in from the information panel: the placeholder becomes the
// pupil's name, and the two short sentences are joined.
void TeachersYearTest::WriteAReport(ProgramRun& run) {
    CPupil* pupil = FirstPupil(Year(run));
    TFrameGridAncestor& reports = Organiser(run, 2);
    Activate(reports, CellTargeting(reports, pupil) + QPoint(2, 0));
    ASSERT_EQ(run.FormMain().DataWindows().size(), 1u) << "the report window opened";
    auto* window = qobject_cast<TFormReportData*>(run.FormMain().DataWindows().front().data());
    ASSERT_NE(window, nullptr);
    QApplication::processEvents();
    TFrameGridAncestor& page = window->ReportGrid();
    CStored* maths = nullptr;
    for (CStored* subject : Year(run).AssociationItems("SUBJECTS"))
        if (subject->DisplayText() == "Maths") maths = subject;
    CStored* assessment = AssessmentFor(*static_cast<CSubject*>(maths), pupil, false);
    const QPoint report = CellTargeting(page, assessment) + QPoint(0, 1);
    Activate(page, report);  // the information panel follows the report chosen
    TypeInto(page, report, QStringLiteral("Works hard"));
    window->Information().Tabs().setCurrentIndex(2);
    TFrameGridAncestor& notes = window->Information().CurrentFrame();
    Press(notes, CellTargeting(notes, pupil->AssociationItem("NOTES", 0)) + QPoint(0, 1));
    DragInto(notes, *page.Editor().viewport());
    writtenReport = "Works hard, and " + pupil->GetAttributeText("FIRST_NAME") + " reads widely.";
    EXPECT_EQ(assessment->GetAttributeValue("SUBJECT_REPORT"), writtenReport);
    window->RunAction(window->FindAction("ACTIONFORMCLOSE"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(run.FormMain().DataWindows().empty());
}

// A day's absence, from the report organiser's absence column: added, given its length and
// authorised in the absences window; the organiser's totals follow.
void TeachersYearTest::RecordAnAbsence(ProgramRun& run) {
    CPupil* pupil = FirstPupil(Year(run));
    TFrameGridAncestor& reports = Organiser(run, 2);
    OnModal<TFormAbsencesControler>([pupil](TFormAbsencesControler& absences) {
        TFrameGridAncestor& page = absences.AbsencesPage();
        Activate(page, {3, 1});  // the title band's end adds an absence
        ASSERT_EQ(pupil->AssociationCount("ABSENCES"), 1);
        CStored* absence = pupil->AssociationItem("ABSENCES", 0);
        OnModal<TFormSelectionControler>([](TFormSelectionControler& chooser) {
            Press(chooser.Page(), {0, RowShowing(chooser.Page(), "One Day")});
            chooser.ButtonOK().click();
        });
        Activate(page, CellTargeting(page, absence) + QPoint(2, 0));
        Activate(page, CellTargeting(page, absence));  // authorised
        absences.ButtonClose().click();
    });
    const int row = CellTargeting(reports, pupil).y();
    Activate(reports, {1, row});
    EXPECT_EQ(CellDisplayText(reports.Cell(1, row)), "1/None") << "one authorised day";
}

void TeachersYearTest::SaveReportsPdfAndBackUp(ProgramRun& run) {
    dialogs.save = QString::fromStdString(Path("Year 7.ods"));
    run.FormMain().RunAction(run.FormMain().FindAction("ACTIONFILESAVEAS"));
    EXPECT_EQ(run.MainFactory().FileName(), Path("Year 7.ods"));

    dialogs.save = QString::fromStdString(Path("Reports.pdf"));
    run.FormMain().RunAction(run.FormMain().FindAction("ACTIONSAVEALLREPORTSPDF"));
    EXPECT_EQ(PdfPageCount(dialogs.save), kPupils) << "one page for each pupil's report";

    OnModal<TFormWidzardControler>([this](TFormWidzardControler& wizard) {
        TFrameQuestionGrid& page = wizard.Question();
        TypeInto(page, {0, 2}, QString::fromStdString(Path("Year 7 backup")));
        wizard.ButtonNext().click();
        EXPECT_EQ(CellDisplayText(page.Cell(0, 0)), "Backup Successful");
        wizard.ButtonNext().click();
    });
    run.FormMain().RunAction(run.FormMain().FindAction("ACTIONSHOWBACKUPWIZARD"));
    EXPECT_TRUE(std::filesystem::exists(Path("Year 7 backup.ods")));
    EXPECT_EQ(run.MainFactory().FileName(), Path("Year 7.ods")) << "the store keeps its own file";
}

// Exit, with Yes to leaving and to saving what the backup left unsaved.
void TeachersYearTest::SaveAndQuit(ProgramRun& run) {
    prompts.answer = true;
    run.FormMain().RunAction(run.FormMain().FindAction("ACTIONFILEEXIT"));
    EXPECT_EQ(prompts.prompts.back().caption, "Save Before Exit");
    EXPECT_FALSE(run.FormMain().isVisible()) << "Exit closed the main window";
    run.Shutdown();
}

void TeachersYearTest::CheckReopened(ProgramRun& run) {
    const CYear& year = Year(run);
    EXPECT_EQ(year.GetAttributeText("SCHOOL_NAME"), "Hill School");
    EXPECT_EQ(year.GetAttributeText("TUTOR_NAME"), "Mrs Hale");
    ASSERT_EQ(year.AssociationItems("TERMS").size(), 1u);
    EXPECT_EQ(year.AssociationItems("TERMS").front()->AssociationItems("WEEKS").size(), 7u);
    EXPECT_EQ(year.AssociationItems("PUPILS").size(), static_cast<std::size_t>(kPupils));
    int assessed = 0;
    for (CSubject* subject : MembersAs<CSubject>(year, "SUBJECTS"))
        if (subject->DisplayText() == "Maths") assessed = subject->AssociationCount("ASSESSMENTS");
    EXPECT_EQ(assessed, kPupils);
    CSubject* maths = MathsOf(Year(run));
    CStored* monday = year.AssociationItem("TERMS", 0)->AssociationItem("WEEKS", 0)->AssociationItem("DAYS", 0);
    const CLessonPlan* plan = LessonPlanFor(*maths, static_cast<CDay*>(monday), false);
    ASSERT_NE(plan, nullptr);
    EXPECT_EQ(plan->AssociationItem("OBJECTIVES", 0)->GetAttributeText("DESCRIPTION"), "Add fractions");
    EXPECT_EQ(plan->GetAttributeText("EVALUATION"), "Most could add fractions");
    EXPECT_EQ(plan->AssociationItem("OUTCOMES", 0)->LinkCount("ACHIEVEMENTS"), kPupils);
    const CStored* targets = AssessmentFor(*maths, FirstPupil(Year(run)), false);
    ASSERT_NE(targets, nullptr);
    ASSERT_EQ(targets->AssociationCount("TARGET_STAFF"), 1);
    EXPECT_EQ(targets->AssociationItem("TARGET_STAFF", 0)->DisplayText(), "Kim Wu");
    bool graded = false;
    for (const CStored* target : targets->AssociationItems("ATTAINMENT_TARGETS"))
        graded = graded || target->GetAttributeValue("TARGET_GRADING") == "4B";
    EXPECT_TRUE(graded);
    ASSERT_EQ(FirstPupil(Year(run))->AssociationCount("ABSENCES"), 1);
    EXPECT_EQ(FirstPupil(Year(run))->AssociationItem("ABSENCES", 0)->GetAttributeValue("AUTHORIZED"), "TRUE");
    int notes = 0;
    for (const CStored* pupil : year.AssociationItems("PUPILS"))
        for (const CStored* note : pupil->AssociationItems("NOTES"))
            notes += note->GetAttributeText("DESCRIPTION") == "<PUPIL> reads widely.";
    EXPECT_EQ(notes, 1);
    bool reported = false;
    for (CSubject* subject : MembersAs<CSubject>(year, "SUBJECTS"))
        for (CStored* assessment : subject->AssociationItems("ASSESSMENTS"))
            reported = reported || assessment->GetAttributeText("SUBJECT_REPORT") == writtenReport;
    EXPECT_TRUE(reported) << "the report written is there";

    QProcess check;
    check.start(QStringLiteral(VANTARO_STORE_TOOL), {QStringLiteral("check"), QString::fromStdString(Path("Year 7.ods"))});
    ASSERT_TRUE(check.waitForFinished(60000));
    EXPECT_EQ(check.exitCode(), 0);
    EXPECT_EQ(check.readAllStandardOutput().toStdString(), "ADOPTION 0\nSURROGATE 0\nORPHAN 0\nDUPLICATE 0\n");
}

TEST_F(TeachersYearTest, AYearIsSetUpFilledSavedAndOpenedAgain) {
    {
        ProgramRun run(Services());
        run.Start({QStringLiteral("vantaro")});
        for (const auto& [step, action] : std::vector<std::pair<const char*, void (TeachersYearTest::*)(ProgramRun&)>>{
                 {"New (seeded)", &TeachersYearTest::NewSeededYear},
                 {"File Properties", &TeachersYearTest::FileProperties},
                 {"a term, its weeks and a week's days", &TeachersYearTest::TermWeeksAndDays},
                 {"importing a class from a CSV file", &TeachersYearTest::ImportPupils},
                 {"pupils chosen for Maths", &TeachersYearTest::SelectPupilsForMaths},
                 {"a lesson planned, achieved and evaluated", &TeachersYearTest::PlanALesson},
                 {"attainment targets with a grading and staff", &TeachersYearTest::SetTargets},
                 {"a pupil note", &TeachersYearTest::PupilNote},
                 {"an absence", &TeachersYearTest::RecordAnAbsence},
                 {"a report typed and a statement dragged in", &TeachersYearTest::WriteAReport},
                 {"saving, all reports as PDF, a backup", &TeachersYearTest::SaveReportsPdfAndBackUp},
                 {"quitting", &TeachersYearTest::SaveAndQuit}}) {
            SCOPED_TRACE(std::string("step: ") + step);
            (this->*action)(run);
            if (HasFatalFailure()) return;
        }
    }
    SCOPED_TRACE("step: starting again with the saved file");
    ProgramRun again(Services());
    again.Start({QStringLiteral("vantaro"), QString::fromStdString(Path("Year 7.ods"))});
    CheckReopened(again);
}

}  // namespace
}  // namespace vantaro::test
