// Import of a 3,000-line and a 30,000-line ESVAC list into the demo database, beside a baseline
// that inserts the same rows through one prepared statement in one transaction, and the whole
// headless session for 3,000 lines. Each measurement runs in a process of its own, so that its
// peak memory is its own.

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>

#include "bench/BenchSupport.h"
#include "declaration/DeclarationColumns.h"
#include "declaration/DeclarationStatements.h"
#include "declaration/ListFileReader.h"
#include "declaration/ListImporter.h"
#include "framework/db/SpanishCollation.h"
#include "framework/db/SqlHelpers.h"
#include "framework/util/TextHelpers.h"

using namespace quorvial;

namespace {

const QString kTable = QStringLiteral("Quorvial_TmpBench");

int childImport(const QString& folder) {
    bench::connectDemo(folder);
    DeclarationColumns columns;
    ListImporter importer(columns, {});
    importer.setWorkTable(kTable);
    importer.CreateWorkTable();
    const double seconds =
        bench::wallSeconds([&] { importer.ImportListFile(bench::listFileIn(folder)); });
    const auto rows = fw::db::OpenSQLText(QStringLiteral("select count(*) from ") + kTable);
    std::printf("%.6f\nrows %lld\n", seconds, rows->dataset().value(0).toLongLong());
    fw::db::ExecSQLText(QStringLiteral("drop table ") + kTable);
    return 0;
}

int childBaseline(const QString& folder) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QDir(folder).filePath(QStringLiteral("Korvella.db")));
    if (!db.open())
        return 1;
    fw::db::SpanishCollation::install(db);
    fw::db::SqliteDialect dialect;
    QSqlQuery query(db);
    query.exec(QStringLiteral("drop table if exists ") + kTable);
    for (const QString& statement :
         DeclarationStatements(dialect).createWorkTable(kTable).split(QStringLiteral("\rGO\r")))
        query.exec(statement);

    long long rows = 0;
    const double seconds = bench::wallSeconds([&] {
        const QStringList lines = ListFileReader::readLines(bench::listFileIn(folder));
        QStringList titles;
        QSqlQuery insert(db);
        insert.prepare(
            QStringLiteral("insert into ") + kTable +
            QStringLiteral(" (Cod, Fec, Declar, NumDef, Nombre, Laboratorio, CodNal, ForFar, "
                           "AForFar, Dispositivo, Contenido, Material, Dosis, Unidad, ATC, "
                           "MatchKorvella) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        db.transaction();
        for (const QString& line : lines) {
            if (line.isEmpty() || line.contains(QStringLiteral("$ANYO=")))
                continue;
            if (line.contains(QStringLiteral("$TITCOL="))) {
                titles = fw::util::SplitText(line.mid(line.indexOf(QStringLiteral("$TITCOL=")) + 8),
                                             QStringLiteral(";"), true);
                continue;
            }
            const QStringList pieces = fw::util::SplitText(line, QStringLiteral(";"), true);
            std::array<QString, 15> values;
            for (qsizetype i = 0; i < titles.size() && i < pieces.size(); ++i) {
                const int column = productColumnIndex(titles[i]);
                if (column >= 0)
                    values[size_t(column)] = pieces[i];
            }
            for (int i = 0; i < 15; ++i)
                insert.bindValue(i, values[size_t(i)]);
            insert.bindValue(15, QStringLiteral("No"));
            if (!insert.exec())
                std::fprintf(stderr, "%s\n", qPrintable(insert.lastError().text()));
            ++rows;
        }
        db.commit();
    });
    std::printf("%.6f\nrows %lld\n", seconds, rows);
    query.exec(QStringLiteral("drop table ") + kTable);
    return 0;
}

int orchestrate(const QString& self) {
    std::printf("%-8s %-10s %10s %12s %12s %8s\n", "lines", "run", "seconds", "lines/s", "peak MiB",
                "ratio");
    for (const int lines : {3000, 30000}) {
        const QString folder =
            bench::demoFolder(QStringLiteral("import-%1").arg(lines),
                              {QStringLiteral("--list-lines"), QString::number(lines)});
        const bench::ChildRun baseline =
            bench::runChild(self, {QStringLiteral("--child-baseline"), folder});
        const bench::ChildRun import =
            bench::runChild(self, {QStringLiteral("--child-import"), folder});
        for (const auto& [name, run] :
             {std::pair{"baseline", baseline}, std::pair{"import", import}}) {
            std::printf("%-8d %-10s %10.3f %12.0f %12.1f %8.2f\n", lines, name, run.seconds,
                        run.seconds > 0 ? (lines + 2) / run.seconds : 0.0, run.peakKiB / 1024.0,
                        baseline.seconds > 0 ? run.seconds / baseline.seconds : 0.0);
        }
    }
    const QString folder = bench::demoFolder(QStringLiteral("import-3000"), {});
    const QString csv = QDir(bench::cacheFolder()).filePath(QStringLiteral("session.csv"));
    double best = 1e9;
    long peak = 0;
    for (int i = 0; i < 3; ++i) {
        bench::ChildRun run;
        const double seconds = bench::wallSeconds([&] {
            run = bench::runChild(QStringLiteral(QUORVIAL_BINARY),
                                  {QStringLiteral("--headless"), QStringLiteral("--list"),
                                   bench::listFileIn(folder), QStringLiteral("--csv"), csv},
                                  {QStringLiteral("KORVELLA_MACHINE_DIR=") + folder});
        });
        best = std::min(best, seconds);
        peak = std::max(peak, run.peakKiB);
    }
    std::printf("whole headless session, 3000 lines (best of 3): %.3f s, peak %.1f MiB\n", best,
                peak / 1024.0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QStringLiteral("--child-import"))
        return childImport(arguments[2]);
    if (arguments.size() == 3 && arguments[1] == QStringLiteral("--child-baseline"))
        return childBaseline(arguments[2]);
    return orchestrate(QCoreApplication::applicationFilePath());
}
