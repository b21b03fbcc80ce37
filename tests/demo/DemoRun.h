#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace test {

// One run of the demo generator, waited for to its end.
struct DemoRun {
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;

    static DemoRun start(const QStringList& arguments);
    // The small demo most tests read, written to folder.
    static DemoRun small(const QString& folder, const QStringList& more = {});

    static constexpr int kYear = 2024;
    static constexpr int kYears = 2;
    static constexpr int kListLines = 200;
};

QByteArray readFile(const QString& path);
QString schemaScript(const QString& fileName);

}  // namespace test
