#include <gtest/gtest.h>

#include "tests/support/QtPrinters.h"

#include "declaration/DeclarationStatements.h"
#include "framework/util/DateHelpers.h"

using namespace quorvial;

namespace {

QString crLines(std::initializer_list<const char*> parts) {
    QStringList list;
    for (const char* part : parts)
        list << QString::fromUtf8(part);
    return list.join(QChar(13));
}

}  // namespace

TEST(DeclarationStatements, ServerWorkTable) {
    fw::db::MssqlDialect dialect;
    EXPECT_EQ(DeclarationStatements(dialect).createWorkTable(QStringLiteral("Quorvial_Tmp5")),
              crLines({"CREATE TABLE Quorvial_Tmp5", "( IdVeterinario int IDENTITY(1,1) NOT NULL, ",
                       "  Cod varchar(6) NULL, ", "  Fec varchar(4) NULL, ",
                       "  Declar varchar(6) NULL, ", "  NumDef varchar(10) NULL, ",
                       "  Nombre varchar(100) NULL, ", "  Laboratorio varchar(50) NULL, ",
                       "  CodNal varchar(6) NULL, ", "  ForFar varchar(60) NULL, ",
                       "  AForFar varchar(10) NULL, ", "  Dispositivo varchar(15) NULL, ",
                       "  Contenido varchar(35) NULL, ", "  Material varchar(35) NULL, ",
                       "  Dosis varchar(15) NULL, ", "  Unidad varchar(25) NULL, ",
                       "  ATC varchar(15) NULL, ", "  MatchKorvella varchar(5) NULL ", ")"}));
}

TEST(DeclarationStatements, ProductInsertQuotesEveryValue) {
    fw::db::MssqlDialect dialect;
    std::array<QString, 15> values;
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = QStringLiteral("v%1").arg(i);
    values[4] = QStringLiteral("L'ÓVULO; DROP TABLE Articu --");
    const QString sql = DeclarationStatements(dialect).insertProduct(QStringLiteral("T9"), values,
                                                                     QStringLiteral("Sí"));
    EXPECT_EQ(sql, crLines({"Insert Into T9( ",
                            "Cod, ",
                            "Fec, ",
                            "Declar, ",
                            "NumDef, ",
                            "Nombre, ",
                            "Laboratorio, ",
                            "CodNal, ",
                            "ForFar, ",
                            "AForFar, ",
                            "Dispositivo, ",
                            "Contenido, ",
                            "Material, ",
                            "Dosis, ",
                            "Unidad, ",
                            "ATC,",
                            "MatchKorvella",
                            ") Values (",
                            "'v0', ",
                            "'v1', ",
                            "'v2', ",
                            "'v3', ",
                            "'L''ÓVULO; DROP TABLE Articu --', ",
                            "'v5', ",
                            "'v6', ",
                            "'v7', ",
                            "'v8', ",
                            "'v9', ",
                            "'v10', ",
                            "'v11', ",
                            "'v12', ",
                            "'v13', ",
                            "'v14', ",
                            "'Sí'",
                            ")"}));
}

TEST(DeclarationStatements, ServerViewBoundsTheYearWithDayFirstLiterals) {
    fw::util::SetDateOrderDMY(true);
    fw::db::MssqlDialect dialect;
    const QString view = DeclarationStatements(dialect).createDeclarationView(
        QStringLiteral("vQuorvial5"), QStringLiteral("Quorvial_Tmp5"), 2014);
    EXPECT_EQ(
        view,
        crLines({"CREATE VIEW vQuorvial5", "AS", "select T.*,",
                 "case when IsNull( A.IdArticu, '') <> '' then 'Sí' else 'No' end as EnAlmacen,",
                 "IsNull( A.Descripcion, '') as DescKorvella,",
                 "(Select Sum( LV.Cantidad ) from Lineaventa LV",
                 "inner join venta V on V.IdVenta = LV.IdVenta",
                 "where LV.codigo = T.CodNal and V.FechaHora >= '01/01/2014 00:00:00:000' and "
                 "V.FechaHora < '01/01/2015 00:00:00:000') as Salidas,",
                 "(Select Sum( LR.Recibidas - LR.UDevolver ) from LineaRecep LR",
                 "inner join Recep R on R.IdRecepcion = LR.IdRecepcion",
                 "where LR.XArt_IdArticu = T.CodNal and R.Fecha >= '01/01/2014 00:00:00:000' and "
                 "R.Fecha < '01/01/2015 00:00:00:000') as Entradas",
                 "from Quorvial_Tmp5 T", "left join Articu A on A.IdArticu = T.CodNal", ""}));
}

TEST(DeclarationStatements, QueryLinesFollowTheFilterBoxes) {
    EXPECT_EQ(DeclarationStatements::declarationQuery(QStringLiteral("v1"), false, false, false),
              (QStringList{QStringLiteral("Select * from v1 where 1 = 1"),
                           QStringLiteral("order by Nombre, CodNal")}));
    EXPECT_EQ(DeclarationStatements::declarationQuery(QStringLiteral("v1"), true, false, true),
              (QStringList{QStringLiteral("Select * from v1 where 1 = 1"),
                           QStringLiteral("and ((Entradas > 0) or (Salidas > 0))"),
                           QStringLiteral("and (EnAlmacen = 'Sí') and (MatchKorvella = 'Sí')"),
                           QStringLiteral("order by Nombre, CodNal")}));
}
