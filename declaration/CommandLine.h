#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quorvial {

// The program's own options. They begin with "-", so the login flow's server and database
// arguments never take them for names.
struct CommandLine {
    bool headless = false;
    QStringList listFiles;
    QString csvPath;
    bool withMovement = false;
    bool inStock = false;
    bool inStockSimilar = false;
    bool createList = false;
    QString listName;  // empty: the proposed name
    QString error;     // a Spanish text when the options cannot be used

    static CommandLine parse(const QStringList& arguments);
    static QString usage();
};

}  // namespace quorvial
