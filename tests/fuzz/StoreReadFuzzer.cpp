// Fuzzes the data store reader: the input is written to a file and opened as a data store, plain
// or packed, then the integrity check runs over what was read. Only the reader's own errors may
// come out; anything else (a crash, a sanitizer report, another exception) is a finding.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "domain/CRovanFactory.h"
#include "routines/Errors.h"
#include "routines/Platform.h"

namespace {

namespace fs = std::filesystem;
using namespace vantaro;

// The messages a read shows ("DATA ERROR") are answered without a word.
class SilentPrompts final : public UserPrompts {
public:
    bool Ask(const std::string&, const std::string&, MessageButtons) override { return false; }
};

// A private folder that is also the current one, so the check's DebugLog.txt lands there.
const fs::path& Folder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "fuzz-store-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        fs::current_path(pattern);
        return fs::path(pattern);
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static SilentPrompts prompts;
    static const PlatformServices installed = Platform::Install({nullptr, nullptr, &prompts});
    (void)installed;
    const fs::path path = Folder() / "input.ods";
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CRovanFactory factory;
    try {
        factory.CFactory::Open(path.string());
        factory.FindIntegrityErrors();
    } catch (const EVantaro&) {
    }
    return 0;
}
