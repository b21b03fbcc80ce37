#include <gtest/gtest.h>

#include "tests/support/QtPrinters.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "declaration/ArticleLists.h"
#include "declaration/DeclarationSession.h"
#include "declaration/TFrQuorvial.h"

#include <QAbstractItemModel>
#include <QTableView>
#include "framework/db/Connections.h"
#include "framework/db/DatabaseSession.h"
#include "framework/forms/RecordingResponder.h"
#include "framework/util/Errors.h"
#include "tests/support/PharmacyFixture.h"
#include "tests/support/TestEnvironment.h"

using namespace quorvial;
using fw::forms::MessageRequest;

namespace {

const QString kTitles = QStringLiteral(
    "$TITCOL=COD;FEC;DECLAR;NUMDEF;NOMBRE;LABORATORIO;CODNAL;FORFAR;AFORFAR;DISPOSITIVO;CONTENIDO;"
    "MATERIAL;DOSIS;UNIDAD;ATC");

QString product(const QString& cod, const QString& name, const QString& nationalCode) {
    return QStringList{cod,
                       QStringLiteral("2025"),
                       QStringLiteral("S"),
                       QStringLiteral("1234 ESP"),
                       name,
                       QStringLiteral("LABORATORIOS OVEJERO"),
                       nationalCode,
                       QStringLiteral("Comprimido"),
                       QStringLiteral("COMP"),
                       QStringLiteral("Blíster"),
                       QStringLiteral("20 comprimidos"),
                       QStringLiteral("PVC"),
                       QStringLiteral("50"),
                       QStringLiteral("mg"),
                       QStringLiteral("QJ01CA04")}
        .join(QLatin1Char(';'));
}

QDateTime at(int year, int month, int day, int hour = 10, int minute = 0, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

class Session : public ::testing::Test {
protected:
    void SetUp() override {
        auto responder = std::make_unique<fw::forms::RecordingResponder>();
        messages = responder.get();
        fw::forms::SetMessageResponder(std::move(responder));
    }
    void TearDown() override {
        fw::forms::SetMessageResponder(nullptr);
        fw::db::CloseAllDatabases();
    }

    // A session whose file dialog answers the given files.
    std::unique_ptr<DeclarationSession> makeSession(const QStringList& files) {
        auto session = std::make_unique<DeclarationSession>(4242);
        session->setProgramFolder(
            test::TestEnvironment::instance().makeFolder(QStringLiteral("program")));
        session->setListFileChooser([files] { return files; });
        return session;
    }

    QString list(const QString& name, const QStringList& lines) {
        return pharmacy.writeListFile(name, lines);
    }

    QStringList texts() const {
        QStringList all;
        for (const MessageRequest& request : messages->requests)
            all << request.title + QStringLiteral(": ") + request.text;
        return all;
    }

    // The values of one column of the session's rows, in their order.
    static QStringList rows(DeclarationSession& session, const char* field) {
        QStringList values;
        auto& data = session.query().dataset();
        for (qsizetype row = 0; row < data.recordCount(); ++row)
            values << data.valueAt(row, data.fieldIndex(QString::fromLatin1(field))).toString();
        return values;
    }

    test::PharmacyFixture pharmacy;
    fw::forms::RecordingResponder* messages = nullptr;
};

const QChar CR = QChar(13);

}  // namespace

TEST_F(Session, ImportsJoinsAndDropsItsWorkObjectsOnClose) {
    pharmacy.addArticle(QStringLiteral("578001"),
                        QStringLiteral("CLAMOXYL 250 MG SUSP INY 100 ML"));
    pharmacy.addArticle(QStringLiteral("578002"), QStringLiteral("OTRO PRODUCTO DISTINTO"));
    pharmacy.addArticle(QStringLiteral("578004"), QStringLiteral("baytril 50 mg"));
    // Sales: the year's last second counts, the next year's first does not.
    pharmacy.addSale(QStringLiteral("578001"), at(2025, 12, 31, 23, 59, 59), 2);
    pharmacy.addSale(QStringLiteral("578001"), at(2026, 1, 1, 0, 0, 0), 7);
    pharmacy.addSale(QStringLiteral("578001"), at(2025, 1, 1, 0, 0, 0), 1);
    pharmacy.addSale(QStringLiteral("578001"), at(2024, 12, 31, 23, 59, 59), 50);
    pharmacy.addReceipt(QStringLiteral("578001"), at(2025, 3, 1), 1500, 2);
    // Receipts that exactly balance their returns.
    pharmacy.addReceipt(QStringLiteral("578002"), at(2025, 5, 1), 4, 4);

    auto session = makeSession({list(
        QStringLiteral("lista.csv"),
        {QStringLiteral("$ANYO=2025"), kTitles,
         product(QStringLiteral("000001"), QStringLiteral("CLAMOXYL 250 MG/ML"),
                 QStringLiteral("578001")),
         product(QStringLiteral("000002"), QStringLiteral("AMOXIVET 500"),
                 QStringLiteral("578002")),
         product(QStringLiteral("000003"), QStringLiteral("ZACTRAN 150"), QStringLiteral("578003")),
         product(QStringLiteral("000004"), QStringLiteral("BAYTRIL 50"), QStringLiteral("578004")),
         QString()})});
    ASSERT_TRUE(session->start()) << texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(texts().isEmpty()) << texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(session->caption(), QStringLiteral("Declaración 2025 de Antibióticos Veterinarios"));
    EXPECT_EQ(session->year(), 2025);
    EXPECT_EQ(pharmacy.workObjectNames().size(), 3);  // table, its cutting trigger, view

    EXPECT_EQ(rows(*session, "Nombre"),
              (QStringList{QStringLiteral("AMOXIVET 500"), QStringLiteral("BAYTRIL 50"),
                           QStringLiteral("CLAMOXYL 250 MG/ML"), QStringLiteral("ZACTRAN 150")}));
    EXPECT_EQ(rows(*session, "EnAlmacen"),
              (QStringList{QStringLiteral("Sí"), QStringLiteral("Sí"), QStringLiteral("Sí"),
                           QStringLiteral("No")}));
    // The first word is searched case-sensitively.
    EXPECT_EQ(rows(*session, "MatchKorvella"),
              (QStringList{QStringLiteral("No"), QStringLiteral("No"), QStringLiteral("Sí"),
                           QStringLiteral("No")}));
    EXPECT_EQ(rows(*session, "DescKorvella")[3], QString());
    EXPECT_EQ(rows(*session, "Salidas"),
              (QStringList{QString(), QString(), QStringLiteral("3"), QString()}));
    EXPECT_EQ(rows(*session, "Entradas"),
              (QStringList{QStringLiteral("0"), QString(), QStringLiteral("1498"), QString()}));

    const auto& data = session->query().dataset();
    const int entradas = data.fieldIndex(QStringLiteral("Entradas"));
    EXPECT_EQ(data.fields()[entradas].displayText(data.valueAt(2, entradas)),
              QStringLiteral("1.498"));

    session->close();
    EXPECT_TRUE(pharmacy.workObjectNames().isEmpty());
}

TEST_F(Session, StartFailuresShowTheirMessageAndLeaveNoWorkObjects) {
    const QString yearMessage = QStringLiteral(
                                    "Información: No se ha encontrado en el fichero, el parámetro "
                                    "que indica el Año del Informe,") +
                                CR + QStringLiteral("o el Año indicado no es válido.") + CR + CR +
                                QStringLiteral("El programa se cerrará.");
    const QString noFiles =
        QStringLiteral(
            "Información: No se han encontrado los ficheros csv con las listas de Antibióticos "
            "Veterinarios.") +
        CR +
        QStringLiteral("No se puede ejecutar la utilidad de Visualización de estos productos.") +
        CR + CR + QStringLiteral("El programa se cerrará.");
    struct Case {
        const char* name;
        QStringList files;
        QString lastMessage;
        QString caption;
    };
    const QString caption2014 = QStringLiteral("Declaración 2014 de Antibióticos Veterinarios");
    const Case cases[] = {
        {"no file picked", {}, noFiles, caption2014},
        {"empty file", {list(QStringLiteral("vacia.csv"), {})}, yearMessage, caption2014},
        {"no year line",
         {list(QStringLiteral("sin.csv"),
               {kTitles, product(QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("1"))})},
         yearMessage,
         caption2014},
        {"year 2013",
         {list(QStringLiteral("y2013.csv"), {QStringLiteral("$ANYO=2013")})},
         yearMessage,
         QStringLiteral("Declaración 2013 de Antibióticos Veterinarios")},
        {"padded year",
         {list(QStringLiteral("pad.csv"), {QStringLiteral("$ANYO=2025;;;")})},
         yearMessage,
         QStringLiteral("Declaración 2025;;; de Antibióticos Veterinarios")},
    };
    for (const Case& c : cases) {
        messages->requests.clear();
        auto session = makeSession(c.files);
        EXPECT_FALSE(session->start()) << c.name;
        EXPECT_EQ(session->state(), DeclarationSession::State::Ending) << c.name;
        ASSERT_FALSE(texts().isEmpty()) << c.name;
        EXPECT_EQ(texts().last(), c.lastMessage) << c.name;
        EXPECT_EQ(session->caption(), c.caption) << c.name;
        EXPECT_TRUE(pharmacy.workObjectNames().isEmpty()) << c.name;
        EXPECT_TRUE(fw::db::DatabaseSession::instance().databaseNames().isEmpty()) << c.name;
    }
}

TEST_F(Session, AFileThatFailsIsRolledBackWholeAndTheNextFileStillLoads) {
    const QString good =
        list(QStringLiteral("buena.csv"),
             {QStringLiteral("$ANYO=2025"), kTitles,
              product(QStringLiteral("1"), QStringLiteral("UNO"), QStringLiteral("578001"))});
    struct Case {
        const char* name;
        QStringList lines;
        QString error;  // the end of the warning's text
    };
    const Case cases[] = {
        {"one field",
         {kTitles, product(QStringLiteral("2"), QStringLiteral("DOS"), QStringLiteral("2")),
          QStringLiteral("sin separadores")},
         QStringLiteral("(Campos = 1: \"sin separadores\")")},
        {"last field empty",
         {kTitles, product(QStringLiteral("2"), QStringLiteral("DOS"), QStringLiteral("2")),
          product(QStringLiteral("3"), QStringLiteral("TRES"), QStringLiteral("3"))
                  .section(QLatin1Char(';'), 0, 13) +
              QLatin1Char(';')},
         QString()},
    };
    for (const Case& c : cases) {
        messages->requests.clear();
        const QString bad = list(QStringLiteral("mala.csv"), c.lines);
        auto session = makeSession({good, bad, QStringLiteral("/no/existe/otra.csv")});
        ASSERT_TRUE(session->start()) << c.name;
        EXPECT_EQ(rows(*session, "Nombre"), QStringList{QStringLiteral("UNO")}) << c.name;
        QStringList warnings;
        for (const MessageRequest& request : messages->requests) {
            if (request.title == QStringLiteral("Atención"))
                warnings << request.text;
        }
        ASSERT_EQ(warnings.size(), 2) << c.name;
        EXPECT_TRUE(warnings[0].startsWith(
            QStringLiteral("No ha sido posible realizar la importación desde el fichero") + CR +
            QStringLiteral("'mala.csv'") + CR + CR))
            << c.name << warnings[0].toStdString();
        EXPECT_TRUE(warnings[0].endsWith(c.error)) << c.name << warnings[0].toStdString();
        EXPECT_TRUE(warnings[1].contains(QStringLiteral("'otra.csv'"))) << c.name;
        session->close();
    }
}

TEST_F(Session, StoresHostileAndOverlongFieldsIntactOrCutToTheirWidth) {
    const QString hostile = QStringLiteral("L'ÓVULO \"FORTE\" ') DELETE FROM Articu --");
    const QString longName = QString(100000 - 80, QLatin1Char('N'));
    pharmacy.addArticle(QStringLiteral("578001"), QStringLiteral("ARTICULO"));
    auto session = makeSession(
        {list(QStringLiteral("rara.csv"),
              {QStringLiteral("$ANYO=2025"), kTitles,
               product(QStringLiteral("1"), hostile, QStringLiteral("578001")),
               product(QStringLiteral("2"), longName, QStringLiteral("X' OR '1'='1"))})});
    ASSERT_TRUE(session->start()) << texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(rows(*session, "Nombre"), (QStringList{hostile, longName.left(100)}));
    EXPECT_EQ(rows(*session, "CodNal"),
              (QStringList{QStringLiteral("578001"), QStringLiteral("X' OR ")}));
    EXPECT_EQ(pharmacy.scalar(QStringLiteral("select count(*) from Articu")).toInt(), 1);
}

TEST_F(Session, LinesBeforeAnyTitleLineAndTitleLinesWithoutCodesGiveEmptyColumns) {
    pharmacy.addArticle(QStringLiteral("578001"), QStringLiteral("UNO"));
    auto session = makeSession(
        {list(QStringLiteral("titulos.csv"),
              {QStringLiteral("$ANYO=2025"), QStringLiteral("a;b"),
               QStringLiteral("$TITCOL=NOMBRE;FORFAR;OTRA"), QStringLiteral("UNO;Comprimido;x")})});
    ASSERT_TRUE(session->start()) << texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(rows(*session, "Nombre"), (QStringList{QString(), QStringLiteral("UNO")}));
    EXPECT_EQ(rows(*session, "EnAlmacen"),
              (QStringList{QStringLiteral("No"), QStringLiteral("No")}));
    EXPECT_EQ(rows(*session, "MatchKorvella"),
              (QStringList{QStringLiteral("No"), QStringLiteral("No")}));
    QStringList shown;
    for (const DeclarationColumn& column : session->columns().columns())
        shown << column.fieldName;
    EXPECT_EQ(shown, (QStringList{QStringLiteral("DescKorvella"), QStringLiteral("Nombre"),
                                  QStringLiteral("Forfar"), QStringLiteral("Entradas"),
                                  QStringLiteral("Salidas"), QStringLiteral("EnAlmacen")}));
}

TEST_F(Session, AListLockedByAnotherConnectionIsRefusedWholeAndTheNextOneLoads) {
    auto session = makeSession({});
    ASSERT_TRUE(session->ConnectDatabase());
    session->importer().CreateWorkTable();
    const QString first =
        list(QStringLiteral("primera.csv"),
             {QStringLiteral("$ANYO=2025"), kTitles,
              product(QStringLiteral("1"), QStringLiteral("UNO"), QStringLiteral("1")),
              product(QStringLiteral("2"), QStringLiteral("DOS"), QStringLiteral("2"))});
    const QString second =
        list(QStringLiteral("segunda.csv"),
             {product(QStringLiteral("3"), QStringLiteral("TRES"), QStringLiteral("3"))});
    {
        QSqlDatabase other =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(pharmacy.databasePath());
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        session->importer().ImportListFile(first);
        lock.exec(QStringLiteral("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    ASSERT_EQ(messages->requests.size(), 1u);
    EXPECT_EQ(messages->requests[0].title, QStringLiteral("Atención"));
    EXPECT_TRUE(messages->requests[0].text.contains(QStringLiteral("'primera.csv'")));
    session->importer().ImportListFile(second);
    EXPECT_EQ(messages->requests.size(), 1u);
    EXPECT_EQ(
        pharmacy.scalar(QStringLiteral("select group_concat(Nombre) from ") + session->workTable())
            .toString(),
        QStringLiteral("TRES"));
    EXPECT_EQ(session->year(), 2025);  // what the refused file's lines set before the error stays
    session->close();
}

TEST_F(Session, ADatabaseThatDisappearsBetweenFilesEndsTheStartWithItsMessage) {
    auto session = makeSession({});
    ASSERT_TRUE(session->ConnectDatabase());
    session->importer().CreateWorkTable();
    session->importer().ImportListFile(
        list(QStringLiteral("primera.csv"),
             {QStringLiteral("$ANYO=2025"), kTitles,
              product(QStringLiteral("1"), QStringLiteral("UNO"), QStringLiteral("1"))}));
    ASSERT_TRUE(messages->requests.empty());
    ASSERT_TRUE(QFile::remove(pharmacy.databasePath()));
    session->importer().ImportListFile(
        list(QStringLiteral("segunda.csv"),
             {product(QStringLiteral("2"), QStringLiteral("DOS"), QStringLiteral("2"))}));
    ASSERT_EQ(messages->requests.size(), 1u);
    EXPECT_TRUE(messages->requests[0].text.contains(QStringLiteral("ya no está disponible")))
        << messages->requests[0].text.toStdString();
    EXPECT_THROW(session->CreateDeclarationView(), fw::Error);
    session->close();
    EXPECT_FALSE(QFile::exists(pharmacy.databasePath()));
}

TEST_F(Session, TheWindowShowsTheRowsUnderTheListCaptionAt800PixelsWide) {
    pharmacy.addArticle(QStringLiteral("578001"), QStringLiteral("CLAMOXYL 250"));
    TFrQuorvial window;
    window.session().setProgramFolder(
        test::TestEnvironment::instance().makeFolder(QStringLiteral("program")));
    window.setListFiles({list(
        QStringLiteral("ventana.csv"),
        {QStringLiteral("$ANYO=2025"), kTitles,
         product(QStringLiteral("1"), QStringLiteral("CLAMOXYL 250"), QStringLiteral("578001")),
         product(QStringLiteral("2"), QStringLiteral("AMOXIVET"), QStringLiteral("578002"))})});
    ASSERT_TRUE(window.FormShow()) << texts().join(QLatin1Char('\n')).toStdString();
    window.show();
    EXPECT_EQ(window.width(), 800);
    EXPECT_EQ(window.windowTitle(),
              QStringLiteral("Declaración 2025 de Antibióticos Veterinarios"));
    const QAbstractItemModel* model = window.grid()->model();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->columnCount(), 19);
    EXPECT_EQ(model->headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Descripción"));
    EXPECT_EQ(model->index(1, 5).data().toString(), QStringLiteral("CLAMOXYL 250"));
    EXPECT_EQ(model->index(1, 10).data().toString(), QStringLiteral("Sí"));
    window.close();
    EXPECT_TRUE(pharmacy.workObjectNames().isEmpty());
    EXPECT_EQ(fw::db::DatabaseSession::instance().findDatabase(QStringLiteral("RERARAZ")), nullptr);
}

namespace {

class ReadySession : public Session {
protected:
    void SetUp() override {
        Session::SetUp();
        pharmacy.addArticle(QStringLiteral("578001"), QStringLiteral("CLAMOXYL 250"));
        pharmacy.addArticle(QStringLiteral("012345"), QStringLiteral("OTRO"));
        pharmacy.addSale(QStringLiteral("578001"), at(2025, 6, 1), 3);
        session = makeSession({list(
            QStringLiteral("lista.csv"),
            {QStringLiteral("$ANYO=2025"), kTitles,
             product(QStringLiteral("1"), QStringLiteral("CLAMOXYL 250"), QStringLiteral("578001")),
             product(QStringLiteral("2"), QStringLiteral("BAYTRIL"), QStringLiteral("012345")),
             product(QStringLiteral("3"), QStringLiteral("ZACTRAN"), QStringLiteral("578003"))})});
        ASSERT_TRUE(session->start()) << texts().join(QLatin1Char('\n')).toStdString();
        messages->requests.clear();
    }
    void TearDown() override {
        session->close();
        Session::TearDown();
    }
    QStringList items(int list) {
        return pharmacy
            .scalar(QStringLiteral("select group_concat(XItem_IdArticu, ',') from ItemListaArticu "
                                   "where XItem_IdLista = %1")
                        .arg(list))
            .toString()
            .split(QLatin1Char(','), Qt::SkipEmptyParts);
    }
    std::unique_ptr<DeclarationSession> session;
};

}  // namespace

TEST_F(ReadySession, FilterBoxesReopenTheQueryAndTheStockBoxesExcludeEachOther) {
    int reopens = 0;
    QObject::connect(session.get(), &DeclarationSession::queryReopened, [&] { ++reopens; });
    session->ChbConMovimientoClick(true);
    EXPECT_EQ(rows(*session, "CodNal"), QStringList{QStringLiteral("578001")});
    session->ChbConMovimientoClick(false);
    session->ChbEnAlmacenDescClick(true);
    EXPECT_EQ(rows(*session, "CodNal"), QStringList{QStringLiteral("578001")});
    reopens = 0;
    session->ChbEnAlmacenClick(true);
    EXPECT_EQ(reopens, 2);
    EXPECT_FALSE(session->filters().inStockSimilar);
    EXPECT_EQ(
        session->query().SQL(),
        (QStringList{
            QStringLiteral("Select * from ") + session->workView() + QStringLiteral(" where 1 = 1"),
            QStringLiteral("and (EnAlmacen = 'Sí')"), QStringLiteral("order by Nombre, CodNal")}));
    EXPECT_EQ(session->query().OriginalSQL(), session->query().SQL());
    EXPECT_EQ(rows(*session, "CodNal"),
              (QStringList{QStringLiteral("012345"), QStringLiteral("578001")}));
    const auto& data = session->query().dataset();
    EXPECT_EQ(data.fields()[data.fieldIndex(QStringLiteral("Salidas"))].displayFormat,
              QStringLiteral("###,###,##0"));
}

TEST_F(ReadySession, ArticleListsAreNumberedCountedAndReplacedByName) {
    const QString name = QStringLiteral("L'ista ***Antibióticos");
    session->query().dataset().moveTo(1);
    ASSERT_TRUE(ArticleLists::CreateArticleList(name, session->query()));
    EXPECT_EQ(session->query().dataset().recNo(), 1);
    EXPECT_EQ(
        pharmacy
            .scalar(QStringLiteral(
                "select IdLista from ListaArticu where Descripcion = 'L''ista ***Antibióticos'"))
            .toInt(),
        1);
    EXPECT_EQ(pharmacy.scalar(QStringLiteral("select NumElem from ListaArticu where IdLista = 1"))
                  .toInt(),
              3);
    EXPECT_EQ(
        pharmacy.scalar(QStringLiteral("select Contador from Contadores where IdContador = 13"))
            .toInt(),
        1);
    // The leading zero of a national code survives.
    EXPECT_EQ(items(1), (QStringList{QStringLiteral("012345"), QStringLiteral("578001"),
                                     QStringLiteral("578003")}));
    ASSERT_FALSE(messages->requests.empty());
    EXPECT_EQ(messages->requests.back().text,
              QStringLiteral("Se ha creado una nueva lista llamada \"") + name +
                  QStringLiteral("\"") + CR +
                  QStringLiteral("con los Artículos presentes en la Ventana."));

    session->ChbEnAlmacenClick(true);
    ASSERT_TRUE(ArticleLists::CreateArticleList(name, session->query()));
    EXPECT_EQ(pharmacy.scalar(QStringLiteral("select count(*) from ListaArticu")).toInt(), 1);
    EXPECT_EQ(pharmacy.scalar(QStringLiteral("select IdLista from ListaArticu")).toInt(), 1);
    EXPECT_EQ(items(1).size(), 2);
    EXPECT_EQ(pharmacy.scalar(QStringLiteral("select count(*) from ItemListaArticu")).toInt(), 2);

    session->ChbConMovimientoClick(true);
    session->ChbEnAlmacenClick(false);
    pharmacy.exec(QStringLiteral("delete from Lineaventa"));
    session->OpenDeclarationQuery();
    ASSERT_EQ(session->query().dataset().recordCount(), 0);
    ASSERT_TRUE(ArticleLists::CreateArticleList(QStringLiteral("vacía"), session->query()));
    EXPECT_EQ(
        pharmacy
            .scalar(QStringLiteral("select NumElem from ListaArticu where Descripcion = 'vacía'"))
            .toInt(),
        0);
    EXPECT_EQ(
        pharmacy.scalar(QStringLiteral("select Contador from Contadores where IdContador = 13"))
            .toInt(),
        2);
}

TEST_F(ReadySession, AFailedItemLeavesNothingOfTheNewListAndShowsWhy) {
    pharmacy.exec(QStringLiteral(
        "CREATE TRIGGER boom BEFORE INSERT ON ItemListaArticu WHEN NEW.XItem_IdArticu = '578003' "
        "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"));
    session->query().dataset().moveTo(2);
    EXPECT_FALSE(ArticleLists::CreateArticleList(QStringLiteral("rota"), session->query()));
    EXPECT_EQ(session->query().dataset().recNo(), 2);
    EXPECT_EQ(pharmacy.scalar(QStringLiteral("select count(*) from ListaArticu")).toInt(), 0);
    EXPECT_EQ(pharmacy.scalar(QStringLiteral("select count(*) from ItemListaArticu")).toInt(), 0);
    ASSERT_EQ(messages->requests.size(), 1u);
    EXPECT_EQ(messages->requests[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(messages->requests[0].text.startsWith(
        QStringLiteral("Se ha producido un error al configurar la nueva lista.") + CR + CR));
    EXPECT_TRUE(messages->requests[0].text.contains(QStringLiteral("disco lleno")));
}

TEST_F(ReadySession, ARowWithoutNationalCodeCreatesNoList) {
    pharmacy.exec(QStringLiteral("update ") + session->workTable() +
                  QStringLiteral(" set CodNal = '' where Cod = '3'"));
    session->OpenDeclarationQuery();
    EXPECT_FALSE(ArticleLists::CreateArticleList(QStringLiteral("sin código"), session->query()));
    EXPECT_EQ(pharmacy.scalar(QStringLiteral("select count(*) from ListaArticu")).toInt(), 0);
    ASSERT_EQ(messages->requests.size(), 1u);
    EXPECT_TRUE(messages->requests[0].text.contains(QStringLiteral("ZACTRAN")));
}

TEST_F(ReadySession, TheNameDialogProposesTheYearAndDateAndCancelCreatesNothing) {
    messages->queueInputAnswer(std::nullopt);
    EXPECT_FALSE(session->BtListaClick());
    ASSERT_EQ(messages->requests.size(), 1u);
    EXPECT_EQ(messages->requests[0].caption, QStringLiteral("Generación de Lista de Artículos"));
    EXPECT_EQ(messages->requests[0].prompt, QStringLiteral("Nombre de la Lista a generar:"));
    EXPECT_EQ(messages->requests[0].inputText,
              QStringLiteral("***Antibióticos Veterinarios 2025 - ") +
                  QDate::currentDate().toString(QStringLiteral("dd/MM/yy")));
    EXPECT_EQ(pharmacy.scalar(QStringLiteral("select count(*) from ListaArticu")).toInt(), 0);
    EXPECT_TRUE(session->BtListaClick());
    EXPECT_EQ(pharmacy.scalar(QStringLiteral("select count(*) from ListaArticu")).toInt(), 1);
}
