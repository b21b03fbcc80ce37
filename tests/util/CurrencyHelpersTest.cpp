#include <gtest/gtest.h>

#include <array>

#include "framework/util/CurrencyHelpers.h"
#include "framework/util/GlobalSettings.h"

using namespace fw::util;

namespace {

struct RoundCase {
    int decimals;
    double amount;
    double expected;
};

TEST(CurrencyHelpers, RoundDecimalsHalvesAwayFromZero) {
    const std::array cases = {
        RoundCase{2, 1.005, 1.01},
        RoundCase{0, -2.5, -3},
        RoundCase{0, 2.5, 3},
        RoundCase{0, 2.4999, 2},
        RoundCase{2, -1.005, -1.01},
        RoundCase{2, 2.675, 2.68},
        RoundCase{2, 1.004, 1.0},
        RoundCase{1, 0.05, 0.1},
        RoundCase{3, 1.0005, 1.001},
        RoundCase{2, 0.0, 0.0},
        RoundCase{2, 123456.785, 123456.79},
        // Beyond the four-decimal arithmetic: scaled and truncated.
        RoundCase{2, 12345678901.234, 12345678901.23},
        RoundCase{0, -1e13 - 0.5, -1e13 - 1},
    };
    for (const RoundCase& c : cases)
        EXPECT_DOUBLE_EQ(RoundDecimals(c.decimals, c.amount), c.expected)
            << c.decimals << " " << c.amount;
}

TEST(CurrencyHelpers, ConvertsBetweenPesetasAndEuros) {
    EXPECT_DOUBLE_EQ(ToEuros(1000), 6.01);
    EXPECT_DOUBLE_EQ(ToPesetas(6.01), 1000);
    EXPECT_DOUBLE_EQ(ToEuros(166.386), 1.0);
    EXPECT_DOUBLE_EQ(ToPesetas(-1.0), -166);
}

TEST(CurrencyHelpers, RoundBaseCurrencyUsesTheBaseCurrencyDecimals) {
    EXPECT_DOUBLE_EQ(RoundBaseCurrency(10.555), 10.56);
    GlobalMoneda().baseIsEuro = false;
    EXPECT_DOUBLE_EQ(RoundBaseCurrency(10.5), 11);
}

}  // namespace
