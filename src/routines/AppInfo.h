#pragma once

#include <string>

namespace vantaro {

// The program's version block, filled from the build's project version.
struct VersionInfo {
    bool present = false;
    int major = 0;
    int minor = 0;
    int release = 0;
    int build = 0;
    bool debug = false;
    bool preRelease = false;
    bool privateBuild = false;
    bool specialBuild = false;
};

const VersionInfo& ProgramVersion();

// "Vantaro": used in registry keys and in the APPLICATION attribute of data store files.
const std::string& ApplicationTitle();

// "Corvale": the organisation under which settings are kept.
const std::string& OrganisationName();

}  // namespace vantaro
