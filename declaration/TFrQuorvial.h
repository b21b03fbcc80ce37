#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>

#include "declaration/DeclarationSession.h"

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    QStringList chooseListFiles();

    std::unique_ptr<DeclarationSession> m_session;
    QTableView* m_grid = nullptr;
    DeclarationTableModel* m_model = nullptr;
    QStringList m_givenListFiles;
};

}  // namespace quorvial
