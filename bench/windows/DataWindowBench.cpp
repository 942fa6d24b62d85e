// bench_data_windows: the plan, assessment and report windows on the generated school-size year,
// on Qt's offscreen platform. Each window is opened and every one of its views built and laid out
// (best of several openings): a plan window on a week of one form's lesson plans, an assessment
// window on one form's assessments in one subject, and a report window on one form's pupils; then
// that form's reports written as one PDF file.
// Figures in milliseconds beside their budgets.
//
// Usage: bench_data_windows

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "controllers/data/MainWindowCommands.h"
#include "controllers/data/TFormDataControler.h"
#include "domain/Assessments.h"
#include "domain/CRovanFactory.h"
#include "domain/Lookups.h"
#include "domain/Periods.h"
#include "domain/Plans.h"
#include "domain/Subjects.h"
#include "grid/OffscreenPlatform.h"
#include "routines/Platform.h"
#include "store/BenchSupport.h"
#include "store/StoreFiles.h"
#include "windows/assessment/TFormAssessmentData.h"
#include "windows/plan/TFormPlanData.h"
#include "windows/report/ReportsPdf.h"
#include "windows/report/TFormReportData.h"

namespace vantaro::bench {
namespace {

constexpr double kWindowBudget = 100;  // milliseconds to open a window and build every view
constexpr double kPdfBudget = 2000;    // milliseconds to write one form's reports as one PDF
constexpr double kMilliseconds = 1000;

// The main window's part, played by a plain widget.
class StandInMain final : public MainWindowCommands {
public:
    QWidget& MainWidget() override { return widget; }
    bool SaveStore() override { return false; }
    bool SaveStoreAs() override { return false; }
    void RegisterDataWindow(TFormDataControler&) override {}
    void UnregisterDataWindow(TFormDataControler&) override {}
    void ShowOrganiser(Organiser) override {}
    void CloseApplication() override {}
    QString ChoosePdfFile(const QString&) override { return {}; }
    bool RunWizard(const std::string&, CStored*, QWidget*) override { return false; }
    QWidget widget;
};

// Opens the window, shows each of its views in turn (each is built and laid out as it shows),
// and closes it again.
double TimeWindow(const std::function<TFormDataControler*()>& open) {
    return BestTime(5, [&] {
        QPointer<TFormDataControler> window = open();
        if (!window) return;
        window->show();
        for (QAction* action : window->ViewMenu().actions())
            if (action->isCheckable()) window->RunAction(action);
        window->CloseWithoutAsking();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
}

// The subjects the pupils of the first pupil's form are assessed in.
std::vector<CSubject*> SubjectsOfFirstForm(const CYear& year) {
    const CStored* form = year.AssociationItem("PUPILS", 0)->GetRelation("FORM");
    std::vector<CSubject*> subjects;
    for (CStored* subject : year.AssociationItems("SUBJECTS")) {
        for (CStored* assessment : subject->AssociationItems("ASSESSMENTS")) {
            const CStored* pupil = assessment->GetRelation("PUPIL");
            if (!pupil || pupil->GetRelation("FORM") != form) continue;
            subjects.push_back(static_cast<CSubject*>(subject));
            break;
        }
    }
    return subjects;
}

std::vector<CStored*> WeekOfLessons(const CYear& year, const std::vector<CSubject*>& subjects) {
    std::vector<CStored*> lessons;
    const CStored* week = year.AssociationItem("TERMS", 0)->AssociationItem("WEEKS", 1);
    for (CStored* day : week->AssociationItems("DAYS"))
        for (CSubject* subject : subjects)
            if (CLessonPlan* lesson = LessonPlanFor(*subject, static_cast<CDay*>(day), false)) lessons.push_back(lesson);
    return lessons;
}

// The subject's assessments of the pupils of the form.
std::vector<CStored*> AssessmentsOfForm(const CSubject& subject, const CStored* form) {
    std::vector<CStored*> assessments;
    for (CStored* assessment : subject.AssociationItems("ASSESSMENTS")) {
        const CStored* pupil = assessment->GetRelation("PUPIL");
        if (pupil && pupil->GetRelation("FORM") == form) assessments.push_back(assessment);
    }
    return assessments;
}

int Run(int argc, char** argv) {
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    NoPrompts prompts;
    const ScopedPlatform platform({nullptr, nullptr, &prompts});
    const StoreFiles files = GeneratedStoreFiles(*ShapeNamed("school"));

    OpenedMainFactory opened(files.packed);
    CRovanFactory& factory = opened.factory;
    StandInMain main;
    main.widget.resize(1600, 1000);
    main.widget.show();

    const CYear& year = *factory.Year();
    const std::vector<CSubject*> subjects = SubjectsOfFirstForm(year);
    const std::vector<CStored*> lessons = WeekOfLessons(year, subjects);
    const double plans = TimeWindow([&] { return TFormPlanData::Open(main, lessons); });
    PrintAgainstBudget("plan window, a week of one form's " + std::to_string(lessons.size()) + " lessons (school)",
                       plans * kMilliseconds, kWindowBudget);

    const std::vector<CStored*> assessments =
        AssessmentsOfForm(*subjects.front(), year.AssociationItem("PUPILS", 0)->GetRelation("FORM"));
    const double assessed = TimeWindow([&] { return TFormAssessmentData::Open(main, assessments); });
    PrintAgainstBudget("assessment window, one form's " + std::to_string(assessments.size()) +
                           " assessments in one subject (school)",
                       assessed * kMilliseconds, kWindowBudget);

    std::vector<CStored*> pupils;
    const CStored* form = year.AssociationItem("PUPILS", 0)->GetRelation("FORM");
    for (CStored* pupil : year.AssociationItems("PUPILS"))
        if (pupil->GetRelation("FORM") == form) pupils.push_back(pupil);
    const double reports = TimeWindow([&] { return TFormReportData::Open(main, pupils); });
    PrintAgainstBudget("report window, one form's " + std::to_string(pupils.size()) + " pupils (school)",
                       reports * kMilliseconds, kWindowBudget);

    const std::filesystem::path pdf = std::filesystem::temp_directory_path() / "bench_reports.pdf";
    const double written = BestTime(3, [&] { WriteReportsPdf(pupils, QString::fromStdString(pdf.string())); });
    std::error_code ignored;
    std::filesystem::remove(pdf, ignored);
    PrintAgainstBudget("Save All Reports as PDF, one form's " + std::to_string(pupils.size()) + " pupils (school)",
                       written * kMilliseconds, kPdfBudget);
    return 0;
}

}  // namespace
}  // namespace vantaro::bench

int main(int argc, char** argv) {
    return vantaro::bench::RunBenchmark("bench_data_windows", vantaro::bench::Run, argc, argv);
}
