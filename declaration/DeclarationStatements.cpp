#include "declaration/DeclarationStatements.h"

#include <QDate>

#include "framework/util/TextHelpers.h"

namespace quorvial {

using fw::util::QuotedSQL;

namespace {

const QChar CR = QChar(13);

}  // namespace

const std::array<ProductColumn, 15> kProductColumns = {{
    {"COD", "Cod", 6},
    {"FEC", "Fec", 4},
    {"DECLAR", "Declar", 6},
    {"NUMDEF", "NumDef", 10},
    {"NOMBRE", "Nombre", 100},
    {"LABORATORIO", "Laboratorio", 50},
    {"CODNAL", "CodNal", 6},
    {"FORFAR", "ForFar", 60},
    {"AFORFAR", "AForFar", 10},
    {"DISPOSITIVO", "Dispositivo", 15},
    {"CONTENIDO", "Contenido", 35},
    {"MATERIAL", "Material", 35},
    {"DOSIS", "Dosis", 15},
    {"UNIDAD", "Unidad", 25},
    {"ATC", "ATC", 15},
}};

int productColumnIndex(const QString& title) {
    for (size_t i = 0; i < kProductColumns.size(); ++i) {
        if (title.compare(QLatin1String(kProductColumns[i].title), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QString DeclarationStatements::createWorkTable(const QString& table) const {
    using fw::db::ColumnDefinition;
    QList<ColumnDefinition> columns;
    columns << ColumnDefinition{QStringLiteral("IdVeterinario"), ColumnDefinition::Type::Identity,
                                0};
    for (const ProductColumn& column : kProductColumns)
        columns << ColumnDefinition{QLatin1String(column.column), ColumnDefinition::Type::Varchar,
                                    column.width};
    columns << ColumnDefinition{QStringLiteral("MatchKorvella"), ColumnDefinition::Type::Varchar,
                                5};
    return m_dialect.createTable(table, columns);
}

QString DeclarationStatements::insertProduct(const QString& table,
                                             const std::array<QString, 15>& values,
                                             const QString& matchKorvella) const {
    QString sql;
    qsizetype valuesSize = 0;
    for (const QString& value : values)
        valuesSize += value.size() + 6;
    sql.reserve(260 + table.size() + valuesSize);
    sql += QStringLiteral("Insert Into ") + table + QStringLiteral("( ");
    for (const ProductColumn& column : kProductColumns) {
        sql += CR + QLatin1String(column.column);
        sql +=
            column.column == std::string_view("ATC") ? QStringLiteral(",") : QStringLiteral(", ");
    }
    sql += CR + QStringLiteral("MatchKorvella") + CR + QStringLiteral(") Values (");
    for (const QString& value : values)
        sql += CR + QuotedSQL(value) + QStringLiteral(", ");
    sql += CR + QuotedSQL(matchKorvella) + CR + QStringLiteral(")");
    return sql;
}

QString DeclarationStatements::articleDescription(const QString& nationalCode) const {
    return QStringLiteral("Select Descripcion from Articu where IdArticu = ") +
           QuotedSQL(nationalCode);
}

QString DeclarationStatements::dropView(const QString& view) const {
    return m_dialect.dropViewIfExists(view);
}

QString DeclarationStatements::dropTable(const QString& table) const {
    return m_dialect.dropTableIfExists(table);
}

QString DeclarationStatements::createDeclarationView(const QString& view, const QString& table,
                                                     int year) const {
    const QString start = m_dialect.dateTimeLiteral(QDateTime(QDate(year, 1, 1), QTime(0, 0)));
    const QString end = m_dialect.dateTimeLiteral(QDateTime(QDate(year + 1, 1, 1), QTime(0, 0)));
    const QString isNull = m_dialect.isNullFunction();
    const QString empty = QuotedSQL(QString());
    return QStringLiteral("CREATE VIEW ") + view + CR + QStringLiteral("AS") + CR +
           QStringLiteral("select T.*,") + CR + QStringLiteral("case when ") + isNull +
           QStringLiteral("( A.IdArticu, ") + empty + QStringLiteral(") <> ") + empty +
           QStringLiteral(" then ") + QuotedSQL(QStringLiteral("Sí")) + QStringLiteral(" else ") +
           QuotedSQL(QStringLiteral("No")) + QStringLiteral(" end as EnAlmacen,") + CR + isNull +
           QStringLiteral("( A.Descripcion, ") + empty + QStringLiteral(") as DescKorvella,") + CR +
           QStringLiteral("(Select Sum( LV.Cantidad ) from Lineaventa LV") + CR +
           QStringLiteral("inner join venta V on V.IdVenta = LV.IdVenta") + CR +
           QStringLiteral("where LV.codigo = T.CodNal and V.FechaHora >= ") + start +
           QStringLiteral(" and V.FechaHora < ") + end + QStringLiteral(") as Salidas,") + CR +
           QStringLiteral("(Select Sum( LR.Recibidas - LR.UDevolver ) from LineaRecep LR") + CR +
           QStringLiteral("inner join Recep R on R.IdRecepcion = LR.IdRecepcion") + CR +
           QStringLiteral("where LR.XArt_IdArticu = T.CodNal and R.Fecha >= ") + start +
           QStringLiteral(" and R.Fecha < ") + end + QStringLiteral(") as Entradas") + CR +
           QStringLiteral("from ") + table + QStringLiteral(" T") + CR +
           QStringLiteral("left join Articu A on A.IdArticu = T.CodNal") + CR;
}

QStringList DeclarationStatements::declarationQuery(const QString& view, bool withMovement,
                                                    bool inStock, bool inStockSimilar) {
    QStringList lines{QStringLiteral("Select * from ") + view + QStringLiteral(" where 1 = 1")};
    const QString yes = QuotedSQL(QStringLiteral("Sí"));
    if (withMovement)
        lines << QStringLiteral("and ((Entradas > 0) or (Salidas > 0))");
    if (inStock)
        lines << QStringLiteral("and (EnAlmacen = ") + yes + QStringLiteral(")");
    if (inStockSimilar)
        lines << QStringLiteral("and (EnAlmacen = ") + yes +
                     QStringLiteral(") and (MatchKorvella = ") + yes + QStringLiteral(")");
    lines << QStringLiteral("order by Nombre, CodNal");
    return lines;
}

}  // namespace quorvial
