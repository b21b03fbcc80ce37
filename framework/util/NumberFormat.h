#pragma once

#include <QString>

namespace fw::util {

// Formats a number with a display mask such as "#,###,##0.00": "0" forces a digit, "#" is an
// optional digit, a "," in the integer part groups thousands with "." and "." marks the
// decimals, written as ",". Text before and after the digits (quoted or not) is copied. Up to
// three sections "positive;negative;zero"; a negative section carries its own sign, otherwise
// negative values get a leading "-", except when they round to zero. Halves round away from
// zero. An empty mask gives the number's general form.
QString FormatFloat(const QString& format, double value);

// The value grouped in thousands with that many decimals.
QString FormatNumber(double value, int decimals);

}  // namespace fw::util
