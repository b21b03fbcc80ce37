#pragma once

#include <QString>
#include <QTemporaryDir>

#include "tests/support/QtPrinters.h"

namespace test {

// Every test process gets fresh settings folders, so no test sees another's settings store,
// aliases or hives, and nothing lands in the real user's configuration.
class TestEnvironment {
public:
    static TestEnvironment& instance();

    QString root() const { return m_root.path(); }
    QString userDir() const;
    QString machineDir() const;
    // A fresh sub-folder of the test root.
    QString makeFolder(const QString& name) const;

private:
    TestEnvironment();
    QTemporaryDir m_root;
};

}  // namespace test
