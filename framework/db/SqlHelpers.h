#pragma once

#include <QString>
#include <memory>

#include "framework/db/TCQuery.h"

namespace fw::db {

class Database;
class SqlDialect;

// Runs a text on the main alias (or the named database), batch by batch at "GO" lines.
void ExecSQLText(const QString& sql);
void ExecSQLOn(const QString& databaseName, const QString& sql);
// Opens a text and hands the open query to the caller. A failed open leaves nothing behind.
std::unique_ptr<TCQuery> OpenSQLText(const QString& sql);
std::unique_ptr<TCQuery> OpenSQLOn(const QString& databaseName, const QString& sql);

// Reopens the query and goes back to the record it was on, or to the first when that is gone.
void RefreshKeepingPosition(TCQuery& query);

bool SQLObjectExists(const QString& name);
void CheckLoginLanguage(const QString& databaseName);
void ConfigureSession(const QString& databaseName);
bool IsSQLDatabase(const QString& databaseName);

void BeginMainTransaction();
void CommitMainTransaction();
void RollbackMainTransaction();

// The open connection of that name, connecting it on demand; nullptr when it cannot be had.
Database* SessionDatabase(const QString& databaseName);
// The dialect of that connection, or of the main alias; raises when there is no connection.
const SqlDialect& DialectOf(const QString& databaseName);
const SqlDialect& MainDialect();

}  // namespace fw::db
