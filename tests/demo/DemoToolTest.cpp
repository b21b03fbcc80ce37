#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "framework/db/AliasStore.h"
#include "tests/demo/DemoRun.h"
#include "tests/demo/SmallDemo.h"
#include "tests/support/TestEnvironment.h"

namespace test {
namespace {

QString folderNamed(const QString& name) {
    return TestEnvironment::instance().makeFolder(name);
}

TEST(DemoTool, GivesByteIdenticalFilesForTheSameSeedAndOverwritesAnEarlierDemo) {
    const QString first = folderNamed(QStringLiteral("seed-a"));
    const QString second = folderNamed(QStringLiteral("seed-b"));
    ASSERT_EQ(DemoRun::small(first, {QStringLiteral("--seed"), QStringLiteral("7")}).exitCode, 0);
    ASSERT_EQ(DemoRun::small(second, {QStringLiteral("--seed"), QStringLiteral("8")}).exitCode, 0);
    EXPECT_NE(readFile(SmallDemo::listPath(first)), readFile(SmallDemo::listPath(second)));

    ASSERT_EQ(DemoRun::small(second, {QStringLiteral("--seed"), QStringLiteral("7")}).exitCode, 0);
    const QByteArray database = readFile(SmallDemo::databasePath(first));
    ASSERT_FALSE(database.isEmpty());
    EXPECT_TRUE(database == readFile(SmallDemo::databasePath(second)));
    EXPECT_EQ(readFile(SmallDemo::listPath(first)), readFile(SmallDemo::listPath(second)));
    EXPECT_FALSE(QFile::exists(SmallDemo::databasePath(second) + QStringLiteral("-journal")));
}

TEST(DemoTool, WritesTheAliasFileAndASummaryLine) {
    const QString folder = folderNamed(QStringLiteral("aliases"));
    const DemoRun run = DemoRun::small(folder);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
    EXPECT_TRUE(run.standardError.isEmpty());
    EXPECT_EQ(run.standardOutput.count('\n'), 1);
    EXPECT_TRUE(run.standardOutput.endsWith('\n'));
    EXPECT_TRUE(run.standardOutput.contains("300 artículos")) << run.standardOutput.toStdString();

    const QString aliasFile = QDir(folder).filePath(QStringLiteral("aliases.conf"));
    const QString databasePath = QDir(folder).absoluteFilePath(QStringLiteral("Korvella.db"));
    EXPECT_EQ(QString::fromUtf8(readFile(aliasFile)),
              QStringLiteral("[RERARAZ]\nTYPE=SQLITE\nDATABASE NAME=") + databasePath +
                  QLatin1Char('\n'));
    const auto alias = fw::db::AliasStore::load(aliasFile).find(QStringLiteral("RERARAZ"));
    ASSERT_TRUE(alias.has_value());
    EXPECT_EQ(alias->driver(), QStringLiteral("SQLITE"));
    EXPECT_EQ(alias->parameter(QStringLiteral("DATABASE NAME")), databasePath);
}

struct BadOptions {
    const char* name;
    std::vector<const char*> arguments;
    const char* message;
};

void PrintTo(const BadOptions& options, std::ostream* out) {
    *out << options.name;
}

class DemoToolOptions : public ::testing::TestWithParam<BadOptions> {};

TEST_P(DemoToolOptions, AreRefusedWithASpanishMessage) {
    const QString folder = folderNamed(QStringLiteral("refused"));
    QStringList arguments{QStringLiteral("--out"), folder};
    for (const char* argument : GetParam().arguments)
        arguments << QString::fromUtf8(argument);
    const DemoRun run = DemoRun::start(arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.standardOutput.isEmpty());
    EXPECT_TRUE(run.standardError.contains(GetParam().message)) << run.standardError.toStdString();
    EXPECT_TRUE(run.standardError.contains("Uso: make_demo_db"));
    EXPECT_FALSE(QFile::exists(SmallDemo::databasePath(folder)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DemoToolOptions,
    ::testing::Values(
        BadOptions{"UnknownOption", {"--bogus", "1"}, "Opción desconocida: --bogus"},
        BadOptions{"MissingValue", {"--articles"}, "Falta el valor de la opción --articles."},
        BadOptions{"NotANumber", {"--articles", "muchos"}, "Valor no válido para --articles"},
        BadOptions{"NoYears", {"--years", "0"}, "Valor no válido para --years: '0'"},
        BadOptions{
            "YearBeforeTheDeclaration", {"--year=2013"}, "Valor no válido para --year: '2013'"},
        BadOptions{"NegativeSeed", {"--seed", "-1"}, "Valor no válido para --seed"},
        BadOptions{"EmptyFolder", {"--out", ""}, "La carpeta de salida no puede estar vacía."}),
    [](const ::testing::TestParamInfo<BadOptions>& info) { return std::string(info.param.name); });

TEST(DemoTool, FailsWhenTheFolderCannotBeMade) {
    const QString blocker =
        QDir(folderNamed(QStringLiteral("blocked"))).filePath(QStringLiteral("file"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const DemoRun run = DemoRun::small(QDir(blocker).filePath(QStringLiteral("demo")));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.standardError.contains("No se ha podido crear la carpeta"))
        << run.standardError.toStdString();
}

}  // namespace
}  // namespace test
