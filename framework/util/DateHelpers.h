#pragma once

#include <QDateTime>
#include <QString>

namespace fw::util {

// Set once the first connection has made its session dates day first; SQL date literals follow
// it. Off at process start.
bool DateOrderDMY();
void SetDateOrderDMY(bool on);

// Reads a date typed as "ddmmyy", "ddmmyyyy" or with "/", ".", "-" or "," between day, month
// and year, optionally followed by a blank and a time. Years below 70 are 2000s, 70 to 99 are
// 1900s. On success the text is rewritten with outputFormat (the short date format, plus the
// time when there is one, when outputFormat is empty). On failure the text becomes empty and
// either ConversionError "La fecha: '...' no es correcta..." is raised or an invalid value (the
// zero date) is answered, or the date alone when only the time was wrong.
QDateTime ParseDate(QString& text, const QString& outputFormat, bool raiseOnError);
// ParseDate without output format, raising.
QDateTime ParseDateText(const QString& text);
// The first day of the month the text names ("mmyy", "mm/yyyy", a full date...); the text is
// rewritten with outputFormat. Raises ConversionError "Formato o fecha incorrecta.".
QDateTime ParseMonthYear(QString& text, const QString& outputFormat);
// The date as "d/m/yyyy" or "m/d/yyyy" after DateOrderDMY, unquoted; empty for an empty text.
QString SQLDate(const QString& text);
// A quoted date-time literal to the millisecond, such as '01/01/2014 00:00:00:000' day first.
// An invalid value is the zero date, 30/12/1899.
QString SQLDateTime(const QDateTime& value);
QString FormatDate(const QDateTime& value);
QString FormatTime(const QDateTime& value);
// An hour with optional minutes ("9", "09:5", "23:59"); hour and minute are set only on success.
bool ParseTime(const QString& text, int& hour, int& minute);
// The framework's date format letters, case ignored: d dd ddd dddd, m mm mmm mmmm (Spanish
// month names; m and mm right after h or hh are minutes), yy yyyy, h hh, n nn, s ss, z zzz,
// "/" and ":" the date and time separators, quoted text copied. An invalid value gives "".
QString FormatDateTime(const QString& format, const QDateTime& value);

}  // namespace fw::util
