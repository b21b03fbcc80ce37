#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

namespace fw::db {

// A column of a table the system creates itself.
struct ColumnDefinition {
    enum class Type { Identity, Varchar };

    QString name;
    Type type = Type::Varchar;
    int width = 0;
};

// The statements whose wording depends on the engine. The server's dialect gives them exactly as
// the pharmacy server expects them; the embedded engine's dialect gives statements that behave
// the same there. Callers ask the connection's dialect and never branch on the engine.
class SqlDialect {
public:
    virtual ~SqlDialect() = default;

    // The driver name of the alias file: "MSSQL" or "SQLITE".
    virtual QString driverName() const = 0;

    // Session preparation; an empty text means the engine needs nothing for it.
    virtual QString isolationStatement() const = 0;
    virtual QStringList sessionSettingStatements() const = 0;
    // The login's default language; an empty text means the engine has no logins.
    virtual QString loginLanguageQuery(const QString& login) const = 0;
    virtual QString setDefaultLanguageStatement(const QString& login,
                                                const QString& language) const = 0;

    // "select name from ..." answering a row when the object exists. The name may be qualified
    // by a database name and two dots.
    virtual QString objectExistsQuery(const QString& name) const = 0;
    virtual QString dropViewIfExists(const QString& view) const = 0;
    virtual QString dropTableIfExists(const QString& table) const = 0;
    // May hold several batches separated by "GO" lines.
    virtual QString createTable(const QString& table,
                                const QList<ColumnDefinition>& columns) const = 0;

    // "Delete T" on the server, which needs no FROM.
    virtual QString deleteFrom(const QString& table) const = 0;
    // "IsNull" on the server.
    virtual QString isNullFunction() const = 0;
    virtual QString dateTimeLiteral(const QDateTime& value) const = 0;

    static std::unique_ptr<SqlDialect> forDriver(const QString& driverName);
};

class MssqlDialect final : public SqlDialect {
public:
    QString driverName() const override;
    QString isolationStatement() const override;
    QStringList sessionSettingStatements() const override;
    QString loginLanguageQuery(const QString& login) const override;
    QString setDefaultLanguageStatement(const QString& login,
                                        const QString& language) const override;
    QString objectExistsQuery(const QString& name) const override;
    QString dropViewIfExists(const QString& view) const override;
    QString dropTableIfExists(const QString& table) const override;
    QString createTable(const QString& table,
                        const QList<ColumnDefinition>& columns) const override;
    QString deleteFrom(const QString& table) const override;
    QString isNullFunction() const override;
    QString dateTimeLiteral(const QDateTime& value) const override;
};

class SqliteDialect final : public SqlDialect {
public:
    QString driverName() const override;
    QString isolationStatement() const override;
    QStringList sessionSettingStatements() const override;
    QString loginLanguageQuery(const QString& login) const override;
    QString setDefaultLanguageStatement(const QString& login,
                                        const QString& language) const override;
    QString objectExistsQuery(const QString& name) const override;
    QString dropViewIfExists(const QString& view) const override;
    QString dropTableIfExists(const QString& table) const override;
    QString createTable(const QString& table,
                        const QList<ColumnDefinition>& columns) const override;
    QString deleteFrom(const QString& table) const override;
    QString isNullFunction() const override;
    QString dateTimeLiteral(const QDateTime& value) const override;
};

}  // namespace fw::db
