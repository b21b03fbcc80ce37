#pragma once

namespace fw::util {

// The amount rounded to that many decimals, halves away from zero. The amount is first taken to
// four decimals, which absorbs the binary error of amounts such as 1.005, so no more than four
// decimals come out.
double RoundDecimals(int decimals, double amount);
// Conversions with the rate and decimals of GlobalMoneda().
double ToEuros(double pesetas);
double ToPesetas(double euros);
// Rounded to the decimals of the base currency.
double RoundBaseCurrency(double amount);

}  // namespace fw::util
