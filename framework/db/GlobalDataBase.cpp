#include "framework/db/GlobalDataBase.h"

namespace fw::db {

TGlobalDataBase& GlobalDataBase() {
    static TGlobalDataBase record;
    return record;
}

QString ProductName() {
    auto& record = GlobalDataBase();
    if (record.ProductName.isEmpty())
        record.ProductName = QStringLiteral("Korvella");
    return record.ProductName;
}

}  // namespace fw::db
