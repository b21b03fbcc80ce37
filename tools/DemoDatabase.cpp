#include "tools/DemoDatabase.h"

#include <sqlite3.h>

#include <QFile>

#include "framework/db/SpanishCollation.h"
#include "framework/util/Errors.h"
#include "tools/PharmacySchemaSql.h"

namespace demo {

namespace {

// Skips blanks and "--" comments in front of a statement.
const char* statementStart(const char* text, const char* end) {
    while (text < end) {
        if (*text == ' ' || *text == '\t' || *text == '\r' || *text == '\n') {
            ++text;
        } else if (text + 1 < end && text[0] == '-' && text[1] == '-') {
            while (text < end && *text != '\n')
                ++text;
        } else {
            break;
        }
    }
    return text;
}

bool isIndexStatement(QByteArrayView statement) {
    const QByteArray simplified = statement.toByteArray().simplified().toUpper();
    return simplified.startsWith("CREATE INDEX") || simplified.startsWith("CREATE UNIQUE INDEX");
}

}  // namespace

void DemoDatabase::Closer::operator()(sqlite3* database) const {
    sqlite3_close_v2(database);
}

DemoDatabase::DemoDatabase(const QString& filePath) {
    sqlite3* handle = nullptr;
    const int opened =
        sqlite3_open_v2(QFile::encodeName(filePath).constData(), &handle,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    m_database.reset(handle);
    if (opened != SQLITE_OK) {
        throw fw::DatabaseError(
            QString::fromUtf8(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(opened)));
    }
    if (!fw::db::SpanishCollation::install(handle))
        throw fw::DatabaseError(QString::fromUtf8(sqlite3_errmsg(handle)));

    // The file is new and is removed if the load fails, so it needs no journal.
    execute("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA cache_size = -65536");
    execute("BEGIN");
    runSchema();

    m_article = std::make_unique<PreparedStatement>(
        handle,
        "INSERT INTO Articu (IdArticu, Descripcion, PVP, PCoste, IVA, Stock, StockMinimo, "
        "IdLaboratorio, Veterinario, FechaAlta, Baja) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)");
    m_sale = std::make_unique<PreparedStatement>(
        handle,
        "INSERT INTO venta (IdVenta, FechaHora, IdCliente, IdVendedor, Puesto, TotalVenta) "
        "VALUES (?, ?, ?, ?, ?, ?)");
    m_saleLine = std::make_unique<PreparedStatement>(
        handle,
        "INSERT INTO Lineaventa (IdVenta, codigo, Cantidad, Precio, Descuento) "
        "VALUES (?, ?, ?, ?, ?)");
    m_receipt = std::make_unique<PreparedStatement>(
        handle,
        "INSERT INTO Recep (IdRecepcion, Fecha, IdProveedor, NumAlbaran) VALUES (?, ?, ?, ?)");
    m_receiptLine = std::make_unique<PreparedStatement>(
        handle,
        "INSERT INTO LineaRecep (IdRecepcion, XArt_IdArticu, Pedidas, Recibidas, Bonificadas, "
        "UDevolver, PCoste) VALUES (?, ?, ?, ?, ?, ?, ?)");
}

DemoDatabase::~DemoDatabase() = default;

void DemoDatabase::execute(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(m_database.get(), sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "");
        sqlite3_free(error);
        throw fw::DatabaseError(message);
    }
}

void DemoDatabase::runSchema() {
    const char* text = kPharmacySchemaSql;
    const char* const end = text + qstrlen(text);
    while (text < end) {
        const char* start = statementStart(text, end);
        sqlite3_stmt* statement = nullptr;
        const char* tail = nullptr;
        if (sqlite3_prepare_v2(m_database.get(), start, int(end - start), &statement, &tail) !=
            SQLITE_OK) {
            throw fw::DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_database.get())));
        }
        const QByteArrayView body(start, tail - start);
        if (statement && isIndexStatement(body)) {
            m_indexStatements.push_back(body.toByteArray());
        } else if (statement) {
            int result = SQLITE_ROW;
            while (result == SQLITE_ROW)
                result = sqlite3_step(statement);
            if (result != SQLITE_DONE) {
                const QString message = QString::fromUtf8(sqlite3_errmsg(m_database.get()));
                sqlite3_finalize(statement);
                throw fw::DatabaseError(message);
            }
        }
        sqlite3_finalize(statement);
        text = tail;
    }
}

void DemoDatabase::insertArticle(const DemoArticle& article) {
    m_article->bindText(1, article.code.toUtf8())
        .bindText(2, article.description.toUtf8())
        .bindReal(3, article.pvp)
        .bindReal(4, article.cost)
        .bindInteger(5, article.iva)
        .bindInteger(6, article.stock)
        .bindInteger(7, article.minimumStock)
        .bindInteger(8, article.laboratory)
        .bindInteger(9, article.veterinary ? 1 : 0)
        .bindText(10, article.createdAt.toUtf8())
        .execute();
}

void DemoDatabase::insertSale(qint64 id, const char* when, int seller, int till,
                              std::optional<int> customer, double total) {
    m_sale->bindInteger(1, id).bindText(2, when);
    if (customer)
        m_sale->bindInteger(3, *customer);
    else
        m_sale->bindNull(3);
    m_sale->bindInteger(4, seller).bindInteger(5, till).bindReal(6, total).execute();
}

void DemoDatabase::insertSaleLine(qint64 saleId, QByteArrayView code, int quantity, double price,
                                  double discount) {
    m_saleLine->bindInteger(1, saleId)
        .bindText(2, code)
        .bindInteger(3, quantity)
        .bindReal(4, price)
        .bindReal(5, discount)
        .execute();
}

void DemoDatabase::insertReceipt(qint64 id, const char* when, int supplier,
                                 QByteArrayView deliveryNote) {
    m_receipt->bindInteger(1, id)
        .bindText(2, when)
        .bindInteger(3, supplier)
        .bindText(4, deliveryNote)
        .execute();
}

void DemoDatabase::insertReceiptLine(qint64 receiptId, QByteArrayView code, int ordered,
                                     int received, int bonus, int toReturn, double cost) {
    m_receiptLine->bindInteger(1, receiptId)
        .bindText(2, code)
        .bindInteger(3, ordered)
        .bindInteger(4, received)
        .bindInteger(5, bonus)
        .bindInteger(6, toReturn)
        .bindReal(7, cost)
        .execute();
}

void DemoDatabase::finish() {
    execute("COMMIT");
    execute("BEGIN");
    for (const QByteArray& statement : m_indexStatements)
        execute(statement.constData());
    // Sampled statistics keep ANALYZE quick on millions of lines.
    execute("PRAGMA analysis_limit = 1000; ANALYZE");
    execute("COMMIT");
    execute("PRAGMA journal_mode = DELETE");
}

}  // namespace demo
