#include "declaration/DeclarationTableModel.h"

#include <QFont>

#include "declaration/DeclarationSession.h"

namespace quorvial {

DeclarationTableModel::DeclarationTableModel(DeclarationSession& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session) {
    connect(&m_session, &DeclarationSession::queryReopened, this, &DeclarationTableModel::reload);
}

int DeclarationTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !m_session.query().active())
        return 0;
    return int(m_session.query().dataset().recordCount());
}

int DeclarationTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_session.columns().count();
}

QVariant DeclarationTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const DeclarationColumn& column = m_session.columns().at(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return m_session.columns().cellText(m_session.query().dataset(), index.row(),
                                                index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter |
                                       (column.rightAligned ? Qt::AlignRight : Qt::AlignLeft));
        case Qt::FontRole:
            if (column.bold) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        default:
            return {};
    }
}

QVariant DeclarationTableModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_session.columns().at(section).caption();
}

void DeclarationTableModel::reload() {
    beginResetModel();
    endResetModel();
}

}  // namespace quorvial
