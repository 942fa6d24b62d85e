// bench_store_check: the integrity check (CheckIntegrity) and the sorting of the listed
// collections (SortCollections) on a generated data store of each size, in seconds and in
// microseconds per stored object; then how their times grow from the school size to the stress
// size. Neither has a peer.
//
// Usage: bench_store_check [class|school|stress ...]   (default: all three)

#include <map>
#include <stdexcept>

#include "domain/CRovanFactory.h"
#include "store/BenchSupport.h"
#include "store/StoreFiles.h"

namespace vantaro::bench {
namespace {

constexpr double kCheckGoalSeconds = 1.0;  // CheckIntegrity of the school size
constexpr double kMicroseconds = 1e6;

struct Measured {
    double check = 0;
    double sort = 0;
    int objects = 0;
};

Measured MeasureCheckAndSort(const StoreShape& shape) {
    const StoreFiles files = GeneratedStoreFiles(shape);
    CRovanFactory factory;
    factory.Open(files.packed.string());
    Measured measured;
    measured.objects = factory.Objects().Count();
    // Every generated store is sound; a record would mean the generator or the check went wrong.
    if (const int records = factory.FindIntegrityErrors().Total(); records != 0)
        throw std::runtime_error("the generated " + shape.name + " store has " + std::to_string(records) +
                                 " integrity records");
    measured.check = BestTime(RunsFor(shape), [&] { factory.CheckIntegrity(); });
    if (factory.Objects().Count() != measured.objects)
        throw std::runtime_error("the integrity check changed the generated " + shape.name + " store");
    measured.sort = BestTime(RunsFor(shape), [&] { factory.SortCollections(); });

    const double perObject = kMicroseconds / measured.objects;
    Goal goal;
    if (shape.name == "school") goal = {"< 1 s", measured.check < kCheckGoalSeconds};
    PrintFigure("CheckIntegrity " + shape.name, measured.check, "s", "per object", measured.check * perObject, "us",
                goal);
    PrintFigure("SortCollections " + shape.name, measured.sort, "s", "per object", measured.sort * perObject, "us");
    return measured;
}

int Run(int argc, char** argv) {
    const auto shapes = ShapesFromArguments(argc, argv);
    if (!shapes) return 2;
    const ScratchFolder scratch;  // CheckIntegrity writes DebugLog.txt into the current folder
    std::map<std::string, Measured> measured;
    for (const StoreShape& shape : *shapes) measured[shape.name] = MeasureCheckAndSort(shape);
    if (measured.count("school") && measured.count("stress")) {
        const Measured& school = measured["school"];
        const Measured& stress = measured["stress"];
        const double objects = static_cast<double>(stress.objects) / school.objects;
        PrintGrowth("check growth stress/school", school.check, stress.check, objects);
        PrintGrowth("sort growth stress/school", school.sort, stress.sort, objects);
    }
    return 0;
}

}  // namespace
}  // namespace vantaro::bench

int main(int argc, char** argv) { return vantaro::bench::RunBenchmark("bench_store_check", vantaro::bench::Run, argc, argv); }
