#include "framework/forms/ShellHelpers.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "framework/forms/MessageHelpers.h"

namespace fw::forms {

namespace {

QString ErrorText(int code) {
    if (code == ShellAnswer::FileNotFound) {
        return QStringLiteral("No se encuentra el archivo especificado.");
    }
    return QStringLiteral("No hay ninguna aplicación asociada a este tipo de archivo.");
}

int OpenFile(const QFileInfo& info, const QString& folder, const QString& parameters) {
    if (!info.exists()) {
        return ShellAnswer::FileNotFound;
    }
    if (info.isFile() && info.isExecutable()) {
        const bool started =
            QProcess::startDetached(info.absoluteFilePath(), QProcess::splitCommand(parameters),
                                    folder.isEmpty() ? QDir::currentPath() : folder);
        return started ? ShellAnswer::Opened : ShellAnswer::NoAssociation;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()))
               ? ShellAnswer::Opened
               : ShellAnswer::NoAssociation;
}

}  // namespace

int ShellOpen(QWidget* /*owner*/, const QString& verb, const QString& file, int /*show*/,
              const QString& folder, const QString& parameters) {
    const QFileInfo info(folder.isEmpty() ? file : QDir(folder).filePath(file));
    const bool knownVerb =
        verb.isEmpty() || verb.compare(QStringLiteral("open"), Qt::CaseInsensitive) == 0;
    const int answer = knownVerb ? OpenFile(info, folder, parameters) : ShellAnswer::NoAssociation;
    if (answer <= 32) {
        const QChar cr(13);
        ShowWarning(QString(), QStringLiteral("El sistema retornó el siguiente error: ") + cr + cr +
                                   QLatin1Char('(') + QString::number(answer) +
                                   QStringLiteral("):") + ErrorText(answer) + cr + file);
    }
    return answer;
}

}  // namespace fw::forms
