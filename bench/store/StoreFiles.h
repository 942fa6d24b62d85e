#pragma once

#include <filesystem>

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

}  // namespace vantaro::bench
