// vantaro-store: command-line access to data store files and their archives.

#include <algorithm>
#include <exception>
#include <iostream>

#include "routines/AppInfo.h"
#include "routines/Platform.h"
#include "tools/StoreVerb.h"

namespace vantaro::tool {
namespace {

// Message boxes are not shown by the tool: the failure they report reaches the verb as an
// error, which the tool prints as its one line on standard error.
class QuietPrompts final : public UserPrompts {
public:
    bool Ask(const std::string&, const std::string&, MessageButtons) override { return true; }
};

std::vector<StoreVerb>& Verbs() {
    static std::vector<StoreVerb> verbs;
    return verbs;
}

void PrintUsage(std::ostream& out) {
    out << "Usage: vantaro-store VERB [ARGUMENTS]\n"
           "       vantaro-store --help | --version\n";
    std::vector<StoreVerb> verbs = Verbs();
    std::sort(verbs.begin(), verbs.end(),
              [](const StoreVerb& a, const StoreVerb& b) { return a.name < b.name; });
    if (!verbs.empty()) out << "\nVerbs:\n";
    for (const StoreVerb& verb : verbs)
        out << "  " << verb.name << ' ' << verb.usage << "\n      " << verb.summary << '\n';
    out << "\nExit status: 0 success, 1 errors found, 2 bad input.\n";
}

void PrintVersion(std::ostream& out) {
    const VersionInfo& version = ProgramVersion();
    out << "vantaro-store " << version.major << '.' << version.minor << '.' << version.release
        << '.' << version.build << '\n';
}

}  // namespace

bool RegisterVerb(StoreVerb verb) {
    Verbs().push_back(std::move(verb));
    return true;
}

int Main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(std::cerr);
        return kExitBadInput;
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h") {
        PrintUsage(std::cout);
        return kExitOk;
    }
    if (first == "--version") {
        PrintVersion(std::cout);
        return kExitOk;
    }
    const auto& verbs = Verbs();
    const auto verb = std::find_if(verbs.begin(), verbs.end(),
                                   [&](const StoreVerb& v) { return v.name == first; });
    if (verb == verbs.end()) {
        std::cerr << "vantaro-store: unknown verb \"" << first << "\"\n";
        PrintUsage(std::cerr);
        return kExitBadInput;
    }
    const VerbArgs args(argv + 2, argv + argc);
    QuietPrompts prompts;
    const ScopedPlatform platform({nullptr, nullptr, &prompts, nullptr, nullptr, nullptr});
    try {
        return verb->run(args, std::cout, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "vantaro-store " << first << ": " << error.what() << '\n';
        return kExitBadInput;
    }
}

}  // namespace vantaro::tool

int main(int argc, char** argv) { return vantaro::tool::Main(argc, argv); }
