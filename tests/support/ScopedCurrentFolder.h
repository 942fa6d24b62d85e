#pragma once

#include <filesystem>

namespace vantaro::test {

// Runs a test in a folder of its own, where the integrity check writes DebugLog.txt.
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~ScopedCurrentFolder() { std::filesystem::current_path(previous_); }
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

private:
    std::filesystem::path previous_;
};

}  // namespace vantaro::test
