#include "support/RunCommand.h"

#include "support/TempDir.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace vantaro::test {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
    return std::filesystem::exists(path) ? ReadFileBytes(path) : std::string{};
}

}  // namespace

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CommandResult RunCommand(const std::string& commandLine) {
    namespace fs = std::filesystem;
    const fs::path base = fs::temp_directory_path() /
                          ("vantaro-cmd-" + std::to_string(::getpid()) + "-" +
                           std::to_string(std::rand()));
    const fs::path outPath = base.string() + ".out";
    const fs::path errPath = base.string() + ".err";
    const std::string full = commandLine + " >" + ShellQuote(outPath.string()) + " 2>" +
                             ShellQuote(errPath.string());
    const int status = std::system(full.c_str());
    CommandResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadAll(outPath);
    result.err = ReadAll(errPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return result;
}

}  // namespace vantaro::test
