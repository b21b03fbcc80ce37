#include "tests/demo/DemoDatabaseFile.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>

#include "framework/db/SpanishCollation.h"

namespace test {

DemoDatabaseFile::DemoDatabaseFile(const QString& path) {
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_handle, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK ||
        !fw::db::SpanishCollation::install(m_handle)) {
        sqlite3_close(m_handle);
        m_handle = nullptr;
    }
}

DemoDatabaseFile::~DemoDatabaseFile() {
    sqlite3_close(m_handle);
}

QVariantList DemoDatabaseFile::column(const QString& sql) const {
    QVariantList values;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_handle, sql.toUtf8().constData(), -1, &statement, nullptr) !=
        SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(m_handle) << " in " << sql.toStdString();
        sqlite3_finalize(statement);
        return values;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        switch (sqlite3_column_type(statement, 0)) {
            case SQLITE_INTEGER:
                values << QVariant(qlonglong(sqlite3_column_int64(statement, 0)));
                break;
            case SQLITE_FLOAT:
                values << QVariant(sqlite3_column_double(statement, 0));
                break;
            case SQLITE_NULL:
                values << QVariant();
                break;
            default:
                values << QVariant(QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))));
        }
    }
    sqlite3_finalize(statement);
    return values;
}

QVariant DemoDatabaseFile::value(const QString& sql) const {
    const QVariantList values = column(sql);
    return values.isEmpty() ? QVariant() : values.first();
}

QStringList DemoDatabaseFile::columns(const QString& table) const {
    QStringList names;
    for (const QVariant& name :
         column(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table)))
        names << name.toString();
    return names;
}

QList<QStringList> DemoDatabaseFile::indexes(const QString& table) const {
    QList<QStringList> result;
    for (const QVariant& index :
         column(QStringLiteral("SELECT name FROM pragma_index_list('%1')").arg(table))) {
        QStringList columns;
        for (const QVariant& name :
             column(QStringLiteral("SELECT name FROM pragma_index_info('%1') ORDER BY seqno")
                        .arg(index.toString())))
            columns << name.toString();
        result << columns;
    }
    return result;
}

QString DemoDatabaseFile::collation(const QString& table, const QString& column) const {
    const char* collation = nullptr;
    if (sqlite3_table_column_metadata(m_handle, nullptr, table.toUtf8().constData(),
                                      column.toUtf8().constData(), nullptr, &collation, nullptr,
                                      nullptr, nullptr) != SQLITE_OK)
        return {};
    return QString::fromUtf8(collation);
}

}  // namespace test
