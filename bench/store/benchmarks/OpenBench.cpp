// bench_store_open: opening a generated data store (unpacking, parsing, resolving references)
// against lhasa only unpacking the same file to /dev/null, for each size; then how the time
// grows from the school size to the stress size.
//
// Usage: bench_store_open [class|school|stress ...]   (default: all three)

#include <map>

#include "domain/CRovanFactory.h"
#include "store/BenchSupport.h"
#include "store/StoreFiles.h"

namespace vantaro::bench {
namespace {

constexpr double kOpenGoal = 3.0;  // times lhasa's unpacking, on the school size

struct Measured {
    double seconds = 0;
    int objects = 0;
};

Measured MeasureOpen(const StoreShape& shape) {
    const StoreFiles files = GeneratedStoreFiles(shape);
    Measured measured;
    measured.seconds = BestOf(RunsFor(shape), [&] {
        CRovanFactory factory;
        const Stopwatch watch;
        factory.Open(files.packed.string());
        const double seconds = watch.Seconds();
        measured.objects = factory.Objects().Count();
        return seconds;
    });
    const std::string what = "open " + shape.name + " (" + std::to_string(measured.objects) + " objects)";
    PrintAgainstPeer(what, measured.seconds, shape, "lhasa", "lhasa unpack",
                     "lhasa pq " + Quote(files.packed.string()) + " >/dev/null", kOpenGoal);
    return measured;
}

int Run(int argc, char** argv) {
    const auto shapes = ShapesFromArguments(argc, argv);
    if (!shapes) return 2;
    const ScratchFolder scratch;
    std::map<std::string, Measured> measured;
    for (const StoreShape& shape : *shapes) measured[shape.name] = MeasureOpen(shape);
    if (measured.count("school") && measured.count("stress")) {
        const Measured& school = measured["school"];
        const Measured& stress = measured["stress"];
        PrintGrowth("open growth stress/school", school.seconds, stress.seconds,
                    static_cast<double>(stress.objects) / school.objects);
    }
    return 0;
}

}  // namespace
}  // namespace vantaro::bench

int main(int argc, char** argv) { return vantaro::bench::RunBenchmark("bench_store_open", vantaro::bench::Run, argc, argv); }
