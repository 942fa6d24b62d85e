#pragma once

#include <map>
#include <memory>
#include <utility>

#include <QString>

#include "routines/SettingsStore.h"

class QSettings;

namespace vantaro {

// The settings store on Qt's native settings. A key path made of "Software", the organisation, the
// application and then groups, separated by backslashes, is the settings of that organisation and
// application in those groups. On Windows that is exactly the registry key of the path under
// HKEY_CURRENT_USER. Each organisation and application is opened once and written back when the
// store goes.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    ~QtSettingsStore() override;
    void CreateKey(const std::string& key) override;
    bool KeyExists(const std::string& key) const override;
    std::optional<std::int32_t> ReadInteger(const std::string& key,
                                            const std::string& name) const override;
    std::optional<std::string> ReadString(const std::string& key,
                                          const std::string& name) const override;
    void WriteInteger(const std::string& key, const std::string& name, std::int32_t value) override;
    void WriteString(const std::string& key, const std::string& name,
                     const std::string& value) override;

private:
    // The settings of the key's organisation and application, with the key's group entered.
    class GroupScope;

    mutable std::map<std::pair<QString, QString>, std::unique_ptr<QSettings>> opened_;
};

}  // namespace vantaro
