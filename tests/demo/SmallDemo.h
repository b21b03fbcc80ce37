#pragma once

#include <gtest/gtest.h>

#include <QList>
#include <QString>
#include <QStringList>

namespace test {

// Tests that read the small demo, made once per test process.
class SmallDemo : public ::testing::Test {
public:
    static void SetUpTestSuite();

    static QString folder();
    static QString databasePath(const QString& folder = SmallDemo::folder());
    static QString listPath(const QString& folder = SmallDemo::folder());
    // The data lines of a list file, cut into their fields.
    static QList<QStringList> listProducts(const QString& path = listPath());
};

}  // namespace test
