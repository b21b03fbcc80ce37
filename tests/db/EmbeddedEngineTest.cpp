#include <gtest/gtest.h>

#include "tests/support/QtPrinters.h"

#include <QFile>

#include "framework/db/Connections.h"
#include "framework/db/DatabaseSession.h"
#include "framework/db/ScriptProgress.h"
#include "framework/db/SqlHelpers.h"
#include "framework/util/DateHelpers.h"
#include "framework/util/Errors.h"
#include "tests/support/PharmacyFixture.h"

using namespace fw::db;

namespace {

class EmbeddedEngine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ConnectAlias(QStringLiteral("RERARAZ"), QStringLiteral("sa"), QString(), false),
                  Connected);
    }
    void TearDown() override { CloseAllDatabases(); }

    QStringList column(const QString& sql) {
        QStringList values;
        const auto query = OpenSQLText(sql);
        for (auto& data = query->dataset(); !data.eof(); data.next())
            values << data.value(0).toString();
        return values;
    }

    const SqlDialect& dialect() {
        return DatabaseSession::instance().findDatabase(QStringLiteral("RERARAZ"))->dialect();
    }

    test::PharmacyFixture pharmacy;
};

}  // namespace

TEST_F(EmbeddedEngine, ConnectingPreparesTheSessionAndTheDateOrder) {
    EXPECT_TRUE(fw::util::DateOrderDMY());
    EXPECT_TRUE(IsSQLDatabase(QStringLiteral("RERARAZ")));
    EXPECT_EQ(
        ConnectAlias(QStringLiteral("RERARAZ"), QStringLiteral("otro"), QStringLiteral("x"), false),
        Connected);
}

TEST_F(EmbeddedEngine, ScriptsRunBatchByBatchAtGoLines) {
    struct Case {
        const char* name;
        std::vector<const char*> script;
        std::vector<const char*> rows;
    };
    auto toList = [](const std::vector<const char*>& texts) {
        QStringList list;
        for (const char* text : texts)
            list << QString::fromUtf8(text);
        return list;
    };
    const Case cases[] = {
        {"two batches",
         {"insert into T values ('a')", "GO", "insert into T values ('b')"},
         {"a", "b"}},
        {"lower-case go",
         {"insert into T values ('a')", "go", "insert into T values ('b')"},
         {"a", "b"}},
        {"empty batch",
         {"insert into T values ('a')", "GO", "GO", "insert into T values ('b')", "GO"},
         {"a", "b"}},
        {"no separator", {"insert into T values ('a')"}, {"a"}},
    };
    for (const Case& c : cases) {
        ExecSQLText(QStringLiteral("create table T (v text)"));
        ExecSQLText(toList(c.script).join(QChar(13)));
        EXPECT_EQ(column(QStringLiteral("select v from T order by v")), toList(c.rows)) << c.name;
        ExecSQLText(QStringLiteral("drop table T"));
    }
}

TEST_F(EmbeddedEngine, AFailingBatchKeepsTheBatchesBeforeIt) {
    ExecSQLText(QStringLiteral("create table T (v text)"));
    const QString script =
        QStringList{QStringLiteral("insert into T values ('a')"), QStringLiteral("GO"),
                    QStringLiteral("insert into Missing values ('b')"), QStringLiteral("GO"),
                    QStringLiteral("insert into T values ('c')")}
            .join(QChar(13));
    EXPECT_THROW(ExecSQLText(script), fw::DatabaseError);
    EXPECT_EQ(column(QStringLiteral("select v from T")), QStringList{QStringLiteral("a")});
}

TEST_F(EmbeddedEngine, CreatedTablesCutOverLongTextsAndOrderNamesInSpanish) {
    ExecSQLText(dialect().createTable(
        QStringLiteral("W1"), {{QStringLiteral("Id"), ColumnDefinition::Type::Identity, 0},
                               {QStringLiteral("Code"), ColumnDefinition::Type::Varchar, 6},
                               {QStringLiteral("Name"), ColumnDefinition::Type::Varchar, 10}}));
    ExecSQLText(QStringLiteral("insert into W1 (Code, Name) values ('1234567890', 'ñandú')"));
    ExecSQLText(
        QStringLiteral("insert into W1 (Code, Name) values ('1', 'Oveja de campo abierto')"));
    ExecSQLText(QStringLiteral("insert into W1 (Code, Name) values ('2', 'nube')"));
    EXPECT_EQ(column(QStringLiteral("select Code from W1 order by Id")),
              (QStringList{QStringLiteral("123456"), QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(column(QStringLiteral("select Name from W1 order by Name")),
              (QStringList{QStringLiteral("nube"), QStringLiteral("ñandú"),
                           QStringLiteral("Oveja de c")}));
    EXPECT_EQ(column(QStringLiteral("select Id from W1 where Name = 'NUBE'")),
              QStringList{QStringLiteral("3")});
}

TEST_F(EmbeddedEngine, ObjectExistenceAndDroppingIgnoreLetterCase) {
    ExecSQLText(QStringLiteral("create table Quorvial_Tmp7 (v text)"));
    ExecSQLText(QStringLiteral("create view vQuorvial7 as select * from Quorvial_Tmp7"));
    EXPECT_TRUE(SQLObjectExists(QStringLiteral("quorvial_tmp7")));
    EXPECT_FALSE(SQLObjectExists(QStringLiteral("Quorvial_Tmp8")));
    ExecSQLText(dialect().dropViewIfExists(QStringLiteral("vQuorvial7")));
    ExecSQLText(dialect().dropViewIfExists(QStringLiteral("vQuorvial7")));
    ExecSQLText(dialect().dropTableIfExists(QStringLiteral("Quorvial_Tmp7")));
    EXPECT_FALSE(SQLObjectExists(QStringLiteral("vQuorvial7")));
    EXPECT_FALSE(SQLObjectExists(QStringLiteral("Quorvial_Tmp7")));
}

TEST_F(EmbeddedEngine, RolledBackTransactionsLeaveNothing) {
    ExecSQLText(QStringLiteral("create table T (v text)"));
    BeginMainTransaction();
    ExecSQLText(QStringLiteral("insert into T values ('a')"));
    RollbackMainTransaction();
    BeginMainTransaction();
    ExecSQLText(QStringLiteral("insert into T values ('b')"));
    CommitMainTransaction();
    EXPECT_EQ(column(QStringLiteral("select v from T")), QStringList{QStringLiteral("b")});
}

TEST_F(EmbeddedEngine, ADatabaseFileRemovedWhileOpenIsReportedInsteadOfWrittenToTheVoid) {
    ExecSQLText(QStringLiteral("create table T (v text)"));
    ASSERT_TRUE(QFile::remove(pharmacy.databasePath()));
    EXPECT_THROW(ExecSQLText(QStringLiteral("insert into T values ('a')")), fw::DatabaseError);
    EXPECT_THROW(BeginMainTransaction(), fw::DatabaseError);
}

TEST_F(EmbeddedEngine, RefreshKeepingPositionReturnsToTheRecordOrTheFirst) {
    ExecSQLText(QStringLiteral("create table T (v text)"));
    ExecSQLText(QStringLiteral("insert into T values ('a')"));
    ExecSQLText(QStringLiteral("insert into T values ('b')"));
    ExecSQLText(QStringLiteral("insert into T values ('c')"));
    auto query = OpenSQLText(QStringLiteral("select v from T order by v"));
    query->dataset().moveTo(2);
    RefreshKeepingPosition(*query);
    EXPECT_EQ(query->dataset().value(0).toString(), QStringLiteral("c"));
    ExecSQLText(QStringLiteral("delete from T where v = 'c'"));
    RefreshKeepingPosition(*query);
    EXPECT_EQ(query->dataset().value(0).toString(), QStringLiteral("a"));
}

TEST_F(EmbeddedEngine, AFailedOpenRaisesTheEngineText) {
    try {
        OpenSQLText(QStringLiteral("select * from NoSuchTable"));
        FAIL() << "no error";
    } catch (const fw::DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("NoSuchTable"))) << error.what();
    }
}

TEST_F(EmbeddedEngine, StatementsOfOneShapeKeepTheirOwnValues) {
    ExecSQLText(QStringLiteral("create table T (a text, b text)"));
    ExecSQLText(QStringLiteral("insert into T (a, b) values ('1', '')"));
    ExecSQLText(QStringLiteral("insert into T (a, b) values ('2', 'it''s')"));
    EXPECT_EQ(column(QStringLiteral("select b from T where a = '2'")),
              QStringList{QStringLiteral("it's")});
    EXPECT_EQ(column(QStringLiteral("select b from T where a = '1'")), QStringList{QString()});
    EXPECT_EQ(column(QStringLiteral("select count(*) from T where b is null")),
              QStringList{QStringLiteral("0")});
    // A table used by a kept statement can still be dropped and made again.
    ExecSQLText(QStringLiteral("drop table T"));
    ExecSQLText(QStringLiteral("create table T (a text, b text)"));
    EXPECT_EQ(column(QStringLiteral("select b from T where a = '2'")), QStringList());
}

TEST_F(EmbeddedEngine, TitledScriptsReportTheirBatchesAndAlwaysCloseTheProgress) {
    QStringList events;
    bool open = false;
    SetScriptProgressHandlers({
        [&](const QString& title, int batches) {
            open = true;
            events << QStringLiteral("start %1 %2").arg(title).arg(batches);
        },
        [&] { events << QStringLiteral("step"); },
        [&](const QString& text) { events << QStringLiteral("detail ") + text; },
        [&] {
            open = false;
            events << QStringLiteral("end");
        },
        [&] { return open; },
    });
    ExecSQLText(QStringLiteral("create table T (v text)"));
    ExecSQLText(QStringList{QStringLiteral("/*$T=Actualizando tablas*/"),
                            QStringLiteral("/*$M=Primera*/"),
                            QStringLiteral("insert into T values ('a')"), QStringLiteral("GO"),
                            QStringLiteral("/*$M=Segunda*/"),
                            QStringLiteral("insert into T values ('b')"), QStringLiteral("GO")}
                    .join(QChar(13)));
    EXPECT_EQ(events, (QStringList{QStringLiteral("start Actualizando tablas 2"),
                                   QStringLiteral("detail Primera"), QStringLiteral("step"),
                                   QStringLiteral("detail Segunda"), QStringLiteral("step"),
                                   QStringLiteral("end")}));
    EXPECT_EQ(column(QStringLiteral("select v from T order by v")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b")}));

    // Lower-case separators split batches but are not counted, so no window opens.
    events.clear();
    ExecSQLText(QStringList{QStringLiteral("/*$T=Otra*/"),
                            QStringLiteral("insert into T values ('c')"), QStringLiteral("go"),
                            QStringLiteral("insert into T values ('d')")}
                    .join(QChar(13)));
    EXPECT_EQ(events,
              (QStringList{QStringLiteral("step"), QStringLiteral("step"), QStringLiteral("end")}));

    // A failing batch still closes the window.
    events.clear();
    EXPECT_THROW(
        ExecSQLText(QStringList{QStringLiteral("/*$T=Rota*/"),
                                QStringLiteral("insert into T values ('e')"), QStringLiteral("GO"),
                                QStringLiteral("insert into Nada values (1)"), QStringLiteral("GO")}
                        .join(QChar(13))),
        fw::DatabaseError);
    EXPECT_EQ(events.last(), QStringLiteral("end"));
    EXPECT_FALSE(open);
    SetScriptProgressHandlers({});
}

TEST_F(EmbeddedEngine, ParametersAreFoundInTheTextAndBoundByName) {
    EXPECT_EQ(TCQuery::parameterNames(
                  {QStringLiteral("select * from T where a = :code and b = ':not' and c = :Code"),
                   QStringLiteral("and d = :other_1")}),
              (QStringList{QStringLiteral("code"), QStringLiteral("other_1")}));
    ExecSQLText(QStringLiteral("create table T (a text, b text)"));
    ExecSQLText(QStringLiteral("insert into T values ('1', 'uno')"));
    ExecSQLText(QStringLiteral("insert into T values ('2', 'dos')"));
    TCQuery query;
    query.setSQL(QStringLiteral("select b from T where a = :code"));
    ASSERT_TRUE(query.Params().contains(QStringLiteral("code")));
    query.setParam(QStringLiteral("code"), QStringLiteral("2"));
    query.open();
    ASSERT_EQ(query.dataset().recordCount(), 1);
    EXPECT_EQ(query.dataset().value(0).toString(), QStringLiteral("dos"));
    query.setSQL(QStringLiteral("delete from T where a = :code"));
    query.ExecScript();
    EXPECT_EQ(column(QStringLiteral("select a from T")), QStringList{QStringLiteral("1")});
}

TEST(Dataset, AScanWithControlsDisabledTellsItsViewsOnlyWhereItEnded) {
    Field field;
    field.name = QStringLiteral("v");
    std::vector<Dataset::Row> rows{{1}, {2}, {3}};
    Dataset data({field}, rows);
    QList<qsizetype> heard;
    data.setCursorListener([&](qsizetype row) { heard << row; });
    data.moveTo(1);
    {
        ControlsDisabled quiet(data);
        for (data.first(); !data.eof(); data.next()) {
        }
        data.moveTo(1);
    }
    EXPECT_EQ(heard, (QList<qsizetype>{1, 1}));
}
