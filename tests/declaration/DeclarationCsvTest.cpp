#include <gtest/gtest.h>

#include "tests/support/QtPrinters.h"

#include "declaration/DeclarationColumns.h"
#include "declaration/DeclarationCsv.h"
#include "framework/db/Dataset.h"

using namespace quorvial;

TEST(DeclarationCsv, QuotesOnlyWhatRfc4180Asks) {
    struct Case {
        const char* value;
        const char* field;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"a;b", "\"a;b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\rhere", "\"cr\rhere\""},
        {"L'OVULO, 5 mg", "L'OVULO, 5 mg"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeclarationCsv::field(QString::fromUtf8(c.value)), QString::fromUtf8(c.field))
            << c.value;
}

TEST(DeclarationCsv, WritesTheShownColumnsWithTheirDisplayTexts) {
    DeclarationColumns columns;
    columns.removeColumnsNotIn({QStringLiteral("NOMBRE"), QStringLiteral("codnal")});
    QList<fw::db::Field> fields;
    for (const char* name :
         {"Nombre", "CodNal", "Entradas", "Salidas", "EnAlmacen", "DescKorvella"}) {
        fw::db::Field field;
        field.name = QString::fromLatin1(name);
        field.type = QMetaType(QMetaType::QString);
        fields << field;
    }
    fields[2].type = fields[3].type = QMetaType(QMetaType::LongLong);
    fields[2].displayFormat = fields[3].displayFormat = QStringLiteral("###,###,##0");
    std::vector<fw::db::Dataset::Row> rows{{QStringLiteral("AMOXI; 500"), QStringLiteral("012345"),
                                            QVariant(qlonglong(1234567)), QVariant(),
                                            QStringLiteral("Sí"), QStringLiteral("AMOXICILINA")}};
    const fw::db::Dataset dataset(fields, rows);
    EXPECT_EQ(
        DeclarationCsv::text(columns, dataset),
        QStringLiteral("Desc. Korvella;Descripción;Cod. Nacional;Entradas;Salidas;En Almacén\r\n"
                       "AMOXICILINA;\"AMOXI; 500\";012345;1.234.567;;Sí\r\n"));
}

TEST(DeclarationColumns, ATitleLineRemovesTheProductColumnsItLacks) {
    DeclarationColumns all;
    EXPECT_EQ(all.count(), 19);
    DeclarationColumns columns;
    columns.removeColumnsNotIn(
        {QStringLiteral("cod"), QStringLiteral("FORFAR"), QStringLiteral("XYZ")});
    QStringList fields;
    for (const DeclarationColumn& column : columns.columns())
        fields << column.fieldName;
    EXPECT_EQ(fields, (QStringList{QStringLiteral("Cod"), QStringLiteral("DescKorvella"),
                                   QStringLiteral("Forfar"), QStringLiteral("Entradas"),
                                   QStringLiteral("Salidas"), QStringLiteral("EnAlmacen")}));
}
