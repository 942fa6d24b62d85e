// bench_organisers: the main window on the generated school-size year, on Qt's offscreen
// platform. Each of the six views is built and laid out (best of several refreshes), and opening
// and saving through the main window's commands is set against the factory's own Open and Save
// on the same file. Figures in milliseconds beside their budgets.
//
// Usage: bench_organisers

#include <QApplication>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "domain/CRovanFactory.h"
#include "routines/Platform.h"
#include "grid/OffscreenPlatform.h"
#include "store/BenchSupport.h"
#include "store/StoreFiles.h"
#include "windows/FileDialogs.h"
#include "windows/LocalPath.h"
#include "windows/main/TFormMain.h"

namespace vantaro::bench {
namespace {

constexpr double kViewBudget = 50;        // milliseconds per view on the school size
constexpr double kOverheadBudget = 0.10;  // the main window's share over the factory's own
constexpr double kMilliseconds = 1000;

// The dialogs answer with the prepared file.
class FixedDialogs final : public FileDialogs {
public:
    QString ChooseFileToOpen(QWidget*, const QString&) override { return file; }
    QStringList ChooseFilesToOpen(QWidget*, const QString&) override { return {file}; }
    QString ChooseFileToSave(QWidget*, const QString&, const QString&) override { return file; }
    QString file;
};

void PrintOverhead(const std::string& what, double window, double core) {
    const double share = core > 0 ? window / core - 1 : 0;
    char goal[32];
    std::snprintf(goal, sizeof goal, "<= +%g%%", kOverheadBudget * 100);
    PrintFigure(what, window * kMilliseconds, "ms", "factory alone", core * kMilliseconds, "ms",
                {goal, share <= kOverheadBudget});
}

int Run(int argc, char** argv) {
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    NoPrompts prompts;
    const ScopedPlatform platform({nullptr, nullptr, &prompts});
    const StoreShape shape = *ShapeNamed("school");
    const StoreFiles files = GeneratedStoreFiles(shape);
    const ScratchFolder scratchFolder;

    OpenedMainFactory opened(files.packed);
    CRovanFactory& factory = opened.factory;
    CRovanFactory scratch;
    FixedDialogs dialogs;
    TFormMain main(factory, scratch, dialogs);
    main.resize(1600, 1000);
    main.ActionFileDisplayFactoryExecute();
    main.show();

    const char* names[] = {"planning organiser", "assessment organiser", "report organiser",
                           "curriculum organiser", "pupil listing", "aptitude listing"};
    for (int view = 0; view < 6; ++view) {
        main.ShowView(view);
        TFrameGridAncestor* page = main.Views()[view];
        const double seconds = BestTime(5, [&] { page->Refresh(1); });
        PrintAgainstBudget(std::string(names[view]) + " (school)", seconds * kMilliseconds, kViewBudget);
    }
    main.ShowView(0);

    const std::string copy = (scratchFolder / "School.ods").string();
    std::filesystem::copy_file(files.packed, copy);
    dialogs.file = FromLocalPath(copy);
    // Rounds of one core run and one window run each, so both see the machine alike.
    const auto interleaved = [](const std::function<void()>& core, const std::function<void()>& window) {
        double bestCore = 1e30;
        double bestWindow = 1e30;
        for (int round = 0; round < 5; ++round) {
            bestCore = std::min(bestCore, BestTime(1, core));
            bestWindow = std::min(bestWindow, BestTime(1, window));
        }
        return std::make_pair(bestWindow, bestCore);
    };
    const auto [windowOpen, coreOpen] =
        interleaved([&] { factory.Open(copy); }, [&] { main.ActionFileOpenExecute(); });
    PrintOverhead("open school through the main window", windowOpen, coreOpen);
    const auto [windowSave, coreSave] =
        interleaved([&] { factory.Save(copy); }, [&] { main.ActionFileSaveExecute(); });
    PrintOverhead("save school through the main window", windowSave, coreSave);
    return 0;
}

}  // namespace
}  // namespace vantaro::bench

int main(int argc, char** argv) {
    return vantaro::bench::RunBenchmark("bench_organisers", vantaro::bench::Run, argc, argv);
}
