#include <gtest/gtest.h>

#include <array>

#include "framework/util/NumberFormat.h"

using namespace Qt::StringLiterals;
using namespace fw::util;

namespace {

struct FormatCase {
    QString format;
    double value;
    QString expected;
};

TEST(NumberFormat, DisplayMasks) {
    const std::array cases = {
        FormatCase{u"###,###,##0"_s, 12345, u"12.345"_s},
        FormatCase{u"###,###,##0"_s, 0, u"0"_s},
        FormatCase{u"###,###,##0"_s, 1234567890, u"1.234.567.890"_s},
        FormatCase{u"###,###,##0"_s, 999.5, u"1.000"_s},
        FormatCase{u"#,##0.00"_s, -1234.5, u"-1.234,50"_s},
        FormatCase{u"#,###,##0.00"_s, 0.5, u"0,50"_s},
        FormatCase{u"#,###,##0.00"_s, 1.005, u"1,01"_s},
        FormatCase{u"#,###,##0.00"_s, -1.005, u"-1,01"_s},
        FormatCase{u"#,###,##0.00"_s, 2.675, u"2,68"_s},
        FormatCase{u"#,###,##0.00"_s, 9999999.995, u"10.000.000,00"_s},
        FormatCase{u"#,##0.000"_s, 1234.5678, u"1.234,568"_s},
        FormatCase{u"#,##0.000000"_s, 0.000001, u"0,000001"_s},
        FormatCase{u"##0.00"_s, 12345.678, u"12345,68"_s},
        FormatCase{u"0.00"_s, 3, u"3,00"_s},
        FormatCase{u"0.##"_s, 3.1, u"3,1"_s},
        FormatCase{u"0.##"_s, 3, u"3"_s},
        FormatCase{u"#.##"_s, 0.25, u",25"_s},
        FormatCase{u"000"_s, 7, u"007"_s},
        FormatCase{u"#,##0"_s, 0.4, u"0"_s},
        FormatCase{u"#,##0"_s, -0.4, u"0"_s},
        FormatCase{u"#,##0.00"_s, -0.001, u"0,00"_s},
        FormatCase{u"#,##0"_s, -2.5, u"-3"_s},
        FormatCase{u"#,##0.00 €"_s, 12.5, u"12,50 €"_s},
        FormatCase{u"\"Total: \"#,##0"_s, 1500, u"Total: 1.500"_s},
        FormatCase{u"#,##0.00;(#,##0.00)"_s, -5, u"(5,00)"_s},
        FormatCase{u"#,##0.00;(#,##0.00);\"cero\""_s, 0, u"cero"_s},
        FormatCase{u"#,##0.00;;\"-\""_s, -3, u"-3,00"_s},
        FormatCase{u"#,##0.00"_s, 1e15, u"1.000.000.000.000.000,00"_s},
        FormatCase{QString(), 2.5, u"2,5"_s},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatFloat(c.format, c.value), c.expected)
            << c.format.toStdString() << " " << c.value;
    }
}

TEST(NumberFormat, FormatNumberGroupsWithTheDecimalsAsked) {
    EXPECT_EQ(FormatNumber(1234567.891, 2), u"1.234.567,89"_s);
    EXPECT_EQ(FormatNumber(-1234.5, 0), u"-1.235"_s);
    EXPECT_EQ(FormatNumber(0, 3), u"0,000"_s);
}

}  // namespace
