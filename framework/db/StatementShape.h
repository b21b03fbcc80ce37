#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace fw::db {

// A data statement with its text literals taken out as parameters. The system writes its values
// into the SQL text; on the embedded engine every such text would be compiled anew, so
// statements of the same shape share one compiled form and only their values change.
struct StatementShape {
    QString text;        // the statement with "?" in place of each text literal
    QStringList values;  // the literals' values, unquoted

    // Nothing for statements that are not a single SELECT, INSERT, UPDATE or DELETE.
    static std::optional<StatementShape> of(const QString& sql);
};

}  // namespace fw::db
