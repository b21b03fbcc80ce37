#include "tests/demo/SchemaScript.h"

#include <QRegularExpression>

namespace test {

namespace {

QString withoutComments(const QString& script) {
    static const QRegularExpression comment(QStringLiteral("--[^\n]*"));
    return QString(script).remove(comment);
}

// The pieces of a parenthesised list, cut at commas outside inner parentheses.
QStringList topLevelItems(QStringView body) {
    QStringList items;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] == u'(')
            ++depth;
        else if (body[i] == u')')
            --depth;
        else if (body[i] == u',' && depth == 0) {
            items << body.mid(start, i - start).trimmed().toString();
            start = i + 1;
        }
    }
    items << body.mid(start).trimmed().toString();
    return items;
}

}  // namespace

SchemaScript::SchemaScript(const QString& script) {
    const QString text = withoutComments(script);
    static const QRegularExpression table(
        QStringLiteral(R"(CREATE\s+TABLE\s+(?:dbo\.)?(\w+)\s*\()"),
        QRegularExpression::CaseInsensitiveOption);
    static const QStringList constraintWords = {
        QStringLiteral("CONSTRAINT"), QStringLiteral("PRIMARY"), QStringLiteral("FOREIGN"),
        QStringLiteral("UNIQUE"), QStringLiteral("CHECK")};
    for (const QRegularExpressionMatch& match : table.globalMatch(text)) {
        qsizetype end = match.capturedEnd();
        for (int depth = 1; end < text.size() && depth > 0; ++end) {
            if (text[end] == u'(')
                ++depth;
            else if (text[end] == u')')
                --depth;
        }
        const QStringView body =
            QStringView(text).mid(match.capturedEnd(), end - 1 - match.capturedEnd());
        QStringList& columns = m_tables[match.captured(1)];
        for (const QString& item : topLevelItems(body)) {
            const QString word = item.section(QLatin1Char(' '), 0, 0);
            if (!constraintWords.contains(word.toUpper()))
                columns << word;
        }
    }

    static const QRegularExpression index(
        QStringLiteral(
            R"(CREATE\s+(?:UNIQUE\s+)?INDEX\s+(\w+)\s+ON\s+(?:dbo\.)?(\w+)\s*\(([^)]*)\))"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch& match : index.globalMatch(text)) {
        QStringList columns;
        for (const QString& column : match.captured(3).split(QLatin1Char(',')))
            columns << column.trimmed();
        m_indexes.push_back({match.captured(1), match.captured(2), columns});
    }
}

}  // namespace test
