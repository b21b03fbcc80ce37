#pragma once

#include <QString>

namespace fw::db {

// The product's settings in the settings store. Keys are paths from the root chosen; a key
// that cannot be opened reads as empty and takes no writes, without an error. An error while
// writing an opened key propagates as fw::RegistryError.

// "\SoftWare\Delmaro\" + product + "\1.0".
QString VersionKeyPath();
// "\SoftWare\Delmaro\" + product + "\Test".
QString TestKeyPath();
// "\SoftWare\Delmaro\" + product + "\Settings", then "\" + subKey when one is given.
QString SettingsKeyPath(const QString& subKey);

// Whether settings live under the machine root: the version key exists there and this user may
// write it. Decided on the first call and kept for the process; always true while
// CanWriteMachineSettings runs.
bool UseMachineSettings();
// From the machine or the user root as UseMachineSettings decides.
void ReadSettingValue(const QString& key, const QString& name, QString& value);
void WriteSettingValue(const QString& key, const QString& name, const QString& value);
// The user's key first; the machine's only when the user has no such key.
void ReadUserOrMachineValue(const QString& key, const QString& name, QString& value);
void WriteUserValue(const QString& key, const QString& name, const QString& value);
// Under "\.DEFAULT" of the default user's root, the settings new users start from.
void WriteDefaultUserValue(const QString& key, const QString& name, const QString& value);
// Writes and reads back a test value under the machine root, then removes the test key and
// any key above it that the write created.
bool CanWriteMachineSettings();
// An "installpath" value (any case) loses a trailing backslash; other values are unchanged.
QString TrimInstallPath(const QString& name, const QString& value);

}  // namespace fw::db
