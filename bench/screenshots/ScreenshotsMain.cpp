// vantaro-screenshots: pictures of the program's windows for the user's guide. On a generated
// class-size year it shows each organiser, each view of the plan, assessment, report and
// curriculum windows, the first page of each wizard and the smaller windows, and saves each as a
// PNG in the folder given. Run under a display (scripts/screenshots.sh uses a virtual one).
//
// Usage: vantaro-screenshots OUT_DIR

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "controllers/data/TFormDataControler.h"
#include "domain/Assessments.h"
#include "domain/CRovanFactory.h"
#include "domain/Lookups.h"
#include "domain/People.h"
#include "domain/Plans.h"
#include "domain/Periods.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "routines/Platform.h"
#include "store/BenchSupport.h"
#include "store/StoreFiles.h"
#include "windows/DataWindows.h"
#include "windows/assessment/TFormAssessmentData.h"
#include "windows/curriculum/TFormCurriculumData.h"
#include "windows/plan/TFormPlanData.h"
#include "windows/report/TFormReportData.h"
#include "windows/FileDialogs.h"
#include "windows/main/TFormMain.h"
#include "windows/notes/TFormAbsencesControler.h"
#include "windows/notes/TFormNotesControler.h"
#include "windows/sets/TFormSetManager.h"
#include "windows/store/TFormFilterControler.h"
#include "windows/store/TFormObjectMapControler.h"
#include "windows/store/TFormTrashCanControler.h"
#include "wizards/TFormWidzardControler.h"
#include "wizards/Wizards.h"

namespace vantaro::bench {
namespace {

// No dialog is answered: the pictures change nothing.
class NoFileDialogs final : public FileDialogs {
public:
    QString ChooseFileToOpen(QWidget*, const QString&) override { return {}; }
    QStringList ChooseFilesToOpen(QWidget*, const QString&) override { return {}; }
    QString ChooseFileToSave(QWidget*, const QString&, const QString&) override { return {}; }
};

class Camera {
public:
    explicit Camera(QString folder) : folder_(std::move(folder)) {}

    void Take(QWidget& window, const char* name) {
        QApplication::processEvents();
        const QString path = folder_ + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
        if (window.grab().save(path)) std::printf("%s\n", path.toLocal8Bit().constData());
        else std::fprintf(stderr, "vantaro-screenshots: could not write %s\n", path.toLocal8Bit().constData());
    }
    // The modal window that `open` runs is pictured once it has settled, then closed.
    void TakeModal(const char* name, const std::function<void()>& open) {
        QTimer::singleShot(400, [this, name] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            Take(*modal, name);
            modal->close();
        });
        open();
    }
    // Each view of a data window, by its view actions.
    void TakeViews(TFormDataControler* window, const char* prefix) {
        if (!window) return;
        window->show();
        for (QAction* action : window->ViewMenu().actions()) {
            if (!action->isCheckable()) continue;
            window->RunAction(action);
            const std::string name = std::string(prefix) + "-" + action->objectName().mid(10).toLower().toStdString();
            Take(*window, name.c_str());
        }
        window->CloseWithoutAsking();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    QString folder_;
};

std::vector<CStored*> FirstFormsPupils(CYear& year) {
    std::vector<CStored*> pupils;
    const CStored* form = year.AssociationItem("PUPILS", 0)->GetRelation("FORM");
    for (CStored* pupil : year.AssociationItems("PUPILS"))
        if (pupil->GetRelation("FORM") == form) pupils.push_back(pupil);
    return pupils;
}

int Run(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "Usage: vantaro-screenshots OUT_DIR\n");
        return 2;
    }
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    Camera camera(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    NoPrompts prompts;
    const ScopedPlatform platform({nullptr, nullptr, &prompts});
    // A copy under a plain name, which the main window's status bar shows.
    const StoreFiles files = GeneratedStoreFiles(*ShapeNamed("class"));
    const std::filesystem::path store = std::filesystem::temp_directory_path() / "Year 4.ods";
    std::filesystem::copy_file(files.packed, store, std::filesystem::copy_options::overwrite_existing);
    OpenedMainFactory opened(store);
    CRovanFactory& factory = opened.factory;
    factory.Settings().SingleClick = true;
    const std::filesystem::path backups = std::filesystem::temp_directory_path() / "Backups";
    std::filesystem::create_directories(backups);
    factory.Settings().BackupPath = backups.string() + "/";
    CRovanFactory scratch;
    NoFileDialogs dialogs;
    TFormMain main(factory, scratch, dialogs);
    InstallDataWindows(main);
    main.CreateSharedWindows();
    InstallWizards(main, scratch, dialogs);
    main.resize(1200, 800);
    main.ActionFileDisplayFactoryExecute();
    main.show();

    const char* organisers[] = {"organiser-planning", "organiser-assessment", "organiser-report",
                                "organiser-curriculum", "listing-pupils", "listing-aptitudes"};
    for (int view = 0; view < 6; ++view) {
        main.ShowView(view);
        camera.Take(main, organisers[view]);
    }
    main.ShowView(0);

    CYear& year = *factory.Year();
    auto* subject = static_cast<CSubject*>(year.AssociationItem("SUBJECTS", 0));
    std::vector<CStored*> lessons;
    for (CStored* day : year.AssociationItem("TERMS", 0)->AssociationItem("WEEKS", 0)->AssociationItems("DAYS"))
        if (CLessonPlan* lesson = LessonPlanFor(*subject, static_cast<CDay*>(day), false)) lessons.push_back(lesson);
    if (!lessons.empty()) lessons.resize(1);
    camera.TakeViews(TFormPlanData::Open(main, lessons), "plan");
    std::vector<CStored*> assessments;
    for (CStored* pupil : FirstFormsPupils(year))
        if (CAssessment* assessment = AssessmentFor(*subject, pupil, false)) assessments.push_back(assessment);
    camera.TakeViews(TFormAssessmentData::Open(main, assessments), "assessment");
    std::vector<CStored*> onePupil{year.AssociationItem("PUPILS", 0)};
    camera.TakeViews(TFormReportData::Open(main, onePupil), "report");
    camera.TakeViews(TFormCurriculumData::Open(main, {year.AssociationItem("CURRICULUMS", 0)}),
                     "curriculum");

    CStored* pupil = year.AssociationItem("PUPILS", 0);
    camera.TakeModal("window-pupil-notes", [&] { TFormNotesControler(&main).ShowPupilNotes(pupil, &main); });
    camera.TakeModal("window-absences", [&] { TFormAbsencesControler(&main).ShowAbsences(pupil, &main); });
    camera.TakeModal("window-set-manager", [&] { TFormSetManager(&main).ShowSets(subject, &main); });
    camera.TakeModal("window-trash-can", [&] { main.TrashWindow().ShowTrash(&main); });
    camera.TakeModal("window-filter", [&] { main.FilterWindow().ShowFilter(&main); });
    camera.TakeModal("window-object-map", [&] { main.ObjectMapWindow().ShowObjectMap(factory, &main); });
    const char* wizards[][2] = {{"LOAD_PUPIL_LIST_WIZARD", "wizard-pupil-list"}, {"FACTORY_OPTIONS", "wizard-options"},
                                {"FILE_DATA", "wizard-file-data"},             {"SEARCH_ORGANISERS", "wizard-search"},
                                {"BACKUP", "wizard-backup"}};
    for (const auto& [name, picture] : wizards)
        camera.TakeModal(picture, [&, name = name] { main.RunWizard(name, nullptr, &main); });
    return 0;
}

}  // namespace
}  // namespace vantaro::bench

int main(int argc, char** argv) { return vantaro::bench::Run(argc, argv); }
