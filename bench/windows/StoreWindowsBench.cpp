// bench_store_windows: the object map on the generated school-size year, on Qt's offscreen
// platform: its page built and laid out (the ownership tree of every object with its details),
// and Check RI's check alone (the trash emptied and the integrity errors found, no repair).
// Figures in milliseconds beside their budgets, best of three.
//
// Usage: bench_store_windows

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <string>

#include "domain/CRovanFactory.h"
#include "grid/OffscreenPlatform.h"
#include "routines/Platform.h"
#include "store/BenchSupport.h"
#include "store/StoreFiles.h"
#include "windows/store/TFrameObjectMapGrid.h"

namespace vantaro::bench {
namespace {

constexpr double kMapBudget = 1000;    // milliseconds to build and lay out the map
constexpr double kCheckBudget = 1000;  // milliseconds for Check RI without repairs
constexpr double kMilliseconds = 1000;

int Run(int argc, char** argv) {
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    NoPrompts prompts;
    const ScopedPlatform platform({nullptr, nullptr, &prompts});
    const StoreFiles files = GeneratedStoreFiles(*ShapeNamed("school"));

    OpenedMainFactory opened(files.packed);
    CRovanFactory& factory = opened.factory;

    TFrameObjectMapGrid map;
    map.resize(1600, 1000);
    map.show();
    map.SetFactory(&factory);
    const double built = BestTime(3, [&] { map.Refresh(0); });
    PrintAgainstBudget("object map, " + std::to_string(map.ObjectCount()) + " object rows built and laid out (school)",
                       built * kMilliseconds, kMapBudget);

    // The check writes its log, when there is anything to log, beside the generated stores.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(files.packed.parent_path());
    int errors = 0;
    const double checked = BestTime(3, [&] {
        factory.EmptyTrash();
        errors = factory.FindIntegrityErrors().Total();
    });
    std::filesystem::current_path(previous);
    PrintAgainstBudget("Check RI without repairs, " + std::to_string(factory.Objects().Count()) + " objects, " +
                           std::to_string(errors) + " errors (school)",
                       checked * kMilliseconds, kCheckBudget);
    return 0;
}

}  // namespace
}  // namespace vantaro::bench

int main(int argc, char** argv) {
    return vantaro::bench::RunBenchmark("bench_store_windows", vantaro::bench::Run, argc, argv);
}
