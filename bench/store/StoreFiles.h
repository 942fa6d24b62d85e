#pragma once

#include <filesystem>

#include "domain/CRovanFactory.h"
#include "store/StoreShape.h"

namespace vantaro::bench {

// A generated school year saved twice, packed and plain.
struct StoreFiles {
    std::filesystem::path packed;
    std::filesystem::path plain;
};

// The files of a size, generated with the default seed into the store folder
// ($VANTARO_BENCH_STORES, or "stores" beside the running benchmark) and kept there between runs.
// A file older than the running benchmark is made again, since the generator that made it may
// have changed.
StoreFiles GeneratedStoreFiles(const StoreShape& shape);

// The program's main factory for a window benchmark, as the program sets it up (settings read,
// deleted objects counted as hidden), with the store opened; the main factory no longer once
// it goes.
class OpenedMainFactory {
public:
    explicit OpenedMainFactory(const std::filesystem::path& store);
    ~OpenedMainFactory();
    OpenedMainFactory(const OpenedMainFactory&) = delete;
    OpenedMainFactory& operator=(const OpenedMainFactory&) = delete;

    CRovanFactory factory;
};

}  // namespace vantaro::bench
