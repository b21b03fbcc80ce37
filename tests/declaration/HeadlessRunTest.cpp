#include <gtest/gtest.h>

#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include "tests/support/PharmacyFixture.h"
#include "tests/support/TestEnvironment.h"

namespace {

const QString kTitles = QStringLiteral(
    "$TITCOL=COD;FEC;DECLAR;NUMDEF;NOMBRE;LABORATORIO;CODNAL;FORFAR;AFORFAR;DISPOSITIVO;CONTENIDO;"
    "MATERIAL;DOSIS;UNIDAD;ATC");

struct ProgramRun {
    int exitCode = -1;
    QString errors;
};

ProgramRun runProgram(const QStringList& arguments,
                      const QString& program = QStringLiteral(QUORVIAL_BINARY)) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.start();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

class Headless : public ::testing::Test {
protected:
    void SetUp() override {
        pharmacy.addArticle(QStringLiteral("578001"), QStringLiteral("CLAMOXYL 250"));
        pharmacy.addSale(QStringLiteral("578001"), QDateTime(QDate(2025, 6, 1), QTime(10, 0)),
                         1234);
        listFile = pharmacy.writeListFile(
            QStringLiteral("lista.csv"),
            {QStringLiteral("$ANYO=2025"), kTitles,
             QStringLiteral("1;2025;S;1 ESP;CLAMOXYL 250 INY;LAB;578001;Susp;SUS;Vial;100 "
                            "ml;Vidrio;250;mg;QJ01CA04"),
             QStringLiteral("2;2025;S;2 ESP;ZACTRAN \"150\";LAB;578009;Sol;SOL;Vial;50 "
                            "ml;Vidrio;150;mg;QJ01FA")});
        csv = QDir(pharmacy.folder()).filePath(QStringLiteral("salida.csv"));
    }

    test::PharmacyFixture pharmacy;
    QString listFile;
    QString csv;
};

}  // namespace

TEST_F(Headless, WritesTheDeclarationRowsAndDropsItsWorkObjects) {
    const ProgramRun run = runProgram({QStringLiteral("--headless"), QStringLiteral("--list"),
                                       listFile, QStringLiteral("--csv"), csv});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QStringList lines = readText(csv).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4) << readText(csv).toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Código;Periodo;Declaración;Num. Def.;Desc. "
                                       "Korvella;Descripción;Cod. Nacional;Forma Farmac.;"
                                       "Entradas;Salidas;En Almacén;A. Forma "
                                       "Farmac.;Laboratorio;Dispositivo;Contenido;Material;Dosis;"
                                       "Unidad;ATC"));
    EXPECT_EQ(
        lines[1],
        QStringLiteral("1;2025;S;1 ESP;CLAMOXYL 250;CLAMOXYL 250 INY;578001;Susp;;1.234;Sí;SUS;LAB;"
                       "Vial;100 ml;Vidrio;250;mg;QJ01CA04"));
    EXPECT_EQ(
        lines[2],
        QStringLiteral("2;2025;S;2 ESP;;\"ZACTRAN \"\"150\"\"\";578009;Sol;;;No;SOL;LAB;Vial;50 ml;"
                       "Vidrio;150;mg;QJ01FA"));
    EXPECT_EQ(lines[3], QString());
    EXPECT_TRUE(pharmacy.workObjectNames().isEmpty());
}

TEST_F(Headless, StartFailuresEndWithANonZeroStatusAndTheirMessageOnStandardError) {
    struct Case {
        const char* name;
        QStringList arguments;
        int exitCode;
        QString message;
    };
    const QString yearList = pharmacy.writeListFile(QStringLiteral("sinanyo.csv"), {kTitles});
    const Case cases[] = {
        {"no list",
         {QStringLiteral("--headless")},
         1,
         QStringLiteral("Información: No se han encontrado los ficheros csv con las listas de "
                        "Antibióticos Veterinarios.\n")},
        {"no year",
         {QStringLiteral("--headless"), QStringLiteral("--list"), yearList},
         1,
         QStringLiteral("Información: No se ha encontrado en el fichero, el parámetro que indica "
                        "el Año del Informe,\n")},
        {"csv folder missing",
         {QStringLiteral("--headless"), QStringLiteral("--list"), listFile, QStringLiteral("--csv"),
          QStringLiteral("/no/existe/salida.csv")},
         3,
         QStringLiteral("Error: No se puede crear el fichero")},
        {"unknown option",
         {QStringLiteral("--headles")},
         2,
         QStringLiteral("Opción desconocida: --headles")},
    };
    for (const Case& c : cases) {
        const ProgramRun run = runProgram(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains(c.message)) << c.name << "\n" << run.errors.toStdString();
        EXPECT_TRUE(pharmacy.workObjectNames().isEmpty()) << c.name;
    }
}

TEST_F(Headless, TheStandardListNextToTheProgramWinsOverTheGivenLists) {
    const QString folder = test::TestEnvironment::instance().makeFolder(QStringLiteral("bin"));
    const QString program = QDir(folder).filePath(QStringLiteral("quorvial"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVIAL_BINARY), program));
    pharmacy.writeListFile(QStringLiteral("../bin/Listado_Antibioticos_Veterinarios_ESVAC.csv"),
                           {QStringLiteral("$ANYO=2024"), kTitles,
                            QStringLiteral("9;2024;S;9 ESP;ESTANDAR;LAB;578001;F;A;D;C;M;1;mg;Q")});
    const ProgramRun run = runProgram({QStringLiteral("--headless"), QStringLiteral("--list"),
                                       listFile, QStringLiteral("--csv"), csv},
                                      program);
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QStringList lines = readText(csv).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("9;2024;S;9 ESP;CLAMOXYL 250;ESTANDAR;")))
        << lines[1].toStdString();
}

TEST_F(Headless, FilterOptionsTickTheBoxesAndTheShownRowsBecomeAnArticleList) {
    const ProgramRun run =
        runProgram({QStringLiteral("--headless"), QStringLiteral("--list"), listFile,
                    QStringLiteral("--en-almacen"), QStringLiteral("--crear-lista"),
                    QStringLiteral("Antibióticos 2025"), QStringLiteral("--csv"), csv});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QStringList lines = readText(csv).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3) << readText(csv).toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("1;2025;"))) << lines[1].toStdString();
    EXPECT_TRUE(run.errors.contains(
        QStringLiteral("Información: Se ha creado una nueva lista llamada \"Antibióticos 2025\"")))
        << run.errors.toStdString();
    EXPECT_EQ(pharmacy
                  .scalar(QStringLiteral(
                      "select NumElem from ListaArticu where Descripcion = 'Antibióticos 2025'"))
                  .toInt(),
              1);
    EXPECT_EQ(
        pharmacy.scalar(QStringLiteral("select XItem_IdArticu from ItemListaArticu")).toString(),
        QStringLiteral("578001"));
    EXPECT_TRUE(pharmacy.workObjectNames().isEmpty());
}
