#include "framework/db/QtSqlConnection.h"

#include <sys/stat.h>

#include <QFileInfo>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include "framework/db/SpanishCollation.h"
#include "framework/db/StatementShape.h"
#include "framework/util/Errors.h"

namespace fw::db {

namespace {

QString engineText(const QSqlError& error) {
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    if (text.isEmpty())
        text = error.driverText();
    return text.trimmed();
}

[[noreturn]] void raise(const QSqlError& error) {
    throw DatabaseError(engineText(error));
}

}  // namespace

std::unique_ptr<Connection> CreateConnection(const QString& connectionName,
                                             const ConnectionParameters& parameters) {
    return std::make_unique<QtSqlConnection>(connectionName, parameters);
}

QtSqlConnection::QtSqlConnection(const QString& connectionName,
                                 const ConnectionParameters& parameters)
    : m_connectionName(QStringLiteral("fw.db.") + connectionName),
      m_parameters(parameters),
      m_dialect(SqlDialect::forDriver(parameters.driver)) {
    if (!m_dialect)
        throw DatabaseError(QStringLiteral("El controlador de base de datos \"%1\" no existe.")
                                .arg(parameters.driver));
    m_embedded = m_dialect->driverName() == QStringLiteral("SQLITE");
}

QtSqlConnection::~QtSqlConnection() {
    close();
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase QtSqlConnection::database() const {
    return QSqlDatabase::database(m_connectionName, false);
}

QString QtSqlConnection::odbcConnectionString(const ConnectionParameters& p) {
    auto braced = [](const QString& value) {
        return QLatin1Char('{') + QString(value).replace(QLatin1Char('}'), QStringLiteral("}}")) +
               QLatin1Char('}');
    };
    // "host,port" names a port as SQL Server clients write it; FreeTDS wants it apart.
    QString server = p.serverName;
    QString port;
    if (const qsizetype comma = server.indexOf(QLatin1Char(',')); comma >= 0) {
        port = server.mid(comma + 1).trimmed();
        server = server.left(comma).trimmed();
    }
    QString text = QStringLiteral("DRIVER={FreeTDS};SERVER=") + braced(server);
    if (!port.isEmpty())
        text += QStringLiteral(";PORT=") + braced(port);
    return text + QStringLiteral(";DATABASE=") + braced(p.databaseName) + QStringLiteral(";UID=") +
           braced(p.userName) + QStringLiteral(";PWD=") + braced(p.password) +
           QStringLiteral(";APP=") + braced(p.applicationName) + QStringLiteral(";WSID=") +
           braced(p.hostName) + QStringLiteral(";TDS_Version=7.4;ClientCharset=UTF-8");
}

void QtSqlConnection::open() {
    if (isOpen())
        return;
    QSqlDatabase db = QSqlDatabase::contains(m_connectionName)
                          ? database()
                          : QSqlDatabase::addDatabase(
                                m_embedded ? QStringLiteral("QSQLITE") : QStringLiteral("QODBC"),
                                m_connectionName);
    if (!db.isValid())
        throw DatabaseError(QStringLiteral("No está instalado el controlador de Qt para \"%1\".")
                                .arg(m_parameters.driver));
    if (m_embedded)
        openEmbedded(db);
    else
        openServer(db);
}

void QtSqlConnection::openEmbedded(QSqlDatabase& db) {
    const QString path = m_parameters.databaseName;
    // Opening a missing file would create an empty database and every lookup would then fail
    // with a confusing message; refuse it instead.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw DatabaseError(
            QStringLiteral("No existe el fichero de base de datos \"%1\".").arg(path));
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_parameters.busyTimeoutMs));
    if (!db.open())
        raise(db.lastError());
    if (!SpanishCollation::install(db)) {
        db.close();
        throw DatabaseError(
            QStringLiteral("No se ha podido preparar la base de datos \"%1\".").arg(path));
    }
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0) {
        m_device = info.st_dev;
        m_inode = info.st_ino;
    }
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
}

void QtSqlConnection::openServer(QSqlDatabase& db) {
    db.setDatabaseName(odbcConnectionString(m_parameters));
    // Long descriptions must not be cut at the driver's default text size.
    db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=10"));
    if (!db.open())
        raise(db.lastError());
    QSqlQuery textSize(db);
    if (!textSize.exec(QStringLiteral("SET TEXTSIZE 2147483647")))
        raise(textSize.lastError());
}

void QtSqlConnection::close() {
    m_statements.clear();
    m_plain.reset();
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    QSqlDatabase db = database();
    if (db.isOpen()) {
        if (m_inTransaction)
            db.rollback();
        db.close();
    }
    m_inTransaction = false;
}

bool QtSqlConnection::isOpen() const {
    return QSqlDatabase::contains(m_connectionName) && database().isOpen();
}

void QtSqlConnection::ensureFileStillPresent() const {
    if (!m_embedded)
        return;
    struct stat info {};
    const QByteArray path = QFile::encodeName(m_parameters.databaseName);
    if (::stat(path.constData(), &info) != 0 || info.st_dev != m_device || info.st_ino != m_inode)
        throw DatabaseError(
            QStringLiteral("El fichero de base de datos \"%1\" ya no está disponible.")
                .arg(m_parameters.databaseName));
}

QSqlQuery& QtSqlConnection::run(const QString& sql, const QVariantMap& parameters) {
    if (!isOpen())
        throw DatabaseError(QStringLiteral("La conexión con la base de datos no está abierta."));
    ensureFileStillPresent();
    if (m_embedded && parameters.isEmpty()) {
        if (const std::optional<StatementShape> shape = StatementShape::of(sql)) {
            std::shared_ptr<QSqlQuery>& statement = m_statements[shape->text];
            if (!statement) {
                if (m_statements.size() > kMaxCachedStatements) {
                    m_statements.clear();
                    return run(sql, parameters);
                }
                statement = std::make_shared<QSqlQuery>(database());
                statement->setForwardOnly(true);
                if (!statement->prepare(shape->text)) {
                    const QSqlError error = statement->lastError();
                    m_statements.remove(shape->text);
                    raise(error);
                }
            }
            for (qsizetype i = 0; i < shape->values.size(); ++i)
                statement->bindValue(int(i), shape->values[i]);
            if (!statement->exec()) {
                const QSqlError error = statement->lastError();
                statement->finish();
                raise(error);
            }
            return *statement;
        }
    }
    m_plain = std::make_unique<QSqlQuery>(database());
    m_plain->setForwardOnly(true);
    if (parameters.isEmpty()) {
        if (!m_plain->exec(sql))
            raise(m_plain->lastError());
        return *m_plain;
    }
    if (!m_plain->prepare(sql))
        raise(m_plain->lastError());
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
        m_plain->bindValue(QLatin1Char(':') + it.key(), it.value());
    if (!m_plain->exec())
        raise(m_plain->lastError());
    return *m_plain;
}

void QtSqlConnection::execute(const QString& sql, const QVariantMap& parameters) {
    run(sql, parameters).finish();
    m_plain.reset();
}

Dataset QtSqlConnection::select(const QString& sql, const QVariantMap& parameters) {
    QSqlQuery& query = run(sql, parameters);
    // Statements are reset when the rows are read, so none keeps a table locked.
    struct Finish {
        QSqlQuery& query;
        QtSqlConnection& connection;
        ~Finish() {
            query.finish();
            connection.m_plain.reset();
        }
    } finish{query, *this};
    const QSqlRecord record = query.record();
    QList<Field> fields;
    fields.reserve(record.count());
    for (int i = 0; i < record.count(); ++i) {
        const QSqlField column = record.field(i);
        Field field;
        field.name = column.name();
        field.type = column.metaType();
        field.origin = column.tableName();
        fields << field;
    }
    std::vector<Dataset::Row> rows;
    const int count = record.count();
    while (query.next()) {
        Dataset::Row row(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            row[size_t(i)] = query.value(i);
        rows.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        raise(query.lastError());
    // The embedded engine reports a type per value, not per column: take the first non-null.
    if (m_embedded) {
        for (int i = 0; i < count; ++i) {
            for (const auto& row : rows) {
                if (!row[size_t(i)].isNull()) {
                    fields[i].type = row[size_t(i)].metaType();
                    break;
                }
            }
        }
    }
    return Dataset(std::move(fields), std::move(rows));
}

void QtSqlConnection::beginTransaction() {
    if (!isOpen())
        throw DatabaseError(QStringLiteral("La conexión con la base de datos no está abierta."));
    ensureFileStillPresent();
    QSqlDatabase db = database();
    if (!db.transaction())
        raise(db.lastError());
    m_inTransaction = true;
}

void QtSqlConnection::commit() {
    ensureFileStillPresent();
    QSqlDatabase db = database();
    if (!db.commit())
        raise(db.lastError());
    m_inTransaction = false;
}

void QtSqlConnection::rollback() {
    QSqlDatabase db = database();
    const bool rolledBack = db.rollback();
    m_inTransaction = false;
    if (!rolledBack)
        raise(db.lastError());
}

}  // namespace fw::db
