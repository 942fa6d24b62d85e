#include "routines/DebugLog.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "routines/Errors.h"

namespace vantaro {
namespace {

constexpr const char* kLogFileName = "DebugLog.txt";
constexpr auto kLogLifetime = std::chrono::days{3};

bool StartAfresh(const std::filesystem::path& path) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(path, error);
    if (error) return true;
    return std::filesystem::file_time_type::clock::now() - written > kLogLifetime;
}

}  // namespace

std::string DebugLogPath() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(kLogFileName, error);
    return error ? std::string(kLogFileName) : path.string();
}

void DebugLog(std::string_view text) {
    const std::filesystem::path path = kLogFileName;
    const auto mode = std::ios::binary | (StartAfresh(path) ? std::ios::trunc : std::ios::app);
    std::ofstream file(path, std::ios::out | mode);
    if (file) {
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file << "\r\n";
        file.flush();
    }
    if (!file) throw EInOutError(std::string("Cannot write ") + kLogFileName);
}

}  // namespace vantaro
