#pragma once

#include <QString>
#include <QVariantMap>
#include <memory>

#include "framework/db/Dataset.h"
#include "framework/db/SqlDialect.h"

namespace fw::db {

// A link to one database engine. Every failure is raised as fw::DatabaseError with the engine's
// text.
class Connection {
public:
    virtual ~Connection() = default;

    virtual const SqlDialect& dialect() const = 0;
    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // One statement (no "GO" batches; the query component splits those). Parameters written
    // as a colon and a name take their values from the map.
    virtual void execute(const QString& sql, const QVariantMap& parameters = {}) = 0;
    virtual Dataset select(const QString& sql, const QVariantMap& parameters = {}) = 0;

    virtual void beginTransaction() = 0;
    virtual void commit() = 0;
    virtual void rollback() = 0;
    virtual bool inTransaction() const = 0;
};

// The settings of a connection: the alias's parameters completed with the credentials.
struct ConnectionParameters {
    QString driver;  // "MSSQL" or "SQLITE"
    QString serverName;
    QString databaseName;
    QString hostName;
    QString userName;
    QString password;
    QString applicationName;
    int busyTimeoutMs = 3000;
};

std::unique_ptr<Connection> CreateConnection(const QString& connectionName,
                                             const ConnectionParameters& parameters);

}  // namespace fw::db
