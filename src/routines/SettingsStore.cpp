#include "routines/SettingsStore.h"

#include <algorithm>

namespace vantaro {

void MemorySettingsStore::CreateKey(const std::string& key) { keys_.insert(key); }

bool MemorySettingsStore::KeyExists(const std::string& key) const { return keys_.count(key) > 0; }

std::optional<std::int32_t> MemorySettingsStore::ReadInteger(const std::string& key,
                                                             const std::string& name) const {
    const auto found = integers_.find({key, name});
    if (found == integers_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::string> MemorySettingsStore::ReadString(const std::string& key,
                                                           const std::string& name) const {
    const auto found = strings_.find({key, name});
    if (found == strings_.end()) return std::nullopt;
    return found->second;
}

void MemorySettingsStore::WriteInteger(const std::string& key, const std::string& name,
                                       std::int32_t value) {
    keys_.insert(key);
    strings_.erase({key, name});
    integers_[{key, name}] = value;
}

void MemorySettingsStore::WriteString(const std::string& key, const std::string& name,
                                      const std::string& value) {
    keys_.insert(key);
    integers_.erase({key, name});
    strings_[{key, name}] = value;
}

int MemorySettingsStore::ValueCount(const std::string& key) const {
    auto under = [&](const auto& values) {
        return std::count_if(values.begin(), values.end(),
                             [&](const auto& entry) { return entry.first.first == key; });
    };
    return int(under(integers_) + under(strings_));
}

}  // namespace vantaro
