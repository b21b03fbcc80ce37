#include "framework/db/Connections.h"

#include <QCoreApplication>

#include "framework/db/Connection.h"
#include "framework/db/DatabaseNotices.h"
#include "framework/db/DatabaseSession.h"
#include "framework/db/GlobalDataBase.h"
#include "framework/db/SettingsHelpers.h"
#include "framework/db/SqlHelpers.h"
#include "framework/util/Errors.h"
#include "framework/util/SystemHelpers.h"

namespace fw::db {

namespace {

const QString kLastLoginKey = QStringLiteral("\\SoftWare\\Delmaro\\Korvella\\Settings\\LastLogin");

ConnectionParameters parametersFor(const Alias& alias) {
    const TGlobalDataBase& record = GlobalDataBase();
    ConnectionParameters parameters;
    parameters.driver = alias.driver();
    parameters.serverName = alias.parameter(QStringLiteral("SERVER NAME"));
    parameters.databaseName = alias.parameter(QStringLiteral("DATABASE NAME"));
    parameters.hostName = alias.parameter(QStringLiteral("HOST NAME"));
    if (parameters.hostName.isEmpty())
        parameters.hostName = fw::util::LocalComputerName();
    for (const QString& line : ConnectionParameterLines()) {
        if (line.startsWith(QStringLiteral("APPLICATION NAME=")))
            parameters.applicationName = line.mid(17);
    }
    parameters.userName = record.UserName;
    parameters.password = record.Password;
    bool numeric = false;
    const int timeout = alias.parameter(QStringLiteral("BUSY TIMEOUT")).toInt(&numeric);
    if (numeric && timeout >= 0)
        parameters.busyTimeoutMs = timeout;
    return parameters;
}

bool startedWithoutServerArgument() {
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return true;
    const QString& first = arguments.at(1);
    return first.startsWith(QLatin1Char('-')) || first.startsWith(QLatin1Char('/')) ||
           first.startsWith(QLatin1Char('\\'));
}

QString mainAliasParameter(const QString& parameterName, const QString& fallback) {
    const QString value = GetAliasParam(GlobalDataBase().MainAlias, parameterName);
    return value.trimmed().isEmpty() ? fallback : value;
}

}  // namespace

QStringList ConnectionParameterLines() {
    const TGlobalDataBase& record = GlobalDataBase();
    QString application = ProductName();
    if (fw::util::IsRemoteSession())
        application += QStringLiteral("_(TS)");
    return {QStringLiteral("USER NAME=") + record.UserName,
            QStringLiteral("PASSWORD=") + record.Password,
            QStringLiteral("APPLICATION NAME=") + application, QStringLiteral("BLOB SIZE=512")};
}

int ConnectAlias(const QString& alias, const QString& userName, const QString& password,
                 bool loginPrompt) {
    // There is no engine login prompt on this platform: the login window takes its place.
    Q_UNUSED(loginPrompt);
    DatabaseSession& session = DatabaseSession::instance();
    if (session.findDatabase(alias))
        return Connected;

    TGlobalDataBase& record = GlobalDataBase();
    record.UserName = userName;
    record.Password = password;
    ApplyLastLoginCredentials();

    WaitCursor waitCursor;
    try {
        const std::optional<Alias> definition = session.findAlias(alias);
        if (!definition)
            throw DatabaseError(
                QStringLiteral("No existe el alias de base de datos \"%1\".").arg(alias));
        session.addDatabase(alias, CreateConnection(alias, parametersFor(*definition)));
        session.findDatabase(alias)->connection().open();
        ConfigureSession(alias);
        return Connected;
    } catch (const fw::Error& error) {
        // A connection that failed to open is not kept: a later connect must try again.
        session.releaseDatabase(alias);
        PresentWarning(QStringLiteral("Conexión con Base de Datos"), error.message());
        return ConnectFailed;
    }
}

int ConnectNamedDatabase(const QString& name) {
    ConfigureBDEDriver();
    TGlobalDataBase& record = GlobalDataBase();
    // The login window is where a missing login would be asked for; without it no login can
    // be confirmed.
    if (record.UserName.isEmpty())
        return LoginCancelled;
    if (record.ServerName.isEmpty())
        return ConnectFailed;
    return ConnectAlias(name, record.UserName, record.Password, false);
}

void ReleaseDatabase(const QString& name) {
    DatabaseSession::instance().releaseDatabase(name);
}

void CloseAllDatabases() {
    DatabaseSession::instance().closeAll();
}

void ApplyLastLoginCredentials() {
    TGlobalDataBase& record = GlobalDataBase();
    if (record.FixedCredentials)
        return;
    if (!record.Password.isEmpty())
        return;
    if (!record.UserName.isEmpty() && record.UserName != QStringLiteral("sa"))
        return;
    ReadUserOrMachineValue(kLastLoginKey, QStringLiteral("UserName"), record.UserName);
    ReadUserOrMachineValue(kLastLoginKey, QStringLiteral("PassWord"), record.Password);
    if (record.UserName.isEmpty()) {
        record.UserName = QStringLiteral("sa");
        record.Password.clear();
    }
}

void ConfigureBDEDriver() {
    const QString key =
        QStringLiteral("\\SoftWare\\Borland\\Database Engine\\Settings\\Drivers\\Mssql\\Init\\");
    try {
        WriteSettingValue(key, QStringLiteral("MAX DBPROCESSES"), QStringLiteral("64"));
        WriteSettingValue(key, QStringLiteral("CONNECT TIMEOUT"), QStringLiteral("2"));
    } catch (const fw::Error&) {
        // Driver tuning only; a settings store that cannot be written changes nothing else.
    }
}

void DefineMSSQLAlias(const QString& alias, const QString& server, const QString& host,
                      const QString& database, const QString& user) {
    CloseAllDatabases();
    DatabaseSession& session = DatabaseSession::instance();
    session.aliases().remove(alias);
    session.aliases().put(Alias{
        alias,
        {QStringLiteral("TYPE=MSSQL"), QStringLiteral("HOST NAME=") + host,
         QStringLiteral("APPLICATION NAME=") + ProductName(),
         QStringLiteral("SERVER NAME=") + server, QStringLiteral("DATABASE NAME=") + database,
         QStringLiteral("LANGDRIVER=DBWINUS0"), QStringLiteral("DATE MODE=1"),
         QStringLiteral("USER NAME=") + user, QStringLiteral("TDS PACKET SIZE=4096"),
         QStringLiteral("ENABLE SCHEMA CACHE=FALSE"), QStringLiteral("MAX QUERY TIME=3600")}});
    if (startedWithoutServerArgument() && CanWriteMachineSettings())
        session.aliases().save();
}

QString MasterAliasName() {
    const QString& main = GlobalDataBase().MainAlias;
    return main == QStringLiteral("RERARAZ") ? QStringLiteral("MasterSQL")
                                             : QStringLiteral("MasterSQL") + main;
}

QString GetAliasParam(const QString& alias, const QString& parameterName) {
    const std::optional<Alias> definition = DatabaseSession::instance().aliases().find(alias);
    return definition ? definition->parameter(parameterName) : QString();
}

bool AliasHasServer(const QString& alias) {
    return !GetAliasParam(alias, QStringLiteral("SERVER NAME")).trimmed().isEmpty();
}

QString GetAliasServerName() {
    return mainAliasParameter(QStringLiteral("SERVER NAME"), fw::util::LocalComputerName());
}

QString GetAliasUserName() {
    return mainAliasParameter(QStringLiteral("USER NAME"), QStringLiteral("sa"));
}

QString GetAliasDatabaseName() {
    return mainAliasParameter(QStringLiteral("DATABASE NAME"), QStringLiteral("Korvella"));
}

}  // namespace fw::db
