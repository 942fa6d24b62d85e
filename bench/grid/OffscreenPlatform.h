#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace vantaro::bench {

// Qt's offscreen platform, with a private runtime folder when the session has none: the UI
// benchmarks need no display.
inline void UseOffscreenPlatform() {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (std::getenv("XDG_RUNTIME_DIR")) return;
    const auto runtime = std::filesystem::temp_directory_path() / ("vantaro-bench-" + std::to_string(::getuid()));
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
}

}  // namespace vantaro::bench
