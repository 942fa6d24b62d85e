#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace vantaro {

// The user's settings store: integer and string values under a key path written with backslashes,
// such as "\Software\Corvale\Vantaro\Factory\". On Windows the app keeps them in the registry of the
// current user; elsewhere in the platform's native settings format.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Creates the key when it is missing.
    virtual void CreateKey(const std::string& key) = 0;
    virtual bool KeyExists(const std::string& key) const = 0;

    // Empty when the value is missing or is not of the asked type.
    virtual std::optional<std::int32_t> ReadInteger(const std::string& key,
                                                    const std::string& name) const = 0;
    virtual std::optional<std::string> ReadString(const std::string& key,
                                                  const std::string& name) const = 0;

    virtual void WriteInteger(const std::string& key, const std::string& name,
                              std::int32_t value) = 0;
    virtual void WriteString(const std::string& key, const std::string& name,
                             const std::string& value) = 0;
};

// Settings kept in memory, with the value types of a registry: an integer value and a string value
// are different things. Used by tests and by tools that must not touch the user's settings.
class MemorySettingsStore final : public SettingsStore {
public:
    void CreateKey(const std::string& key) override;
    bool KeyExists(const std::string& key) const override;
    std::optional<std::int32_t> ReadInteger(const std::string& key,
                                            const std::string& name) const override;
    std::optional<std::string> ReadString(const std::string& key,
                                          const std::string& name) const override;
    void WriteInteger(const std::string& key, const std::string& name, std::int32_t value) override;
    void WriteString(const std::string& key, const std::string& name,
                     const std::string& value) override;

    // Number of values stored under a key.
    int ValueCount(const std::string& key) const;

private:
    using Name = std::pair<std::string, std::string>;
    std::set<std::string> keys_;
    std::map<Name, std::int32_t> integers_;
    std::map<Name, std::string> strings_;
};

}  // namespace vantaro
