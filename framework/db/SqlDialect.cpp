#include "framework/db/SqlDialect.h"

#include "framework/db/SpanishCollation.h"
#include "framework/util/DateHelpers.h"
#include "framework/util/TextHelpers.h"

namespace fw::db {

using fw::util::QuotedSQL;

namespace {

const QChar CR = QChar(13);

// A name qualified as "database..object": the prefix up to and including the first "..".
QString databasePrefix(const QString& name) {
    const qsizetype dots = name.indexOf(QStringLiteral(".."));
    return dots < 0 ? QString() : name.left(dots + 2);
}

QString dropIfExists(const QString& name, const QString& type, const QString& dropCommand) {
    return QStringLiteral("if EXISTS ( select * from dbo.sysobjects where id = object_id( ") +
           QuotedSQL(name) + QStringLiteral(" ) and TYPE = '") + type + QStringLiteral("')") + CR +
           dropCommand + QLatin1Char(' ') + name;
}

}  // namespace

std::unique_ptr<SqlDialect> SqlDialect::forDriver(const QString& driverName) {
    if (driverName.compare(QStringLiteral("SQLITE"), Qt::CaseInsensitive) == 0)
        return std::make_unique<SqliteDialect>();
    if (driverName.compare(QStringLiteral("MSSQL"), Qt::CaseInsensitive) == 0)
        return std::make_unique<MssqlDialect>();
    return nullptr;
}

// --- The pharmacy server ------------------------------------------------------------------------

QString MssqlDialect::driverName() const {
    return QStringLiteral("MSSQL");
}

QString MssqlDialect::isolationStatement() const {
    return QStringLiteral("SET TRANSACTION ISOLATION LEVEL READ UNCOMMITTED");
}

QStringList MssqlDialect::sessionSettingStatements() const {
    return {QStringLiteral("SET LANGUAGE Spanish"), QStringLiteral("SET ANSI_NULLS OFF"),
            QStringLiteral("SET ANSI_WARNINGS OFF")};
}

QString MssqlDialect::loginLanguageQuery(const QString& login) const {
    const QString literal = QuotedSQL(login);
    return QStringLiteral("select o.loginname, o.language as OstravelLang") + CR +
           QStringLiteral("from master.dbo.syslogins o, master.dbo.syslanguages l") + CR +
           QStringLiteral("where ((o.language like l.alias or o.language like l.name) )") + CR +
           QStringLiteral("and o.Loginname = ") + literal + CR + QStringLiteral("union") + CR +
           QStringLiteral("select o.loginname, l.name as OstravelLang") + CR +
           QStringLiteral("from master.dbo.syslogins o, master.dbo.syslanguages l") + CR +
           QStringLiteral("where o.language is NULL and l.langid = @@default_langid") + CR +
           QStringLiteral("and o.Loginname = ") + literal;
}

QString MssqlDialect::setDefaultLanguageStatement(const QString& login,
                                                  const QString& language) const {
    return QStringLiteral("Exec sp_defaultlanguage ") + QuotedSQL(login) + QStringLiteral(", ") +
           QuotedSQL(language);
}

QString MssqlDialect::objectExistsQuery(const QString& name) const {
    return QStringLiteral("select name from ") + databasePrefix(name) +
           QStringLiteral("sysobjects where id = object_id(") + QuotedSQL(name) +
           QStringLiteral(")");
}

QString MssqlDialect::dropViewIfExists(const QString& view) const {
    return dropIfExists(view, QStringLiteral("V"), QStringLiteral("DROP VIEW"));
}

QString MssqlDialect::dropTableIfExists(const QString& table) const {
    return dropIfExists(table, QStringLiteral("U"), QStringLiteral("drop table"));
}

QString MssqlDialect::createTable(const QString& table,
                                  const QList<ColumnDefinition>& columns) const {
    QString sql = QStringLiteral("CREATE TABLE ") + table;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const ColumnDefinition& column = columns[i];
        sql += CR + (i == 0 ? QStringLiteral("( ") : QStringLiteral("  ")) + column.name;
        if (column.type == ColumnDefinition::Type::Identity)
            sql += QStringLiteral(" int IDENTITY(1,1) NOT NULL");
        else
            sql += QStringLiteral(" varchar(%1) NULL").arg(column.width);
        sql += i + 1 < columns.size() ? QStringLiteral(", ") : QStringLiteral(" ");
    }
    return sql + CR + QStringLiteral(")");
}

QString MssqlDialect::deleteFrom(const QString& table) const {
    return QStringLiteral("Delete ") + table;
}

QString MssqlDialect::isNullFunction() const {
    return QStringLiteral("IsNull");
}

QString MssqlDialect::dateTimeLiteral(const QDateTime& value) const {
    return fw::util::SQLDateTime(value);
}

// --- The embedded engine ------------------------------------------------------------------------

QString SqliteDialect::driverName() const {
    return QStringLiteral("SQLITE");
}

// One connection per database file: dirty reads have nothing to read from.
QString SqliteDialect::isolationStatement() const {
    return {};
}

// Language and date order are the program's own on this engine: dates are stored as ISO text and
// names compare with the Spanish collation installed on the connection.
QStringList SqliteDialect::sessionSettingStatements() const {
    return {};
}

QString SqliteDialect::loginLanguageQuery(const QString&) const {
    return {};
}

QString SqliteDialect::setDefaultLanguageStatement(const QString&, const QString&) const {
    return {};
}

QString SqliteDialect::objectExistsQuery(const QString& name) const {
    // "tempdb.." names the engine's temporary schema; object names ignore letter case, as on
    // the server.
    const QString prefix = databasePrefix(name);
    const QString catalog = prefix.compare(QStringLiteral("tempdb.."), Qt::CaseInsensitive) == 0
                                ? QStringLiteral("sqlite_temp_master")
                                : QStringLiteral("sqlite_master");
    return QStringLiteral("select name from ") + catalog + QStringLiteral(" where name = ") +
           QuotedSQL(name.mid(prefix.size())) + QStringLiteral(" collate nocase");
}

QString SqliteDialect::dropViewIfExists(const QString& view) const {
    return QStringLiteral("DROP VIEW IF EXISTS ") + view;
}

QString SqliteDialect::dropTableIfExists(const QString& table) const {
    return QStringLiteral("DROP TABLE IF EXISTS ") + table;
}

QString SqliteDialect::createTable(const QString& table,
                                   const QList<ColumnDefinition>& columns) const {
    QStringList definitions;
    QStringList overLong;
    QStringList cuts;
    for (const ColumnDefinition& column : columns) {
        if (column.type == ColumnDefinition::Type::Identity) {
            definitions << column.name + QStringLiteral(" INTEGER PRIMARY KEY");
            continue;
        }
        definitions << QStringLiteral("%1 varchar(%2) COLLATE %3 NULL")
                           .arg(column.name)
                           .arg(column.width)
                           .arg(QLatin1String(SpanishCollation::name));
        overLong << QStringLiteral("length(NEW.%1) > %2").arg(column.name).arg(column.width);
        cuts << QStringLiteral("%1 = substr(%1, 1, %2)").arg(column.name).arg(column.width);
    }
    QString sql = QStringLiteral("CREATE TABLE ") + table + QStringLiteral(" (") + CR +
                  definitions.join(QStringLiteral(",") + CR) + CR + QStringLiteral(")");
    if (cuts.isEmpty())
        return sql;
    // The server cuts over-long texts to the column's width; the engine keeps them whole, so a
    // trigger cuts them right after the insert.
    return sql + CR + QStringLiteral("GO") + CR + QStringLiteral("CREATE TRIGGER ") + table +
           QStringLiteral("_cut AFTER INSERT ON ") + table + QStringLiteral(" WHEN ") +
           overLong.join(QStringLiteral(" OR ")) + CR + QStringLiteral("BEGIN UPDATE ") + table +
           QStringLiteral(" SET ") + cuts.join(QStringLiteral(", ")) +
           QStringLiteral(" WHERE rowid = NEW.rowid; END");
}

QString SqliteDialect::deleteFrom(const QString& table) const {
    return QStringLiteral("Delete from ") + table;
}

QString SqliteDialect::isNullFunction() const {
    return QStringLiteral("ifnull");
}

QString SqliteDialect::dateTimeLiteral(const QDateTime& value) const {
    return QuotedSQL(value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
}

}  // namespace fw::db
