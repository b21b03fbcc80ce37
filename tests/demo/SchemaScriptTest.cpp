#include <gtest/gtest.h>

#include <set>

#include "tests/demo/DemoRun.h"
#include "tests/demo/PharmacyObjects.h"
#include "tests/demo/SchemaScript.h"

namespace test {
namespace {

SchemaScript embeddedScript() {
    return SchemaScript(schemaScript(QStringLiteral("pharmacy.sqlite.sql")));
}
SchemaScript serverScript() {
    return SchemaScript(schemaScript(QStringLiteral("pharmacy.mssql.sql")));
}

TEST(SchemaScripts, NameTheSameTablesColumnsAndIndexes) {
    const SchemaScript embedded = embeddedScript();
    const SchemaScript server = serverScript();
    ASSERT_FALSE(embedded.tables().empty());

    std::set<QString> names;
    for (const auto& [name, columns] : embedded.tables())
        names.insert(name);
    for (const auto& [name, columns] : server.tables())
        names.insert(name);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(embedded.tables().contains(name));
        ASSERT_TRUE(server.tables().contains(name));
        EXPECT_EQ(embedded.tables().at(name).join(u',').toStdString(),
                  server.tables().at(name).join(u',').toStdString());
    }

    ASSERT_EQ(embedded.indexes().size(), server.indexes().size());
    for (size_t i = 0; i < embedded.indexes().size(); ++i) {
        SCOPED_TRACE(embedded.indexes()[i].name.toStdString());
        EXPECT_TRUE(embedded.indexes()[i] == server.indexes()[i]);
    }
}

TEST(SchemaScripts, HoldWhatTheProgramReliesOn) {
    const SchemaScript script = embeddedScript();
    for (const RequiredTable& required : kRequiredTables) {
        SCOPED_TRACE(required.table);
        const QString table = QString::fromLatin1(required.table);
        ASSERT_TRUE(script.tables().contains(table));
        for (const char* column : required.columns)
            EXPECT_TRUE(script.tables().at(table).contains(QString::fromLatin1(column))) << column;
    }
    for (const RequiredIndex& required : kRequiredIndexes) {
        const bool found = std::any_of(
            script.indexes().begin(), script.indexes().end(), [&](const IndexDefinition& index) {
                return index.table == QLatin1String(required.table) &&
                       index.columns == QStringList{QString::fromLatin1(required.column)};
            });
        EXPECT_TRUE(found) << required.table << "." << required.column;
    }
}

}  // namespace
}  // namespace test
