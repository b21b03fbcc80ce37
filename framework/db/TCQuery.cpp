#include "framework/db/TCQuery.h"

#include "framework/db/Connections.h"
#include "framework/db/DatabaseSession.h"
#include "framework/db/GlobalDataBase.h"
#include "framework/util/Errors.h"
#include "framework/util/TextHelpers.h"

namespace fw::db {

namespace {

bool isBatchSeparator(const QString& line) {
    return line.compare(QStringLiteral("GO"), Qt::CaseInsensitive) == 0;
}

}  // namespace

TCQuery::TCQuery(QString databaseName) : m_databaseName(std::move(databaseName)) {}

void TCQuery::setSQL(const QStringList& lines) {
    if (m_originalSql.isEmpty())
        m_originalSql = lines;
    m_sql = lines;
}

void TCQuery::setSQL(const QString& text) {
    setSQL(fw::util::SplitLineBreaks(text));
}

QString TCQuery::sqlText() const {
    return m_sql.join(QChar(13));
}

Database& TCQuery::database() const {
    const QString name = m_databaseName.isEmpty() ? GlobalDataBase().MainAlias : m_databaseName;
    DatabaseSession& session = DatabaseSession::instance();
    if (Database* database = session.findDatabase(name))
        return *database;
    if (ConnectNamedDatabase(name) == Connected) {
        if (Database* database = session.findDatabase(name))
            return *database;
    }
    throw DatabaseError(QStringLiteral("No hay conexión con la base de datos \"%1\".").arg(name));
}

void TCQuery::open() {
    close();
    m_dataset = database().connection().select(sqlText());
    m_active = true;
}

void TCQuery::close() {
    if (!m_active)
        return;
    m_dataset = Dataset();
    m_active = false;
}

void TCQuery::execute(const QString& sql) const {
    database().connection().execute(sql);
}

void TCQuery::ExecScript() {
    if (std::none_of(m_sql.cbegin(), m_sql.cend(), isBatchSeparator)) {
        execute(sqlText());
        return;
    }
    QStringList batch;
    for (const QString& line : m_sql) {
        if (isBatchSeparator(line)) {
            if (!batch.isEmpty())
                execute(batch.join(QChar(13)));
            batch.clear();
        } else if (!line.isEmpty()) {
            batch << line;
        }
    }
    if (!batch.isEmpty())
        execute(batch.join(QChar(13)));
}

}  // namespace fw::db
