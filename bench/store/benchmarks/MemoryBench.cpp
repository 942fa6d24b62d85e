// bench_store_memory: the peak resident size of a process that opens a generated data store of
// each size, in all and per stored object; then how it grows from the school size to the stress
// size. Each size is opened in a fresh process (this program run with --open), so the figure is
// that open's own peak and nothing left from the others.
//
// Usage: bench_store_memory [class|school|stress ...]   (default: all three)
//        bench_store_memory --open FILE   (prints the objects and the peak in kB)

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <stdexcept>

#include "domain/CRovanFactory.h"
#include "store/BenchSupport.h"
#include "store/StoreFiles.h"

namespace vantaro::bench {
namespace {

constexpr double kGoalBytesPerObject = 2048;
constexpr double kKilobyte = 1024;
constexpr double kMegabyte = 1024 * 1024;

struct Measured {
    long long peakKilobytes = 0;
    int objects = 0;
};

int OpenAndReport(const char* path) {
    CRovanFactory factory;
    factory.Open(path);
    std::printf("%d %lld\n", factory.Objects().Count(), StatusKilobytes("VmHWM"));
    return 0;
}

Measured MeasurePeak(const StoreShape& shape) {
    const StoreFiles files = GeneratedStoreFiles(shape);
    // popen runs the command through the shell, whose /proc/self is the shell: name this program.
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::unique_ptr<FILE, int (*)(FILE*)> child(
        ::popen((Quote(self) + " --open " + Quote(files.packed.string())).c_str(), "r"), &::pclose);
    Measured measured;
    if (!child || std::fscanf(child.get(), "%d %lld", &measured.objects, &measured.peakKilobytes) != 2)
        throw std::runtime_error("the opening process for the " + shape.name + " size reported nothing");
    const double bytesPerObject = measured.peakKilobytes * kKilobyte / measured.objects;
    PrintFigure("peak memory " + shape.name + " (" + std::to_string(measured.objects) + " objects)",
                measured.peakKilobytes * kKilobyte / kMegabyte, "MB", "per object", bytesPerObject, "B",
                {"<= 2 KB/object", bytesPerObject <= kGoalBytesPerObject});
    return measured;
}

int Run(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--open") == 0) return OpenAndReport(argv[2]);
    const auto shapes = ShapesFromArguments(argc, argv);
    if (!shapes) return 2;
    const ScratchFolder scratch;
    std::map<std::string, Measured> measured;
    for (const StoreShape& shape : *shapes) measured[shape.name] = MeasurePeak(shape);
    if (measured.count("school") && measured.count("stress")) {
        const Measured& school = measured["school"];
        const Measured& stress = measured["stress"];
        PrintGrowth("memory growth stress/school", static_cast<double>(school.peakKilobytes),
                    static_cast<double>(stress.peakKilobytes), static_cast<double>(stress.objects) / school.objects);
    }
    return 0;
}

}  // namespace
}  // namespace vantaro::bench

int main(int argc, char** argv) { return vantaro::bench::RunBenchmark("bench_store_memory", vantaro::bench::Run, argc, argv); }
