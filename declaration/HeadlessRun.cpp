#include "declaration/HeadlessRun.h"

#include "declaration/ArticleLists.h"
#include "declaration/DeclarationCsv.h"
#include "declaration/DeclarationSession.h"
#include "framework/forms/MessageHelpers.h"
#include "framework/util/Errors.h"

namespace quorvial {

int HeadlessRun::run() {
    DeclarationSession session(DeclarationSession::newHandle());
    const QStringList files = m_options.listFiles;
    session.setListFileChooser([files] { return files; });
    if (!session.start())
        return StartFailed;
    int status = Ready;
    try {
        if (m_options.withMovement)
            session.ChbConMovimientoClick(true);
        if (m_options.inStock)
            session.ChbEnAlmacenClick(true);
        if (m_options.inStockSimilar)
            session.ChbEnAlmacenDescClick(true);
    } catch (const fw::Error& error) {
        fw::forms::ShowError(error.message());
        session.close();
        return StartFailed;
    }
    if (m_options.createList) {
        // A given name is the name dialog's answer; without one the proposed name is taken.
        const bool created =
            m_options.listName.isEmpty()
                ? session.BtListaClick()
                : ArticleLists::CreateArticleList(m_options.listName, session.query());
        if (!created)
            status = OutputFailed;
    }
    if (!m_options.csvPath.isEmpty()) {
        try {
            DeclarationCsv::write(m_options.csvPath, session.columns(), session.query().dataset());
        } catch (const fw::Error& error) {
            fw::forms::ShowError(error.message());
            status = OutputFailed;
        }
    }
    session.close();
    return status;
}

}  // namespace quorvial
