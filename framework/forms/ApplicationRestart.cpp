#include "framework/forms/ApplicationRestart.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>

#include "framework/db/Connections.h"
#include "framework/forms/MessageHelpers.h"
#include "framework/util/Errors.h"

namespace fw::forms {

void RestartApplication() {
    const QString title = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                              ? QGuiApplication::applicationDisplayName()
                              : QCoreApplication::applicationName();
    ShowWarning(QString(), QStringLiteral("La aplicación ") + title +
                               QStringLiteral(" va a ser reiniciada ahora"));
    try {
        fw::db::CloseAllDatabases();
    } catch (const fw::Error&) {
        // The new instance connects again anyway.
    }
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    QCoreApplication::quit();
    QProcess::startDetached(QCoreApplication::applicationFilePath(),
                            QCoreApplication::arguments().mid(1));
}

}  // namespace fw::forms
