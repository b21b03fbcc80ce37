#pragma once

#include <QString>

struct sqlite3;
class QSqlDatabase;

namespace fw::db {

// The collation the pharmacy server orders names with: letters compare without regard to case,
// accents count only when the letters are otherwise equal, and ñ is a letter of its own after n.
class SpanishCollation {
public:
    static constexpr const char* name = "ES_CI";

    // Negative, zero or positive, as strcmp.
    static int compare(QStringView left, QStringView right);
    static int compareUtf8(const char* left, int leftBytes, const char* right, int rightBytes);

    // Makes the collation known to an embedded database connection; a connection to another
    // engine is left alone. Answers false when the handle could not be reached.
    static bool install(const QSqlDatabase& database);
    static bool install(sqlite3* handle);
};

}  // namespace fw::db
