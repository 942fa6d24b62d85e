// bench_lha: -lh5- packing and unpacking of data-store-like texts (5 MB and 50 MB, generated the
// same way every run) against the LHA peers on this machine: packed size against jlha, packing
// speed against gzip -6, unpacking speed against 7z and lhasa. Each line prints our figure, the
// peer's and the ratio; a peer that is not installed is reported as missing.
//
// Usage: bench_lha [size-in-MB ...]   (default: 5 50)

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "lha/ArchiveInput.h"
#include "lha/LhaArchiveReader.h"
#include "lha/StoreText.h"
#include "lha/TCompLHA.h"
#include "store/BenchSupport.h"

namespace vantaro::bench {
namespace {

namespace fs = std::filesystem;

constexpr double kMegabyte = 1e6;

// Unpacks the archive's one member into a counting sink: decoding and CRC, no output file.
void UnpackToNothing(const fs::path& archive) {
    lha::BinaryFile file(archive, lha::BinaryFile::Mode::Read);
    lha::FileArchiveInput input(file);
    lha::ForEachMember(input, [&](const lha::MemberHeader& header) {
        lha::CountingSink sink;
        lha::UnpackMember(input, header, sink, {});
        return false;
    });
}

void Bench(std::size_t megabytes, const ScratchFolder& folder) {
    const std::size_t size = megabytes * 1000 * 1000;
    const std::string text = MakeStoreText(size);
    const fs::path textPath = folder / "Vantaro.xml";
    std::ofstream(textPath, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
    const double mb = static_cast<double>(size) / kMegabyte;
    const int runs = megabytes <= 10 ? 3 : 2;
    const std::string of = ", " + std::to_string(megabytes) + " MB text";

    const fs::path ours = folder / "ours.lzh";
    TCompLHA archiver;
    const double packTime = BestTime(runs, [&] { archiver.PackFile(textPath.string(), ours.string(), "Vantaro.xml"); });
    const double oursRatio = static_cast<double>(fs::file_size(ours)) / static_cast<double>(size);

    if (HasTool("jlha")) {
        const fs::path theirs = folder / "jlha.lzh";
        fs::remove(theirs);
        RunShell("jlha c1q jlha.lzh Vantaro.xml");
        const double jlhaRatio = static_cast<double>(fs::file_size(theirs)) / static_cast<double>(size);
        PrintRow("-lh5- packed / text size" + of, oursRatio, "", "jlha", jlhaRatio);
    } else {
        PrintMissing("-lh5- packed / text size" + of, oursRatio, "", "jlha");
    }
    const double gzipTime = HasTool("gzip") ? BestShellTime(runs, "gzip -6 -c Vantaro.xml >/dev/null") : -1;
    if (gzipTime > 0)
        PrintRow("-lh5- packing" + of, mb / packTime, "MB/s", "gzip -6", mb / gzipTime);
    else
        PrintMissing("-lh5- packing" + of, mb / packTime, "MB/s", "gzip -6");

    const double unpackTime = BestTime(runs, [&] { UnpackToNothing(ours); });
    for (const auto& [peer, command] : {std::pair<const char*, std::string>{"7z", "7z x -so ours.lzh >/dev/null 2>&1"},
                                        std::pair<const char*, std::string>{"lhasa", "lhasa pq ours.lzh >/dev/null"}}) {
        const double peerTime = HasTool(peer) ? BestShellTime(runs, command) : -1;
        if (peerTime > 0)
            PrintRow("-lh5- unpacking" + of, mb / unpackTime, "MB/s", peer, mb / peerTime);
        else
            PrintMissing("-lh5- unpacking" + of, mb / unpackTime, "MB/s", peer);
    }
}

int Run(int argc, char** argv) {
    std::vector<std::size_t> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(static_cast<std::size_t>(std::strtoul(argv[i], nullptr, 10)));
    if (sizes.empty()) sizes = {5, 50};
    const ScratchFolder folder;
    for (const std::size_t megabytes : sizes) Bench(megabytes, folder);
    return 0;
}

}  // namespace
}  // namespace vantaro::bench

int main(int argc, char** argv) { return vantaro::bench::RunBenchmark("bench_lha", vantaro::bench::Run, argc, argv); }
