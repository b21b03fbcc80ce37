#include <gtest/gtest.h>

#include "tests/support/QtPrinters.h"

#include "framework/db/SqlDialect.h"

using namespace fw::db;

namespace {

QString lines(std::initializer_list<const char*> parts) {
    QStringList list;
    for (const char* part : parts)
        list << QString::fromUtf8(part);
    return list.join(QChar(13));
}

}  // namespace

TEST(MssqlDialect, DropStatementsNameTheObjectAsLiteralAndAsIdentifier) {
    MssqlDialect dialect;
    EXPECT_EQ(
        dialect.dropViewIfExists(QStringLiteral("vQuorvial42")),
        lines({"if EXISTS ( select * from dbo.sysobjects where id = object_id( 'vQuorvial42' ) "
               "and TYPE = 'V')",
               "DROP VIEW vQuorvial42"}));
    EXPECT_EQ(dialect.dropTableIfExists(QStringLiteral("Quorvial_Tmp42")),
              lines({"if EXISTS ( select * from dbo.sysobjects where id = object_id( "
                     "'Quorvial_Tmp42' ) and TYPE = 'U')",
                     "drop table Quorvial_Tmp42"}));
}

TEST(MssqlDialect, ObjectExistsQueriesTheQualifiedDatabase) {
    MssqlDialect dialect;
    EXPECT_EQ(dialect.objectExistsQuery(QStringLiteral("Quorvial_Tmp1")),
              QStringLiteral("select name from sysobjects where id = object_id('Quorvial_Tmp1')"));
    EXPECT_EQ(
        dialect.objectExistsQuery(QStringLiteral("tempdb..#Tmp")),
        QStringLiteral("select name from tempdb..sysobjects where id = object_id('tempdb..#Tmp')"));
}

TEST(MssqlDialect, CreateTableLaysOutOneColumnPerLine) {
    MssqlDialect dialect;
    const QList<ColumnDefinition> columns{
        {QStringLiteral("IdVeterinario"), ColumnDefinition::Type::Identity, 0},
        {QStringLiteral("Cod"), ColumnDefinition::Type::Varchar, 6},
        {QStringLiteral("MatchKorvella"), ColumnDefinition::Type::Varchar, 5}};
    EXPECT_EQ(dialect.createTable(QStringLiteral("T1"), columns),
              lines({"CREATE TABLE T1", "( IdVeterinario int IDENTITY(1,1) NOT NULL, ",
                     "  Cod varchar(6) NULL, ", "  MatchKorvella varchar(5) NULL ", ")"}));
}

TEST(MssqlDialect, LoginLanguageStatementsDoubleApostrophesOfTheLogin) {
    MssqlDialect dialect;
    const QString query = dialect.loginLanguageQuery(QStringLiteral("O'Brien"));
    EXPECT_EQ(query, lines({"select o.loginname, o.language as OstravelLang",
                            "from master.dbo.syslogins o, master.dbo.syslanguages l",
                            "where ((o.language like l.alias or o.language like l.name) )",
                            "and o.Loginname = 'O''Brien'", "union",
                            "select o.loginname, l.name as OstravelLang",
                            "from master.dbo.syslogins o, master.dbo.syslanguages l",
                            "where o.language is NULL and l.langid = @@default_langid",
                            "and o.Loginname = 'O''Brien'"}));
    EXPECT_EQ(
        dialect.setDefaultLanguageStatement(QStringLiteral("O'Brien"), QStringLiteral("Español")),
        QStringLiteral("Exec sp_defaultlanguage 'O''Brien', 'Español'"));
    EXPECT_EQ(dialect.isolationStatement(),
              QStringLiteral("SET TRANSACTION ISOLATION LEVEL READ UNCOMMITTED"));
    EXPECT_EQ(
        dialect.sessionSettingStatements(),
        (QStringList{QStringLiteral("SET LANGUAGE Spanish"), QStringLiteral("SET ANSI_NULLS OFF"),
                     QStringLiteral("SET ANSI_WARNINGS OFF")}));
}

TEST(SqlDialect, DriversByName) {
    EXPECT_EQ(SqlDialect::forDriver(QStringLiteral("mssql"))->driverName(),
              QStringLiteral("MSSQL"));
    EXPECT_EQ(SqlDialect::forDriver(QStringLiteral("SQLITE"))->driverName(),
              QStringLiteral("SQLITE"));
    EXPECT_EQ(SqlDialect::forDriver(QStringLiteral("PARADOX")), nullptr);
}
