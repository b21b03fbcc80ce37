#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace test {

struct IndexDefinition {
    QString name;
    QString table;
    QStringList columns;
    bool operator==(const IndexDefinition&) const = default;
};

// The tables, columns and indexes a schema script creates, read from its CREATE statements.
// A "dbo." owner is dropped, so scripts for either engine compare.
class SchemaScript {
public:
    explicit SchemaScript(const QString& script);

    // Table name to its columns, in declaration order; constraints are not columns.
    const std::map<QString, QStringList>& tables() const { return m_tables; }
    const std::vector<IndexDefinition>& indexes() const { return m_indexes; }

private:
    std::map<QString, QStringList> m_tables;
    std::vector<IndexDefinition> m_indexes;
};

}  // namespace test
