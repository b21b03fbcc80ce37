#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "tools/DemoArticle.h"
#include "tools/PreparedStatement.h"

namespace demo {

// The demo pharmacy database file, created afresh from the pharmacy schema and loaded in one
// transaction. Secondary indexes are built after the load, which is many times faster than
// keeping them up to date row by row. Errors raise fw::DatabaseError.
class DemoDatabase {
public:
    explicit DemoDatabase(const QString& filePath);
    ~DemoDatabase();

    void insertArticle(const DemoArticle& article);
    void insertSale(qint64 id, const char* when, int seller, int till, std::optional<int> customer,
                    double total);
    void insertSaleLine(qint64 saleId, QByteArrayView code, int quantity, double price,
                        double discount);
    void insertReceipt(qint64 id, const char* when, int supplier, QByteArrayView deliveryNote);
    void insertReceiptLine(qint64 receiptId, QByteArrayView code, int ordered, int received,
                           int bonus, int toReturn, double cost);

    // Commits the load and builds the indexes and the query planner's statistics.
    void finish();

private:
    struct Closer {
        void operator()(sqlite3* database) const;
    };

    void execute(const char* sql);
    void runSchema();

    std::unique_ptr<sqlite3, Closer> m_database;
    std::vector<QByteArray> m_indexStatements;
    std::unique_ptr<PreparedStatement> m_article;
    std::unique_ptr<PreparedStatement> m_sale;
    std::unique_ptr<PreparedStatement> m_saleLine;
    std::unique_ptr<PreparedStatement> m_receipt;
    std::unique_ptr<PreparedStatement> m_receiptLine;
};

}  // namespace demo
