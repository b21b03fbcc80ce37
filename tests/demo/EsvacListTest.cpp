#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include "framework/util/Windows1252.h"
#include "tests/demo/DemoDatabaseFile.h"
#include "tests/demo/DemoRun.h"
#include "tests/demo/SmallDemo.h"
#include "tests/support/TestEnvironment.h"

namespace test {
namespace {

const QString kTitleLine = QStringLiteral(
    "$TITCOL=COD;FEC;DECLAR;NUMDEF;NOMBRE;LABORATORIO;CODNAL;FORFAR;AFORFAR;DISPOSITIVO;"
    "CONTENIDO;MATERIAL;DOSIS;UNIDAD;ATC");

enum Field { Cod, Fec, Declar, NumDef, Nombre, Laboratorio, CodNal, Contenido = 10, Atc = 14 };

using EsvacList = SmallDemo;

TEST_F(EsvacList, IsWindows1252WithCrLfAYearLineAndATitleLine) {
    const QByteArray bytes = readFile(listPath());
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
    // Single bytes of the code page, not UTF-8: Ó, ñ and µ.
    for (const char byte : {'\xD3', '\xF1', '\xB5'})
        EXPECT_TRUE(bytes.contains(byte)) << int(static_cast<unsigned char>(byte));
    EXPECT_FALSE(bytes.contains("\xC3\x93"));

    const QString text = fw::util::Windows1252::decode(bytes);
    EXPECT_EQ(fw::util::Windows1252::encode(text), bytes);
    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), DemoRun::kListLines + 2);
    EXPECT_EQ(lines[0], QStringLiteral("$ANYO=%1").arg(DemoRun::kYear));
    EXPECT_EQ(lines[1], kTitleLine);
}

TEST_F(EsvacList, GivesEveryProductFifteenPlausibleFields) {
    static const QRegularExpression sixDigits(QStringLiteral("^[0-9]{6}$"));
    QSet<QString> cods;
    bool apostrophe = false;
    bool overLongContent = false;
    for (const QStringList& fields : listProducts()) {
        ASSERT_EQ(fields.size(), 15) << fields.join(u';').toStdString();
        EXPECT_TRUE(sixDigits.match(fields[Cod]).hasMatch()) << fields[Cod].toStdString();
        EXPECT_TRUE(sixDigits.match(fields[CodNal]).hasMatch()) << fields[CodNal].toStdString();
        EXPECT_EQ(fields[Fec], QString::number(DemoRun::kYear));
        EXPECT_TRUE(fields[Atc].startsWith(u'Q')) << fields[Atc].toStdString();
        EXPECT_FALSE(fields[Nombre].trimmed().isEmpty());
        EXPECT_LE(fields[Nombre].size(), 70);
        for (const QString& field : fields)
            EXPECT_FALSE(field.isEmpty());
        cods.insert(fields[Cod]);
        apostrophe =
            apostrophe || fields[Nombre].contains(u'\'') || fields[Laboratorio].contains(u'\'');
        overLongContent = overLongContent || fields[Contenido].size() > 35;
    }
    EXPECT_EQ(cods.size(), DemoRun::kListLines);
    EXPECT_TRUE(apostrophe);
    EXPECT_TRUE(overLongContent);
}

// The shares the list is built with, judged by the program's own rule.
struct ShareCase {
    int articles;
    int listLines;
};

void PrintTo(const ShareCase& c, std::ostream* out) {
    *out << c.articles << " articles, " << c.listLines << " list lines";
}

class EsvacListShares : public ::testing::TestWithParam<ShareCase> {};

TEST_P(EsvacListShares, MatchTheArticlesAsAsked) {
    const ShareCase& c = GetParam();
    const QString folder = TestEnvironment::instance().makeFolder(QStringLiteral("shares"));
    const DemoRun run = DemoRun::start(
        {QStringLiteral("--out"), folder, QStringLiteral("--articles"), QString::number(c.articles),
         QStringLiteral("--list-lines"), QString::number(c.listLines),
         QStringLiteral("--sale-lines-per-year"), QStringLiteral("50"),
         QStringLiteral("--receipt-lines-per-year"), QStringLiteral("50")});
    ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();

    const DemoDatabaseFile database(QDir(folder).filePath(QStringLiteral("Korvella.db")));
    ASSERT_TRUE(database.isOpen());
    const QList<QStringList> products = SmallDemo::listProducts(SmallDemo::listPath(folder));
    ASSERT_EQ(products.size(), c.listLines);

    int similar = 0;
    int different = 0;
    int notHeld = 0;
    QSet<QString> cods;
    QSet<QString> codes;
    for (const QStringList& fields : products) {
        cods.insert(fields[Cod]);
        codes.insert(fields[CodNal]);
        const QVariant description =
            database.value(QStringLiteral("SELECT Descripcion FROM Articu WHERE IdArticu = '%1'")
                               .arg(fields[CodNal]));
        if (description.isNull()) {
            ++notHeld;
            continue;
        }
        const QString& nombre = fields[Nombre];
        const QString firstWord = nombre.left(nombre.indexOf(u' '));
        const bool resembles =
            !firstWord.isEmpty() && description.toString().contains(firstWord, Qt::CaseSensitive);
        ++(resembles ? similar : different);
    }
    const double lines = c.listLines;
    EXPECT_NEAR(similar / lines, 0.55, 0.05);
    EXPECT_NEAR(different / lines, 0.15, 0.05);
    EXPECT_NEAR(notHeld / lines, 0.30, 0.05);
    EXPECT_EQ(cods.size(), c.listLines);
    // A list longer than the products the articles leave room for repeats products.
    if (c.listLines > c.articles) {
        EXPECT_LT(codes.size(), c.listLines);
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, EsvacListShares,
                         ::testing::Values(ShareCase{300, 200}, ShareCase{300, 1000},
                                           ShareCase{6000, 1200}),
                         [](const ::testing::TestParamInfo<ShareCase>& info) {
                             return "Articles" + std::to_string(info.param.articles) + "Lines" +
                                    std::to_string(info.param.listLines);
                         });

}  // namespace
}  // namespace test
