#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace fw::db {
class Dataset;
}

namespace quorvial {

// One column of the declaration list as designed.
struct DeclarationColumn {
    QString fieldName;
    QString title;  // empty: the field name is shown
    int width = 0;  // 0: derived from the field
    bool bold = false;
    bool rightAligned = false;

    QString caption() const { return title.isEmpty() ? fieldName : title; }
};

// The columns the declaration window shows, in their order. A list file's title line removes
// the product columns it does not deliver.
class DeclarationColumns {
public:
    static QList<DeclarationColumn> designColumns();

    DeclarationColumns();

    const QList<DeclarationColumn>& columns() const { return m_columns; }
    int count() const { return int(m_columns.size()); }
    const DeclarationColumn& at(int index) const { return m_columns[index]; }

    // Removes every column whose caption equals the text.
    void removeColumn(const QString& caption);
    // From the last column to the first: a column whose field is none of the titles (letter
    // case ignored) and not one the view computes is removed.
    void removeColumnsNotIn(const QStringList& titles);

    // The text the window shows for a cell of the current dataset: display formats applied,
    // NULL as empty.
    QString cellText(const fw::db::Dataset& dataset, qsizetype row, int column) const;

private:
    QList<DeclarationColumn> m_columns;
};

}  // namespace quorvial
