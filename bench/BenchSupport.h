#pragma once

#include <QString>
#include <QStringList>

namespace bench {

// Where the benchmarks keep their demo databases between runs.
QString cacheFolder();

// Makes a demo with the demo tool in that sub-folder of the cache, unless it is there already.
// Answers the folder.
QString demoFolder(const QString& name, const QStringList& toolArguments);
QString listFileIn(const QString& folder);
// 2,000,000 sale lines and 500,000 receipt lines over three years, a list of 3,000 lines.
QString largeDemoFolder();

struct ChildRun {
    double seconds = 0;  // as the child measured and printed it
    long peakKiB = 0;    // the child's peak resident memory
    QString output;
};

// Runs a program to its end, taking its peak memory from the kernel.
ChildRun runChild(const QString& program, const QStringList& arguments,
                  const QStringList& environment = {});
double wallSeconds(const std::function<void()>& work);

// Points the session at a demo folder's alias file and connects the main alias.
void connectDemo(const QString& folder);

}  // namespace bench
