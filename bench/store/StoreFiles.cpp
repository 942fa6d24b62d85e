#include "store/StoreFiles.h"

#include <cstdio>
#include <cstdlib>

#include "domain/CRovanFactory.h"
#include "store/BenchSupport.h"
#include "store/GeneratedStore.h"

namespace vantaro::bench {
namespace {

namespace fs = std::filesystem;

fs::path StoreFolder() {
    if (const char* folder = std::getenv("VANTARO_BENCH_STORES"); folder && *folder) return folder;
    return fs::read_symlink("/proc/self/exe").parent_path() / "stores";
}

bool IsCurrent(const fs::path& file) {
    std::error_code error;
    const auto made = fs::last_write_time(file, error);
    if (error) return false;
    const auto built = fs::last_write_time("/proc/self/exe", error);
    return !error && made >= built;
}

}  // namespace

StoreFiles GeneratedStoreFiles(const StoreShape& shape) {
    const fs::path folder = StoreFolder();
    fs::create_directories(folder);
    StoreFiles files{folder / (shape.name + ".ods"), folder / (shape.name + "-plain.ods")};
    if (IsCurrent(files.packed) && IsCurrent(files.plain)) return files;

    std::printf("  (generating the %s size into %s)\n", shape.name.c_str(), folder.c_str());
    std::fflush(stdout);
    CRovanFactory factory;
    GenerateStore(factory, shape);
    factory.Settings().CompressDatastore = false;
    factory.Save(files.plain.string());
    factory.Settings().CompressDatastore = true;
    factory.Save(files.packed.string());
    // Saving keeps the previous file as a backup copy; the store folder needs none.
    for (const fs::path& file : {files.plain, files.packed}) fs::remove(fs::path(file).replace_extension(".~ods"));
    return files;
}

OpenedMainFactory::OpenedMainFactory(const std::filesystem::path& store) {
    CFactory::SetMainFactory(&factory);
    factory.ReadSettings();
    factory.SetDeletedCountsAsHidden(true);
    factory.Open(store.string());
}

OpenedMainFactory::~OpenedMainFactory() { CFactory::SetMainFactory(nullptr); }

}  // namespace vantaro::bench
