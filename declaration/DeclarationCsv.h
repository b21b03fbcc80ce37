#pragma once

#include <QString>

namespace fw::db {
class Dataset;
}

namespace quorvial {

class DeclarationColumns;

// Writes the declaration rows as the window shows them: ";"-separated UTF-8 with a title line,
// fields quoted as RFC 4180 asks.
class DeclarationCsv {
public:
    static QString field(const QString& value);
    static QString text(const DeclarationColumns& columns, const fw::db::Dataset& dataset);
    // Raises fw::Error when the file cannot be written; a failure leaves no partial file.
    static void write(const QString& path, const DeclarationColumns& columns,
                      const fw::db::Dataset& dataset);
};

}  // namespace quorvial
