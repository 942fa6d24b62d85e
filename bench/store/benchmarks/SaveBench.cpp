// bench_store_save: saving a generated data store packed (writing the text, packing it, proving
// the file by reading it back) against gzip -6 of the same plain text, for each size; then how
// the time grows from the school size to the stress size.
//
// Usage: bench_store_save [class|school|stress ...]   (default: all three)

#include <map>

#include "domain/CRovanFactory.h"
#include "store/BenchSupport.h"
#include "store/StoreFiles.h"

namespace vantaro::bench {
namespace {

constexpr double kSaveGoal = 3.0;  // times gzip -6 of the text, on the school size

struct Measured {
    double seconds = 0;
    int objects = 0;
};

Measured MeasureSave(const StoreShape& shape, const ScratchFolder& scratch) {
    const StoreFiles files = GeneratedStoreFiles(shape);
    CRovanFactory factory;
    factory.Open(files.packed.string());
    factory.Settings().CompressDatastore = true;
    const std::string target = (scratch / "saved.ods").string();
    Measured measured;
    measured.objects = factory.Objects().Count();
    measured.seconds = BestTime(RunsFor(shape), [&] { factory.Save(target); });
    const std::string what = "save " + shape.name + " (" + std::to_string(measured.objects) + " objects)";
    PrintAgainstPeer(what, measured.seconds, shape, "gzip", "gzip -6 text",
                     "gzip -6 -c " + Quote(files.plain.string()) + " >/dev/null", kSaveGoal);
    return measured;
}

int Run(int argc, char** argv) {
    const auto shapes = ShapesFromArguments(argc, argv);
    if (!shapes) return 2;
    const ScratchFolder scratch;
    std::map<std::string, Measured> measured;
    for (const StoreShape& shape : *shapes) measured[shape.name] = MeasureSave(shape, scratch);
    if (measured.count("school") && measured.count("stress")) {
        const Measured& school = measured["school"];
        const Measured& stress = measured["stress"];
        PrintGrowth("save growth stress/school", school.seconds, stress.seconds,
                    static_cast<double>(stress.objects) / school.objects);
    }
    return 0;
}

}  // namespace
}  // namespace vantaro::bench

int main(int argc, char** argv) { return vantaro::bench::RunBenchmark("bench_store_save", vantaro::bench::Run, argc, argv); }
