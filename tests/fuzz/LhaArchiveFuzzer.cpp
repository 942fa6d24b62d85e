// Fuzzes the archive reader: every member of the input is unpacked in memory, and archives whose
// members are small also go through TCompLHA::ExpandFiles and IsArchive on a real file. Only the
// archive component's own errors may come out; anything else (a crash, a sanitizer report, another
// exception) is a finding.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "lha/ArchiveInput.h"
#include "lha/LhaArchiveReader.h"
#include "lha/LhaErrors.h"
#include "lha/TCompLHA.h"

namespace {

namespace fs = std::filesystem;
using namespace vantaro;

// Members may claim up to 4 GiB; unpacking that much would only make the run slow.
constexpr std::uint32_t kLargestUnpacked = 1 << 20;

const fs::path& Folder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "fuzz-lha-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        fs::create_directory(fs::path(pattern) / "out");
        return fs::path(pattern);
    }();
    return folder;
}

bool AllMembersSmall(lha::ArchiveInput& input) {
    bool small = true;
    lha::ForEachMember(input, [&](const lha::MemberHeader& header) {
        small = small && header.unpackedSize <= kLargestUnpacked;
        return small;
    });
    return small;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    lha::MemoryArchiveInput input(bytes);
    bool small = false;
    try {
        small = AllMembersSmall(input);
        lha::ForEachMember(input, [&](const lha::MemberHeader& header) {
            if (header.unpackedSize > kLargestUnpacked || lha::IsDirectoryEntry(header)) return true;
            lha::CountingSink sink;
            lha::UnpackMember(input, header, sink, {});
            return true;
        });
    } catch (const ECompLHA&) {
    }
    if (!small) return 0;

    const fs::path archive = Folder() / "a.lzh";
    std::ofstream(archive, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(size));
    TCompLHA archiver;
    archiver.SetTargetPath((Folder() / "out").string());
    std::vector<std::string> names = {"*", "*\\*", "*/*"};
    try {
        TCompLHA::IsArchive(archive.string());
        archiver.ExpandFiles(archive.string(), names);
    } catch (const EInOutError&) {
        // ECompLHA and the failure to write an output under a name the file system refuses
    }
    for (const auto& entry : fs::directory_iterator(Folder() / "out")) {
        std::error_code ignored;
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove(entry.path(), ignored);
    }
    return 0;
}
