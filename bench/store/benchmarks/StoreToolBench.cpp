// bench_store_tool: the store tool's pack and unpack verbs on the plain text of a generated
// data store (the school size unless another is named) against the LHA peers: packing against
// jlha (time and packed size), unpacking our archive into a file against jlha, lhasa and 7z.
// Every command runs as a process, as a user would run it; a peer that is not installed is
// reported as missing.
//
// Usage: bench_store_tool [class|school|stress]   (default: school)

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "store/BenchSupport.h"
#include "store/StoreFiles.h"

namespace vantaro::bench {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMember = "Vantaro.xml";  // the member name the data store archive holds

std::string Tool() { return Quote(VANTARO_STORE_TOOL); }

// A command run in its own subfolder of the scratch folder, after the file it makes is removed.
std::string InFolder(const fs::path& folder, const std::string& made, const std::string& command) {
    fs::create_directories(folder);
    return "cd " + Quote(folder.string()) + " && rm -f " + Quote(made) + " && " + command;
}

void Bench(const StoreShape& shape, const ScratchFolder& scratch) {
    const StoreFiles files = GeneratedStoreFiles(shape);
    const fs::path text = scratch / kMember;
    fs::copy_file(files.plain, text, fs::copy_options::overwrite_existing);
    const int runs = RunsFor(shape);
    const std::string size = " " + shape.name + " text";

    const fs::path ours = scratch / "ours.lzh";
    const double pack = BestShellTime(runs, InFolder(scratch.Path(), "ours.lzh",
                                                     Tool() + " pack " + kMember + " ours.lzh"));
    if (HasTool("jlha")) {
        const double jlha = BestShellTime(
            runs, InFolder(scratch.Path(), "jlha.lzh", std::string("jlha c1q jlha.lzh ") + kMember + " </dev/null"));
        PrintRow("vantaro-store pack" + size, pack, "s", "jlha pack", jlha);
        PrintRow("packed size" + size, static_cast<double>(fs::file_size(ours)) / 1e6, "MB", "jlha",
                 static_cast<double>(fs::file_size(scratch / "jlha.lzh")) / 1e6);
    } else {
        PrintMissing("vantaro-store pack" + size, pack, "s", "jlha pack");
    }

    const double unpack = BestShellTime(
        runs, InFolder(scratch / "ours", "out.xml", Tool() + " unpack " + Quote(ours.string()) + " out.xml"));
    const std::vector<std::pair<std::string, std::string>> peers = {
        {"jlha", "jlha xq " + Quote(ours.string()) + " </dev/null"},
        {"lhasa", "lhasa xq " + Quote(ours.string())},
        {"7z", "7z x -y " + Quote(ours.string()) + " >/dev/null"},
    };
    for (const auto& [peer, command] : peers) {
        if (!HasTool(peer)) {
            PrintMissing("vantaro-store unpack" + size, unpack, "s", peer + " unpack");
            continue;
        }
        const double theirs = BestShellTime(runs, InFolder(scratch / peer, kMember, command));
        PrintRow("vantaro-store unpack" + size, unpack, "s", peer + " unpack", theirs);
    }
}

int Run(int argc, char** argv) {
    const auto shapes = ShapesFromArguments(argc, argv);
    if (!shapes) return 2;
    const ScratchFolder scratch;
    for (const StoreShape& shape : argc > 1 ? *shapes : std::vector<StoreShape>{*ShapeNamed("school")})
        Bench(shape, scratch);
    return 0;
}

}  // namespace
}  // namespace vantaro::bench

int main(int argc, char** argv) { return vantaro::bench::RunBenchmark("bench_store_tool", vantaro::bench::Run, argc, argv); }
