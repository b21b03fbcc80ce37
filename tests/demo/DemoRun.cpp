#include "tests/demo/DemoRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace test {

DemoRun DemoRun::start(const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromUtf8(MAKE_DEMO_DB_PATH), arguments);
    DemoRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.standardOutput = process.readAllStandardOutput();
    run.standardError = process.readAllStandardError();
    return run;
}

DemoRun DemoRun::small(const QString& folder, const QStringList& more) {
    // A leap year, so the last second of the year is the 366th day's.
    return start(QStringList{QStringLiteral("--out"), folder, QStringLiteral("--articles"),
                             QStringLiteral("300"), QStringLiteral("--years"),
                             QString::number(kYears), QStringLiteral("--year"),
                             QString::number(kYear), QStringLiteral("--sale-lines-per-year"),
                             QStringLiteral("2000"), QStringLiteral("--receipt-lines-per-year"),
                             QStringLiteral("600"), QStringLiteral("--list-lines"),
                             QString::number(kListLines)} +
                 more);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString schemaScript(const QString& fileName) {
    return QString::fromUtf8(
        readFile(QDir(QString::fromUtf8(PHARMACY_SQL_DIR)).filePath(fileName)));
}

}  // namespace test
