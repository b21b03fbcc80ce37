#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

struct sqlite3;

namespace test {

// The generated database opened read-only, with the collation the program installs.
class DemoDatabaseFile {
public:
    explicit DemoDatabaseFile(const QString& path);
    ~DemoDatabaseFile();

    bool isOpen() const { return m_handle != nullptr; }
    // The first column of the first row; an invalid value when there is no row. A statement the
    // engine rejects fails the running test.
    QVariant value(const QString& sql) const;
    // The first column of every row.
    QVariantList column(const QString& sql) const;
    QStringList columns(const QString& table) const;
    // The columns of every index of the table, one list per index.
    QList<QStringList> indexes(const QString& table) const;
    QString collation(const QString& table, const QString& column) const;

private:
    sqlite3* m_handle = nullptr;
};

}  // namespace test
