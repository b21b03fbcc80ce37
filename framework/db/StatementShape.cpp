#include "framework/db/StatementShape.h"

namespace fw::db {

namespace {

bool isDataStatement(const QString& sql) {
    const QString start = sql.trimmed().left(7).toUpper();
    return start.startsWith(QStringLiteral("SELECT")) ||
           start.startsWith(QStringLiteral("INSERT")) ||
           start.startsWith(QStringLiteral("UPDATE")) || start.startsWith(QStringLiteral("DELETE"));
}

}  // namespace

std::optional<StatementShape> StatementShape::of(const QString& sql) {
    if (!isDataStatement(sql))
        return std::nullopt;
    StatementShape shape;
    shape.text.reserve(sql.size());
    const qsizetype size = sql.size();
    // Ordinary characters are copied in runs.
    qsizetype runStart = 0;
    auto flush = [&](qsizetype end) {
        shape.text += QStringView(sql).mid(runStart, end - runStart);
    };
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'')) {
            flush(i);
            QString value(QStringLiteral(""));
            qsizetype j = i + 1;
            for (;;) {
                const qsizetype quote = sql.indexOf(QLatin1Char('\''), j);
                if (quote < 0)
                    return std::nullopt;  // an unterminated literal: leave it to the engine
                value += QStringView(sql).mid(j, quote - j);
                if (quote + 1 < size && sql[quote + 1] == QLatin1Char('\'')) {
                    value += QLatin1Char('\'');
                    j = quote + 2;
                    continue;
                }
                j = quote;
                break;
            }
            shape.values << value;
            shape.text += QLatin1Char('?');
            i = j;
            runStart = i + 1;
            continue;
        }
        // Identifiers and comments are copied whole, so a quote inside them is not a literal.
        QChar closing;
        if (c == QLatin1Char('"'))
            closing = QLatin1Char('"');
        else if (c == QLatin1Char('['))
            closing = QLatin1Char(']');
        else if (c == QLatin1Char('`'))
            closing = QLatin1Char('`');
        if (!closing.isNull()) {
            const qsizetype end = sql.indexOf(closing, i + 1);
            if (end < 0)
                return std::nullopt;
            i = end;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < size && sql[i + 1] == QLatin1Char('-')) {
            qsizetype end = i;
            while (end < size && sql[end] != QChar(10) && sql[end] != QChar(13))
                ++end;
            i = end - 1;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < size && sql[i + 1] == QLatin1Char('*')) {
            const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0)
                return std::nullopt;
            i = end + 1;
            continue;
        }
        if (c == QLatin1Char(';') || c == QLatin1Char('?') || c == QLatin1Char(':') ||
            c == QLatin1Char('@') || c == QLatin1Char('$'))
            return std::nullopt;  // several statements, or parameters of its own
    }
    flush(size);
    return shape;
}

}  // namespace fw::db
