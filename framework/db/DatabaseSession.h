#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>

#include "framework/db/AliasStore.h"
#include "framework/db/Database.h"

namespace fw::db {

// The process's database session: the aliases known to it and its open connections by name.
class DatabaseSession {
public:
    static DatabaseSession& instance();

    // The aliases of the alias file, read on first use, plus those defined since.
    AliasStore& aliases();
    void reloadAliases();
    // The alias of that name; the main alias falls back to the embedded database file
    // "Korvella.db" in the machine settings folder when the alias file does not define it.
    std::optional<Alias> findAlias(const QString& name);

    Database* findDatabase(const QString& name);
    Database& addDatabase(const QString& name, std::unique_ptr<Connection> connection);
    // Closes and frees the connection of that name, if any.
    void releaseDatabase(const QString& name);
    void closeAll();
    QStringList databaseNames() const;

private:
    DatabaseSession() = default;

    struct CaseInsensitiveLess {
        bool operator()(const QString& a, const QString& b) const {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        }
    };

    std::optional<AliasStore> m_aliases;
    std::map<QString, std::unique_ptr<Database>, CaseInsensitiveLess> m_databases;
};

}  // namespace fw::db
