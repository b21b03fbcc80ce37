#include "tests/support/PharmacyFixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include "framework/db/AliasStore.h"
#include "framework/db/SpanishCollation.h"
#include "framework/util/Windows1252.h"
#include "tests/support/TestEnvironment.h"

namespace test {

namespace {

// The schema's statements, one by one: they end with ";" at the end of a line.
QStringList schemaStatements(const QString& text) {
    QStringList statements;
    QString current;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QStringLiteral("--")) && current.trimmed().isEmpty())
            continue;
        current += line + QLatin1Char('\n');
        if (trimmed.endsWith(QLatin1Char(';')) && !trimmed.startsWith(QStringLiteral("--"))) {
            // Trigger bodies hold inner semicolons; they end with "END;".
            if (current.contains(QStringLiteral("CREATE TRIGGER"), Qt::CaseInsensitive) &&
                !trimmed.endsWith(QStringLiteral("END;"), Qt::CaseInsensitive))
                continue;
            statements << current.trimmed();
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

QString isoText(const QDateTime& when) {
    return when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

}  // namespace

QString PharmacyFixture::shippedSchemaPath() {
    return QStringLiteral(QUORVIAL_SOURCE_DIR "/sql/pharmacy.sqlite.sql");
}

PharmacyFixture::PharmacyFixture(const QString& folderName)
    : m_folder(TestEnvironment::instance().makeFolder(folderName)),
      m_path(QDir(m_folder).filePath(QStringLiteral("Korvella.db"))),
      m_connection(QStringLiteral("fixture.") + folderName) {
    QFile::remove(m_path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (!db.open())
        ADD_FAILURE() << db.lastError().text().toStdString();
    fw::db::SpanishCollation::install(db);

    QFile schema(shippedSchemaPath());
    if (!schema.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "schema missing: " << shippedSchemaPath().toStdString();
    for (const QString& statement : schemaStatements(QString::fromUtf8(schema.readAll())))
        exec(statement);

    fw::db::AliasStore aliases;
    aliases.put(
        fw::db::Alias{QStringLiteral("RERARAZ"),
                      {QStringLiteral("TYPE=SQLITE"), QStringLiteral("DATABASE NAME=") + m_path,
                       QStringLiteral("BUSY TIMEOUT=200")}});
    aliases.save();
}

PharmacyFixture::~PharmacyFixture() {
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

void PharmacyFixture::exec(const QString& sql) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(sql))
        ADD_FAILURE() << query.lastError().text().toStdString() << "\n" << sql.toStdString();
}

QVariant PharmacyFixture::scalar(const QString& sql) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(sql) || !query.next())
        return {};
    return query.value(0);
}

void PharmacyFixture::addArticle(const QString& code, const QString& description) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(
        QStringLiteral("insert into Articu (IdArticu, Descripcion, FechaAlta) values (?, ?, "
                       "'2020-01-01 00:00:00.000')"));
    query.addBindValue(code);
    query.addBindValue(description);
    if (!query.exec())
        ADD_FAILURE() << query.lastError().text().toStdString();
}

void PharmacyFixture::addSale(const QString& code, const QDateTime& when, double quantity) {
    const int id = m_nextId++;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral(
        "insert into venta (IdVenta, FechaHora, IdVendedor, Puesto) values (?, ?, 1, 1)"));
    query.addBindValue(id);
    query.addBindValue(isoText(when));
    if (!query.exec())
        ADD_FAILURE() << query.lastError().text().toStdString();
    query.prepare(
        QStringLiteral("insert into Lineaventa (IdVenta, codigo, Cantidad) values (?, ?, ?)"));
    query.addBindValue(id);
    query.addBindValue(code);
    query.addBindValue(quantity);
    if (!query.exec())
        ADD_FAILURE() << query.lastError().text().toStdString();
}

void PharmacyFixture::addReceipt(const QString& code, const QDateTime& when, double received,
                                 double returned) {
    const int id = m_nextId++;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral(
        "insert into Recep (IdRecepcion, Fecha, IdProveedor, NumAlbaran) values (?, ?, 1, 'A1')"));
    query.addBindValue(id);
    query.addBindValue(isoText(when));
    if (!query.exec())
        ADD_FAILURE() << query.lastError().text().toStdString();
    query.prepare(
        QStringLiteral("insert into LineaRecep (IdRecepcion, XArt_IdArticu, Recibidas, UDevolver) "
                       "values (?, ?, ?, ?)"));
    query.addBindValue(id);
    query.addBindValue(code);
    query.addBindValue(received);
    query.addBindValue(returned);
    if (!query.exec())
        ADD_FAILURE() << query.lastError().text().toStdString();
}

QStringList PharmacyFixture::objectNames() {
    QStringList names;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.exec(
        QStringLiteral("select name from sqlite_master where type in ('table','view','trigger')"));
    while (query.next())
        names << query.value(0).toString();
    return names;
}

QStringList PharmacyFixture::workObjectNames() {
    QStringList names;
    for (const QString& name : objectNames()) {
        if (name.startsWith(QStringLiteral("Quorvial_Tmp")) ||
            name.startsWith(QStringLiteral("vQuorvial")))
            names << name;
    }
    return names;
}

QString PharmacyFixture::writeListFile(const QString& name, const QStringList& lines) const {
    const QString path = QDir(m_folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ADD_FAILURE() << "cannot write " << path.toStdString();
    for (const QString& line : lines)
        file.write(fw::util::Windows1252::encode(line) + "\r\n");
    return path;
}

}  // namespace test
