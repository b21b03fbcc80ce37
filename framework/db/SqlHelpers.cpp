#include "framework/db/SqlHelpers.h"

#include "framework/db/Connections.h"
#include "framework/db/DatabaseSession.h"
#include "framework/db/GlobalDataBase.h"
#include "framework/util/DateHelpers.h"
#include "framework/util/Errors.h"

namespace fw::db {

namespace {

Database* mainDatabaseForTransactions() {
    const QString& main = GlobalDataBase().MainAlias;
    return IsSQLDatabase(main) ? DatabaseSession::instance().findDatabase(main) : nullptr;
}

}  // namespace

const SqlDialect& DialectOf(const QString& databaseName) {
    Database* database = SessionDatabase(databaseName);
    if (!database)
        throw DatabaseError(
            QStringLiteral("No hay conexión con la base de datos \"%1\".").arg(databaseName));
    return database->dialect();
}

const SqlDialect& MainDialect() {
    return DialectOf(GlobalDataBase().MainAlias);
}

Database* SessionDatabase(const QString& databaseName) {
    DatabaseSession& session = DatabaseSession::instance();
    if (Database* database = session.findDatabase(databaseName))
        return database;
    ConnectNamedDatabase(databaseName);
    return session.findDatabase(databaseName);
}

void ExecSQLText(const QString& sql) {
    ExecSQLOn(GlobalDataBase().MainAlias, sql);
}

void ExecSQLOn(const QString& databaseName, const QString& sql) {
    TCQuery query(databaseName);
    query.setSQL(sql);
    query.ExecScript();
}

std::unique_ptr<TCQuery> OpenSQLText(const QString& sql) {
    return OpenSQLOn(GlobalDataBase().MainAlias, sql);
}

std::unique_ptr<TCQuery> OpenSQLOn(const QString& databaseName, const QString& sql) {
    auto query = std::make_unique<TCQuery>(databaseName);
    query->setSQL(sql);
    query->open();
    return query;
}

void RefreshKeepingPosition(TCQuery& query) {
    const Dataset::Bookmark mark = query.dataset().bookmark();
    query.close();
    query.open();
    if (!query.dataset().gotoBookmark(mark))
        query.dataset().first();
}

bool SQLObjectExists(const QString& name) {
    const QString& main = GlobalDataBase().MainAlias;
    const auto query = OpenSQLOn(main, DialectOf(main).objectExistsQuery(name));
    return !query->dataset().isEmpty();
}

void CheckLoginLanguage(const QString& databaseName) {
    const SqlDialect& dialect = DialectOf(databaseName);
    QString login = GlobalDataBase().UserName;
    if (login.isEmpty())
        login = QStringLiteral("sa");
    const QString languageQuery = dialect.loginLanguageQuery(login);
    if (languageQuery.isEmpty())
        return;
    QString language;
    {
        const auto query = OpenSQLOn(databaseName, languageQuery);
        if (!query->dataset().isEmpty())
            language = query->dataset().value(QStringLiteral("OstravelLang")).toString();
    }
    const QString upper = language.toUpper();
    if (upper == QStringLiteral("SPANISH") || upper == QStringLiteral("ESPAÑOL"))
        return;
    try {
        ExecSQLOn(databaseName,
                  dialect.setDefaultLanguageStatement(login, QStringLiteral("Spanish")));
    } catch (const fw::Error&) {
        // Servers installed in Spanish know the language only by its own name.
        try {
            ExecSQLOn(databaseName,
                      dialect.setDefaultLanguageStatement(login, QStringLiteral("Español")));
        } catch (const fw::Error&) {
        }
    }
}

void ConfigureSession(const QString& databaseName) {
    const SqlDialect& dialect = DialectOf(databaseName);
    if (const QString isolation = dialect.isolationStatement(); !isolation.isEmpty())
        ExecSQLOn(databaseName, isolation);
    CheckLoginLanguage(databaseName);
    for (const QString& statement : dialect.sessionSettingStatements())
        ExecSQLOn(databaseName, statement);
    fw::util::SetDateOrderDMY(true);
}

bool IsSQLDatabase(const QString& databaseName) {
    const Database* database = SessionDatabase(databaseName);
    return database && database->isSQLDatabase();
}

void BeginMainTransaction() {
    if (Database* database = mainDatabaseForTransactions())
        database->connection().beginTransaction();
}

void CommitMainTransaction() {
    if (Database* database = mainDatabaseForTransactions())
        database->connection().commit();
}

void RollbackMainTransaction() {
    if (Database* database = mainDatabaseForTransactions())
        database->connection().rollback();
}

}  // namespace fw::db
