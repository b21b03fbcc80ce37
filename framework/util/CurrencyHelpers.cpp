#include "framework/util/CurrencyHelpers.h"

#include <cmath>
#include <cstdint>

#include "framework/util/GlobalSettings.h"

namespace fw::util {

namespace {

// Beyond this many units of the last decimal the four-decimal arithmetic would overflow.
constexpr double kLargestScaled = 999999999999.0;
constexpr int kWorkingDecimals = 4;

std::int64_t powerOfTen(int exponent) {
    std::int64_t result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

}  // namespace

double RoundDecimals(int decimals, double amount) {
    if (!std::isfinite(amount))
        return amount;
    decimals = std::max(decimals, 0);
    const double scale = std::pow(10.0, decimals);
    const double half = std::copysign(0.5 / scale, amount);
    const double scaled = scale * (amount + half);
    if (std::fabs(scaled) > kLargestScaled)
        return std::trunc(scaled) / scale;

    // In ten-thousandths, exact from here on.
    const std::int64_t units = std::llround(amount * double(powerOfTen(kWorkingDecimals)));
    if (decimals >= kWorkingDecimals)
        return double(units) / double(powerOfTen(kWorkingDecimals));
    const std::int64_t step = powerOfTen(kWorkingDecimals - decimals);
    const std::int64_t magnitude = (std::llabs(units) + step / 2) / step;
    return double(units < 0 ? -magnitude : magnitude) / scale;
}

double ToEuros(double pesetas) {
    const TGlobalMoneda& moneda = GlobalMoneda();
    return RoundDecimals(moneda.euroDecimals, pesetas / moneda.rate);
}

double ToPesetas(double euros) {
    const TGlobalMoneda& moneda = GlobalMoneda();
    return RoundDecimals(moneda.pesetaDecimals, euros * moneda.rate);
}

double RoundBaseCurrency(double amount) {
    const TGlobalMoneda& moneda = GlobalMoneda();
    return RoundDecimals(moneda.baseIsEuro ? moneda.euroDecimals : moneda.pesetaDecimals, amount);
}

}  // namespace fw::util
