#include <gtest/gtest.h>

#include <QLocale>

#include "framework/util/GlobalSettings.h"

using namespace Qt::StringLiterals;
using namespace fw::util;

namespace {

TEST(GlobalSettings, DisplayFormatDefaults) {
    const QStringList expected = {
        u"#,###,##0.00"_s, u"#,###,##0.00"_s, u"#,##0.00"_s, u"#,###,##0.00"_s, u"#,###,##0"_s,
        u"#,###,##0"_s,    u"###,###,##0"_s,  u"dd/mmm"_s,   u"dd/mm/yyyy"_s,   u"hh:mm"_s,
        u"mm/yyyy"_s,      u"#,##0"_s,        u"##0.00"_s,   u"#,##0.00"_s,     u"#,##0.000"_s,
        u"#,##0.0000"_s,   u"#,##0.000000"_s};
    const TGlobalFormat& format = GlobalFormat();
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(format[i], expected[i]) << i;
    EXPECT_EQ(&format.moneyFormat(), &format[3]);
    EXPECT_EQ(&format.wholeMoneyFormat(), &format[5]);
    EXPECT_EQ(&format.dateFormat(), &format[8]);
    EXPECT_EQ(&format.timeFormat(), &format[9]);
}

TEST(GlobalSettings, SeparatorsAreForcedWhateverTheSystemSays) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ForceNumberAndDateSeparators();
    EXPECT_EQ(QLocale().decimalPoint(), u","_s);
    EXPECT_EQ(QLocale().groupSeparator(), u"."_s);
    EXPECT_EQ(DecimalSeparator(), u',');
    EXPECT_EQ(ThousandSeparator(), u'.');
    EXPECT_EQ(DateSeparator(), u'/');
    EXPECT_EQ(TimeSeparator(), u':');
    EXPECT_EQ(ShortDateFormat(), u"dd/mm/yyyy"_s);
    SetShortDateFormat(u"d/m/yy"_s);
    EXPECT_EQ(ShortDateFormat(), u"d/m/yy"_s);
}

}  // namespace
