#include "framework/util/DateHelpers.h"

#include <array>

#include "framework/util/Errors.h"
#include "framework/util/GlobalSettings.h"
#include "framework/util/TextHelpers.h"

using namespace Qt::StringLiterals;

namespace fw::util {

namespace {

bool dateOrderDMY = false;

const std::array<QString, 12> shortMonthNames = {u"ene"_s, u"feb"_s, u"mar"_s, u"abr"_s,
                                                 u"may"_s, u"jun"_s, u"jul"_s, u"ago"_s,
                                                 u"sep"_s, u"oct"_s, u"nov"_s, u"dic"_s};
const std::array<QString, 12> longMonthNames = {
    u"enero"_s, u"febrero"_s, u"marzo"_s,      u"abril"_s,   u"mayo"_s,      u"junio"_s,
    u"julio"_s, u"agosto"_s,  u"septiembre"_s, u"octubre"_s, u"noviembre"_s, u"diciembre"_s};
// Monday first, as QDate::dayOfWeek counts.
const std::array<QString, 7> shortDayNames = {u"lun"_s, u"mar"_s, u"mié"_s, u"jue"_s,
                                              u"vie"_s, u"sáb"_s, u"dom"_s};
const std::array<QString, 7> longDayNames = {u"lunes"_s,   u"martes"_s, u"miércoles"_s, u"jueves"_s,
                                             u"viernes"_s, u"sábado"_s, u"domingo"_s};

QString twoDigits(int n) {
    return QString::number(n).rightJustified(2, u'0');
}

QString withDateSeparators(const QString& text) {
    QString result = text;
    for (QChar c : {u'.', u'-', u','})
        result.replace(c, DateSeparator());
    return result;
}

// A whole number, blanks around allowed; false for anything else.
bool readNumber(const QString& text, int& value) {
    bool ok = false;
    value = text.trimmed().toInt(&ok, 10);
    return ok;
}

bool readTime(const QString& text, QTime& time) {
    const QStringList pieces = text.trimmed().split(TimeSeparator());
    if (pieces.size() > 3)
        return false;
    std::array<int, 3> parts{0, 0, 0};
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (!readNumber(pieces[i], parts[std::size_t(i)]))
            return false;
    }
    time = QTime(parts[0], parts[1], parts[2]);
    return time.isValid();
}

QString defaultDateTimeFormat(const QDateTime& value) {
    if (value.time() == QTime(0, 0))
        return ShortDateFormat();
    return ShortDateFormat() + u" hh:nn:ss"_s;
}

QDateTime zeroDate() {
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0));
}

}  // namespace

bool DateOrderDMY() {
    return dateOrderDMY;
}

void SetDateOrderDMY(bool on) {
    dateOrderDMY = on;
}

QDateTime ParseDate(QString& text, const QString& outputFormat, bool raiseOnError) {
    const QString original = text;
    const QString typed = withDateSeparators(text);
    QString dayText;
    QString monthText;
    QString yearText;
    QString timeText;
    if (typed.size() >= 5 && typed.size() <= 8 && IsNumber(typed)) {
        dayText = typed.left(2);
        monthText = typed.mid(2, 2);
        yearText = typed.mid(4);
    } else {
        QString datePart = typed;
        const qsizetype blank = typed.indexOf(u' ');
        if (blank >= 0) {
            datePart = typed.left(blank);
            timeText = typed.mid(blank + 1);
        }
        const qsizetype first = datePart.indexOf(DateSeparator());
        const qsizetype second = first < 0 ? -1 : datePart.indexOf(DateSeparator(), first + 1);
        if (second >= 0) {
            dayText = datePart.left(first);
            monthText = datePart.mid(first + 1, second - first - 1);
            yearText = datePart.mid(second + 1);
        } else {
            dayText = monthText = yearText = u"0"_s;
        }
    }

    int day = 0;
    int month = 0;
    int year = 0;
    QDate date;
    if (readNumber(dayText, day) && readNumber(monthText, month) && readNumber(yearText, year)) {
        if (year >= 0 && year < 70)
            year += 2000;
        else if (year >= 70 && year < 100)
            year += 1900;
        if (year > 0)
            date = QDate(year, month, day);
    }
    QTime time(0, 0);
    const bool timeValid = timeText.trimmed().isEmpty() || readTime(timeText, time);

    if (date.isValid() && timeValid) {
        const QDateTime value(date, time);
        text = FormatDateTime(outputFormat.isEmpty() ? defaultDateTimeFormat(value) : outputFormat,
                              value);
        return value;
    }
    text.clear();
    if (raiseOnError)
        throw ConversionError(u"La fecha: "_s + QuotedSQL(original) + u" no es correcta..."_s);
    return date.isValid() ? QDateTime(date, QTime(0, 0)) : QDateTime();
}

QDateTime ParseDateText(const QString& text) {
    QString copy = text;
    return ParseDate(copy, QString(), true);
}

QDateTime ParseMonthYear(QString& text, const QString& outputFormat) {
    const QString typed = withDateSeparators(text);
    QString candidate;
    if (IsNumber(typed)) {
        if (typed.size() == 4) {
            candidate = u"01"_s + typed;
        } else if (typed.size() == 6) {
            if (StrToIntZero(typed.mid(2, 2)) < 13)
                candidate = u"01"_s + typed.mid(2, 4);
            else if (StrToIntZero(typed.mid(2, 4)) >= 1900)
                candidate = u"01"_s + typed;
        } else if (typed.size() == 8) {
            candidate = u"01"_s + typed.mid(2, 6);
        }
    } else {
        const qsizetype separators = typed.count(DateSeparator());
        if (separators <= 2) {
            const QString dateSeparator(DateSeparator());
            if (separators == 1)
                candidate = u"01"_s + dateSeparator + typed;
            else
                candidate = u"01"_s + dateSeparator + typed.mid(typed.indexOf(DateSeparator()) + 1);
            const QString year = candidate.mid(candidate.lastIndexOf(DateSeparator()) + 1);
            const bool yearFits = year.size() == 1 || year.size() == 2 ||
                                  (year.size() == 4 && StrToIntZero(year) >= 1900);
            if (!yearFits)
                candidate.clear();
        }
    }
    const QDateTime value = ParseDate(candidate, outputFormat, false);
    text = candidate;
    if (text.isEmpty())
        throw ConversionError(u"Formato o fecha incorrecta."_s);
    return value;
}

QString SQLDate(const QString& text) {
    if (text.isEmpty())
        return {};
    QString copy = text;
    const QDate date = ParseDate(copy, u"dd/mm/yyyy"_s, true).date();
    const QString day = QString::number(date.day());
    const QString month = QString::number(date.month());
    const QString year = QString::number(date.year());
    if (DateOrderDMY())
        return day + u'/' + month + u'/' + year;
    return month + u'/' + day + u'/' + year;
}

QString SQLDateTime(const QDateTime& value) {
    const QDateTime moment = value.isValid() ? value : zeroDate();
    const QDate date = moment.date();
    const QTime time = moment.time();
    const QString dayMonth = DateOrderDMY()
                                 ? twoDigits(date.day()) + u'/' + twoDigits(date.month())
                                 : twoDigits(date.month()) + u'/' + twoDigits(date.day());
    const QString text = dayMonth + u'/' + QString::number(date.year()).rightJustified(4, u'0') +
                         u' ' + twoDigits(time.hour()) + u':' + twoDigits(time.minute()) + u':' +
                         twoDigits(time.second()) + u':' +
                         QString::number(time.msec()).rightJustified(3, u'0');
    return QuotedSQL(text);
}

QString FormatDate(const QDateTime& value) {
    return FormatDateTime(GlobalFormat().dateFormat(), value);
}

QString FormatTime(const QDateTime& value) {
    return FormatDateTime(GlobalFormat().timeFormat(), value);
}

bool ParseTime(const QString& text, int& hour, int& minute) {
    if (!MatchesMask(text, u"#;##;#:#;#:##;##:#;##:##"_s))
        return false;
    const QStringList pieces = SplitText(text, u":"_s, false);
    int h = 0;
    int m = 0;
    if (pieces.size() == 1) {
        h = pieces[0].toInt();
    } else if (pieces.size() == 2) {
        h = pieces[0].toInt();
        m = pieces[1].toInt();
    } else {
        return false;
    }
    if (h > 23 || m > 59)
        return false;
    hour = h;
    minute = m;
    return true;
}

QString FormatDateTime(const QString& format, const QDateTime& value) {
    if (!value.isValid())
        return {};
    const QDate date = value.date();
    const QTime time = value.time();
    QString result;
    QChar lastLetter;
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i];
        const QChar letter = c.toLower();
        if (c == u'"' || c == u'\'') {
            const qsizetype end = format.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? format.size() : end;
            result += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run].toLower() == letter)
            ++run;
        switch (letter.unicode()) {
            case u'd':
                run = std::min<qsizetype>(run, 4);
                if (run == 1)
                    result += QString::number(date.day());
                else if (run == 2)
                    result += twoDigits(date.day());
                else if (run == 3)
                    result += shortDayNames[std::size_t(date.dayOfWeek() - 1)];
                else
                    result += longDayNames[std::size_t(date.dayOfWeek() - 1)];
                break;
            case u'm':
                run = std::min<qsizetype>(run, 4);
                if (lastLetter == u'h' && run <= 2)
                    result += run == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
                else if (run == 1)
                    result += QString::number(date.month());
                else if (run == 2)
                    result += twoDigits(date.month());
                else if (run == 3)
                    result += shortMonthNames[std::size_t(date.month() - 1)];
                else
                    result += longMonthNames[std::size_t(date.month() - 1)];
                break;
            case u'y':
                run = std::min<qsizetype>(run, 4);
                if (run <= 2)
                    result += twoDigits(date.year() % 100);
                else
                    result += QString::number(date.year()).rightJustified(4, u'0');
                break;
            case u'h':
                run = std::min<qsizetype>(run, 2);
                result += run == 1 ? QString::number(time.hour()) : twoDigits(time.hour());
                break;
            case u'n':
                run = std::min<qsizetype>(run, 2);
                result += run == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
                break;
            case u's':
                run = std::min<qsizetype>(run, 2);
                result += run == 1 ? QString::number(time.second()) : twoDigits(time.second());
                break;
            case u'z':
                run = run >= 3 ? 3 : 1;
                result += run == 1 ? QString::number(time.msec())
                                   : QString::number(time.msec()).rightJustified(3, u'0');
                break;
            case u'/':
                run = 1;
                result += DateSeparator();
                break;
            case u':':
                run = 1;
                result += TimeSeparator();
                break;
            default:
                run = 1;
                result += c;
        }
        if (letter >= u'a' && letter <= u'z')
            lastLetter = letter;
        i += run;
    }
    return result;
}

}  // namespace fw::util
