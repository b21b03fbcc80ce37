#include <gtest/gtest.h>

#include "declaration/ArticleLists.h"
#include "declaration/DeclarationSession.h"
#include "framework/db/Connections.h"
#include "framework/db/DatabaseSession.h"
#include "framework/db/GlobalDataBase.h"
#include "framework/db/SqlHelpers.h"
#include "framework/db/TCQuery.h"
#include "framework/forms/RecordingResponder.h"
#include "framework/util/DateHelpers.h"
#include "tests/support/PharmacyFixture.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingConnection.h"

using namespace quorvial;
using test::RecordingConnection;

namespace {

const QChar CR = QChar(13);

QString crLines(std::initializer_list<const char*> parts) {
    QStringList list;
    for (const char* part : parts)
        list << QString::fromUtf8(part);
    return list.join(CR);
}

// The main alias connected to a server that only records what it is sent.
class ServerTexts : public ::testing::Test {
protected:
    void SetUp() override {
        auto connection = std::make_unique<RecordingConnection>(log);
        server = connection.get();
        fw::db::DatabaseSession::instance().addDatabase(QStringLiteral("RERARAZ"),
                                                        std::move(connection));
        server->open();
        fw::forms::SetMessageResponder(std::make_unique<fw::forms::RecordingResponder>());
    }
    void TearDown() override {
        fw::forms::SetMessageResponder(nullptr);
        fw::db::CloseAllDatabases();
    }
    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
    RecordingConnection* server = nullptr;
};

}  // namespace

TEST_F(ServerTexts, SessionPreparationSwitchesTheLoginToSpanish) {
    fw::db::GlobalDataBase().UserName = QStringLiteral("O'Brien");
    server->results.push_back(RecordingConnection::column(QStringLiteral("OstravelLang"),
                                                          {QStringLiteral("us_english")}));
    server->failWhen = [](const QString& sql) { return sql.endsWith(QStringLiteral("'Spanish'")); };
    fw::db::ConfigureSession(QStringLiteral("RERARAZ"));
    ASSERT_EQ(log->size(), 7);
    EXPECT_EQ((*log)[0], QStringLiteral("SET TRANSACTION ISOLATION LEVEL READ UNCOMMITTED"));
    EXPECT_TRUE((*log)[1].startsWith(
        QStringLiteral("select o.loginname, o.language as OstravelLang") + CR));
    EXPECT_TRUE((*log)[1].endsWith(QStringLiteral("and o.Loginname = 'O''Brien'")));
    EXPECT_EQ((*log)[2], QStringLiteral("Exec sp_defaultlanguage 'O''Brien', 'Spanish'"));
    EXPECT_EQ((*log)[3], QStringLiteral("Exec sp_defaultlanguage 'O''Brien', 'Español'"));
    EXPECT_EQ(log->mid(4), (QStringList{QStringLiteral("SET LANGUAGE Spanish"),
                                        QStringLiteral("SET ANSI_NULLS OFF"),
                                        QStringLiteral("SET ANSI_WARNINGS OFF")}));
}

TEST_F(ServerTexts, TheDeclarationSessionSendsItsStatementsInOrder) {
    test::PharmacyFixture files;  // only for writing the list file
    const QString list =
        files.writeListFile(QStringLiteral("lista.csv"),
                            {QStringLiteral("$ANYO=2025"), QStringLiteral("$TITCOL=NOMBRE;CODNAL"),
                             QStringLiteral("L'ÓVULO 5;012345")});
    DeclarationSession session(77);
    ASSERT_TRUE(session.ConnectDatabase());
    server->results.push_back(RecordingConnection::column(QStringLiteral("name"), {}));
    session.importer().CreateWorkTable();
    server->results.push_back(
        RecordingConnection::column(QStringLiteral("Descripcion"), {QStringLiteral("OTRO")}));
    session.importer().ImportListFile(list);
    session.CreateDeclarationView();
    session.OpenDeclarationQuery();
    session.close();

    const QStringList& sent = *log;
    ASSERT_EQ(sent.size(), 11) << sent.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(sent[0],
              QStringLiteral("select name from sysobjects where id = object_id('Quorvial_Tmp77')"));
    EXPECT_TRUE(sent[1].startsWith(QStringLiteral("CREATE TABLE Quorvial_Tmp77") + CR +
                                   QStringLiteral("( IdVeterinario int IDENTITY(1,1) NOT NULL, ")));
    EXPECT_EQ(sent[2], QStringLiteral("<begin>"));
    EXPECT_EQ(sent[3], QStringLiteral("Select Descripcion from Articu where IdArticu = '012345'"));
    EXPECT_TRUE(sent[4].startsWith(QStringLiteral("Insert Into Quorvial_Tmp77( ") + CR +
                                   QStringLiteral("Cod, ")));
    EXPECT_TRUE(
        sent[4].endsWith(crLines({"'', ", "'L''ÓVULO 5', ", "'', ", "'012345', ", "'', ", "'', ",
                                  "'', ", "'', ", "'', ", "'', ", "'', ", "'', ", "'No'", ")"})));
    EXPECT_EQ(sent[5], QStringLiteral("<commit>"));
    EXPECT_EQ(sent[6], crLines({"if EXISTS ( select * from dbo.sysobjects where id = object_id( "
                                "'vQuorvial77' ) and TYPE = 'V')",
                                "DROP VIEW vQuorvial77"}));
    EXPECT_TRUE(sent[7].contains(QStringLiteral(
        "V.FechaHora >= '01/01/2025 00:00:00:000' and V.FechaHora < '01/01/2026 00:00:00:000'")));
    EXPECT_EQ(sent[8],
              crLines({"Select * from vQuorvial77 where 1 = 1", "order by Nombre, CodNal"}));
    EXPECT_EQ(sent[9], sent[6]);
    EXPECT_EQ(sent[10], crLines({"if EXISTS ( select * from dbo.sysobjects where id = object_id( "
                                 "'Quorvial_Tmp77' ) and TYPE = 'U')",
                                 "drop table Quorvial_Tmp77"}));
}

TEST_F(ServerTexts, ArticleListsReplaceTheOldListAndQuoteTheCodes) {
    fw::util::SetDateOrderDMY(true);
    fw::db::TCQuery query;
    query.setSQL(QStringLiteral("Select * from vQuorvial1 where 1 = 1"));
    server->results.push_back(RecordingConnection::column(
        QStringLiteral("CodNal"), {QStringLiteral("012345"), QStringLiteral("578001")}));
    query.open();
    server->results.push_back(RecordingConnection::column(QStringLiteral("IdLista"), {4}));
    server->results.push_back(RecordingConnection::column(QStringLiteral("Max"), {4}));
    ASSERT_TRUE(ArticleLists::CreateArticleList(QStringLiteral("L'ista"), query));

    QStringList sent = log->mid(1);
    ASSERT_EQ(sent.size(), 14) << sent.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(
        sent.mid(0, 6),
        (QStringList{
            QStringLiteral("<begin>"),
            QStringLiteral("Select * from ListaArticu where Descripcion = 'L''ista'"),
            crLines({"Delete ItemListaArticu", "Where XItem_IdLista = 4"}),
            crLines({"Delete ListaArticu", "Where IdLista = 4"}),
            crLines({"Update Contadores Set Contador = ( Select Max( IdLista ) from ListaArticu )",
                     "where IdContador = 13"}),
            QStringLiteral("<commit>")}));
    EXPECT_EQ(sent[6], QStringLiteral("<begin>"));
    EXPECT_EQ(sent[7], QStringLiteral("Select Max( IdLista ) from ListaArticu"));
    EXPECT_TRUE(sent[8].startsWith(
        crLines({"Insert into ListaArticu( IdLista, Descripcion, Fecha, NumElem, Tipo )",
                 "Values( 5, 'L''ista', '"})));
    EXPECT_TRUE(sent[8].endsWith(QStringLiteral("', 0, 0 )")));
    EXPECT_EQ(sent[9], crLines({"Insert into ItemListaArticu( XItem_IdLista, XItem_IdArticu )",
                                "Values( 5, '012345' )"}));
    EXPECT_EQ(sent[10], crLines({"Insert into ItemListaArticu( XItem_IdLista, XItem_IdArticu )",
                                 "Values( 5, '578001' )"}));
    EXPECT_EQ(sent[11],
              crLines({"Update ListaArticu Set NumElem = (",
                       "    Select Count(*) from ItemListaArticu where XItem_IdLista = 5)",
                       "where IdLista = 5"}));
    EXPECT_EQ(sent[12], crLines({"Update Contadores Set Contador = 5", "where IdContador = 13"}));
    EXPECT_EQ(sent[13], QStringLiteral("<commit>"));
}
