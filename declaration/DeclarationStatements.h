#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

#include "framework/db/SqlDialect.h"

namespace quorvial {

// The fifteen product columns of the list file, in work-table order, with their widths.
struct ProductColumn {
    const char* title;  // as the list's title line names it
    const char* column;
    int width;
};
extern const std::array<ProductColumn, 15> kProductColumns;

// Index into kProductColumns of a title (letter case ignored); -1 for an unknown title.
int productColumnIndex(const QString& title);

// The SQL texts of the declaration session, on the connection's dialect.
class DeclarationStatements {
public:
    explicit DeclarationStatements(const fw::db::SqlDialect& dialect) : m_dialect(dialect) {}

    QString createWorkTable(const QString& table) const;
    // Values in kProductColumns order, then MatchKorvella.
    QString insertProduct(const QString& table, const std::array<QString, 15>& values,
                          const QString& matchKorvella) const;
    QString articleDescription(const QString& nationalCode) const;
    QString dropView(const QString& view) const;
    QString dropTable(const QString& table) const;
    QString createDeclarationView(const QString& view, const QString& table, int year) const;
    // The grid's statement, one entry per line.
    static QStringList declarationQuery(const QString& view, bool withMovement, bool inStock,
                                        bool inStockSimilar);

private:
    const fw::db::SqlDialect& m_dialect;
};

}  // namespace quorvial
