#include <gtest/gtest.h>

#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>

#include "framework/db/AliasStore.h"
#include "framework/db/Connections.h"
#include "framework/db/DatabaseNotices.h"
#include "framework/db/DatabaseSession.h"
#include "framework/db/GlobalDataBase.h"
#include "framework/db/QtSqlConnection.h"
#include "framework/db/SettingsHelpers.h"
#include "tests/support/PharmacyFixture.h"
#include "tests/support/TestEnvironment.h"

using namespace fw::db;

namespace {

const QString kLastLogin = QStringLiteral("\\SoftWare\\Delmaro\\Korvella\\Settings\\LastLogin");

struct Warnings {
    Warnings() {
        SetWarningPresenter([this](const QString& title, const QString& text) {
            titles << title;
            texts << text;
        });
    }
    ~Warnings() { SetWarningPresenter({}); }
    QStringList titles;
    QStringList texts;
};

}  // namespace

TEST(AliasStore, ReadsWhatItWritesAndTheLastParameterLineWins) {
    AliasStore store = AliasStore::parse(QStringLiteral(
        "; pharmacy\n[RERARAZ]\nTYPE=SQLITE\nDATABASE NAME=/a/b.db\r\nDATABASE NAME=/c/d.db\n\n"
        "[MasterSQL]\nTYPE=MSSQL\nSERVER NAME=SRV\n"));
    ASSERT_TRUE(store.contains(QStringLiteral("rerAraz")));
    EXPECT_EQ(store.find(QStringLiteral("RERARAZ"))->parameter(QStringLiteral("DATABASE NAME")),
              QStringLiteral("/c/d.db"));
    EXPECT_EQ(store.find(QStringLiteral("MasterSQL"))->driver(), QStringLiteral("MSSQL"));
    const AliasStore again = AliasStore::parse(store.serialize());
    EXPECT_EQ(again.serialize(), store.serialize());
    EXPECT_EQ(again.aliases().size(), 2);
}

TEST(Connections, AnUnknownDriverOrMissingFileFailsWithOneWarningAndNoConnectionLeft) {
    const QString folder = test::TestEnvironment::instance().machineDir();
    AliasStore store;
    store.put(Alias{
        QStringLiteral("RERARAZ"),
        {QStringLiteral("TYPE=SQLITE"),
         QStringLiteral("DATABASE NAME=") + QDir(folder).filePath(QStringLiteral("none.db"))}});
    store.put(Alias{QStringLiteral("OTRA"), {QStringLiteral("TYPE=PARADOX")}});
    ASSERT_TRUE(store.save());
    for (const QString& alias :
         {QStringLiteral("RERARAZ"), QStringLiteral("OTRA"), QStringLiteral("NINGUNA")}) {
        Warnings warnings;
        EXPECT_EQ(ConnectAlias(alias, QStringLiteral("sa"), QString(), false), ConnectFailed);
        ASSERT_EQ(warnings.titles.size(), 1) << alias.toStdString();
        EXPECT_EQ(warnings.titles[0], QStringLiteral("Conexión con Base de Datos"));
        EXPECT_EQ(DatabaseSession::instance().findDatabase(alias), nullptr);
    }
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("none.db"))));
}

TEST(Connections, TheStoredLastLoginCompletesOnlyTheDefaultCredentials) {
    struct Case {
        const char* user;
        const char* password;
        const char* storedUser;
        const char* storedPassword;
        const char* expectedUser;
        const char* expectedPassword;
    };
    const Case cases[] = {
        {"sa", "", "farma", "clave", "farma", "clave"},
        {"", "", "farma", "clave", "farma", "clave"},
        {"sa", "", "", "clave", "sa", ""},
        {"otro", "", "farma", "clave", "otro", ""},
        {"sa", "secreto", "farma", "clave", "sa", "secreto"},
    };
    for (const Case& c : cases) {
        WriteUserValue(kLastLogin, QStringLiteral("UserName"), QString::fromUtf8(c.storedUser));
        WriteUserValue(kLastLogin, QStringLiteral("PassWord"), QString::fromUtf8(c.storedPassword));
        TGlobalDataBase& record = GlobalDataBase();
        record.UserName = QString::fromUtf8(c.user);
        record.Password = QString::fromUtf8(c.password);
        ApplyLastLoginCredentials();
        EXPECT_EQ(record.UserName, QString::fromUtf8(c.expectedUser))
            << c.user << "/" << c.storedUser;
        EXPECT_EQ(record.Password, QString::fromUtf8(c.expectedPassword))
            << c.user << "/" << c.storedUser;
    }
    GlobalDataBase().FixedCredentials = true;
    GlobalDataBase().UserName = QStringLiteral("sa");
    GlobalDataBase().Password.clear();
    ApplyLastLoginCredentials();
    EXPECT_EQ(GlobalDataBase().UserName, QStringLiteral("sa"));
}

TEST(Connections, ASecondConnectReusesTheOpenConnection) {
    test::PharmacyFixture pharmacy;
    ASSERT_EQ(ConnectAlias(QStringLiteral("RERARAZ"), QStringLiteral("sa"), QString(), false),
              Connected);
    Database* first = DatabaseSession::instance().findDatabase(QStringLiteral("RERARAZ"));
    GlobalDataBase().UserName = QStringLiteral("sin cambios");
    EXPECT_EQ(
        ConnectAlias(QStringLiteral("RERARAZ"), QStringLiteral("otro"), QStringLiteral("x"), false),
        Connected);
    EXPECT_EQ(DatabaseSession::instance().findDatabase(QStringLiteral("rerAraz")), first);
    EXPECT_EQ(GlobalDataBase().UserName, QStringLiteral("sin cambios"));
    ReleaseDatabase(QStringLiteral("RERARAZ"));
    EXPECT_EQ(DatabaseSession::instance().findDatabase(QStringLiteral("RERARAZ")), nullptr);
}

TEST(Connections, DefiningAnAliasClosesConnectionsAndWritesTheElevenParameters) {
    test::PharmacyFixture pharmacy;
    ASSERT_EQ(ConnectAlias(QStringLiteral("RERARAZ"), QStringLiteral("sa"), QString(), false),
              Connected);
    DefineMSSQLAlias(QStringLiteral("MasterSQL"), QStringLiteral("SERVIDOR"), QStringLiteral("PC1"),
                     QStringLiteral("Master"), QStringLiteral("sa"));
    EXPECT_TRUE(DatabaseSession::instance().databaseNames().isEmpty());
    const auto alias = DatabaseSession::instance().aliases().find(QStringLiteral("MasterSQL"));
    ASSERT_TRUE(alias);
    EXPECT_EQ(
        alias->parameters,
        (QStringList{QStringLiteral("TYPE=MSSQL"), QStringLiteral("HOST NAME=PC1"),
                     QStringLiteral("APPLICATION NAME=Korvella"),
                     QStringLiteral("SERVER NAME=SERVIDOR"), QStringLiteral("DATABASE NAME=Master"),
                     QStringLiteral("LANGDRIVER=DBWINUS0"), QStringLiteral("DATE MODE=1"),
                     QStringLiteral("USER NAME=sa"), QStringLiteral("TDS PACKET SIZE=4096"),
                     QStringLiteral("ENABLE SCHEMA CACHE=FALSE"),
                     QStringLiteral("MAX QUERY TIME=3600")}));
    EXPECT_EQ(MasterAliasName(), QStringLiteral("MasterSQL"));
    EXPECT_TRUE(AliasHasServer(QStringLiteral("MasterSQL")));
}

TEST(Connections, AliasReadersFallBackToTheDefaults) {
    AliasStore store;
    store.put(Alias{QStringLiteral("RERARAZ"),
                    {QStringLiteral("TYPE=MSSQL"), QStringLiteral("SERVER NAME=  "),
                     QStringLiteral("DATABASE NAME=Farmacia")}});
    ASSERT_TRUE(store.save());
    DatabaseSession::instance().reloadAliases();
    EXPECT_FALSE(AliasHasServer(QStringLiteral("RERARAZ")));
    EXPECT_FALSE(GetAliasServerName().trimmed().isEmpty());
    EXPECT_EQ(GetAliasUserName(), QStringLiteral("sa"));
    EXPECT_EQ(GetAliasDatabaseName(), QStringLiteral("Farmacia"));
    EXPECT_EQ(GetAliasParam(QStringLiteral("NINGUNA"), QStringLiteral("TYPE")), QString());
}

TEST(Connections, ConnectionParametersCarryTheCredentialsAndTheApplicationName) {
    GlobalDataBase().UserName = QStringLiteral("farma");
    GlobalDataBase().Password = QStringLiteral("clave");
    const QStringList parameters = ConnectionParameterLines();
    ASSERT_EQ(parameters.size(), 4);
    EXPECT_EQ(parameters[0], QStringLiteral("USER NAME=farma"));
    EXPECT_EQ(parameters[1], QStringLiteral("PASSWORD=clave"));
    EXPECT_TRUE(parameters[2].startsWith(QStringLiteral("APPLICATION NAME=Korvella")));
    EXPECT_EQ(parameters[3], QStringLiteral("BLOB SIZE=512"));
}

TEST(Connections, NamedDatabasesNeedAKnownLogin) {
    GlobalDataBase().UserName.clear();
    EXPECT_EQ(ConnectNamedDatabase(QStringLiteral("RERARAZ")), LoginCancelled);
    GlobalDataBase().UserName = QStringLiteral("sa");
    GlobalDataBase().ServerName.clear();
    EXPECT_EQ(ConnectNamedDatabase(QStringLiteral("RERARAZ")), ConnectFailed);
}

TEST(Connections, TheServerDriverSpeaksTds74InUtf8WithTheApplicationName) {
    ConnectionParameters parameters;
    parameters.serverName = QStringLiteral("127.0.0.1,1");
    parameters.databaseName = QStringLiteral("Korvella");
    parameters.userName = QStringLiteral("sa");
    parameters.password = QStringLiteral("cla;ve}");
    parameters.applicationName = QStringLiteral("Korvella");
    parameters.hostName = QStringLiteral("MOSTRADOR1");
    EXPECT_EQ(
        QtSqlConnection::odbcConnectionString(parameters),
        QStringLiteral(
            "DRIVER={FreeTDS};SERVER={127.0.0.1};PORT={1};DATABASE={Korvella};UID={sa};"
            "PWD={cla;ve}}};APP={Korvella};WSID={MOSTRADOR1};TDS_Version=7.4;ClientCharset=UTF-8"));
}

TEST(Connections, AnUnreachableServerFailsWithOneWarning) {
    AliasStore store;
    store.put(Alias{QStringLiteral("RERARAZ"),
                    {QStringLiteral("TYPE=MSSQL"), QStringLiteral("SERVER NAME=127.0.0.1,1"),
                     QStringLiteral("DATABASE NAME=Korvella")}});
    ASSERT_TRUE(store.save());
    DatabaseSession::instance().reloadAliases();
    Warnings warnings;
    EXPECT_EQ(ConnectAlias(QStringLiteral("RERARAZ"), QStringLiteral("sa"), QString(), false),
              ConnectFailed);
    ASSERT_EQ(warnings.titles.size(), 1);
    EXPECT_FALSE(warnings.texts[0].isEmpty());
    EXPECT_EQ(DatabaseSession::instance().findDatabase(QStringLiteral("RERARAZ")), nullptr);
}
