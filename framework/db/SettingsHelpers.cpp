#include "framework/db/SettingsHelpers.h"

#include <optional>

#include "framework/db/GlobalDataBase.h"
#include "framework/util/Errors.h"
#include "framework/util/Registry.h"

using namespace Qt::StringLiterals;
using fw::util::Registry;
using fw::util::RootKey;

namespace fw::db {

namespace {

std::optional<bool> machineSettingsDecision;
bool machineTestRunning = false;

QString productKeyPath() {
    return u"\\SoftWare\\Delmaro\\"_s + ProductName();
}

RootKey settingsRoot() {
    return UseMachineSettings() ? RootKey::LocalMachine : RootKey::CurrentUser;
}

void writeValue(RootKey root, const QString& key, const QString& name, const QString& value) {
    Registry registry(root);
    if (registry.openKey(key, true))
        registry.writeString(name, value);
}

// The outermost key of path that is missing under the machine root, which writing the path
// would create; empty when the whole path exists.
QString firstMissingMachineKey(const QString& path) {
    const Registry machine(RootKey::LocalMachine);
    QString prefix;
    for (const QString& name : path.split(u'\\', Qt::SkipEmptyParts)) {
        prefix += u'\\' + name;
        if (!machine.keyExists(prefix))
            return prefix;
    }
    return {};
}

// Clears the flag when the test ends, also on error.
class MachineTestScope {
public:
    MachineTestScope() { machineTestRunning = true; }
    ~MachineTestScope() { machineTestRunning = false; }
    MachineTestScope(const MachineTestScope&) = delete;
    MachineTestScope& operator=(const MachineTestScope&) = delete;
};

}  // namespace

QString VersionKeyPath() {
    return productKeyPath() + u"\\1.0"_s;
}

QString TestKeyPath() {
    return productKeyPath() + u"\\Test"_s;
}

QString SettingsKeyPath(const QString& subKey) {
    QString path = productKeyPath() + u"\\Settings"_s;
    if (!subKey.isEmpty())
        path += u'\\' + subKey;
    return path;
}

bool UseMachineSettings() {
    if (machineTestRunning)
        return true;
    if (!machineSettingsDecision) {
        Registry registry(RootKey::LocalMachine);
        machineSettingsDecision = registry.openKey(VersionKeyPath(), false);
    }
    return *machineSettingsDecision;
}

void ReadSettingValue(const QString& key, const QString& name, QString& value) {
    value.clear();
    Registry registry(settingsRoot());
    if (registry.openKeyReadOnly(key))
        value = TrimInstallPath(name, registry.readString(name));
}

void WriteSettingValue(const QString& key, const QString& name, const QString& value) {
    writeValue(settingsRoot(), key, name, value);
}

void ReadUserOrMachineValue(const QString& key, const QString& name, QString& value) {
    value.clear();
    Registry user(RootKey::CurrentUser);
    if (user.openKeyReadOnly(key)) {
        value = TrimInstallPath(name, user.readString(name));
        return;
    }
    Registry machine(RootKey::LocalMachine);
    if (machine.openKeyReadOnly(key))
        value = TrimInstallPath(name, machine.readString(name));
}

void WriteUserValue(const QString& key, const QString& name, const QString& value) {
    writeValue(RootKey::CurrentUser, key, name, value);
}

void WriteDefaultUserValue(const QString& key, const QString& name, const QString& value) {
    QString path = key;
    if (!path.startsWith(u'\\'))
        path.prepend(u'\\');
    writeValue(RootKey::Users, u"\\.DEFAULT"_s + path, name, value);
}

bool CanWriteMachineSettings() {
    const QString key = TestKeyPath();
    const QString marker = u"TEST_HKLM"_s;
    // The test removes every key it created, not only its own.
    const QString created = firstMissingMachineKey(key);
    MachineTestScope scope;
    try {
        WriteSettingValue(key, QString(), marker);
    } catch (const fw::RegistryError&) {
        return false;
    }
    QString read;
    ReadSettingValue(key, QString(), read);
    if (read != marker)
        return false;
    Registry(RootKey::LocalMachine).deleteKey(created.isEmpty() ? key : created);
    return true;
}

QString TrimInstallPath(const QString& name, const QString& value) {
    if (name.toLower() == u"installpath"_s && value.endsWith(u'\\'))
        return value.chopped(1);
    return value;
}

}  // namespace fw::db
