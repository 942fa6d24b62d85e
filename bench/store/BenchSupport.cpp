#include "store/BenchSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <stdexcept>

#include <unistd.h>

namespace vantaro::bench {

namespace {

// Linear growth with a quarter to spare: the stress size may cost 3.75 times the school size
// for three times its objects.
constexpr double kGrowthAllowance = 1.25;

}  // namespace

int RunBenchmark(const char* program, int (*run)(int, char**), int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", program, error.what());
        return 1;
    }
}

double BestTime(int runs, const std::function<void()>& work) {
    using Clock = std::chrono::steady_clock;
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

double BestOf(int runs, const std::function<double()>& timedRun) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) best = std::min(best, timedRun());
    return best;
}

int RunsFor(const StoreShape& shape) {
    if (shape.name == "class") return 5;
    if (shape.name == "school") return 3;
    return 2;
}

std::optional<std::vector<StoreShape>> ShapesFromArguments(int argc, char** argv, int first) {
    std::vector<StoreShape> shapes;
    for (int i = first; i < argc; ++i) {
        const std::optional<StoreShape> shape = ShapeNamed(argv[i]);
        if (!shape) {
            std::fprintf(stderr, "%s: unknown size \"%s\" (class, school or stress)\n", argv[0], argv[i]);
            return std::nullopt;
        }
        shapes.push_back(*shape);
    }
    if (shapes.empty())
        for (const std::string& name : ShapeNames()) shapes.push_back(*ShapeNamed(name));
    return shapes;
}

ScratchFolder::ScratchFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantaro-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
    std::filesystem::current_path(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

bool HasTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

bool RunShell(const std::string& command) {
    if (std::system(command.c_str()) == 0) return true;
    std::fprintf(stderr, "bench: failed: %s\n", command.c_str());
    return false;
}

double BestShellTime(int runs, const std::string& command) {
    bool ok = true;
    const double time = BestTime(runs, [&] { ok = RunShell(command) && ok; });
    return ok ? time : -1;
}

std::string Quote(const std::string& path) {
    std::string quoted = "'";
    for (const char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

long long StatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line))
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return std::atoll(line.c_str() + length + 1);
    return -1;
}

namespace {

std::string GoalText(const Goal& goal) {
    return goal.text.empty() ? std::string() : "  goal " + goal.text + ": " + (goal.met ? "met" : "NOT MET");
}

}  // namespace

void PrintRow(const std::string& what, double ours, const std::string& unit, const std::string& peer,
              double theirs, const Goal& goal) {
    std::printf("  %-38s ours %9.3f %-5s %-14s %9.3f %-5s ratio %6.2f%s\n", what.c_str(), ours, unit.c_str(),
                peer.c_str(), theirs, unit.c_str(), ours / theirs, GoalText(goal).c_str());
    std::fflush(stdout);
}

void PrintFigure(const std::string& what, double ours, const std::string& unit, const std::string& second,
                 double secondValue, const std::string& secondUnit, const Goal& goal) {
    std::printf("  %-38s ours %9.3f %-5s %-14s %9.3f %-5s%s\n", what.c_str(), ours, unit.c_str(), second.c_str(),
                secondValue, secondUnit.c_str(), GoalText(goal).c_str());
    std::fflush(stdout);
}

void PrintAgainstPeer(const std::string& what, double ours, const StoreShape& shape, const std::string& tool,
                      const std::string& peer, const std::string& command, double goalFactor) {
    const double theirs = HasTool(tool) ? BestShellTime(RunsFor(shape), command) : -1;
    if (theirs <= 0) return PrintMissing(what, ours, "s", peer);
    Goal goal;
    if (shape.name == "school") {
        char text[64];
        std::snprintf(text, sizeof text, "<= %gx %s", goalFactor, tool.c_str());
        goal = {text, ours <= goalFactor * theirs};
    }
    PrintRow(what, ours, "s", peer, theirs, goal);
}

void PrintGrowth(const std::string& what, double school, double stress, double objectGrowth) {
    const double growth = stress / school;
    char goal[64];
    std::snprintf(goal, sizeof goal, "<= %.2fx", objectGrowth * kGrowthAllowance);
    std::printf("  %-38s ours %9.2f x     %-14s %9.2f x     %s\n", what.c_str(), growth, "objects", objectGrowth,
                GoalText({goal, growth <= objectGrowth * kGrowthAllowance}).c_str());
    std::fflush(stdout);
}

void PrintMissing(const std::string& what, double ours, const std::string& unit, const std::string& peer) {
    std::printf("  %-38s ours %9.3f %-5s %-14s (not installed)\n", what.c_str(), ours, unit.c_str(), peer.c_str());
    std::fflush(stdout);
}

void PrintAgainstBudget(const std::string& what, double milliseconds, double budget) {
    char goal[32];
    std::snprintf(goal, sizeof goal, "<= %g ms", budget);
    PrintFigure(what, milliseconds, "ms", "budget", budget, "ms", {goal, milliseconds <= budget});
}

}  // namespace vantaro::bench
