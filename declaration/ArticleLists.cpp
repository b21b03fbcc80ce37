#include "declaration/ArticleLists.h"

#include <QDateTime>

#include "framework/db/SqlDialect.h"
#include "framework/db/SqlHelpers.h"
#include "framework/db/TCQuery.h"
#include "framework/forms/MessageHelpers.h"
#include "framework/forms/ProgressHelpers.h"
#include "framework/util/Errors.h"
#include "framework/util/TextHelpers.h"

namespace quorvial {

using namespace fw::db;
using namespace fw::forms;
using fw::util::QuotedSQL;

namespace {

const QChar CR = QChar(13);

void rollbackQuietly() {
    try {
        RollbackMainTransaction();
    } catch (const fw::Error&) {
        // The transaction is gone with its connection.
    }
}

// Puts the query back on its row however the loop ends, before its views hear again.
struct RowKeeper {
    Dataset& data;
    Dataset::Bookmark row;
    ~RowKeeper() { data.gotoBookmark(row); }
};

}  // namespace

QString ArticleLists::ProposedName(int year, const QDate& today) {
    return QStringLiteral("***Antibióticos Veterinarios ") + QString::number(year) +
           QStringLiteral(" - ") + today.toString(QStringLiteral("dd/MM/yy"));
}

void ArticleLists::DeleteArticleList(const QString& name) {
    try {
        BeginMainTransaction();
        int number = -1;
        {
            const auto query = OpenSQLText(
                QStringLiteral("Select * from ListaArticu where Descripcion = ") + QuotedSQL(name));
            if (!query->dataset().isEmpty())
                number = query->dataset().value(QStringLiteral("IdLista")).toInt();
        }
        if (number > 0) {
            const QString id = QString::number(number);
            ExecSQLText(MainDialect().deleteFrom(QStringLiteral("ItemListaArticu")) + CR +
                        QStringLiteral("Where XItem_IdLista = ") + id);
            ExecSQLText(MainDialect().deleteFrom(QStringLiteral("ListaArticu")) + CR +
                        QStringLiteral("Where IdLista = ") + id);
            ExecSQLText(
                QStringLiteral(
                    "Update Contadores Set Contador = ( Select Max( IdLista ) from ListaArticu )") +
                CR + QStringLiteral("where IdContador = 13"));
        }
        CommitMainTransaction();
    } catch (const fw::Error& error) {
        rollbackQuietly();
        ShowError(QStringLiteral("Se ha producido un error al eliminar la lista de artículos:") +
                  CR + CR + error.message());
    }
}

bool ArticleLists::CreateArticleList(const QString& name, TCQuery& query) {
    bool created = false;
    try {
        if (!query.active())
            query.open();
        Dataset& data = query.dataset();
        ProgressStart(QStringLiteral("Creando ") + name, int(data.recordCount()) + 5);
        DeleteArticleList(name);
        ProgressStep();
        BeginMainTransaction();
        try {
            int number = 1;
            {
                const auto last =
                    OpenSQLText(QStringLiteral("Select Max( IdLista ) from ListaArticu"));
                if (!last->dataset().isEmpty())
                    number = last->dataset().value(0).toInt() + 1;
            }
            const QString id = QString::number(number);
            ProgressStep();
            ExecSQLText(
                QStringLiteral(
                    "Insert into ListaArticu( IdLista, Descripcion, Fecha, NumElem, Tipo )") +
                CR + QStringLiteral("Values( ") + id + QStringLiteral(", ") + QuotedSQL(name) +
                QStringLiteral(", ") + MainDialect().dateTimeLiteral(QDateTime::currentDateTime()) +
                QStringLiteral(", 0, 0 )"));
            ProgressStep();
            {
                ControlsDisabled quiet(data);
                RowKeeper keeper{data, data.bookmark()};
                const int codeField = data.fieldIndex(QStringLiteral("CodNal"));
                for (data.first(); !data.eof(); data.next()) {
                    const QString code = data.value(codeField).toString();
                    // The code goes in as a quoted literal: a bare number would lose a leading
                    // zero, and a code that is not all digits would run as SQL.
                    if (code.isEmpty())
                        throw fw::Error(
                            QStringLiteral("El producto \"%1\" no tiene código nacional.")
                                .arg(data.value(QStringLiteral("Nombre")).toString()));
                    ExecSQLText(
                        QStringLiteral(
                            "Insert into ItemListaArticu( XItem_IdLista, XItem_IdArticu )") +
                        CR + QStringLiteral("Values( ") + id + QStringLiteral(", ") +
                        QuotedSQL(code) + QStringLiteral(" )"));
                    ProgressStep();
                }
            }
            ExecSQLText(
                QStringLiteral("Update ListaArticu Set NumElem = (") + CR +
                QStringLiteral("    Select Count(*) from ItemListaArticu where XItem_IdLista = ") +
                id + QStringLiteral(")") + CR + QStringLiteral("where IdLista = ") + id);
            ProgressStep();
            ExecSQLText(QStringLiteral("Update Contadores Set Contador = ") + id + CR +
                        QStringLiteral("where IdContador = 13"));
            ProgressStep();
            CommitMainTransaction();
            created = true;
            ShowInformation(QStringLiteral("Se ha creado una nueva lista llamada \"") + name +
                            QStringLiteral("\"") + CR +
                            QStringLiteral("con los Artículos presentes en la Ventana."));
        } catch (const fw::Error& error) {
            rollbackQuietly();
            ShowError(QStringLiteral("Se ha producido un error al configurar la nueva lista.") +
                      CR + CR + error.message());
        }
    } catch (const fw::Error& error) {
        ShowError(QStringLiteral("Se ha producido un error al configurar la nueva lista.") + CR +
                  CR + error.message());
    }
    ProgressEnd();
    return created;
}

}  // namespace quorvial
