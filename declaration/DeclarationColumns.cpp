#include "declaration/DeclarationColumns.h"

#include "framework/db/Dataset.h"

namespace quorvial {

namespace {

bool isComputedField(const QString& fieldName) {
    const QString upper = fieldName.toUpper();
    return upper == QStringLiteral("DESCKORVELLA") || upper == QStringLiteral("ENTRADAS") ||
           upper == QStringLiteral("SALIDAS") || upper == QStringLiteral("ENALMACEN");
}

}  // namespace

QList<DeclarationColumn> DeclarationColumns::designColumns() {
    auto column = [](const char* field, const QString& title, int width, bool bold = false,
                     bool right = false) {
        return DeclarationColumn{QString::fromLatin1(field), title, width, bold, right};
    };
    return {
        column("Cod", QStringLiteral("Código"), 0),
        column("Fec", QStringLiteral("Periodo"), 0),
        column("Declar", QStringLiteral("Declaración"), 0),
        column("NumDef", QStringLiteral("Num. Def."), 0),
        column("DescKorvella", QStringLiteral("Desc. Korvella"), 120),
        column("Nombre", QStringLiteral("Descripción"), 260, true),
        column("CodNal", QStringLiteral("Cod. Nacional"), 70, true),
        column("Forfar", QStringLiteral("Forma Farmac."), 90, true),
        column("Entradas", QString(), 0, true, true),
        column("Salidas", QString(), 0, true, true),
        column("EnAlmacen", QStringLiteral("En Almacén"), 0),
        column("AForFar", QStringLiteral("A. Forma Farmac."), 0),
        column("Laboratorio", QString(), 100),
        column("Dispositivo", QString(), 37),
        column("Contenido", QString(), 80),
        column("Material", QString(), 40),
        column("Dosis", QString(), 0, false, true),
        column("Unidad", QString(), 60),
        column("ATC", QString(), 0),
    };
}

DeclarationColumns::DeclarationColumns() : m_columns(designColumns()) {}

void DeclarationColumns::removeColumn(const QString& caption) {
    m_columns.removeIf([&](const DeclarationColumn& c) { return c.caption() == caption; });
}

void DeclarationColumns::removeColumnsNotIn(const QStringList& titles) {
    for (int i = count() - 1; i >= 0; --i) {
        if (i >= count())
            continue;
        const DeclarationColumn column = m_columns[i];
        if (titles.contains(column.fieldName, Qt::CaseInsensitive) ||
            isComputedField(column.fieldName))
            continue;
        removeColumn(column.caption());
    }
}

QString DeclarationColumns::cellText(const fw::db::Dataset& dataset, qsizetype row,
                                     int column) const {
    const int field = dataset.fieldIndex(m_columns[column].fieldName);
    if (field < 0)
        return {};
    return dataset.fields()[field].displayText(dataset.valueAt(row, field));
}

}  // namespace quorvial
