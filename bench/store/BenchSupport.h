#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "routines/Platform.h"
#include "store/StoreShape.h"

namespace vantaro::bench {

// A benchmark's main: runs it, and turns an error into one line on stderr and exit status 1.
int RunBenchmark(const char* program, int (*run)(int, char**), int argc, char** argv);

// Wall-clock seconds since it was made.
class Stopwatch {
public:
    double Seconds() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(); }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Best wall time of a few runs, in seconds.
double BestTime(int runs, const std::function<void()>& work);
// The best of a few runs of work that times itself, so each run can prepare and clean up
// outside its timing.
double BestOf(int runs, const std::function<double()>& timedRun);
// Runs of a timing per size: fewer for the larger stores.
int RunsFor(const StoreShape& shape);

// The sizes named on the command line from argument first on, all three when none is named;
// none, after a line on stderr, when a name is unknown.
std::optional<std::vector<StoreShape>> ShapesFromArguments(int argc, char** argv, int first = 1);

// A private temporary folder that is the current directory while it lives, so that nothing a
// benchmark writes (saved stores, unpacked texts, DebugLog.txt) lands anywhere else.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// Whether a program is on the PATH.
bool HasTool(const std::string& name);
// Runs a shell command line; false (with a line on stderr) when it fails.
bool RunShell(const std::string& command);
// Best wall time of a few runs of a shell command line, in seconds; negative when it fails.
double BestShellTime(int runs, const std::string& command);
std::string Quote(const std::string& path);

// A "kB" figure of /proc/self/status, such as VmHWM (peak resident size) or VmRSS.
long long StatusKilobytes(const char* field);

// Answers every question No, so a benchmark saves or destroys nothing it did not ask for.
class NoPrompts final : public UserPrompts {
public:
    bool Ask(const std::string&, const std::string&, MessageButtons) override { return false; }
};

// One line of the report: our figure, the peer's, their ratio and, where there is one, the goal
// and whether it holds. All benchmarks print their lines this way so scripts/bench.sh can gather
// them into one table.
struct Goal {
    std::string text;  // empty: no goal
    bool met = false;
};
void PrintRow(const std::string& what, double ours, const std::string& unit, const std::string& peer,
              double theirs, const Goal& goal = {});
// A line without a peer: the figure and a second one in its place (such as per object).
void PrintFigure(const std::string& what, double ours, const std::string& unit, const std::string& second,
                 double secondValue, const std::string& secondUnit, const Goal& goal = {});
void PrintMissing(const std::string& what, double ours, const std::string& unit, const std::string& peer);
// A time in milliseconds beside its budget; the goal is to stay within it.
void PrintAgainstBudget(const std::string& what, double milliseconds, double budget);
// Our time for a size against the best time of a peer's shell command line run as often; the
// goal, ours at most goalFactor times the peer's, applies to the school size.
void PrintAgainstPeer(const std::string& what, double ours, const StoreShape& shape, const std::string& tool,
                      const std::string& peer, const std::string& command, double goalFactor);
// How a figure grows from the school size to the stress size against how the number of objects
// grows: linear growth keeps the two about equal. The goal allows a quarter more.
void PrintGrowth(const std::string& what, double school, double stress, double objectGrowth);

}  // namespace vantaro::bench
