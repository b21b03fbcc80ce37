#include "declaration/DeclarationSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <limits>

#include "declaration/ArticleLists.h"
#include "declaration/DeclarationStatements.h"
#include "framework/db/Connections.h"
#include "framework/db/DatabaseSession.h"
#include "framework/db/GlobalDataBase.h"
#include "framework/db/SqlHelpers.h"
#include "framework/forms/MessageHelpers.h"
#include "framework/forms/SplashHelpers.h"
#include "framework/util/Errors.h"
#include "framework/util/GlobalSettings.h"

namespace quorvial {

using namespace fw::db;
using namespace fw::forms;

namespace {

const QChar CR = QChar(13);
const QString kMainAlias = QStringLiteral("RERARAZ");
const QString kQuantityFormat = QStringLiteral("###,###,##0");

// Closes the splash on every way out of a start step.
struct SplashGuard {
    ~SplashGuard() { ShowSplash(QString()); }
};

}  // namespace

const QString DeclarationSession::kDefaultListFileName =
    QStringLiteral("Listado_Antibioticos_Veterinarios_ESVAC.csv");

qint64 DeclarationSession::newHandle() {
    return QRandomGenerator::system()->bounded(1, std::numeric_limits<int>::max());
}

DeclarationSession::DeclarationSession(qint64 handle, QObject* parent)
    : QObject(parent),
      m_workTable(QStringLiteral("Quorvial_Tmp") + QString::number(handle)),
      m_workView(QStringLiteral("vQuorvial") + QString::number(handle)),
      m_caption(QStringLiteral("Declaración 2014 de Antibióticos Veterinarios")),
      m_programFolder(QCoreApplication::applicationDirPath()),
      m_importer(m_columns, [this](const QString& caption) { setCaption(caption); }),
      m_query(kMainAlias) {
    m_importer.setWorkTable(m_workTable);
}

DeclarationSession::~DeclarationSession() {
    // A session left without closing still removes what it created.
    if (m_state == State::Ready || m_state == State::Loading)
        close();
}

bool DeclarationSession::start() {
    m_state = State::Connecting;
    if (!ConnectDatabase()) {
        endProgram();
        return false;
    }
    m_state = State::Loading;
    LoadDeclaration();
    if (m_state == State::Loading)
        m_state = State::Ready;
    if (m_state != State::Ready)
        ReleaseDatabase(kMainAlias);
    return m_state == State::Ready;
}

void DeclarationSession::close() {
    if (m_state == State::Closed)
        return;
    m_state = State::Closing;
    m_query.close();
    DropWorkObjects();
    try {
        ReleaseDatabase(kMainAlias);
    } catch (const fw::Error&) {
        // The program ends anyway.
    }
    m_state = State::Closed;
}

bool DeclarationSession::ConnectDatabase() {
    SplashGuard splash;
    ShowSplash(QStringLiteral("Inicialización"));
    SetSplashText(QStringLiteral("Conectando Base de Datos Korvella..."));
    try {
        if (ConnectAlias(kMainAlias, QStringLiteral("sa"), QString(), false) != Connected)
            return false;
    } catch (const std::exception& error) {
        const auto* own = dynamic_cast<const fw::Error*>(&error);
        ShowError(QStringLiteral("No se ha podido conectar con la BD de Korvella.") + CR + CR +
                  (own ? own->message() : QString::fromLocal8Bit(error.what())));
        return false;
    }
    GlobalDataBase().PoolSize = 0;
    fw::util::SetShortDateFormat(QStringLiteral("dd/mm/yyyy"));
    return true;
}

void DeclarationSession::LoadDeclaration() {
    LocateListFiles();
    if (m_state != State::Ending)
        ImportAndBuild();
}

void DeclarationSession::LocateListFiles() {
    m_listFiles.clear();
    if (FindDefaultListFile() || SelectListFiles())
        return;
    ShowInformation(
        QStringLiteral(
            "No se han encontrado los ficheros csv con las listas de Antibióticos Veterinarios.") +
        CR +
        QStringLiteral("No se puede ejecutar la utilidad de Visualización de estos productos.") +
        CR + CR + QStringLiteral("El programa se cerrará."));
    endProgram();
}

bool DeclarationSession::FindDefaultListFile() {
    const QFileInfo standard(QDir(m_programFolder).filePath(kDefaultListFileName));
    if (!standard.isFile())
        return false;
    m_listFiles = QStringList{standard.absoluteFilePath()};
    return true;
}

bool DeclarationSession::SelectListFiles() {
    if (m_chooser) {
        for (const QString& file : m_chooser())
            m_listFiles << QFileInfo(file).absoluteFilePath();
    }
    return !m_listFiles.isEmpty();
}

void DeclarationSession::ImportAndBuild() {
    m_importer.resetYear();
    m_importer.CreateWorkTable();
    for (const QString& file : std::as_const(m_listFiles))
        m_importer.ImportListFile(file);

    if (m_importer.year() > 2013) {
        try {
            CreateDeclarationView();
            OpenDeclarationQuery();
            return;
        } catch (const fw::Error& error) {
            ShowError(QStringLiteral("No se ha podido preparar la declaración.") + CR + CR +
                      error.message());
        }
        DropWorkObjects();
        endProgram();
        return;
    }
    DropWorkObjects();
    ShowInformation(
        QStringLiteral(
            "No se ha encontrado en el fichero, el parámetro que indica el Año del Informe,") +
        CR + QStringLiteral("o el Año indicado no es válido.") + CR + CR +
        QStringLiteral("El programa se cerrará."));
    endProgram();
}

void DeclarationSession::DropWorkObjects() {
    SplashGuard splash;
    ShowSplash(QStringLiteral("Finalizando procesos"));
    try {
        const DeclarationStatements sql(MainDialect());
        ExecSQLText(sql.dropView(m_workView));
        ExecSQLText(sql.dropTable(m_workTable));
    } catch (const fw::Error&) {
        // Closing goes on; the objects may remain in the database.
    }
}

void DeclarationSession::CreateDeclarationView() {
    const DeclarationStatements sql(MainDialect());
    ExecSQLText(sql.dropView(m_workView));
    ExecSQLText(sql.createDeclarationView(m_workView, m_workTable, m_importer.year()));
}

void DeclarationSession::OpenDeclarationQuery() {
    m_query.close();
    const QStringList lines = DeclarationStatements::declarationQuery(
        m_workView, m_filters.withMovement, m_filters.inStock, m_filters.inStockSimilar);
    m_query.setSQL(lines);
    m_query.OriginalSQL() = lines;
    m_query.open();
    SetQuantityFormat();
    emit queryReopened();
}

void DeclarationSession::SetQuantityFormat() {
    for (Field& field : m_query.dataset().fields()) {
        if (field.name == QStringLiteral("Entradas") || field.name == QStringLiteral("Salidas"))
            field.displayFormat = kQuantityFormat;
    }
}

void DeclarationSession::ChbConMovimientoClick(bool checked) {
    m_filters.withMovement = checked;
    emit filtersChanged(m_filters);
    OpenDeclarationQuery();
}

void DeclarationSession::ChbEnAlmacenClick(bool checked) {
    m_filters.inStock = checked;
    emit filtersChanged(m_filters);
    if (checked && m_filters.inStockSimilar)
        ChbEnAlmacenDescClick(false);
    OpenDeclarationQuery();
}

void DeclarationSession::ChbEnAlmacenDescClick(bool checked) {
    m_filters.inStockSimilar = checked;
    emit filtersChanged(m_filters);
    if (checked && m_filters.inStock)
        ChbEnAlmacenClick(false);
    OpenDeclarationQuery();
}

bool DeclarationSession::BtListaClick() {
    QString name = ArticleLists::ProposedName(year(), QDate::currentDate());
    if (!InputText(QStringLiteral("Generación de Lista de Artículos"),
                   QStringLiteral("Nombre de la Lista a generar:"), name))
        return false;
    return ArticleLists::CreateArticleList(name, m_query);
}

void DeclarationSession::setCaption(const QString& caption) {
    m_caption = caption;
    emit captionChanged(caption);
}

void DeclarationSession::endProgram() {
    m_state = State::Ending;
}

}  // namespace quorvial
