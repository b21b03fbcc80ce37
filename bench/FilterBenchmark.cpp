// Reopening the declaration query with each filter combination over 2,000,000 sale lines, beside
// the same statement run directly through the database driver, and creating an article list of
// 3,000 rows.

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>

#include "bench/BenchSupport.h"
#include "declaration/ArticleLists.h"
#include "declaration/DeclarationSession.h"
#include "framework/db/SpanishCollation.h"
#include "framework/forms/MessageResponder.h"
#include "framework/forms/RecordingResponder.h"

using namespace quorvial;

namespace {

double bestOf(int rounds, const std::function<void()>& work) {
    double best = 1e9;
    for (int i = 0; i < rounds; ++i)
        best = std::min(best, bench::wallSeconds(work));
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString folder = bench::largeDemoFolder();
    bench::connectDemo(folder);
    fw::forms::SetMessageResponder(std::make_unique<fw::forms::RecordingResponder>());

    DeclarationSession session(2);
    session.importer().CreateWorkTable();
    session.importer().ImportListFile(bench::listFileIn(folder));
    session.CreateDeclarationView();

    QSqlDatabase direct =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("direct"));
    direct.setDatabaseName(QDir(folder).filePath(QStringLiteral("Korvella.db")));
    direct.open();
    fw::db::SpanishCollation::install(direct);

    struct Combination {
        const char* name;
        bool movement, inStock, similar;
    };
    const Combination combinations[] = {
        {"none", false, false, false},    {"movement", true, false, false},
        {"in stock", false, true, false}, {"movement + in stock", true, true, false},
        {"similar", false, false, true},  {"movement + similar", true, false, true},
    };
    std::printf("%-22s %8s %10s %10s %7s\n", "filters", "rows", "reopen s", "direct s", "ratio");
    for (const Combination& c : combinations) {
        if (session.filters().withMovement != c.movement)
            session.ChbConMovimientoClick(c.movement);
        if (session.filters().inStock != c.inStock)
            session.ChbEnAlmacenClick(c.inStock);
        if (session.filters().inStockSimilar != c.similar)
            session.ChbEnAlmacenDescClick(c.similar);
        const double reopen = bestOf(3, [&] { session.OpenDeclarationQuery(); });
        const QString text = session.query().sqlText();
        long long rows = 0;
        const double directRun = bestOf(3, [&] {
            QSqlQuery query(direct);
            query.setForwardOnly(true);
            query.exec(text);
            rows = 0;
            const int columns = query.record().count();
            while (query.next()) {
                for (int i = 0; i < columns; ++i)
                    query.value(i);
                ++rows;
            }
        });
        std::printf("%-22s %8lld %10.3f %10.3f %7.2f\n", c.name, rows, reopen, directRun,
                    reopen / directRun);
    }

    session.ChbConMovimientoClick(false);
    session.ChbEnAlmacenClick(false);
    session.ChbEnAlmacenDescClick(false);
    const qsizetype rows = session.query().dataset().recordCount();
    const double seconds = bench::wallSeconds(
        [&] { ArticleLists::CreateArticleList(QStringLiteral("Bench"), session.query()); });
    std::printf("article list of %lld rows: %.3f s, %.0f statements/s\n",
                static_cast<long long>(rows), seconds, (rows + 8) / seconds);
    ArticleLists::DeleteArticleList(QStringLiteral("Bench"));
    session.close();
    direct.close();
    return 0;
}
