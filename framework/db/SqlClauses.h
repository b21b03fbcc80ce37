#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace fw::db {

// The SELECT statement taken apart into its five clauses, so that a filter can be merged into
// its WHERE clause. Words are separated by spaces only; "/*PARSEOFF*/" ... "/*PARSEON*/" keeps
// keywords inside a clause (a subquery, say), and both markers stay in the text.
class SqlClauses {
public:
    enum Clause { Select, From, Where, GroupBy, OrderBy };
    static constexpr int kCount = 5;

    // The parse-off state carries over from an earlier parse, as the text it read left it.
    void parse(const QStringList& lines);
    // One line per non-empty clause: keyword, a space, the clause's words each with a space
    // before it. Raises fw::Error while a "/*PARSEOFF*/" is not closed.
    QStringList rebuild() const;
    // The first word of the FROM clause, up to a space or comma.
    QString firstFromTable() const;
    // WHERE becomes "(" + WHERE + ") AND (" + filter + ")"; an empty filter changes nothing.
    void mergeFilter(const QString& filter);

    QString& operator[](Clause clause) { return m_clauses[clause]; }
    const QString& operator[](Clause clause) const { return m_clauses[clause]; }
    bool parseOff() const { return m_parseOff; }

private:
    std::array<QString, kCount> m_clauses;
    bool m_parseOff = false;
};

}  // namespace fw::db
