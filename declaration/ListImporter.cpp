#include "declaration/ListImporter.h"

#include <QFileInfo>
#include <array>

#include "declaration/DeclarationColumns.h"
#include "declaration/DeclarationStatements.h"
#include "declaration/ListFileReader.h"
#include "framework/db/SqlHelpers.h"
#include "framework/forms/MessageHelpers.h"
#include "framework/forms/ProgressHelpers.h"
#include "framework/util/Errors.h"
#include "framework/util/TextHelpers.h"

namespace quorvial {

using namespace fw::db;
using namespace fw::forms;
using fw::util::QuotedSQL;

namespace {

const QChar CR = QChar(13);
const QString kYearMarker = QStringLiteral("$ANYO=");
const QString kTitleMarker = QStringLiteral("$TITCOL=");

// The first word of the official name: up to, not including, its first blank.
QString firstWord(const QString& name) {
    const qsizetype blank = name.indexOf(QLatin1Char(' '));
    return blank < 0 ? name : name.left(blank);
}

}  // namespace

ListImporter::ListImporter(DeclarationColumns& columns, CaptionHandler onCaption)
    : m_columns(columns), m_onCaption(std::move(onCaption)) {}

QString ListImporter::captionForYear(const QString& yearText) {
    return QStringLiteral("Declaración ") + yearText +
           QStringLiteral(" de Antibióticos Veterinarios");
}

void ListImporter::CreateWorkTable() {
    try {
        if (SQLObjectExists(m_workTable))
            ExecSQLText(QStringLiteral("drop table ") + m_workTable);
        ExecSQLText(DeclarationStatements(MainDialect()).createWorkTable(m_workTable));
    } catch (const fw::Error& error) {
        ShowError(QStringLiteral("Se ha producido un erro al crear la tabla temporal:") + CR + CR +
                  error.message());
    }
}

void ListImporter::ImportListFile(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    bool begun = false;
    try {
        const QStringList lines = ListFileReader::readLines(path);
        BeginMainTransaction();
        begun = true;
        ProgressStart(QStringLiteral("Cargando lista de Productos"), int(lines.size()));
        ProgressText(fileName + QStringLiteral("..."));
        for (const QString& line : lines) {
            ImportListLine(line);
            ProgressStep();
        }
        CommitMainTransaction();
        ProgressEnd();
    } catch (const fw::Error& error) {
        if (begun) {
            try {
                RollbackMainTransaction();
            } catch (const fw::Error&) {
                // The engine rolls back on its own when the connection is gone.
            }
        }
        ProgressEnd();
        ShowWarning(QStringLiteral("Atención"),
                    QStringLiteral("No ha sido posible realizar la importación desde el fichero") +
                        CR + QuotedSQL(fileName) + CR + CR + error.message());
    }
}

void ListImporter::ImportListLine(const QString& line) {
    if (line.isEmpty())
        return;
    if (line.contains(kYearMarker))
        readYearLine(line);
    else if (line.contains(kTitleMarker))
        readTitleLine(line);
    else
        importDataLine(line);
}

void ListImporter::readYearLine(const QString& line) {
    const QStringList pieces = fw::util::SplitText(line, QStringLiteral("="), true);
    if (pieces.size() < 2)
        return;
    m_year = fw::util::StrToIntZero(pieces[1]);
    if (m_onCaption)
        m_onCaption(captionForYear(pieces[1]));
}

void ListImporter::readTitleLine(const QString& line) {
    const qsizetype marker = line.indexOf(kTitleMarker);
    const QString titles = fw::util::CopyRange(line, int(marker + kTitleMarker.size() + 1));
    const QStringList pieces = fw::util::SplitText(titles, QStringLiteral(";"), true);
    m_columnTitles.clear();
    if (pieces.isEmpty())
        return;
    m_columnTitles = pieces;
    m_columns.removeColumnsNotIn(m_columnTitles);
}

void ListImporter::importDataLine(const QString& line) {
    const QStringList pieces = fw::util::SplitText(line, QStringLiteral(";"), true);
    if (pieces.size() < 2)
        ShowErrorAndAbort(QStringLiteral("El archivo importado no tiene la estructura correcta.") +
                          CR + QStringLiteral("(Campos = ") + QString::number(pieces.size()) +
                          QStringLiteral(": ") + fw::util::CommaText(pieces) + QStringLiteral(")"));

    std::array<QString, 15> values;
    for (qsizetype position = 0; position < m_columnTitles.size(); ++position) {
        const int column = productColumnIndex(m_columnTitles[position].toUpper());
        if (column < 0)
            continue;
        if (position >= pieces.size())
            throw fw::Error(
                QStringLiteral("Falta el campo %1 (%2) en la línea, que tiene %3 campos:")
                    .arg(position + 1)
                    .arg(m_columnTitles[position])
                    .arg(pieces.size()) +
                CR + line.left(200));
        values[size_t(column)] = pieces[position];
    }

    const DeclarationStatements sql(MainDialect());
    const QString& nationalCode = values[6];
    const QString& name = values[4];
    QString description;
    {
        const auto lookup = OpenSQLText(sql.articleDescription(nationalCode));
        if (!lookup->dataset().isEmpty())
            description = lookup->dataset().value(0).toString();
    }
    QString match = QStringLiteral("No");
    if (!description.isEmpty() && !name.isEmpty()) {
        const QString word = firstWord(name);
        if (!word.isEmpty() && description.contains(word, Qt::CaseSensitive))
            match = QStringLiteral("Sí");
    }
    ExecSQLText(sql.insertProduct(m_workTable, values, match));
}

}  // namespace quorvial
