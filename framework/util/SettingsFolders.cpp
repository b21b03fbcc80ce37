#include "framework/util/SettingsFolders.h"

#include <sys/stat.h>

#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace fw::util {

QString UserSettingsFolder() {
    QString folder = qEnvironmentVariable("KORVELLA_USER_DIR");
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                 u"/korvella"_s;
    }
    if (!QDir(folder).exists() && QDir().mkpath(folder))
        ::chmod(QFile::encodeName(folder).constData(), S_IRWXU);
    return folder;
}

QString MachineSettingsFolder() {
    const QString folder = qEnvironmentVariable("KORVELLA_MACHINE_DIR");
    return folder.isEmpty() ? u"/var/lib/korvella"_s : folder;
}

}  // namespace fw::util
