#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <array>

#include "framework/db/Dataset.h"
#include "framework/db/SqlClauses.h"

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

    // The component's name and module, shown in the traces.
    void setObjectName(const QString& name) { m_objectName = name; }
    const QString& objectName() const { return m_objectName; }

    void open();
    // Opens; a failure sends every line of the text to the trace before it propagates.
    void OpenCached();
    void close();
    bool active() const { return m_active; }
    Dataset& dataset() { return m_dataset; }
    const Dataset& dataset() const { return m_dataset; }

    // Runs the text as one statement, or batch by batch when lines "GO" separate it. An error
    // stops the script; the batches before it stay executed.
    void ExecScript();

    // Parameters are written in the text as a colon and a name; each name found gets an entry,
    // which keeps its value while the name stays in the text.
    const QVariantMap& Params() const { return m_params; }
    void setParam(const QString& name, const QVariant& value) { m_params[name] = value; }
    static QStringList parameterNames(const QStringList& lines);

    // The clause model of the text.
    void ParseClauses();
    // Writes the text back from the clauses; raises while a "/*PARSEOFF*/" is not closed.
    void RebuildSQL();
    QString FirstFromTable();
    const SqlClauses& clauses() const { return m_clauses; }
    // Merges the filter into the WHERE clause of the original text and reopens on the server;
    // an empty filter reopens the original text. Successive filters replace each other.
    void SetFilterText(const QString& filter);

    // Display formats survive closing and reopening for the first fields.
    static constexpr int kKeptFormats = 128;

private:
    Database& database() const;
    void execute(const QString& sql) const;
    void traced(const QString& sql) const;
    void saveDisplayFormats();
    void restoreDisplayFormats();
    QString traceName() const;

    QString m_databaseName;
    QStringList m_sql;
    QStringList m_originalSql;
    Dataset m_dataset;
    bool m_active = false;
    QString m_objectName;
    QString m_moduleName;
    SqlClauses m_clauses;
    QVariantMap m_params;
    std::array<QString, kKeptFormats> m_savedFormats;
};

}  // namespace fw::db
