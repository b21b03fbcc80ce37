#include "tests/support/TestEnvironment.h"

#include <QDir>

namespace test {

TestEnvironment& TestEnvironment::instance() {
    static TestEnvironment environment;
    return environment;
}

TestEnvironment::TestEnvironment() {
    QDir(m_root.path()).mkpath(QStringLiteral("user"));
    QDir(m_root.path()).mkpath(QStringLiteral("machine"));
    qputenv("KORVELLA_USER_DIR", userDir().toLocal8Bit());
    qputenv("KORVELLA_MACHINE_DIR", machineDir().toLocal8Bit());
}

QString TestEnvironment::userDir() const {
    return m_root.filePath(QStringLiteral("user"));
}

QString TestEnvironment::machineDir() const {
    return m_root.filePath(QStringLiteral("machine"));
}

QString TestEnvironment::makeFolder(const QString& name) const {
    QDir(m_root.path()).mkpath(name);
    return m_root.filePath(name);
}

}  // namespace test
