#include "tests/support/RecordingConnection.h"

#include "framework/util/Errors.h"

namespace test {

void RecordingConnection::check(const QString& sql) {
    *sent << sql;
    if (failWhen && failWhen(sql))
        throw fw::DatabaseError(QStringLiteral("Error simulado del servidor"));
}

void RecordingConnection::execute(const QString& sql, const QVariantMap&) {
    check(sql);
}

fw::db::Dataset RecordingConnection::select(const QString& sql, const QVariantMap&) {
    check(sql);
    if (results.empty())
        return column(QStringLiteral("x"), {});
    fw::db::Dataset result = std::move(results.front());
    results.pop_front();
    return result;
}

void RecordingConnection::beginTransaction() {
    *sent << QStringLiteral("<begin>");
    m_inTransaction = true;
}

void RecordingConnection::commit() {
    *sent << QStringLiteral("<commit>");
    m_inTransaction = false;
}

void RecordingConnection::rollback() {
    *sent << QStringLiteral("<rollback>");
    m_inTransaction = false;
}

fw::db::Dataset RecordingConnection::column(const QString& name, const QVariantList& values) {
    fw::db::Field field;
    field.name = name;
    field.type = values.isEmpty() ? QMetaType(QMetaType::QString) : values.first().metaType();
    std::vector<fw::db::Dataset::Row> rows;
    for (const QVariant& value : values)
        rows.push_back({value});
    return fw::db::Dataset({field}, std::move(rows));
}

}  // namespace test
