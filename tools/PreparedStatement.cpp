#include "tools/PreparedStatement.h"

#include <sqlite3.h>

#include "framework/util/Errors.h"

namespace demo {

PreparedStatement::PreparedStatement(sqlite3* database, const char* sql) : m_database(database) {
    check(sqlite3_prepare_v2(database, sql, -1, &m_statement, nullptr));
}

PreparedStatement::~PreparedStatement() {
    sqlite3_finalize(m_statement);
}

PreparedStatement& PreparedStatement::bindInteger(int index, qint64 value) {
    check(sqlite3_bind_int64(m_statement, index, value));
    return *this;
}

PreparedStatement& PreparedStatement::bindReal(int index, double value) {
    check(sqlite3_bind_double(m_statement, index, value));
    return *this;
}

PreparedStatement& PreparedStatement::bindText(int index, QByteArrayView utf8) {
    check(sqlite3_bind_text(m_statement, index, utf8.data(), int(utf8.size()), SQLITE_TRANSIENT));
    return *this;
}

PreparedStatement& PreparedStatement::bindNull(int index) {
    check(sqlite3_bind_null(m_statement, index));
    return *this;
}

void PreparedStatement::execute() {
    int result = SQLITE_ROW;
    while (result == SQLITE_ROW)
        result = sqlite3_step(m_statement);
    if (result == SQLITE_DONE) {
        sqlite3_reset(m_statement);
        return;
    }
    const QString message = QString::fromUtf8(sqlite3_errmsg(m_database));
    sqlite3_reset(m_statement);
    throw fw::DatabaseError(message);
}

void PreparedStatement::check(int result) const {
    if (result != SQLITE_OK)
        throw fw::DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_database)));
}

}  // namespace demo
