#pragma once

#include <QString>

namespace fw::db {

// The process-wide connection record shared by every database user.
struct TGlobalDataBase {
    QString MainAlias = QStringLiteral("RERARAZ");
    QString CatalogAlias = QStringLiteral("BOT98");
    QString ProductName = QStringLiteral("Korvella");
    QString DefaultDatabase = QStringLiteral("Korvella");
    QString SpareName = QStringLiteral("Korvella");
    QString ServerName;
    QString UserName;
    QString Password;
    int PoolSize = 0;
    bool ReportConfigsEnabled = true;
    bool FixedCredentials = false;
};

TGlobalDataBase& GlobalDataBase();

// The product name, set back to "Korvella" wherever it is found empty.
QString ProductName();

}  // namespace fw::db
