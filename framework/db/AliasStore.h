#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace fw::db {

// A named database alias: the driver and its parameter lines ("NAME=value"), in order.
struct Alias {
    QString name;
    QStringList parameters;

    QString driver() const;
    // The value of the last line of that name; empty when none.
    QString parameter(const QString& name) const;
};

// The aliases of the machine, kept in the alias file "aliases.conf" of the machine settings
// folder: one "[NAME]" section per alias, one "NAME=value" line per parameter, the first naming
// the driver ("TYPE=...").
class AliasStore {
public:
    static QString defaultFilePath();

    // Reads the file; a missing file gives no aliases. A malformed line is skipped.
    static AliasStore load(const QString& filePath = defaultFilePath());
    static AliasStore parse(const QString& text);
    QString serialize() const;
    // Writes the whole file at once, so a failure never leaves it half written.
    bool save(const QString& filePath = defaultFilePath()) const;

    std::optional<Alias> find(const QString& name) const;
    bool contains(const QString& name) const { return find(name).has_value(); }
    void put(const Alias& alias);
    bool remove(const QString& name);
    const QList<Alias>& aliases() const { return m_aliases; }

private:
    qsizetype indexOf(const QString& name) const;
    QList<Alias> m_aliases;
};

}  // namespace fw::db
