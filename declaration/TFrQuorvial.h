#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

#include "declaration/DeclarationSession.h"

class QCheckBox;
class QPushButton;
class QTableView;

namespace quorvial {

class DeclarationTableModel;

// The declaration window: runs the session when shown and ends it when closed.
class TFrQuorvial final : public QWidget {
    Q_OBJECT

public:
    explicit TFrQuorvial(QWidget* parent = nullptr);
    ~TFrQuorvial() override;

    // Files that take the place of the file dialog's choice.
    void setListFiles(const QStringList& files) { m_givenListFiles = files; }
    // Runs the start before the window first shows; false when the program must end.
    bool FormShow();
    DeclarationSession& session() { return *m_session; }
    QTableView* grid() const { return m_grid; }
    QCheckBox* ChbConMovimiento() const { return m_withMovement; }
    QCheckBox* ChbEnAlmacen() const { return m_inStock; }
    QCheckBox* ChbEnAlmacenDesc() const { return m_inStockSimilar; }
    QPushButton* BtLista() const { return m_createList; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    QStringList chooseListFiles();
    // Runs a filter event; a failed reopen shows its error and leaves the list empty.
    void runFilterEvent(void (DeclarationSession::*event)(bool), bool checked);
    void showFilters(const DeclarationSession::Filters& filters);

    std::unique_ptr<DeclarationSession> m_session;
    QTableView* m_grid = nullptr;
    DeclarationTableModel* m_model = nullptr;
    QCheckBox* m_withMovement = nullptr;
    QCheckBox* m_inStock = nullptr;
    QCheckBox* m_inStockSimilar = nullptr;
    QPushButton* m_createList = nullptr;
    QStringList m_givenListFiles;
};

}  // namespace quorvial
