#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "framework/db/Connections.h"
#include "framework/db/SqlClauses.h"
#include "framework/db/SqlHelpers.h"
#include "framework/util/Errors.h"
#include "framework/util/TraceChannel.h"
#include "tests/support/PharmacyFixture.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestEnvironment.h"

using namespace fw::db;

namespace {

QStringList lines(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

}  // namespace

TEST(SqlClauses, FiltersMergeIntoTheWhereClause) {
    struct Case {
        const char* name;
        QStringList original;
        const char* filter;
        QStringList rebuilt;
    };
    const Case cases[] = {
        {"with where", lines({"select * from T where a = 1 order by b"}), "c = 2",
         lines({"SELECT  *", "FROM  T", "WHERE ( a = 1) AND (c = 2)", "ORDER BY  b"})},
        {"without where", lines({"select a, b", "from T"}), "a > 0",
         lines({"SELECT  a, b", "FROM  T", "WHERE (a > 0)"})},
        {"empty filter", lines({"Select * from v where 1 = 1", "order by Nombre, CodNal"}), "",
         lines({"SELECT  *", "FROM  v", "WHERE  1 = 1", "ORDER BY  Nombre, CodNal"})},
        {"kept subquery",
         lines({"select * from T where x in /*PARSEOFF*/ (select y from U where z = 1) /*PARSEON*/ "
                "group by x"}),
         "",
         lines({"SELECT  *", "FROM  T",
                "WHERE  x in /*PARSEOFF*/ (select y from U where z = 1) /*PARSEON*/",
                "GROUP BY  x"})},
    };
    for (const Case& c : cases) {
        SqlClauses clauses;
        clauses.parse(c.original);
        clauses.mergeFilter(QString::fromUtf8(c.filter));
        EXPECT_EQ(clauses.rebuild(), c.rebuilt) << c.name;
    }
}

TEST(SqlClauses, AnUnclosedParseOffMarkerCannotBeRebuilt) {
    SqlClauses clauses;
    clauses.parse(lines({"select * from T where /*PARSEOFF*/ (select 1)"}));
    EXPECT_TRUE(clauses.parseOff());
    try {
        clauses.rebuild();
        FAIL();
    } catch (const fw::Error& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Falta comentarios de análisis /*PARSEOFF*/ terminador"));
    }
}

TEST(SqlClauses, FirstFromTableEndsAtASpaceOrComma) {
    SqlClauses clauses;
    clauses.parse(lines({"select * from Articu A, Lineaventa LV"}));
    EXPECT_EQ(clauses.firstFromTable(), QStringLiteral("Articu"));
    clauses.parse(lines({"select 1"}));
    EXPECT_EQ(clauses.firstFromTable(), QString());
}

TEST(TCQuery, FiltersReopenFromTheOriginalTextAndKeepDisplayFormats) {
    test::PharmacyFixture pharmacy;
    pharmacy.addArticle(QStringLiteral("1"), QStringLiteral("A"));
    pharmacy.addArticle(QStringLiteral("2"), QStringLiteral("B"));
    ASSERT_EQ(ConnectAlias(QStringLiteral("RERARAZ"), QStringLiteral("sa"), QString(), false),
              Connected);
    TCQuery query;
    query.setSQL(
        QStringLiteral("select IdArticu, PVP from Articu where Baja = 0 order by IdArticu"));
    query.open();
    ASSERT_EQ(query.dataset().recordCount(), 2);
    query.dataset().fields()[1].displayFormat = QStringLiteral("#,##0.00");
    query.SetFilterText(QStringLiteral("IdArticu = '2'"));
    EXPECT_EQ(query.dataset().recordCount(), 1);
    EXPECT_EQ(query.dataset().fields()[1].displayFormat, QStringLiteral("#,##0.00"));
    query.SetFilterText(QStringLiteral("IdArticu = '1'"));
    EXPECT_EQ(query.dataset().value(0).toString(), QStringLiteral("1"));
    // A filter the engine rejects leaves the query closed; the next one works.
    EXPECT_THROW(query.SetFilterText(QStringLiteral("NoSuchColumn = 1")), fw::DatabaseError);
    EXPECT_FALSE(query.active());
    query.SetFilterText(QString());
    EXPECT_EQ(query.dataset().recordCount(), 2);
    CloseAllDatabases();
}

TEST(TraceChannel, SendsEachTextAsOneDatagramToTheViewer) {
    const QString runtime = test::TestEnvironment::instance().makeFolder(QStringLiteral("runtime"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    const QByteArray path = QFile::encodeName(fw::util::TraceChannel::socketPath());
    const int viewer = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::bind(viewer, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    EXPECT_TRUE(fw::util::TraceText(QStringLiteral("Query.Open_BEGIN: año")));
    char buffer[256] = {};
    const ssize_t size = ::recv(viewer, buffer, sizeof buffer, MSG_DONTWAIT);
    ASSERT_EQ(size, 22);
    EXPECT_EQ(QByteArray(buffer, int(size)), QByteArray("Query.Open_BEGIN: a\xF1o\0", 22));

    // A viewer that goes away is forgotten for the rest of the process.
    ::close(viewer);
    ::unlink(path.constData());
    EXPECT_FALSE(fw::util::TraceText(QStringLiteral("x")));
    EXPECT_FALSE(fw::util::TraceText(QStringLiteral("y")));
}

TEST(TraceChannel, WithoutAViewerNothingIsSentAndNothingFails) {
    qputenv(
        "XDG_RUNTIME_DIR",
        QFile::encodeName(test::TestEnvironment::instance().makeFolder(QStringLiteral("empty"))));
    EXPECT_FALSE(fw::util::TraceText(QStringLiteral("nadie escucha")));
}
