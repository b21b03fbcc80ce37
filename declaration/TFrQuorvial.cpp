#include "declaration/TFrQuorvial.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

#include "declaration/DeclarationTableModel.h"
#include "framework/forms/MessageHelpers.h"
#include "framework/util/Errors.h"

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

    auto makeBox = [this](const QString& name, const QString& caption) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(name);
        return box;
    };
    m_inStockSimilar = makeBox(QStringLiteral("ChbEnAlmacenDesc"),
                               QStringLiteral("Cód. Nac. en Almacén y Descripción similar."));
    m_inStock = makeBox(QStringLiteral("ChbEnAlmacen"), QStringLiteral("Cód. Nac. en Almacén."));
    m_withMovement = makeBox(QStringLiteral("ChbConMovimiento"),
                             QStringLiteral("Productos con Entradas/Salidas"));
    m_createList = new QPushButton(QStringLiteral("Crear Lista"), this);
    m_createList->setObjectName(QStringLiteral("BtLista"));
    m_createList->setFixedSize(112, 25);

    auto* filters = new QVBoxLayout;
    filters->setContentsMargins(8, 9, 0, 0);
    filters->setSpacing(0);
    filters->addWidget(m_inStockSimilar);
    filters->addWidget(m_inStock);
    filters->addWidget(m_withMovement);
    auto* work = new QVBoxLayout;
    work->addWidget(m_grid, 1);
    work->addLayout(filters);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_createList);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 13, 8, 12);
    layout->addLayout(work, 1);
    layout->addLayout(buttons);

    connect(m_withMovement, &QCheckBox::toggled, this,
            [this](bool on) { runFilterEvent(&DeclarationSession::ChbConMovimientoClick, on); });
    connect(m_inStock, &QCheckBox::toggled, this,
            [this](bool on) { runFilterEvent(&DeclarationSession::ChbEnAlmacenClick, on); });
    connect(m_inStockSimilar, &QCheckBox::toggled, this,
            [this](bool on) { runFilterEvent(&DeclarationSession::ChbEnAlmacenDescClick, on); });
    connect(m_session.get(), &DeclarationSession::filtersChanged, this, &TFrQuorvial::showFilters);
    connect(m_createList, &QPushButton::clicked, this, [this] {
        m_session->BtListaClick();
        m_model->reload();
    });

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

void TFrQuorvial::runFilterEvent(void (DeclarationSession::*event)(bool), bool checked) {
    try {
        (m_session.get()->*event)(checked);
    } catch (const fw::Error& error) {
        fw::forms::ShowError(error.message());
        m_model->reload();
    }
}

void TFrQuorvial::showFilters(const DeclarationSession::Filters& filters) {
    const QSignalBlocker a(m_withMovement), b(m_inStock), c(m_inStockSimilar);
    m_withMovement->setChecked(filters.withMovement);
    m_inStock->setChecked(filters.inStock);
    m_inStockSimilar->setChecked(filters.inStockSimilar);
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
