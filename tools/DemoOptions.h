#pragma once

#include <QString>
#include <QStringList>

namespace demo {

// What the demo generator is asked to build; the defaults give the standard demo.
struct DemoOptions {
    QString outputFolder = QStringLiteral("demo");
    int articles = 6000;
    int saleLinesPerYear = 40000;
    int receiptLinesPerYear = 15000;
    int years = 3;
    int year = 2025;
    int listLines = 1200;
    quint64 seed = 1;

    int firstYear() const { return year - years + 1; }

    // The arguments after the program name. Throws fw::Error with the text for the user.
    static DemoOptions parse(const QStringList& arguments);
    static QString usage();
};

}  // namespace demo
