#include "declaration/TFrQuorvial.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

#include "declaration/DeclarationTableModel.h"
#include "framework/forms/MessageHelpers.h"

namespace quorvial {

TFrQuorvial::TFrQuorvial(QWidget* parent)
    : QWidget(parent),
      m_session(std::make_unique<DeclarationSession>(DeclarationSession::newHandle())) {
    FormCreate();
}

TFrQuorvial::~TFrQuorvial() = default;

void TFrQuorvial::FormCreate() {
    setObjectName(QStringLiteral("FrQuorvial"));
    setWindowTitle(m_session->caption());
    resize(1017, 463);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("ODBGDetalle"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->setDefaultSectionSize(18);
    m_model = new DeclarationTableModel(*m_session, this);
    m_grid->setModel(m_model);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 13, 8, 12);
    layout->addWidget(m_grid);

    connect(m_session.get(), &DeclarationSession::captionChanged, this, &QWidget::setWindowTitle);
    m_session->setListFileChooser([this] { return chooseListFiles(); });
}

QStringList TFrQuorvial::chooseListFiles() {
    if (!m_givenListFiles.isEmpty())
        return m_givenListFiles;
    fw::forms::ShowInformation(
        QStringLiteral("No se ha encontrado ningún ficheros CSV con listas de precios.") +
        QChar(13) +
        QStringLiteral(
            "Seleccione los ficheros CSV con las listas de precios que desea analizar."));
    return QFileDialog::getOpenFileNames(this, QStringLiteral("Selección de Ficheros CSV"),
                                         QString(), QStringLiteral("Ficheros CSV (*.csv *.CSV)"));
}

bool TFrQuorvial::FormShow() {
    if (!m_session->start())
        return false;
    m_model->reload();
    for (int i = 0; i < m_session->columns().count(); ++i) {
        if (const int width = m_session->columns().at(i).width; width > 0)
            m_grid->setColumnWidth(i, width);
    }
    m_grid->scrollToTop();
    resize(800, height());
    return true;
}

void TFrQuorvial::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TFrQuorvial::FormClose() {
    m_session->close();
}

}  // namespace quorvial
