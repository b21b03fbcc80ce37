#include "framework/db/SqlClauses.h"

#include "framework/util/Errors.h"

namespace fw::db {

namespace {

const std::array<QString, SqlClauses::kCount> kKeywords = {
    QStringLiteral("SELECT"), QStringLiteral("FROM"), QStringLiteral("WHERE"),
    QStringLiteral("GROUP BY"), QStringLiteral("ORDER BY")};

int clauseOfWord(const QString& word) {
    static const std::array<QString, SqlClauses::kCount> starts = {
        QStringLiteral("SELECT"), QStringLiteral("FROM"), QStringLiteral("WHERE"),
        QStringLiteral("GROUP"), QStringLiteral("ORDER")};
    for (int i = 0; i < SqlClauses::kCount; ++i) {
        if (word.compare(starts[size_t(i)], Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

}  // namespace

void SqlClauses::parse(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char(' ');
    for (QString& clause : m_clauses)
        clause.clear();
    int current = -1;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        const bool offMarker =
            word.compare(QStringLiteral("/*PARSEOFF*/"), Qt::CaseInsensitive) == 0;
        const bool onMarker = word.compare(QStringLiteral("/*PARSEON*/"), Qt::CaseInsensitive) == 0;
        if (offMarker)
            m_parseOff = true;
        const bool ordinary = m_parseOff;
        if (onMarker)
            m_parseOff = false;
        if (!ordinary) {
            if (word.compare(QStringLiteral("BY"), Qt::CaseInsensitive) == 0)
                continue;
            if (const int clause = clauseOfWord(word); clause >= 0) {
                current = clause;
                continue;
            }
        }
        if (current >= 0)
            m_clauses[size_t(current)] += QLatin1Char(' ') + word;
    }
}

QStringList SqlClauses::rebuild() const {
    if (m_parseOff)
        throw fw::Error(QStringLiteral("Falta comentarios de análisis /*PARSEOFF*/ terminador"));
    QStringList lines;
    for (int i = 0; i < kCount; ++i) {
        if (!m_clauses[size_t(i)].isEmpty())
            lines << kKeywords[size_t(i)] + QLatin1Char(' ') + m_clauses[size_t(i)];
    }
    return lines;
}

QString SqlClauses::firstFromTable() const {
    const QString from = m_clauses[From].trimmed();
    qsizetype end = 0;
    while (end < from.size() && from[end] != QLatin1Char(' ') && from[end] != QLatin1Char(','))
        ++end;
    return from.left(end);
}

void SqlClauses::mergeFilter(const QString& filter) {
    QString& where = m_clauses[Where];
    if (!where.isEmpty() && !filter.isEmpty())
        where = QLatin1Char('(') + where + QStringLiteral(") AND ");
    if (!filter.isEmpty())
        where += QLatin1Char('(') + filter + QLatin1Char(')');
}

}  // namespace fw::db
