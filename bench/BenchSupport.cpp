#include "bench/BenchSupport.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "framework/db/Connections.h"
#include "framework/db/DatabaseSession.h"
#include "framework/util/GlobalSettings.h"

extern char** environ;

namespace bench {

QString cacheFolder() {
    const QByteArray configured = qgetenv("QUORVIAL_BENCH_DIR");
    const QString folder = configured.isEmpty() ? QStringLiteral("/tmp/quorvial-bench")
                                                : QString::fromLocal8Bit(configured);
    QDir().mkpath(folder);
    return folder;
}

QString demoFolder(const QString& name, const QStringList& toolArguments) {
    const QString folder = QDir(cacheFolder()).filePath(name);
    if (QFile::exists(QDir(folder).filePath(QStringLiteral("Korvella.db"))))
        return folder;
    std::fprintf(stderr, "making demo %s ...\n", qPrintable(folder));
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(QStringLiteral(MAKE_DEMO_DB),
               QStringList{QStringLiteral("--out"), folder} + toolArguments);
    if (!tool.waitForFinished(-1) || tool.exitCode() != 0) {
        std::fprintf(stderr, "the demo tool failed\n");
        std::exit(1);
    }
    return folder;
}

QString largeDemoFolder() {
    return demoFolder(QStringLiteral("view-2m"),
                      {QStringLiteral("--sale-lines-per-year"), QStringLiteral("666667"),
                       QStringLiteral("--receipt-lines-per-year"), QStringLiteral("166667"),
                       QStringLiteral("--years"), QStringLiteral("3"),
                       QStringLiteral("--list-lines"), QStringLiteral("3000")});
}

QString listFileIn(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("Listado_Antibioticos_Veterinarios_ESVAC.csv"));
}

ChildRun runChild(const QString& program, const QStringList& arguments,
                  const QStringList& environment) {
    std::vector<QByteArray> storage;
    storage.push_back(QFile::encodeName(program));
    for (const QString& argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& item : storage)
        argv.push_back(item.data());
    argv.push_back(nullptr);

    std::vector<QByteArray> envStorage;
    for (char** entry = environ; *entry; ++entry)
        envStorage.emplace_back(*entry);
    for (const QString& entry : environment)
        envStorage.push_back(entry.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& item : envStorage)
        envp.push_back(item.data());
    envp.push_back(nullptr);

    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    ChildRun run;
    if (spawned != 0) {
        close(pipeFds[0]);
        return run;
    }
    QByteArray output;
    char buffer[4096];
    ssize_t count = 0;
    while ((count = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, count);
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.peakKiB = usage.ru_maxrss;
    run.output = QString::fromLocal8Bit(output);
    run.seconds = run.output.section(QLatin1Char('\n'), 0, 0).toDouble();
    return run;
}

double wallSeconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

void connectDemo(const QString& folder) {
    qputenv("KORVELLA_MACHINE_DIR", QFile::encodeName(folder));
    fw::util::ForceNumberAndDateSeparators();
    fw::db::DatabaseSession::instance().reloadAliases();
    if (fw::db::ConnectAlias(QStringLiteral("RERARAZ"), QStringLiteral("sa"), QString(), false) !=
        fw::db::Connected) {
        std::fprintf(stderr, "cannot connect to the demo in %s\n", qPrintable(folder));
        std::exit(1);
    }
}

}  // namespace bench
