#pragma once

#include <cstdint>

#include "lha/ByteStream.h"
#include "routines/Platform.h"

namespace vantaro {

// Passes the progress of one phase of reading or writing a data store on to the platform's
// progress window, about kStoreProgressSteps times however often it is called, so the window
// stays painted without the work waiting on it.
inline constexpr std::uint64_t kStoreProgressSteps = 200;

inline lha::ProgressCallback StoreProgress() {
    return [next = std::uint64_t{0}](std::uint64_t done, std::uint64_t total) mutable {
        if (done < next && done < total) return;
        next = done + total / kStoreProgressSteps + 1;
        Platform::Progress().ReportProgress(done, total);
    };
}

}  // namespace vantaro
