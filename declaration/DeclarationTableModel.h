#pragma once

#include <QAbstractTableModel>

namespace quorvial {

class DeclarationSession;

// The rows of the session's query under the declaration's columns, as plain table cells.
class DeclarationTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit DeclarationTableModel(DeclarationSession& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Call after the query was reopened or the columns changed.
    void reload();

private:
    DeclarationSession& m_session;
};

}  // namespace quorvial
