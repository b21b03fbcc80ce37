#include "framework/util/NumberFormat.h"

#include <QStringList>
#include <cmath>

#include "framework/util/GlobalSettings.h"

using namespace Qt::StringLiterals;

namespace fw::util {

namespace {

// One section of a mask, taken apart.
struct Mask {
    QString prefix;
    QString suffix;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
};

bool isNumberChar(QChar c) {
    return c == u'0' || c == u'#' || c == u',' || c == u'.';
}

// Copies literal text, dropping the quotes around quoted parts.
QString literalText(QStringView text) {
    QString result;
    QChar quote;
    for (QChar c : text) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                result += c;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else {
            result += c;
        }
    }
    return result;
}

Mask parseMask(const QString& section) {
    Mask mask;
    qsizetype first = -1;
    qsizetype last = -1;
    QChar quote;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (isNumberChar(c)) {
            if (first < 0)
                first = i;
            last = i;
        } else if (first >= 0) {
            break;
        }
    }
    if (first < 0) {
        mask.prefix = literalText(section);
        return mask;
    }
    mask.prefix = literalText(QStringView(section).left(first));
    mask.suffix = literalText(QStringView(section).mid(last + 1));
    bool inDecimals = false;
    bool forced = false;
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = section[i];
        if (c == u'.') {
            inDecimals = true;
        } else if (inDecimals) {
            if (c == u'0' || c == u'#')
                ++mask.maxDecimals;
            if (c == u'0')
                mask.minDecimals = mask.maxDecimals;
        } else if (c == u',') {
            mask.grouping = true;
        } else if (c == u'0' || forced) {
            forced = true;
            ++mask.minIntegerDigits;
        }
    }
    return mask;
}

// The absolute value rounded to the decimals wanted, as integer and fraction digits. It works
// on 15 significant digits, so 1.005 rounds to 1.01 as written.
void roundedDigits(double value, int decimals, QString& integer, QString& fraction) {
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    const QString digits = scientific.left(1) + scientific.mid(2, e - 2);
    const int pointAt = scientific.mid(e + 1).toInt() + 1;

    QString all = digits;
    int point = pointAt;
    if (point < 0) {
        all.prepend(QString(-point, u'0'));
        point = 0;
    }
    if (all.size() < point + decimals + 1)
        all.append(QString(point + decimals + 1 - all.size(), u'0'));
    const bool roundUp = all[point + decimals] >= u'5';
    all.truncate(point + decimals);
    if (roundUp) {
        qsizetype i = all.size() - 1;
        for (; i >= 0 && all[i] == u'9'; --i)
            all[i] = u'0';
        if (i >= 0) {
            all[i] = QChar(all[i].unicode() + 1);
        } else {
            all.prepend(u'1');
            ++point;
        }
    }
    integer = all.left(point);
    fraction = all.mid(point);
    while (integer.startsWith(u'0'))
        integer.remove(0, 1);
}

QString groupThousands(const QString& digits) {
    QString result;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            result += ThousandSeparator();
        result += digits[i];
    }
    return result;
}

QString formatSection(const Mask& mask, double value) {
    QString integer;
    QString fraction;
    roundedDigits(value, mask.maxDecimals, integer, fraction);
    if (integer.size() < mask.minIntegerDigits)
        integer.prepend(QString(mask.minIntegerDigits - integer.size(), u'0'));
    while (fraction.size() > mask.minDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);
    QString number = mask.grouping ? groupThousands(integer) : integer;
    if (!fraction.isEmpty())
        number += DecimalSeparator() + fraction;
    return mask.prefix + number + mask.suffix;
}

bool roundsToZero(const Mask& mask, double value) {
    QString integer;
    QString fraction;
    roundedDigits(value, mask.maxDecimals, integer, fraction);
    return integer.isEmpty() &&
           std::all_of(fraction.begin(), fraction.end(), [](QChar c) { return c == u'0'; });
}

}  // namespace

QString FormatFloat(const QString& format, double value) {
    if (!std::isfinite(value))
        return QString::number(value);
    if (format.isEmpty()) {
        QString text = QString::number(value, 'g', 15);
        return text.replace(u'.', DecimalSeparator());
    }
    // Sections split at ";" outside quotes.
    QStringList sections{QString()};
    QChar quote;
    for (QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u';') {
            sections.append(QString());
            continue;
        }
        sections.back() += c;
    }

    const Mask positive = parseMask(sections[0]);
    if (roundsToZero(positive, value)) {
        if (sections.size() > 2 && !sections[2].isEmpty())
            return formatSection(parseMask(sections[2]), 0.0);
        return formatSection(positive, 0.0);
    }
    if (value < 0) {
        if (sections.size() > 1 && !sections[1].isEmpty())
            return formatSection(parseMask(sections[1]), value);
        return u'-' + formatSection(positive, value);
    }
    return formatSection(positive, value);
}

QString FormatNumber(double value, int decimals) {
    QString format = u"#,##0"_s;
    if (decimals > 0)
        format += u'.' + QString(decimals, u'0');
    return FormatFloat(format, value);
}

}  // namespace fw::util
