#include <gtest/gtest.h>

#include <QObject>
#include <array>

#include "framework/util/TextHelpers.h"

using namespace Qt::StringLiterals;
using namespace fw::util;

namespace {

TEST(TextHelpers, QuotedSQLDoublesSingleQuotes) {
    EXPECT_EQ(QuotedSQL(u"'"_s), u"''''"_s);
    EXPECT_EQ(QuotedSQL(QString()), u"''"_s);
    EXPECT_EQ(QuotedSQL(u"D'Or l'a"_s), u"'D''Or l''a'"_s);
}

TEST(TextHelpers, CopyRangeCountsFromOne) {
    const QString text = u"abcdef"_s;
    EXPECT_EQ(CopyRange(text, 2, 4), u"bcd"_s);
    EXPECT_EQ(CopyRange(text, 3), u"cdef"_s);
    EXPECT_EQ(CopyRange(text, 5, 99), u"ef"_s);
    EXPECT_EQ(CopyRange(text, 0, 2), u"ab"_s);
    EXPECT_EQ(CopyRange(text, 4, 3), QString());
    EXPECT_EQ(CopyRange(text, 7), QString());
}

struct SplitCase {
    QString text;
    bool keepEmpty;
    QStringList expected;
};

TEST(TextHelpers, SplitTextKeepsOrDropsEmptyPiecesButNeverATrailingOne) {
    const std::array cases = {
        SplitCase{QString(), true, {}},
        SplitCase{u"a;b"_s, false, {u"a"_s, u"b"_s}},
        SplitCase{u"a;;b"_s, true, {u"a"_s, QString(), u"b"_s}},
        SplitCase{u"a;;b"_s, false, {u"a"_s, u"b"_s}},
        SplitCase{u"a;b;"_s, true, {u"a"_s, u"b"_s}},
        SplitCase{u";a"_s, true, {QString(), u"a"_s}},
        SplitCase{u";a"_s, false, {u"a"_s}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(SplitText(c.text, u";"_s, c.keepEmpty), c.expected) << c.text.toStdString();
    EXPECT_EQ(SplitText(u"a<>b<>c"_s, u"<>"_s, false), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
}

TEST(TextHelpers, SplitSemicolonsKeepsTheEmptyLastPiece) {
    EXPECT_EQ(SplitSemicolons(u"a;b;"_s), (QStringList{u"a"_s, u"b"_s, QString()}));
    EXPECT_EQ(SplitSemicolons(u";;"_s), (QStringList{QString(), QString(), QString()}));
}

TEST(TextHelpers, SplitToSlotsClearsEverySlotAndDropsExtraPieces) {
    std::array<QString, 3> targets = {u"old"_s, u"old"_s, u"old"_s};
    SplitToSlots(targets, u"x|y"_s, u'|');
    EXPECT_EQ(targets, (std::array<QString, 3>{u"x"_s, u"y"_s, QString()}));
    SplitToSlots(targets, u"1|2|3|4|5"_s, u'|');
    EXPECT_EQ(targets, (std::array<QString, 3>{u"1"_s, u"2"_s, u"3"_s}));
}

TEST(TextHelpers, ReplaceTextIgnoresCaseAndDoesNotOverlap) {
    EXPECT_EQ(ReplaceText(u"Select * FROM x from"_s, u"from"_s, u"IN"_s), u"Select * IN x IN"_s);
    EXPECT_EQ(ReplaceText(u"aaaa"_s, u"aa"_s, u"a"_s), u"aa"_s);
    EXPECT_EQ(ReplaceText(u"abc"_s, QString(), u"x"_s), u"abc"_s);
    // A letter goes in both cases, as it is found through ReplaceText.
    EXPECT_EQ(RemoveChar(u"Banana"_s, u'a'), u"Bnn"_s);
    EXPECT_EQ(RemoveCommas(u"1,2,3"_s), u"123"_s);
}

TEST(TextHelpers, RemoveThousandsLeavesZeroWhenNothingIsLeft) {
    EXPECT_EQ(RemoveThousands(u"1.234.567,89"_s), u"1234567,89"_s);
    EXPECT_EQ(RemoveThousands(u"..."_s), u"0"_s);
    EXPECT_EQ(RemoveThousands(QString()), u"0"_s);
}

TEST(TextHelpers, NumbersReadZeroWhenTheTextHoldsNone) {
    EXPECT_EQ(StrToIntZero(u"2014"_s), 2014);
    EXPECT_EQ(StrToIntZero(u" -12 "_s), -12);
    for (const QString& bad : {u"12a"_s, u"1,5"_s, u"$1F"_s, QString(), u"99999999999"_s})
        EXPECT_EQ(StrToIntZero(bad), 0) << bad.toStdString();

    EXPECT_DOUBLE_EQ(StrToFloatZero(u"1.234,5"_s), 1234.5);
    EXPECT_DOUBLE_EQ(StrToFloatZero(u"-0,25"_s), -0.25);
    EXPECT_DOUBLE_EQ(StrToFloatZero(u"abc"_s), 0.0);
    EXPECT_DOUBLE_EQ(StrToFloatZero(QString()), 0.0);
    EXPECT_DOUBLE_EQ(StrToFloatZero(u"inf"_s), 0.0);
}

TEST(TextHelpers, IsNumberUsesTheDecimalComma) {
    for (const QString& good : {u"12"_s, u"12,5"_s, u"-3"_s, u"010114"_s})
        EXPECT_TRUE(IsNumber(good)) << good.toStdString();
    for (const QString& bad : {u"12.5"_s, u"1.234,5"_s, u"12/5"_s, QString(), u"nan"_s, u"a1"_s})
        EXPECT_FALSE(IsNumber(bad)) << bad.toStdString();
}

TEST(TextHelpers, FloatToSQLWritesADecimalPoint) {
    EXPECT_EQ(FloatToSQL(1234.5), u"1234.5"_s);
    EXPECT_EQ(FloatToSQL(-0.1), u"-0.1"_s);
    EXPECT_EQ(FloatToSQL(0.1 + 0.2), u"0.3"_s);
    EXPECT_EQ(FloatToSQL(3.0), u"3"_s);
    EXPECT_EQ(DecimalPointText(u"1,5"_s), u"1.5"_s);
}

TEST(TextHelpers, SmallTextHelpers) {
    EXPECT_EQ(RepeatText(3, u"ab"_s), u"ababab"_s);
    EXPECT_EQ(RepeatText(0, u"ab"_s), QString());
    EXPECT_EQ(RepeatText(-2, u"ab"_s), QString());
    EXPECT_EQ(Capitalize(u"eNERO"_s), u"Enero"_s);
    EXPECT_EQ(Capitalize(u"ñu"_s), u"Ñu"_s);
    EXPECT_EQ(Capitalize(QString()), QString());
    EXPECT_TRUE(IsAllDigits(QString()));
    EXPECT_TRUE(IsAllDigits(u"0123456789"_s));
    EXPECT_FALSE(IsAllDigits(u"12 3"_s));
    EXPECT_FALSE(IsAllDigits(u"-1"_s));
}

TEST(TextHelpers, ConcatValuesWritesEachKindInItsTextForm) {
    QObject object;
    const QVariantList values = {QVariant(12),
                                 QVariant(true),
                                 QVariant(false),
                                 QVariant(QChar(u'x')),
                                 QVariant(2.5),
                                 QVariant(u"abc"_s),
                                 QVariant::fromValue(&object)};
    EXPECT_EQ(ConcatValues(values), u"12TFx2,5abcQObject"_s);
}

struct MaskCase {
    QString text;
    QString masks;
    bool matches;
};

TEST(TextHelpers, MatchesMask) {
    const std::array cases = {
        MaskCase{u"AB12"_s, u"++##"_s, true},
        MaskCase{u"Ab12"_s, u"++##"_s, false},
        MaskCase{u"ÑÇ12"_s, u"++##"_s, true},
        MaskCase{u"anything at all"_s, u"*"_s, true},
        MaskCase{QString(), u"*"_s, true},
        MaskCase{u"AB123"_s, u"++##"_s, false},
        MaskCase{u"AB1"_s, u"++##"_s, false},
        MaskCase{u"AB123"_s, u"++#*"_s, true},
        MaskCase{u"ñu"_s, u"--"_s, true},
        MaskCase{u"a9"_s, u"??"_s, true},
        MaskCase{u"a-"_s, u"??"_s, false},
        MaskCase{u" -.5"_s, u"%%%%"_s, true},
        MaskCase{u"x y"_s, u"@_@"_s, true},
        MaskCase{u"xay"_s, u"@_@"_s, false},
        MaskCase{u"A-1"_s, u"$-#"_s, false},
        MaskCase{u"Zz"_s, u"$$"_s, true},
        MaskCase{u"12:30"_s, u"#;##:##"_s, true},
        MaskCase{u"12:30"_s, u"#;;##"_s, false},
        MaskCase{u"x"_s, u";;"_s, false},
        MaskCase{u"X-1"_s, u"X-1"_s, false},  // "-" is a lower-case letter, not itself
        MaskCase{u"X.1"_s, u"X.1"_s, true},
    };
    for (const MaskCase& c : cases) {
        EXPECT_EQ(MatchesMask(c.text, c.masks), c.matches)
            << c.text.toStdString() << " / " << c.masks.toStdString();
    }
}

TEST(TextHelpers, CommaTextQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CommaText({u"a"_s, u"b c"_s, u"d,e"_s, u"say \"hi\""_s}),
              uR"(a,"b c","d,e","say ""hi""")"_s);
    EXPECT_EQ(CommaText({QString()}), u"\"\""_s);
    EXPECT_EQ(CommaText({u"a"_s, QString(), u"b"_s}), u"a,,b"_s);
    EXPECT_EQ(CommaText({u"tab\there"_s}), u"\"tab\there\""_s);
    EXPECT_EQ(CommaText({}), QString());
    EXPECT_EQ(CommaText({u"ñandú"_s, u"1;2"_s}), u"ñandú,1;2"_s);
}

}  // namespace
