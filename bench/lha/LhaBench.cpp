// bench_lha: -lh5- packing and unpacking of data-store-like texts (5 MB and 50 MB, generated the
// same way every run) against the LHA peers on this machine: packed size against jlha, packing
// speed against gzip -6, unpacking speed against 7z and lhasa. Each line prints our figure, the
// peer's and the ratio; a peer that is not installed is reported as missing.
//
// Usage: bench_lha [size-in-MB ...]   (default: 5 50)

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "lha/ArchiveInput.h"
#include "lha/LhaArchiveReader.h"
#include "lha/StoreText.h"
#include "lha/TCompLHA.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double kMegabyte = 1e6;

// Best wall time of a few runs, in seconds.
double BestTime(int runs, const std::function<void()>& work) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

bool HasTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

void Run(const std::string& command) {
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "bench_lha: failed: %s\n", command.c_str());
}

std::string Quote(const fs::path& path) { return std::string(1, '\'').append(path.string()).append(1, '\''); }

void Report(const char* what, double ours, const char* peer, double theirs, const char* unit) {
    std::printf("  %-34s ours %9.4f %-5s %-10s %9.4f %-5s ratio %.3f\n", what, ours, unit, peer, theirs,
                unit, ours / theirs);
}

void Missing(const char* what, double ours, const char* peer, const char* unit) {
    std::printf("  %-34s ours %9.2f %-5s %-10s (not installed)\n", what, ours, unit, peer);
}

// Unpacks the archive's one member into a counting sink: decoding and CRC, no output file.
void UnpackToNothing(const fs::path& archive) {
    vantaro::lha::BinaryFile file(archive, vantaro::lha::BinaryFile::Mode::Read);
    vantaro::lha::FileArchiveInput input(file);
    vantaro::lha::ForEachMember(input, [&](const vantaro::lha::MemberHeader& header) {
        vantaro::lha::CountingSink sink;
        vantaro::lha::UnpackMember(input, header, sink, {});
        return false;
    });
}

void Bench(std::size_t megabytes, const fs::path& folder) {
    const std::size_t size = megabytes * 1000 * 1000;
    const std::string text = vantaro::bench::MakeStoreText(size);
    const fs::path textPath = folder / "Vantaro.xml";
    std::ofstream(textPath, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
    const double mb = static_cast<double>(size) / kMegabyte;
    const int runs = megabytes <= 10 ? 3 : 2;
    std::printf("%zu MB data-store text\n", megabytes);

    const fs::path ours = folder / "ours.lzh";
    vantaro::TCompLHA archiver;
    const double packTime = BestTime(runs, [&] { archiver.PackFile(textPath.string(), ours.string(), "Vantaro.xml"); });
    const double oursRatio = static_cast<double>(fs::file_size(ours)) / static_cast<double>(size);

    if (HasTool("jlha")) {
        const fs::path theirs = folder / "jlha.lzh";
        BestTime(1, [&] {
            fs::remove(theirs);
            Run("cd " + Quote(folder) + " && jlha c1q jlha.lzh Vantaro.xml");
        });
        const double jlhaRatio = static_cast<double>(fs::file_size(theirs)) / static_cast<double>(size);
        Report("-lh5- packed size / text size", oursRatio, "jlha", jlhaRatio, "");
    } else {
        Missing("-lh5- packed size / text size", oursRatio, "jlha", "");
    }
    if (HasTool("gzip")) {
        const double gzipTime = BestTime(runs, [&] { Run("gzip -6 -c " + Quote(textPath) + " >/dev/null"); });
        Report("-lh5- packing speed", mb / packTime, "gzip -6", mb / gzipTime, "MB/s");
    } else {
        Missing("-lh5- packing speed", mb / packTime, "gzip -6", "MB/s");
    }

    const double unpackTime = BestTime(runs, [&] { UnpackToNothing(ours); });
    for (const auto& [peer, command] : {std::pair<const char*, std::string>{"7z", "7z x -so " + Quote(ours) + " >/dev/null 2>&1"},
                                        std::pair<const char*, std::string>{"lhasa", "lhasa pq " + Quote(ours) + " >/dev/null"}}) {
        if (!HasTool(peer)) {
            Missing("-lh5- unpacking speed", mb / unpackTime, peer, "MB/s");
            continue;
        }
        const double peerTime = BestTime(runs, [&] { Run(command); });
        Report("-lh5- unpacking speed", mb / unpackTime, peer, mb / peerTime, "MB/s");
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::size_t> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(static_cast<std::size_t>(std::strtoul(argv[i], nullptr, 10)));
    if (sizes.empty()) sizes = {5, 50};

    std::string pattern = (fs::temp_directory_path() / "bench-lha-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("bench_lha: temporary folder");
        return 1;
    }
    const fs::path folder = pattern;
    try {
        for (const std::size_t megabytes : sizes) Bench(megabytes, folder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_lha: %s\n", error.what());
        fs::remove_all(folder);
        return 1;
    }
    fs::remove_all(folder);
    return 0;
}
