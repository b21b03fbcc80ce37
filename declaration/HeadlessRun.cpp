#include "declaration/HeadlessRun.h"

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
