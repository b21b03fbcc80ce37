#pragma once

#include <QString>
#include <memory>

#include "framework/db/Connection.h"

namespace fw::db {

// A connection of the database session, found again by its name (the alias it was opened on).
class Database {
public:
    Database(QString name, std::unique_ptr<Connection> connection)
        : m_name(std::move(name)), m_connection(std::move(connection)) {}

    const QString& name() const { return m_name; }
    Connection& connection() { return *m_connection; }
    const SqlDialect& dialect() const { return m_connection->dialect(); }
    // Both engines the system runs on are SQL databases with transactions.
    bool isSQLDatabase() const { return true; }

private:
    QString m_name;
    std::unique_ptr<Connection> m_connection;
};

}  // namespace fw::db
