#include "routines/AppInfo.h"

namespace vantaro {

const VersionInfo& ProgramVersion() {
    static const VersionInfo version{
        true, VANTARO_VERSION_MAJOR, VANTARO_VERSION_MINOR, VANTARO_VERSION_PATCH,
        VANTARO_VERSION_TWEAK, false, false, false, false};
    return version;
}

const std::string& ApplicationTitle() {
    static const std::string title = VANTARO_APP_TITLE;
    return title;
}

const std::string& OrganisationName() {
    static const std::string name = VANTARO_ORGANISATION;
    return name;
}

}  // namespace vantaro
