#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include "tests/support/QtPrinters.h"

namespace test {

// A pharmacy database file made from the shipped schema in a fresh folder of the test, named by
// the alias file as the main alias, with helpers to put articles, sales and receipts into it.
class PharmacyFixture {
public:
    explicit PharmacyFixture(const QString& folderName = QStringLiteral("pharmacy"));
    ~PharmacyFixture();

    const QString& databasePath() const { return m_path; }
    const QString& folder() const { return m_folder; }

    void exec(const QString& sql);
    QVariant scalar(const QString& sql);
    void addArticle(const QString& code, const QString& description);
    void addSale(const QString& code, const QDateTime& when, double quantity);
    void addReceipt(const QString& code, const QDateTime& when, double received, double returned);
    // Names of the tables, views and triggers the file holds.
    QStringList objectNames();
    // Names that start with one of the session's work-object prefixes.
    QStringList workObjectNames();

    // Writes a list file in Windows-1252 with CR LF line ends.
    QString writeListFile(const QString& name, const QStringList& lines) const;
    static QString shippedSchemaPath();

private:
    QString m_folder;
    QString m_path;
    QString m_connection;
    int m_nextId = 1;
};

}  // namespace test
