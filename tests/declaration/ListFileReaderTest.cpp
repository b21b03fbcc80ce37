#include <gtest/gtest.h>

#include "tests/support/QtPrinters.h"

#include "declaration/ListFileReader.h"
#include "framework/util/Errors.h"

using quorvial::ListFileReader;

TEST(ListFileReader, DecodesWindows1252AndUtf8) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"windows-1252 accents and euro", QByteArray("SOLUCI\xD3N \x80 \xF1", 12),
         QStringLiteral("SOLUCIÓN € ñ")},
        {"utf-8 with mark", QByteArray("\xEF\xBB\xBFSOLUCI\xC3\x93N"), QStringLiteral("SOLUCIÓN")},
        {"utf-8 without mark", QByteArray("PEQUE\xC3\x91OS"), QStringLiteral("PEQUEÑOS")},
        {"plain ascii", QByteArray("ABC;DEF"), QStringLiteral("ABC;DEF")},
        {"invalid utf-8 is windows-1252", QByteArray("A\xC3(B"), QStringLiteral("AÃ(B")},
        {"text ends at the first nul", QByteArray("ABC\0DEF", 7), QStringLiteral("ABC")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListFileReader::decode(c.bytes), c.text) << c.name;
}

TEST(ListFileReader, SplitsAtEveryKindOfLineEnd) {
    struct Case {
        const char* text;
        std::vector<const char*> lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},     {"a\nb", {"a", "b"}},       {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}}, {"a\n\rb", {"a", "", "b"}}, {"", {}},
    };
    for (const Case& c : cases) {
        QStringList expected;
        for (const char* line : c.lines)
            expected << QString::fromLatin1(line);
        EXPECT_EQ(ListFileReader::splitLines(QString::fromLatin1(c.text)), expected) << c.text;
    }
}

TEST(ListFileReader, AMissingFileIsAnErrorWithItsName) {
    try {
        ListFileReader::readLines(QStringLiteral("/nonexistent/lista.csv"));
        FAIL();
    } catch (const fw::Error& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("/nonexistent/lista.csv")));
    }
}
