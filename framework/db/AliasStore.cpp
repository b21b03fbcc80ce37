#include "framework/db/AliasStore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "framework/util/SettingsFolders.h"

namespace fw::db {

QString Alias::driver() const {
    return parameter(QStringLiteral("TYPE"));
}

QString Alias::parameter(const QString& parameterName) const {
    const QString prefix = parameterName + QLatin1Char('=');
    QString value;
    for (const QString& line : parameters) {
        if (line.startsWith(prefix))
            value = line.mid(prefix.size());
    }
    return value;
}

QString AliasStore::defaultFilePath() {
    return QDir(fw::util::MachineSettingsFolder()).filePath(QStringLiteral("aliases.conf"));
}

AliasStore AliasStore::load(const QString& filePath) {
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}

AliasStore AliasStore::parse(const QString& text) {
    AliasStore store;
    qsizetype current = -1;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) ||
            trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            // A repeated section starts the alias afresh: the later one wins.
            const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed();
            store.put(Alias{name, {}});
            current = store.indexOf(name);
            continue;
        }
        if (current >= 0 && trimmed.contains(QLatin1Char('=')))
            store.m_aliases[current].parameters << trimmed;
    }
    return store;
}

QString AliasStore::serialize() const {
    QString text;
    for (const Alias& alias : m_aliases) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += QLatin1Char('[') + alias.name + QStringLiteral("]\n");
        for (const QString& line : alias.parameters)
            text += line + QLatin1Char('\n');
    }
    return text;
}

bool AliasStore::save(const QString& filePath) const {
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(serialize().toUtf8());
    return file.commit();
}

qsizetype AliasStore::indexOf(const QString& name) const {
    for (qsizetype i = 0; i < m_aliases.size(); ++i) {
        if (m_aliases[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<Alias> AliasStore::find(const QString& name) const {
    const qsizetype index = indexOf(name);
    if (index < 0)
        return std::nullopt;
    return m_aliases[index];
}

void AliasStore::put(const Alias& alias) {
    const qsizetype index = indexOf(alias.name);
    if (index < 0)
        m_aliases << alias;
    else
        m_aliases[index] = alias;
}

bool AliasStore::remove(const QString& name) {
    const qsizetype index = indexOf(name);
    if (index < 0)
        return false;
    m_aliases.removeAt(index);
    return true;
}

}  // namespace fw::db
