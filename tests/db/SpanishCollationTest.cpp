#include <gtest/gtest.h>

#include "tests/support/QtPrinters.h"

#include "framework/db/SpanishCollation.h"

using fw::db::SpanishCollation;

TEST(SpanishCollation, OrdersAsTheServerDoes) {
    struct Case {
        const char* left;
        const char* right;
        int expected;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},  // letter case is ignored
        {"amoxicilina", "Baytril", -1},
        {"nube", "ñandú", -1},  // ñ is its own letter after n
        {"ñandú", "oveja", -1},
        {"canon", "cañon", -1},
        {"a", "á", -1},  // accents count only when all else is equal
        {"á", "b", -1},
        {"Ácido", "acido", 1},
        {"10", "9", -1},  // character by character, digits before letters
        {"9", "a", -1},
        {"ab", "abc", -1},
        {"", "", 0},
    };
    for (const Case& c : cases) {
        const QString left = QString::fromUtf8(c.left);
        const QString right = QString::fromUtf8(c.right);
        const int utf16 = SpanishCollation::compare(left, right);
        const QByteArray l = left.toUtf8();
        const QByteArray r = right.toUtf8();
        const int utf8 = SpanishCollation::compareUtf8(l.constData(), int(l.size()), r.constData(),
                                                       int(r.size()));
        EXPECT_EQ((utf16 > 0) - (utf16 < 0), c.expected) << c.left << " / " << c.right;
        EXPECT_EQ((utf8 > 0) - (utf8 < 0), c.expected) << c.left << " / " << c.right;
        const int reverse = SpanishCollation::compare(right, left);
        EXPECT_EQ((reverse > 0) - (reverse < 0), -c.expected) << c.left << " / " << c.right;
    }
}
