// Builds the demo pharmacy: the database file, a synthetic official list and the alias file
// that points the program at the database.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

#include "framework/db/AliasStore.h"
#include "framework/util/Errors.h"
#include "tools/DemoCatalog.h"
#include "tools/DemoDatabase.h"
#include "tools/DemoOptions.h"
#include "tools/EsvacListWriter.h"
#include "tools/MovementGenerator.h"

namespace {

void removeDatabaseFiles(const QString& filePath) {
    for (const QLatin1String suffix : {QLatin1String(""), QLatin1String("-journal"),
                                       QLatin1String("-wal"), QLatin1String("-shm")})
        QFile::remove(filePath + suffix);
}

demo::MovementCounts writeDatabase(const QString& filePath, const demo::DemoOptions& options,
                                   const demo::DemoCatalog& catalog, demo::DemoRandom& random) {
    removeDatabaseFiles(filePath);
    if (QFile::exists(filePath))
        throw fw::Error(QStringLiteral("No se ha podido sustituir el fichero %1.").arg(filePath));
    try {
        demo::DemoDatabase database(filePath);
        for (const demo::DemoArticle& article : catalog.articles())
            database.insertArticle(article);
        const demo::MovementCounts counts =
            demo::MovementGenerator(options, catalog, random).writeTo(database);
        database.finish();
        return counts;
    } catch (const fw::Error& error) {
        removeDatabaseFiles(filePath);
        throw fw::Error(QStringLiteral("No se ha podido crear la base de datos %1: %2")
                            .arg(filePath, error.message()));
    }
}

void writeAliases(const QString& filePath, const QString& databasePath) {
    fw::db::AliasStore aliases;
    aliases.put({QStringLiteral("RERARAZ"),
                 {QStringLiteral("TYPE=SQLITE"), QStringLiteral("DATABASE NAME=") + databasePath}});
    if (!aliases.save(filePath))
        throw fw::Error(QStringLiteral("No se ha podido escribir el fichero %1.").arg(filePath));
}

void print(FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    try {
        const demo::DemoOptions options =
            demo::DemoOptions::parse(QCoreApplication::arguments().mid(1));
        QElapsedTimer timer;
        timer.start();

        const QDir folder(QDir(options.outputFolder).absolutePath());
        if (!folder.mkpath(QStringLiteral(".")))
            throw fw::Error(
                QStringLiteral("No se ha podido crear la carpeta %1.").arg(folder.path()));

        demo::DemoRandom random(options.seed);
        const demo::DemoCatalog catalog(options, random);
        const QString databasePath = folder.absoluteFilePath(QStringLiteral("Korvella.db"));
        const demo::MovementCounts counts = writeDatabase(databasePath, options, catalog, random);
        demo::EsvacListWriter::write(folder.absoluteFilePath(demo::EsvacListWriter::fileName()),
                                     demo::EsvacListWriter::text(catalog.products(), options.year,
                                                                 options.listLines, random));
        writeAliases(folder.absoluteFilePath(QStringLiteral("aliases.conf")), databasePath);

        print(stdout,
              QStringLiteral("Demo creada en %1: %2 artículos, %3 ventas con %4 líneas, %5 "
                             "recepciones con %6 líneas, lista de %7 productos (%8 distintos); "
                             "%9 s")
                  .arg(folder.path())
                  .arg(catalog.articles().size())
                  .arg(counts.sales)
                  .arg(counts.saleLines)
                  .arg(counts.receipts)
                  .arg(counts.receiptLines)
                  .arg(catalog.products().empty() ? 0 : options.listLines)
                  .arg(catalog.products().size())
                  .arg(QString::number(double(timer.elapsed()) / 1000, 'f', 1)
                           .replace(QLatin1Char('.'), QLatin1Char(','))));
        return 0;
    } catch (const fw::Error& error) {
        print(stderr, error.message());
        return 1;
    }
}
