// vantaro-generate: writes a generated school year as a data store file.
//
// Usage: vantaro-generate class|school|stress OUT.ods [--plain] [--seed N]
//
// The store is saved as the application saves it (permanent IDs, packed unless --plain). The same
// size and seed give the same store text. Prints what the store holds and how long it took.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

#include "domain/CRovanFactory.h"
#include "store/GeneratedStore.h"

namespace {

using Clock = std::chrono::steady_clock;

int Usage() {
    std::fprintf(stderr, "Usage: vantaro-generate class|school|stress OUT.ods [--plain] [--seed N]\n");
    return 2;
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const auto shape = vantaro::bench::ShapeNamed(argv[1]);
    if (!shape) return Usage();
    const std::string out = argv[2];
    bool plain = false;
    std::uint64_t seed = vantaro::bench::kDefaultSeed;
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--plain") {
            plain = true;
        } else if (option == "--seed" && i + 1 < argc) {
            char* end = nullptr;
            seed = std::strtoull(argv[++i], &end, 10);
            if (!end || *end) return Usage();
        } else {
            return Usage();
        }
    }
    try {
        vantaro::CRovanFactory factory;
        const auto started = Clock::now();
        const vantaro::bench::StoreCounts counts = vantaro::bench::GenerateStore(factory, *shape, seed);
        const double generated = SecondsSince(started);
        factory.Settings().CompressDatastore = !plain;
        const auto saving = Clock::now();
        factory.Save(out);
        std::printf("%s: %d objects, %lld achievements, %ju bytes %s; generated in %.2f s, saved in %.2f s\n",
                    shape->name.c_str(), counts.objects, counts.achievements,
                    static_cast<std::uintmax_t>(std::filesystem::file_size(out)), plain ? "plain" : "packed",
                    generated, SecondsSince(saving));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "vantaro-generate: %s\n", error.what());
        return 1;
    }
    return 0;
}
