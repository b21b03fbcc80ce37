#include <gtest/gtest.h>

#include "framework/db/StatementShape.h"
#include "tests/support/QtPrinters.h"

using fw::db::StatementShape;

TEST(StatementShape, TakesOutTextLiteralsOnlyWhereTheyAreLiterals) {
    struct Case {
        const char* sql;
        const char* text;  // nullptr: the statement runs as written
        std::vector<const char*> values;
    };
    const Case cases[] = {
        {"Select Descripcion from Articu where IdArticu = '012345'",
         "Select Descripcion from Articu where IdArticu = ?",
         {"012345"}},
        {"Insert Into T( a,\rb ) Values (\r'L''OVULO', \r'')",
         "Insert Into T( a,\rb ) Values (\r?, \r?)",
         {"L'OVULO", ""}},
        {"select \"it's\" from [a'b] -- don't\rwhere x = 'y'",
         "select \"it's\" from [a'b] -- don't\rwhere x = ?",
         {"y"}},
        {"select 1 /* it's */, 'v'", "select 1 /* it's */, ?", {"v"}},
        {"delete from T where a = 'x''; drop table T; --'",
         "delete from T where a = ?",
         {"x'; drop table T; --"}},
        {"select 1; select 2", nullptr, {}},
        {"select * from T where a = :a", nullptr, {}},
        {"select 'open", nullptr, {}},
        {"CREATE VIEW v AS select 'Sí'", nullptr, {}},
        {"DROP TABLE IF EXISTS T", nullptr, {}},
    };
    for (const Case& c : cases) {
        const auto shape = StatementShape::of(QString::fromUtf8(c.sql));
        if (!c.text) {
            EXPECT_FALSE(shape) << c.sql;
            continue;
        }
        ASSERT_TRUE(shape) << c.sql;
        EXPECT_EQ(shape->text, QString::fromUtf8(c.text)) << c.sql;
        QStringList values;
        for (const char* value : c.values)
            values << QString::fromUtf8(value);
        EXPECT_EQ(shape->values, values) << c.sql;
        for (const QString& value : shape->values)
            EXPECT_FALSE(value.isNull()) << "an empty literal is an empty text, not NULL";
    }
}
