#include <gtest/gtest.h>

#include "tests/demo/DemoDatabaseFile.h"
#include "tests/demo/DemoRun.h"
#include "tests/demo/SchemaScript.h"
#include "tests/demo/SmallDemo.h"

namespace test {
namespace {

constexpr int kYear = DemoRun::kYear;

// The view's condition: from 1 January of the year, included, to 1 January of the next.
QString inYear(const QString& column, int year) {
    return QStringLiteral(" %1 >= '%2-01-01 00:00:00.000' AND %1 < '%3-01-01 00:00:00.000'")
        .arg(column)
        .arg(year)
        .arg(year + 1);
}

class DemoDatabase : public SmallDemo {
protected:
    void SetUp() override { ASSERT_TRUE(database.isOpen()); }

    qlonglong count(const QString& sql) const { return database.value(sql).toLongLong(); }

    DemoDatabaseFile database{databasePath()};
};

TEST_F(DemoDatabase, HoldsTheScriptsTablesColumnsIndexesAndCounterRow) {
    const SchemaScript script(schemaScript(QStringLiteral("pharmacy.sqlite.sql")));
    for (const auto& [table, columns] : script.tables()) {
        SCOPED_TRACE(table.toStdString());
        EXPECT_EQ(database.columns(table).join(u',').toStdString(),
                  columns.join(u',').toStdString());
    }
    ASSERT_FALSE(script.indexes().empty());
    for (const IndexDefinition& index : script.indexes()) {
        EXPECT_TRUE(database.indexes(index.table).contains(index.columns))
            << index.name.toStdString();
    }
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Contadores WHERE IdContador = 13")), 1);
}

TEST_F(DemoDatabase, ComparesNamesWithoutCaseAndNationalCodesExactly) {
    struct Case {
        const char* table;
        const char* column;
        const char* collation;
    };
    const Case cases[] = {
        {"Articu", "Descripcion", "ES_CI"},        {"ListaArticu", "Descripcion", "ES_CI"},
        {"Articu", "IdArticu", "BINARY"},          {"Lineaventa", "codigo", "BINARY"},
        {"LineaRecep", "XArt_IdArticu", "BINARY"}, {"ItemListaArticu", "XItem_IdArticu", "BINARY"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(database.collation(QString::fromLatin1(c.table), QString::fromLatin1(c.column)),
                  QLatin1String(c.collation))
            << c.table << "." << c.column;
    }
    // The collation is live: every description equals itself in small letters.
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM Articu WHERE Descripcion = lower(Descripcion)")),
        count(QStringLiteral("SELECT count(*) FROM Articu")));
    EXPECT_GT(
        count(QStringLiteral(
            "SELECT count(*) FROM Articu WHERE Descripcion LIKE '%Ó%' OR Descripcion LIKE '%Ñ%'")),
        0);
}

TEST_F(DemoDatabase, KeepsNationalCodesAsSixDigitText) {
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Articu WHERE typeof(IdArticu) <> 'text' "
                                   "OR length(IdArticu) <> 6 OR IdArticu GLOB '*[^0-9]*'")),
              0);
    EXPECT_GE(count(QStringLiteral("SELECT count(*) FROM Articu WHERE IdArticu LIKE '0%'")), 1);
    // Every movement is of an article the pharmacy holds.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Lineaventa WHERE codigo NOT IN "
                                   "(SELECT IdArticu FROM Articu)")),
              0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM LineaRecep WHERE XArt_IdArticu NOT IN "
                                   "(SELECT IdArticu FROM Articu)")),
              0);
}

TEST_F(DemoDatabase, KeepsDatesAsIsoTextWithinOpeningHoursAndTheYears) {
    const QString iso = QStringLiteral(
        "'[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9] "
        "[0-2][0-9]:[0-5][0-9]:[0-5][0-9].[0-9][0-9][0-9]'");
    const QString checks[] = {
        QStringLiteral("SELECT count(*) FROM venta WHERE NOT FechaHora GLOB ") + iso,
        QStringLiteral("SELECT count(*) FROM Recep WHERE NOT Fecha GLOB ") + iso,
        QStringLiteral("SELECT count(*) FROM Articu WHERE NOT FechaAlta GLOB ") + iso,
    };
    for (const QString& sql : checks)
        EXPECT_EQ(count(sql), 0) << sql.toStdString();

    EXPECT_EQ(database.value(QStringLiteral("SELECT min(substr(FechaHora, 1, 4)) FROM venta")),
              QString::number(kYear - DemoRun::kYears + 1));
    EXPECT_EQ(database.value(QStringLiteral("SELECT max(FechaHora) FROM venta")),
              QStringLiteral("%1-01-01 00:00:00.000").arg(kYear + 1));
    // Apart from the two boundary sales the counter is open from nine to half past eight.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM venta WHERE substr(FechaHora, 12) NOT "
                                   "BETWEEN '09:00:00.000' AND '20:30:00.000'")),
              2);
}

TEST_F(DemoDatabase, WritesTheLinesAskedForWithReturnsOnBothSides) {
    for (int year = kYear - DemoRun::kYears + 1; year <= kYear; ++year) {
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Lineaventa LV JOIN venta V ON "
                                       "V.IdVenta = LV.IdVenta WHERE") +
                        inYear(QStringLiteral("V.FechaHora"), year)),
                  2000)
            << year;
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM LineaRecep LR JOIN Recep R ON "
                                       "R.IdRecepcion = LR.IdRecepcion WHERE") +
                        inYear(QStringLiteral("R.Fecha"), year)),
                  600)
            << year;
    }
    EXPECT_EQ(count(QStringLiteral("SELECT max(n) FROM (SELECT count(*) AS n FROM Lineaventa "
                                   "GROUP BY IdVenta)")),
              4);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM venta WHERE IdVenta NOT IN "
                                   "(SELECT IdVenta FROM Lineaventa)")),
              0);
    EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM Lineaventa WHERE Cantidad < 0")), 0);
    EXPECT_GT(count(QStringLiteral("SELECT count(*) FROM LineaRecep WHERE UDevolver > 0")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM LineaRecep WHERE UDevolver > Recibidas "
                                   "AND Recibidas > 0")),
              0);
}

TEST_F(DemoDatabase, SellsOneProductOnBothSidesOfTheYearEnd) {
    const QString sold = QStringLiteral(
        "SELECT LV.codigo FROM Lineaventa LV JOIN venta V ON V.IdVenta = LV.IdVenta "
        "WHERE V.FechaHora = '%1'");
    const QVariantList last =
        database.column(sold.arg(QStringLiteral("%1-12-31 23:59:59.000").arg(kYear)));
    const QVariantList first =
        database.column(sold.arg(QStringLiteral("%1-01-01 00:00:00.000").arg(kYear + 1)));
    ASSERT_EQ(last.size(), 1);
    ASSERT_EQ(first.size(), 1);
    EXPECT_EQ(last.first(), first.first());
    // The product is one of the listed antibiotics.
    bool listed = false;
    for (const QStringList& product : listProducts())
        listed = listed || product.value(6) == first.first().toString();
    EXPECT_TRUE(listed);
}

TEST_F(DemoDatabase, HasListedProductsQuietOrBalancedInTheYear) {
    int quiet = 0;
    int balanced = 0;
    int sold = 0;
    for (const QStringList& product : listProducts()) {
        const QString code = product.value(6);
        if (count(QStringLiteral("SELECT count(*) FROM Articu WHERE IdArticu = '%1'").arg(code)) ==
            0)
            continue;
        const QVariant sales = database.value(
            QStringLiteral("SELECT sum(LV.Cantidad) FROM Lineaventa LV JOIN venta V ON "
                           "V.IdVenta = LV.IdVenta WHERE LV.codigo = '%1' AND")
                .arg(code) +
            inYear(QStringLiteral("V.FechaHora"), kYear));
        const QVariant receipts = database.value(
            QStringLiteral("SELECT sum(LR.Recibidas - LR.UDevolver) FROM LineaRecep LR JOIN Recep "
                           "R ON R.IdRecepcion = LR.IdRecepcion WHERE LR.XArt_IdArticu = '%1' "
                           "AND")
                .arg(code) +
            inYear(QStringLiteral("R.Fecha"), kYear));
        quiet += sales.isNull() && receipts.isNull();
        balanced += sales.isNull() && !receipts.isNull() && receipts.toLongLong() == 0;
        sold += !sales.isNull() && sales.toLongLong() > 0;
    }
    EXPECT_GT(quiet, 0);
    EXPECT_GT(balanced, 0);
    EXPECT_GT(sold, 0);
}

}  // namespace
}  // namespace test
