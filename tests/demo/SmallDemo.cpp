#include "tests/demo/SmallDemo.h"

#include <QDir>

#include "framework/util/Windows1252.h"
#include "tests/demo/DemoRun.h"
#include "tests/support/TestEnvironment.h"

namespace test {

void SmallDemo::SetUpTestSuite() {
    const DemoRun run = DemoRun::small(folder());
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
}

QString SmallDemo::folder() {
    return QDir(TestEnvironment::instance().root()).filePath(QStringLiteral("small-demo"));
}

QString SmallDemo::databasePath(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("Korvella.db"));
}

QString SmallDemo::listPath(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("Listado_Antibioticos_Veterinarios_ESVAC.csv"));
}

QList<QStringList> SmallDemo::listProducts(const QString& path) {
    const QString text = fw::util::Windows1252::decode(readFile(path));
    QList<QStringList> products;
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        if (!line.startsWith(u'$'))
            products << line.split(u';');
    }
    return products;
}

}  // namespace test
