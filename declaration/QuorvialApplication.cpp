#include "declaration/QuorvialApplication.h"

#include <QApplication>
#include <cstdio>
#include <memory>

#include "declaration/CommandLine.h"
#include "declaration/HeadlessRun.h"
#include "declaration/TFrQuorvial.h"
#include "framework/db/DatabaseNotices.h"
#include "framework/forms/HeadlessResponder.h"
#include "framework/forms/MessageHelpers.h"
#include "framework/forms/MessageResponder.h"
#include "framework/forms/ScriptProgressBridge.h"
#include "framework/util/GlobalSettings.h"

namespace quorvial {

const char* const kApplicationTitle = "Declaración de Antibióticos Veterinarios";

namespace {

void startFramework(bool headless) {
    fw::util::ForceNumberAndDateSeparators();
    fw::forms::InstallScriptProgress();
    fw::db::SetWarningPresenter(
        [](const QString& title, const QString& text) { fw::forms::ShowWarning(title, text); });
    if (headless)
        fw::forms::SetMessageResponder(std::make_unique<fw::forms::HeadlessResponder>());
}

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int RunQuorvial(int argc, char** argv) {
    const CommandLine options = CommandLine::parse(argumentsOf(argc, argv));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", options.error.toLocal8Bit().constData(),
                     CommandLine::usage().toLocal8Bit().constData());
        return HeadlessRun::UsageError;
    }
    std::unique_ptr<QCoreApplication> app;
    if (options.headless)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quorvial"));
    if (!options.headless)
        QGuiApplication::setApplicationDisplayName(QString::fromUtf8(kApplicationTitle));
    startFramework(options.headless);

    if (options.headless)
        return HeadlessRun(options).run();

    TFrQuorvial window;
    window.setListFiles(options.listFiles);
    if (!window.FormShow())
        return HeadlessRun::StartFailed;
    window.show();
    return app->exec();
}

}  // namespace quorvial
