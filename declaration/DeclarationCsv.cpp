#include "declaration/DeclarationCsv.h"

#include <QSaveFile>

#include "declaration/DeclarationColumns.h"
#include "framework/db/Dataset.h"
#include "framework/util/Errors.h"

namespace quorvial {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

}  // namespace

QString DeclarationCsv::field(const QString& value) {
    const bool quoted = value.contains(QLatin1Char(';')) || value.contains(QLatin1Char('"')) ||
                        value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'));
    if (!quoted)
        return value;
    return QLatin1Char('"') + QString(value).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString DeclarationCsv::text(const DeclarationColumns& columns, const fw::db::Dataset& dataset) {
    QString out;
    QStringList cells;
    for (const DeclarationColumn& column : columns.columns())
        cells << field(column.caption());
    out += cells.join(QLatin1Char(';')) + kLineEnd;
    for (qsizetype row = 0; row < dataset.recordCount(); ++row) {
        cells.clear();
        for (int column = 0; column < columns.count(); ++column)
            cells << field(columns.cellText(dataset, row, column));
        out += cells.join(QLatin1Char(';')) + kLineEnd;
    }
    return out;
}

void DeclarationCsv::write(const QString& path, const DeclarationColumns& columns,
                           const fw::db::Dataset& dataset) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw fw::Error(QStringLiteral("No se puede crear el fichero \"%1\": %2")
                            .arg(path, file.errorString()));
    file.write(text(columns, dataset).toUtf8());
    if (!file.commit())
        throw fw::Error(QStringLiteral("No se puede escribir el fichero \"%1\": %2")
                            .arg(path, file.errorString()));
}

}  // namespace quorvial
