#include "framework/db/DatabaseSession.h"

#include <QCoreApplication>
#include <QDir>

#include "framework/db/GlobalDataBase.h"
#include "framework/util/SettingsFolders.h"

namespace fw::db {

DatabaseSession& DatabaseSession::instance() {
    static DatabaseSession session;
    // Qt's driver registry is gone by the time statics are destroyed: connections still open
    // when the application ends are closed while it still exists.
    static const bool closesWithTheApplication = [] {
        qAddPostRoutine([] { DatabaseSession::instance().closeAll(); });
        return true;
    }();
    Q_UNUSED(closesWithTheApplication);
    return session;
}

AliasStore& DatabaseSession::aliases() {
    if (!m_aliases)
        m_aliases = AliasStore::load();
    return *m_aliases;
}

void DatabaseSession::reloadAliases() {
    m_aliases = AliasStore::load();
}

std::optional<Alias> DatabaseSession::findAlias(const QString& name) {
    if (auto alias = aliases().find(name))
        return alias;
    if (name.compare(GlobalDataBase().MainAlias, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QString file =
        QDir(fw::util::MachineSettingsFolder()).filePath(QStringLiteral("Korvella.db"));
    return Alias{name, {QStringLiteral("TYPE=SQLITE"), QStringLiteral("DATABASE NAME=") + file}};
}

Database* DatabaseSession::findDatabase(const QString& name) {
    const auto it = m_databases.find(name);
    return it == m_databases.end() ? nullptr : it->second.get();
}

Database& DatabaseSession::addDatabase(const QString& name,
                                       std::unique_ptr<Connection> connection) {
    auto database = std::make_unique<Database>(name, std::move(connection));
    Database& added = *database;
    m_databases[name] = std::move(database);
    return added;
}

void DatabaseSession::releaseDatabase(const QString& name) {
    const auto it = m_databases.find(name);
    if (it == m_databases.end())
        return;
    // Taken out first, so a failing close still leaves the session without it.
    std::unique_ptr<Database> database = std::move(it->second);
    m_databases.erase(it);
    database->connection().close();
}

void DatabaseSession::closeAll() {
    while (!m_databases.empty())
        releaseDatabase(m_databases.begin()->first);
}

QStringList DatabaseSession::databaseNames() const {
    QStringList names;
    for (const auto& [name, database] : m_databases)
        names << name;
    return names;
}

}  // namespace fw::db
