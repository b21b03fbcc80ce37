#pragma once

#include <QByteArrayView>
#include <QtGlobal>

struct sqlite3;
struct sqlite3_stmt;

namespace demo {

// One compiled statement run many times with new values. Errors raise fw::DatabaseError.
class PreparedStatement {
public:
    PreparedStatement(sqlite3* database, const char* sql);
    ~PreparedStatement();
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    // Parameters count from 1. Texts are copied by the engine at once.
    PreparedStatement& bindInteger(int index, qint64 value);
    PreparedStatement& bindReal(int index, double value);
    PreparedStatement& bindText(int index, QByteArrayView utf8);
    PreparedStatement& bindNull(int index);
    // Runs the statement to its end and readies it for the next values.
    void execute();

private:
    void check(int result) const;

    sqlite3* m_database;
    sqlite3_stmt* m_statement = nullptr;
};

}  // namespace demo
