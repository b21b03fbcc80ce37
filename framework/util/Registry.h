#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

struct sqlite3;

namespace fw::util {

enum class RootKey { CurrentUser, LocalMachine, Users };

// The settings store: keys holding named string and integer values, under three roots, each a
// SQLite file ("hive"): the current user's in UserSettingsFolder(), the machine's and the
// default user's in MachineSettingsFolder(). Key paths use "\" between names, are taken from
// the root with or without a leading backslash (an empty path is the root itself), ignore
// letter case and keep the case they were created with. The empty value name is the key's
// default value. A user who cannot write a hive has only read access to its root. Several
// processes may use a hive at once; every write is a transaction of its own.
class Registry {
public:
    explicit Registry(RootKey root = RootKey::CurrentUser);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // Opens the key for reading and writing, creating it when canCreate is set. False when it
    // is missing (and not to be created) or the hive cannot be written.
    bool openKey(const QString& path, bool canCreate);
    // False when the key is missing.
    bool openKeyReadOnly(const QString& path);
    void closeKey();
    bool keyExists(const QString& path) const;

    // Values of the open key.
    bool valueExists(const QString& name) const;
    // Empty when missing; an integer value answers its decimal text.
    QString readString(const QString& name) const;
    // Throws RegistryError when the value is missing or holds no integer; callers that must
    // survive a value of the wrong type use the variant below.
    int readInteger(const QString& name) const;
    // False, leaving out alone, when the value is missing or holds no integer.
    bool readInteger(const QString& name, int& out) const;
    // Both throw RegistryError when no key is open for writing or the write fails.
    void writeString(const QString& name, const QString& value);
    void writeInteger(const QString& name, int value);
    bool deleteValue(const QString& name);

    // Deletes the key with all its sub-keys; false when it is missing, is the root or the hive
    // cannot be written.
    bool deleteKey(const QString& path);
    // The open key's sub-keys in their stored case, in alphabetical order.
    QStringList subKeyNames() const;
    // The open key's path as it was asked for, without leading backslash.
    QString currentPath() const;

    static bool canWriteRoot(RootKey root);

private:
    struct Closer {
        void operator()(sqlite3* db) const;
    };
    bool ensureOpen(bool forWriting) const;
    std::optional<qint64> findKey(const QStringList& names) const;
    void writeValue(const QString& name, int kind, const QString& text, int number);

    RootKey m_root;
    mutable std::unique_ptr<sqlite3, Closer> m_db;
    mutable bool m_dbWritable = false;
    std::optional<qint64> m_key;
    bool m_keyWritable = false;
    QString m_path;
};

}  // namespace fw::util
