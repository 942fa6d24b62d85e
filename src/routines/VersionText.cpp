#include "routines/VersionText.h"

#include <cstdio>

#include "routines/AppInfo.h"

namespace vantaro {
namespace {

std::string MajorMinor(const VersionInfo& version) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d", version.major, version.minor);
    return text;
}

std::string FlagsText(const VersionInfo& version) {
    std::string flags;
    if (version.debug) flags += " Debug";
    if (version.preRelease) flags += " Pre-Release";
    if (version.privateBuild) flags += " Private";
    if (version.specialBuild) flags += " Special";
    if (!flags.empty()) flags += " Build";
    return flags;
}

}  // namespace

std::string VersionText() {
    const VersionInfo& version = ProgramVersion();
    if (!version.present) return {};
    return "Version " + MajorMinor(version) + " (Build " +
           std::to_string(version.release * 100 + version.build) + ")" + FlagsText(version);
}

std::string ShortVersion() {
    const VersionInfo& version = ProgramVersion();
    return version.present ? MajorMinor(version) : std::string{};
}

}  // namespace vantaro
