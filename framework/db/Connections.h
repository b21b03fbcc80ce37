#pragma once

#include <QString>
#include <QStringList>

namespace fw::db {

// Answers of the connect operations.
enum ConnectResult { Connected = 0, LoginCancelled = 1, ConnectFailed = 2 };

int ConnectAlias(const QString& alias, const QString& userName, const QString& password,
                 bool loginPrompt);
int ConnectNamedDatabase(const QString& name);
void ReleaseDatabase(const QString& name);
void CloseAllDatabases();
void ApplyLastLoginCredentials();
void ConfigureBDEDriver();
void DefineMSSQLAlias(const QString& alias, const QString& server, const QString& host,
                      const QString& database, const QString& user);
QString MasterAliasName();
QString GetAliasParam(const QString& alias, const QString& parameterName);
bool AliasHasServer(const QString& alias);
QString GetAliasServerName();
QString GetAliasUserName();
QString GetAliasDatabaseName();

// The parameter lines a connection is opened with, from the credentials of the shared record.
QStringList ConnectionParameterLines();

}  // namespace fw::db
