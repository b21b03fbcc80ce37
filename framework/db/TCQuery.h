#pragma once

#include <QString>
#include <QStringList>

#include "framework/db/Dataset.h"

namespace fw::db {

class Database;

// The query of every list and helper: an SQL text run on a named database of the session.
class TCQuery {
public:
    // An empty database name means the main alias.
    explicit TCQuery(QString databaseName = {});

    const QString& databaseName() const { return m_databaseName; }
    void setDatabaseName(const QString& name) { m_databaseName = name; }

    // The text as lines; a text given whole is cut at its line breaks (CR LF, LF or CR).
    const QStringList& SQL() const { return m_sql; }
    void setSQL(const QStringList& lines);
    void setSQL(const QString& text);
    // The lines joined with CR, as they are sent to the engine.
    QString sqlText() const;
    // The text as first given; callers that rewrite the statement keep it in step.
    QStringList& OriginalSQL() { return m_originalSql; }
    const QStringList& OriginalSQL() const { return m_originalSql; }

    void open();
    void close();
    bool active() const { return m_active; }
    Dataset& dataset() { return m_dataset; }
    const Dataset& dataset() const { return m_dataset; }

    // Runs the text as one statement, or batch by batch when lines "GO" separate it. An error
    // stops the script; the batches before it stay executed.
    void ExecScript();

private:
    Database& database() const;
    void execute(const QString& sql) const;

    QString m_databaseName;
    QStringList m_sql;
    QStringList m_originalSql;
    Dataset m_dataset;
    bool m_active = false;
};

}  // namespace fw::db
