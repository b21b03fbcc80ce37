#include <gtest/gtest.h>

#include <array>

#include "framework/util/DateHelpers.h"
#include "framework/util/Errors.h"

using namespace Qt::StringLiterals;
using namespace fw::util;

namespace {

const QString kDayFirst = u"dd/mm/yyyy"_s;

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
             int msec = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec));
}

struct DateCase {
    QString typed;
    QDate expected;  // null: not a date
};

TEST(DateHelpers, ParseDateReadsCompactAndSeparatedForms) {
    const std::array cases = {
        DateCase{u"010114"_s, QDate(2014, 1, 1)},
        DateCase{u"01.01.14"_s, QDate(2014, 1, 1)},
        DateCase{u"01-01-14"_s, QDate(2014, 1, 1)},
        DateCase{u"1,1,14"_s, QDate(2014, 1, 1)},
        DateCase{u"1/1/2014"_s, QDate(2014, 1, 1)},
        DateCase{u"01012014"_s, QDate(2014, 1, 1)},
        DateCase{u"311269"_s, QDate(2069, 12, 31)},
        DateCase{u"010170"_s, QDate(1970, 1, 1)},
        DateCase{u"1/1/99"_s, QDate(1999, 1, 1)},
        DateCase{u"29/02/2012"_s, QDate(2012, 2, 29)},
        DateCase{u"1/1"_s, QDate()},
        DateCase{u"31/02/2014"_s, QDate()},
        DateCase{u"310214"_s, QDate()},
        DateCase{u"aa/bb/cc"_s, QDate()},
        DateCase{u"1/13/2014"_s, QDate()},
        DateCase{u"1//2014"_s, QDate()},
        DateCase{QString(), QDate()},
    };
    for (const DateCase& c : cases) {
        QString text = c.typed;
        const QDateTime value = ParseDate(text, kDayFirst, false);
        if (c.expected.isNull()) {
            EXPECT_FALSE(value.isValid()) << c.typed.toStdString();
            EXPECT_TRUE(text.isEmpty()) << c.typed.toStdString();
        } else {
            EXPECT_EQ(value, QDateTime(c.expected, QTime(0, 0))) << c.typed.toStdString();
            EXPECT_EQ(text, c.expected.toString(u"dd/MM/yyyy"_s)) << c.typed.toStdString();
        }
    }
}

TEST(DateHelpers, ParseDateRaisesWithTheTextAsTyped) {
    QString text = u"31.02.2014"_s;
    try {
        ParseDate(text, kDayFirst, true);
        FAIL() << "no error raised";
    } catch (const fw::ConversionError& error) {
        EXPECT_EQ(error.message(), u"La fecha: '31.02.2014' no es correcta..."_s);
    }
    EXPECT_TRUE(text.isEmpty());
    EXPECT_THROW(ParseDateText(u"l'1/1"_s), fw::ConversionError);
}

TEST(DateHelpers, ParseDateReadsATimeAfterABlank) {
    QString text = u"15/03/2014 10:30"_s;
    EXPECT_EQ(ParseDate(text, kDayFirst, false), at(2014, 3, 15, 10, 30));
    EXPECT_EQ(text, u"15/03/2014"_s);

    // Without an output format the text takes the short date form, and the time when there is
    // one.
    text = u"15-3-14 8:05:09"_s;
    EXPECT_EQ(ParseDate(text, QString(), false), at(2014, 3, 15, 8, 5, 9));
    EXPECT_EQ(text, u"15/03/2014 08:05:09"_s);
    text = u"15-3-14"_s;
    ParseDate(text, QString(), false);
    EXPECT_EQ(text, u"15/03/2014"_s);

    // A wrong time: the date alone, unless an error is wanted.
    text = u"15/03/2014 25:00"_s;
    EXPECT_EQ(ParseDate(text, kDayFirst, false), at(2014, 3, 15));
    EXPECT_TRUE(text.isEmpty());
    text = u"15/03/2014 25:00"_s;
    EXPECT_THROW(ParseDate(text, kDayFirst, true), fw::ConversionError);
}

TEST(DateHelpers, ParseMonthYearGivesTheFirstOfTheMonth) {
    const std::array cases = {
        DateCase{u"0314"_s, QDate(2014, 3, 1)},
        DateCase{u"150314"_s, QDate(2014, 3, 1)},
        DateCase{u"032014"_s, QDate(2014, 3, 1)},
        DateCase{u"15032014"_s, QDate(2014, 3, 1)},
        DateCase{u"03/14"_s, QDate(2014, 3, 1)},
        DateCase{u"3.2014"_s, QDate(2014, 3, 1)},
        DateCase{u"15/03/2014"_s, QDate(2014, 3, 1)},
        DateCase{u"15-3-69"_s, QDate(2069, 3, 1)},
        DateCase{u"03/214"_s, QDate()},
        DateCase{u"03/1800"_s, QDate()},
        DateCase{u"1/2/3/4"_s, QDate()},
        DateCase{u"13/14"_s, QDate()},
        DateCase{u"031800"_s, QDate()},
        DateCase{u"123"_s, QDate()},
        DateCase{QString(), QDate()},
    };
    for (const DateCase& c : cases) {
        QString text = c.typed;
        if (c.expected.isNull()) {
            try {
                ParseMonthYear(text, kDayFirst);
                ADD_FAILURE() << "no error for " << c.typed.toStdString();
            } catch (const fw::ConversionError& error) {
                EXPECT_EQ(error.message(), u"Formato o fecha incorrecta."_s);
            }
        } else {
            EXPECT_EQ(ParseMonthYear(text, kDayFirst), QDateTime(c.expected, QTime(0, 0)))
                << c.typed.toStdString();
            EXPECT_EQ(text, c.expected.toString(u"dd/MM/yyyy"_s));
        }
    }
}

struct TimeCase {
    QString text;
    bool valid;
    int hour;
    int minute;
};

TEST(DateHelpers, ParseTimeAcceptsHoursWithOptionalMinutes) {
    const std::array cases = {
        TimeCase{u"9"_s, true, 9, 0},      TimeCase{u"09"_s, true, 9, 0},
        TimeCase{u"9:5"_s, true, 9, 5},    TimeCase{u"9:05"_s, true, 9, 5},
        TimeCase{u"23:5"_s, true, 23, 5},  TimeCase{u"23:59"_s, true, 23, 59},
        TimeCase{u"24"_s, false, 0, 0},    TimeCase{u"24:00"_s, false, 0, 0},
        TimeCase{u"12:60"_s, false, 0, 0}, TimeCase{u"1:2:3"_s, false, 0, 0},
        TimeCase{u"123"_s, false, 0, 0},   TimeCase{u"12:345"_s, false, 0, 0},
        TimeCase{u":30"_s, false, 0, 0},   TimeCase{QString(), false, 0, 0},
        TimeCase{u"a:30"_s, false, 0, 0},
    };
    for (const TimeCase& c : cases) {
        int hour = -1;
        int minute = -1;
        EXPECT_EQ(ParseTime(c.text, hour, minute), c.valid) << c.text.toStdString();
        if (c.valid) {
            EXPECT_EQ(hour, c.hour) << c.text.toStdString();
            EXPECT_EQ(minute, c.minute) << c.text.toStdString();
        } else {
            EXPECT_EQ(hour, -1) << c.text.toStdString();
        }
    }
}

TEST(DateHelpers, SQLLiteralsFollowTheDateOrder) {
    EXPECT_FALSE(DateOrderDMY());
    EXPECT_EQ(SQLDate(u"05/03/2014"_s), u"3/5/2014"_s);
    EXPECT_EQ(SQLDateTime(at(2014, 3, 5, 10, 5, 7, 42)), u"'03/05/2014 10:05:07:042'"_s);

    SetDateOrderDMY(true);
    EXPECT_EQ(SQLDate(u"05.03.14"_s), u"5/3/2014"_s);
    EXPECT_EQ(SQLDateTime(at(2014, 1, 1)), u"'01/01/2014 00:00:00:000'"_s);
    EXPECT_EQ(SQLDateTime(QDateTime()), u"'30/12/1899 00:00:00:000'"_s);
    EXPECT_EQ(SQLDate(QString()), QString());
    EXPECT_THROW(SQLDate(u"31/02/2014"_s), fw::ConversionError);
}

struct FormatCase {
    QString format;
    QString expected;
};

TEST(DateHelpers, FormatDateTimeUnderstandsTheFrameworkLetters) {
    const QDateTime value = at(2014, 3, 5, 9, 7, 3, 45);  // a Wednesday
    const std::array cases = {
        FormatCase{u"dd/mm/yyyy"_s, u"05/03/2014"_s},
        FormatCase{u"d/m/yy"_s, u"5/3/14"_s},
        FormatCase{u"DD/MM/YYYY"_s, u"05/03/2014"_s},
        FormatCase{u"dd/mmm"_s, u"05/mar"_s},
        FormatCase{u"mmmm yyyy"_s, u"marzo 2014"_s},
        FormatCase{u"mm/yyyy"_s, u"03/2014"_s},
        FormatCase{u"ddd dddd"_s, u"mié miércoles"_s},
        FormatCase{u"hh:mm"_s, u"09:07"_s},
        FormatCase{u"h:m"_s, u"9:7"_s},
        FormatCase{u"h:nn:ss"_s, u"9:07:03"_s},
        FormatCase{u"hh:mm:ss.zzz"_s, u"09:07:03.045"_s},
        FormatCase{u"dd/mm hh:mm"_s, u"05/03 09:07"_s},
        FormatCase{u"dd 'de' mmmm"_s, u"05 de marzo"_s},
        FormatCase{u"\"Día\" d"_s, u"Día 5"_s},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(FormatDateTime(c.format, value), c.expected) << c.format.toStdString();
    EXPECT_EQ(FormatDateTime(kDayFirst, QDateTime()), QString());
    EXPECT_EQ(FormatDate(value), u"05/03/2014"_s);
    EXPECT_EQ(FormatTime(value), u"09:07"_s);
}

}  // namespace
