#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace vantaro::tool {

// Exit statuses of vantaro-store.
constexpr int kExitOk = 0;
constexpr int kExitErrorsFound = 1;
constexpr int kExitBadInput = 2;

using VerbArgs = std::vector<std::string>;
using VerbRun = std::function<int(const VerbArgs& args, std::ostream& out, std::ostream& err)>;

struct StoreVerb {
    std::string name;
    std::string usage;    // the arguments, as shown after the verb in the usage text
    std::string summary;  // one line
    VerbRun run;
};

// Each verb's source file registers it at start-up:
//   const bool registered = RegisterVerb({"pack", "TEXT OUT", "...", RunPack});
bool RegisterVerb(StoreVerb verb);

}  // namespace vantaro::tool
