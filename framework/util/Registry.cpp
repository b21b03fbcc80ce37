#include "framework/util/Registry.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "framework/util/Errors.h"
#include "framework/util/SettingsFolders.h"

using namespace Qt::StringLiterals;

namespace fw::util {

namespace {

constexpr qint64 kRootKey = 1;
constexpr int kStringValue = 1;
constexpr int kIntegerValue = 2;
// Long enough for another process to finish its write; each write is a single short
// transaction.
constexpr int kBusyTimeoutMs = 5000;

// The rollback journal (not WAL) keeps a hive readable by users who cannot write its folder.
constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS keys(id INTEGER PRIMARY KEY,"
    " parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL, folded TEXT NOT NULL);"
    "CREATE UNIQUE INDEX IF NOT EXISTS keys_by_parent ON keys(parent, folded);"
    "INSERT OR IGNORE INTO keys(id, parent, name, folded) VALUES(1, NULL, '', '');"
    "CREATE TABLE IF NOT EXISTS vals(key INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,"
    " name TEXT NOT NULL, folded TEXT NOT NULL, kind INTEGER NOT NULL, data,"
    " PRIMARY KEY(key, folded));";

class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        sqlite3_stmt* statement = nullptr;
        if (db && sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK)
            m_statement.reset(statement);
    }
    bool prepared() const { return m_statement != nullptr; }
    Statement& bind(int index, const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_statement.get(), index, utf8.constData(), int(utf8.size()),
                          SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bind(int index, qint64 number) {
        sqlite3_bind_int64(m_statement.get(), index, number);
        return *this;
    }
    // True when a row is there to read.
    bool row() { return prepared() && sqlite3_step(m_statement.get()) == SQLITE_ROW; }
    // True when the statement ran to its end.
    bool run() { return prepared() && sqlite3_step(m_statement.get()) == SQLITE_DONE; }
    qint64 integer(int column) const { return sqlite3_column_int64(m_statement.get(), column); }
    QString text(int column) const {
        const auto* data =
            reinterpret_cast<const char*>(sqlite3_column_text(m_statement.get(), column));
        return QString::fromUtf8(data, sqlite3_column_bytes(m_statement.get(), column));
    }

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    std::unique_ptr<sqlite3_stmt, Finalizer> m_statement;
};

// A write transaction, rolled back unless committed. IMMEDIATE takes the write lock at once,
// so two processes never both read and then fail to upgrade.
class Transaction {
public:
    explicit Transaction(sqlite3* db) : m_db(db) {
        m_active = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~Transaction() {
        if (m_active)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    bool active() const { return m_active; }
    bool commit() {
        if (!m_active)
            return false;
        m_active = false;
        return sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    }

private:
    sqlite3* m_db;
    bool m_active = false;
};

QStringList keyNames(const QString& path) {
    return path.split(u'\\', Qt::SkipEmptyParts);
}

QString folded(const QString& name) {
    return name.toCaseFolded();
}

QString rootFolder(RootKey root) {
    return root == RootKey::CurrentUser ? UserSettingsFolder() : MachineSettingsFolder();
}

QString hivePath(RootKey root) {
    switch (root) {
        case RootKey::CurrentUser:
            return QDir(UserSettingsFolder()).filePath(u"user.hive"_s);
        case RootKey::LocalMachine:
            return QDir(MachineSettingsFolder()).filePath(u"machine.hive"_s);
        case RootKey::Users:
            break;
    }
    return QDir(MachineSettingsFolder()).filePath(u"users.hive"_s);
}

// Tested with the effective user's rights, as the hive will be opened with them.
bool writable(const QString& path, int mode) {
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), mode, AT_EACCESS) == 0;
}

// The user hive holds a stored password: only its owner may read it. The machine hives are
// read by every user.
bool createHiveFile(const QString& path, RootKey root) {
    const mode_t mode =
        root == RootKey::CurrentUser ? S_IRUSR | S_IWUSR : S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH;
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, mode);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

}  // namespace

void Registry::Closer::operator()(sqlite3* db) const {
    sqlite3_close(db);
}

Registry::Registry(RootKey root) : m_root(root) {}

Registry::~Registry() = default;

bool Registry::canWriteRoot(RootKey root) {
    const QString file = hivePath(root);
    if (!writable(rootFolder(root), W_OK | X_OK))
        return false;
    return !QFile::exists(file) || writable(file, W_OK | R_OK);
}

bool Registry::ensureOpen(bool forWriting) const {
    if (m_db && (m_dbWritable || !forWriting))
        return true;
    const QString path = hivePath(m_root);
    if (forWriting) {
        if (!canWriteRoot(m_root) || !createHiveFile(path, m_root))
            return false;
    } else if (!QFile::exists(path)) {
        return false;
    }
    sqlite3* handle = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &handle,
                        forWriting ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY, nullptr);
    std::unique_ptr<sqlite3, Closer> opened(handle);  // closed also when the open failed
    if (rc != SQLITE_OK)
        return false;
    sqlite3_busy_timeout(opened.get(), kBusyTimeoutMs);
    sqlite3_exec(opened.get(), "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
    if (forWriting) {
        Transaction transaction(opened.get());
        if (!transaction.active() ||
            sqlite3_exec(opened.get(), kSchema, nullptr, nullptr, nullptr) != SQLITE_OK ||
            !transaction.commit())
            return false;
    }
    m_db = std::move(opened);
    m_dbWritable = forWriting;
    return true;
}

std::optional<qint64> Registry::findKey(const QStringList& names) const {
    Statement root(m_db.get(), "SELECT id FROM keys WHERE id = ?");
    if (!root.bind(1, kRootKey).row())
        return std::nullopt;
    qint64 id = kRootKey;
    for (const QString& name : names) {
        Statement child(m_db.get(), "SELECT id FROM keys WHERE parent = ? AND folded = ?");
        if (!child.bind(1, id).bind(2, folded(name)).row())
            return std::nullopt;
        id = child.integer(0);
    }
    return id;
}

bool Registry::openKey(const QString& path, bool canCreate) {
    closeKey();
    if (!ensureOpen(true))
        return false;
    const QStringList names = keyNames(path);
    std::optional<qint64> id = findKey(names);
    if (!id && canCreate) {
        Transaction transaction(m_db.get());
        if (!transaction.active())
            return false;
        qint64 parent = kRootKey;
        for (const QString& name : names) {
            Statement child(m_db.get(), "SELECT id FROM keys WHERE parent = ? AND folded = ?");
            if (child.bind(1, parent).bind(2, folded(name)).row()) {
                parent = child.integer(0);
                continue;
            }
            Statement insert(m_db.get(), "INSERT INTO keys(parent, name, folded) VALUES(?, ?, ?)");
            if (!insert.bind(1, parent).bind(2, name).bind(3, folded(name)).run())
                return false;
            parent = sqlite3_last_insert_rowid(m_db.get());
        }
        if (!transaction.commit())
            return false;
        id = parent;
    }
    if (!id)
        return false;
    m_key = id;
    m_keyWritable = true;
    m_path = names.join(u'\\');
    return true;
}

bool Registry::openKeyReadOnly(const QString& path) {
    closeKey();
    const QStringList names = keyNames(path);
    std::optional<qint64> id;
    if (ensureOpen(false))
        id = findKey(names);
    else if (names.isEmpty())
        id = kRootKey;  // The root exists even before its hive file does.
    if (!id)
        return false;
    m_key = id;
    m_keyWritable = false;
    m_path = names.join(u'\\');
    return true;
}

void Registry::closeKey() {
    m_key.reset();
    m_keyWritable = false;
    m_path.clear();
}

bool Registry::keyExists(const QString& path) const {
    const QStringList names = keyNames(path);
    if (!ensureOpen(false))
        return names.isEmpty();
    return findKey(names).has_value();
}

bool Registry::valueExists(const QString& name) const {
    if (!m_key)
        return false;
    Statement query(m_db.get(), "SELECT 1 FROM vals WHERE key = ? AND folded = ?");
    return query.bind(1, *m_key).bind(2, folded(name)).row();
}

QString Registry::readString(const QString& name) const {
    if (!m_key)
        return {};
    Statement query(m_db.get(), "SELECT data FROM vals WHERE key = ? AND folded = ?");
    return query.bind(1, *m_key).bind(2, folded(name)).row() ? query.text(0) : QString();
}

bool Registry::readInteger(const QString& name, int& out) const {
    if (!m_key)
        return false;
    Statement query(m_db.get(), "SELECT kind, data FROM vals WHERE key = ? AND folded = ?");
    if (!query.bind(1, *m_key).bind(2, folded(name)).row() || query.integer(0) != kIntegerValue)
        return false;
    out = int(query.integer(1));
    return true;
}

int Registry::readInteger(const QString& name) const {
    int value = 0;
    if (!readInteger(name, value))
        throw RegistryError(u"Tipo de dato no válido para '%1'."_s.arg(name));
    return value;
}

void Registry::writeValue(const QString& name, int kind, const QString& text, int number) {
    const RegistryError failure(u"No se pudo guardar el valor '%1' en el registro."_s.arg(name));
    if (!m_key || !m_keyWritable || !ensureOpen(true))
        throw failure;
    Transaction transaction(m_db.get());
    Statement upsert(m_db.get(),
                     "INSERT INTO vals(key, name, folded, kind, data) VALUES(?, ?, ?, ?, ?)"
                     " ON CONFLICT(key, folded) DO UPDATE SET kind = excluded.kind,"
                     " data = excluded.data");
    upsert.bind(1, *m_key).bind(2, name).bind(3, folded(name)).bind(4, qint64(kind));
    if (kind == kIntegerValue)
        upsert.bind(5, qint64(number));
    else
        upsert.bind(5, text);
    if (!transaction.active() || !upsert.run() || !transaction.commit())
        throw failure;
}

void Registry::writeString(const QString& name, const QString& value) {
    writeValue(name, kStringValue, value, 0);
}

void Registry::writeInteger(const QString& name, int value) {
    writeValue(name, kIntegerValue, QString(), value);
}

bool Registry::deleteValue(const QString& name) {
    if (!m_key || !m_keyWritable || !ensureOpen(true))
        return false;
    Transaction transaction(m_db.get());
    Statement remove(m_db.get(), "DELETE FROM vals WHERE key = ? AND folded = ?");
    if (!transaction.active() || !remove.bind(1, *m_key).bind(2, folded(name)).run())
        return false;
    const bool removed = sqlite3_changes(m_db.get()) > 0;
    return transaction.commit() && removed;
}

bool Registry::deleteKey(const QString& path) {
    const QStringList names = keyNames(path);
    if (names.isEmpty() || !ensureOpen(true))
        return false;
    Transaction transaction(m_db.get());
    if (!transaction.active())
        return false;
    const std::optional<qint64> id = findKey(names);
    if (!id)
        return false;
    Statement remove(m_db.get(), "DELETE FROM keys WHERE id = ?");
    return remove.bind(1, *id).run() && transaction.commit();
}

QStringList Registry::subKeyNames() const {
    QStringList names;
    if (!m_key)
        return names;
    Statement query(m_db.get(), "SELECT name FROM keys WHERE parent = ? ORDER BY folded");
    query.bind(1, *m_key);
    while (query.row())
        names.append(query.text(0));
    return names;
}

QString Registry::currentPath() const {
    return m_path;
}

}  // namespace fw::util
