#pragma once

#include <sys/types.h>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "framework/db/Connection.h"

namespace fw::db {

// A connection through Qt's SQL drivers: SQLite for the embedded database, ODBC with FreeTDS for
// the pharmacy server.
class QtSqlConnection final : public Connection {
public:
    QtSqlConnection(const QString& connectionName, const ConnectionParameters& parameters);
    ~QtSqlConnection() override;

    const SqlDialect& dialect() const override { return *m_dialect; }
    void open() override;
    void close() override;
    bool isOpen() const override;
    void execute(const QString& sql, const QVariantMap& parameters = {}) override;
    Dataset select(const QString& sql, const QVariantMap& parameters = {}) override;
    void beginTransaction() override;
    void commit() override;
    void rollback() override;
    bool inTransaction() const override { return m_inTransaction; }

    static QString odbcConnectionString(const ConnectionParameters& parameters);

private:
    QSqlDatabase database() const;
    void openEmbedded(QSqlDatabase& db);
    void openServer(QSqlDatabase& db);
    // An embedded database file that was removed or replaced while open would swallow every
    // later write without a trace, so each statement first checks it is still there.
    void ensureFileStillPresent() const;
    // Runs a statement; on the embedded engine through a compiled statement kept for its shape.
    // The answer is valid until the next statement.
    QSqlQuery& run(const QString& sql, const QVariantMap& parameters);

    static constexpr qsizetype kMaxCachedStatements = 64;

    QString m_connectionName;
    ConnectionParameters m_parameters;
    std::unique_ptr<SqlDialect> m_dialect;
    bool m_embedded = false;
    bool m_inTransaction = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_statements;
    std::unique_ptr<QSqlQuery> m_plain;
};

}  // namespace fw::db
