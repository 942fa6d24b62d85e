#pragma once

#include <string>

namespace vantaro::test {

struct CommandResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a shell command line and collects its exit code, standard output and standard error.
CommandResult RunCommand(const std::string& commandLine);

// Quotes a text for the shell.
std::string ShellQuote(const std::string& text);

}  // namespace vantaro::test
