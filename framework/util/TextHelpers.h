#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <span>

namespace fw::util {

// Every helper returns a new text and leaves its arguments unchanged. Positions count from 1.

// The text between single quotes with its single quotes doubled, ready to put into SQL.
QString QuotedSQL(const QString& text);
// Characters first to last; last = -1 or beyond the end means the end.
QString CopyRange(const QString& text, int first, int last = -1);
// Cuts at every separator. A piece before a separator is kept when it is not empty or keepEmpty
// is set; the piece after the last separator only when it is not empty.
QStringList SplitText(const QString& text, const QString& separator, bool keepEmpty);
// All pieces between ";", empty ones included, also an empty last one (an empty text is one
// empty piece).
QStringList SplitSemicolons(const QString& text);
// Clears every slot, then puts the pieces in order; pieces beyond the last slot are dropped.
void SplitToSlots(std::span<QString> targets, const QString& text, QChar separator);
// Every occurrence of oldText, found without regard to letter case, from left to right and not
// overlapping. An empty oldText changes nothing.
QString ReplaceText(const QString& text, const QString& oldText, const QString& newText);
// ReplaceText with the character, so a letter is removed in both cases.
QString RemoveChar(const QString& text, QChar c);
QString RemoveCommas(const QString& text);
// "0" when nothing is left.
QString RemoveThousands(const QString& text);
// The whole decimal number the text holds (optional sign, blanks around); 0 otherwise.
int StrToIntZero(const QString& text);
// Thousands separators removed, then read with the process's decimal separator; 0 on failure.
double StrToFloatZero(const QString& text);
QString DecimalPointText(const QString& text);
// Up to 15 significant digits with "." as the decimal point.
QString FloatToSQL(double value);
QString RepeatText(int count, const QString& text);
QString Capitalize(const QString& text);
// Integers in decimal, booleans "T"/"F", floating numbers with the process's decimal separator,
// objects by class name, anything else as its text, all run together.
QString ConcatValues(const QVariantList& values);
// The text reads as a finite number with the process's decimal separator (no thousands).
bool IsNumber(const QString& text);
// True for an empty text.
bool IsAllDigits(const QString& text);
// The text matches one of the ";"-separated masks: "#" digit, "$" letter, "%" blank, "-", "." or
// digit, "+" upper-case letter, "-" lower-case letter, "?" letter or digit, "@" any character,
// "_" blank, "*" the rest of the text (also nothing); any other character stands for itself.
bool MatchesMask(const QString& text, const QString& masks);
// Pieces joined by ",": a piece holding a blank, a control character, a comma or a double quote
// goes between double quotes with its double quotes doubled. A single empty piece gives "";
// an empty piece among several is written as nothing ("a,,b").
QString CommaText(const QStringList& pieces);

// The text cut at every line break (CR LF, LF or CR). The piece after the last break counts even
// when empty, so joining the pieces with one break gives the text back.
QStringList SplitLineBreaks(const QString& text);

}  // namespace fw::util
