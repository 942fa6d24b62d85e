#include "app/QtSettingsStore.h"

#include <QSettings>
#include <QStringList>

#include <memory>

namespace vantaro {
namespace {

// The parts of a key path: "\Software\Corvale\Vantaro\Factory\" gives the organisation
// "Corvale", the application "Vantaro" and the group "Factory".
struct KeyParts {
    QString organisation;
    QString application;
    QString group;
};

KeyParts SplitKey(const std::string& key) {
    QStringList parts = QString::fromLatin1(key).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().compare(QStringLiteral("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    KeyParts split;
    if (!parts.isEmpty()) split.organisation = parts.takeFirst();
    if (!parts.isEmpty()) split.application = parts.takeFirst();
    split.group = parts.join(QLatin1Char('/'));
    return split;
}

// The marker that makes an empty key exist in formats that keep only values.
const QString kKeyMarker = QStringLiteral(".key");

}  // namespace

class QtSettingsStore::GroupScope {
public:
    GroupScope(const QtSettingsStore& store, const std::string& key) {
        const KeyParts parts = SplitKey(key);
        std::unique_ptr<QSettings>& opened = store.opened_[{parts.organisation, parts.application}];
        if (!opened)
            opened = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                 parts.organisation, parts.application);
        settings_ = opened.get();
        if (!parts.group.isEmpty()) settings_->beginGroup(parts.group);
    }
    ~GroupScope() {
        while (!settings_->group().isEmpty()) settings_->endGroup();
    }
    GroupScope(const GroupScope&) = delete;
    GroupScope& operator=(const GroupScope&) = delete;
    QSettings* operator->() const { return settings_; }

private:
    QSettings* settings_;
};

QtSettingsStore::QtSettingsStore() = default;
QtSettingsStore::~QtSettingsStore() = default;  // each QSettings writes its changes back as it goes

void QtSettingsStore::CreateKey(const std::string& key) {
    if (KeyExists(key)) return;
    GroupScope(*this, key)->setValue(kKeyMarker, true);
}

bool QtSettingsStore::KeyExists(const std::string& key) const {
    return !GroupScope(*this, key)->allKeys().isEmpty();
}

std::optional<std::int32_t> QtSettingsStore::ReadInteger(const std::string& key,
                                                         const std::string& name) const {
    const QVariant value = GroupScope(*this, key)->value(QString::fromLatin1(name));
    if (!value.isValid()) return std::nullopt;
    // Formats that keep only text (Linux) give the integer back as its decimal text.
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok) return std::nullopt;
    return std::int32_t(quint32(number));
}

std::optional<std::string> QtSettingsStore::ReadString(const std::string& key,
                                                       const std::string& name) const {
    const QVariant value = GroupScope(*this, key)->value(QString::fromLatin1(name));
    if (!value.isValid() || value.typeId() != QMetaType::QString) return std::nullopt;
    return value.toString().toLatin1().toStdString();
}

void QtSettingsStore::WriteInteger(const std::string& key, const std::string& name,
                                   std::int32_t value) {
    GroupScope(*this, key)->setValue(QString::fromLatin1(name), value);
}

void QtSettingsStore::WriteString(const std::string& key, const std::string& name,
                                  const std::string& value) {
    GroupScope(*this, key)->setValue(QString::fromLatin1(name), QString::fromLatin1(value));
}

}  // namespace vantaro
