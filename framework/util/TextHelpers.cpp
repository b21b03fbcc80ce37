#include "framework/util/TextHelpers.h"

#include <QObject>
#include <cmath>

#include "framework/util/GlobalSettings.h"

using namespace Qt::StringLiterals;

namespace fw::util {

namespace {

// Reads a number written with the process's decimal separator; the other separator is refused,
// as the platform's own reading refuses it.
bool readFloat(const QString& text, double& value) {
    QString plain = text;
    const QChar decimal = DecimalSeparator();
    if (decimal != u'.') {
        if (plain.contains(u'.'))
            return false;
        plain.replace(decimal, u'.');
    }
    bool ok = false;
    value = plain.toDouble(&ok);
    return ok && std::isfinite(value);
}

bool isLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'Ç' || c == u'Ñ' ||
           c == u'ç' || c == u'ñ';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool matchesOneMask(const QString& text, const QString& mask) {
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar m = mask[i];
        if (m == u'*')
            return true;
        if (i >= text.size())
            return false;
        const QChar c = text[i];
        bool accepted = false;
        switch (m.unicode()) {
            case u'#':
                accepted = isDigit(c);
                break;
            case u'$':
                accepted = isLetter(c);
                break;
            case u'%':
                accepted = c == u' ' || c == u'-' || c == u'.' || isDigit(c);
                break;
            case u'+':
                accepted = (c >= u'A' && c <= u'Z') || c == u'Ç' || c == u'Ñ';
                break;
            case u'-':
                accepted = (c >= u'a' && c <= u'z') || c == u'ç' || c == u'ñ';
                break;
            case u'?':
                accepted = isLetter(c) || isDigit(c);
                break;
            case u'@':
                accepted = true;
                break;
            case u'_':
                accepted = c == u' ';
                break;
            default:
                accepted = c == m;
        }
        if (!accepted)
            return false;
    }
    return text.size() == mask.size();
}

// Text form of a floating number: up to 15 significant digits, the process's decimal separator.
QString floatText(double value) {
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', DecimalSeparator());
    return text;
}

}  // namespace

QString QuotedSQL(const QString& text) {
    QString doubled = text;
    doubled.replace(u'\'', u"''"_s);
    return u'\'' + doubled + u'\'';
}

QString CopyRange(const QString& text, int first, int last) {
    const qsizetype start = std::max(first, 1) - 1;
    const qsizetype end = (last < 0 || last > text.size()) ? text.size() : last;
    if (start >= end)
        return {};
    return text.mid(start, end - start);
}

QStringList SplitText(const QString& text, const QString& separator, bool keepEmpty) {
    QStringList pieces;
    if (separator.isEmpty()) {
        if (!text.isEmpty())
            pieces.append(text);
        return pieces;
    }
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, from)) {
        const QString piece = text.mid(from, at - from);
        if (keepEmpty || !piece.isEmpty())
            pieces.append(piece);
        from = at + separator.size();
    }
    const QString rest = text.mid(from);
    if (!rest.isEmpty())
        pieces.append(rest);
    return pieces;
}

QStringList SplitSemicolons(const QString& text) {
    return text.split(u';');
}

void SplitToSlots(std::span<QString> targets, const QString& text, QChar separator) {
    for (QString& slot : targets)
        slot.clear();
    const QStringList pieces = text.split(separator);
    const std::size_t count = std::min<std::size_t>(targets.size(), std::size_t(pieces.size()));
    for (std::size_t i = 0; i < count; ++i)
        targets[i] = pieces[qsizetype(i)];
}

QString ReplaceText(const QString& text, const QString& oldText, const QString& newText) {
    if (oldText.isEmpty())
        return text;
    QString result = text;
    result.replace(oldText, newText, Qt::CaseInsensitive);
    return result;
}

QString RemoveChar(const QString& text, QChar c) {
    return ReplaceText(text, QString(c), {});
}

QString RemoveCommas(const QString& text) {
    return RemoveChar(text, u',');
}

QString RemoveThousands(const QString& text) {
    const QString result = RemoveChar(text, ThousandSeparator());
    return result.isEmpty() ? u"0"_s : result;
}

int StrToIntZero(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

double StrToFloatZero(const QString& text) {
    double value = 0;
    return readFloat(RemoveThousands(text), value) ? value : 0.0;
}

QString DecimalPointText(const QString& text) {
    QString result = text;
    if (DecimalSeparator() != u'.')
        result.replace(DecimalSeparator(), u'.');
    return result;
}

QString FloatToSQL(double value) {
    return DecimalPointText(floatText(value));
}

QString RepeatText(int count, const QString& text) {
    return count > 0 ? text.repeated(count) : QString();
}

QString Capitalize(const QString& text) {
    if (text.isEmpty())
        return text;
    return text.left(1).toUpper() + text.mid(1).toLower();
}

QString ConcatValues(const QVariantList& values) {
    QString result;
    for (const QVariant& value : values) {
        switch (value.typeId()) {
            case QMetaType::Bool:
                result += value.toBool() ? u"T"_s : u"F"_s;
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                result += floatText(value.toDouble());
                break;
            default:
                if (value.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
                    if (const QObject* object = value.value<QObject*>())
                        result += QString::fromLatin1(object->metaObject()->className());
                } else {
                    result += value.toString();
                }
        }
    }
    return result;
}

bool IsNumber(const QString& text) {
    double value = 0;
    return readFloat(text, value);
}

bool IsAllDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), isDigit);
}

bool MatchesMask(const QString& text, const QString& masks) {
    const QStringList list = SplitText(masks, u";"_s, false);
    return std::any_of(list.begin(), list.end(),
                       [&text](const QString& mask) { return matchesOneMask(text, mask); });
}

QString CommaText(const QStringList& pieces) {
    if (pieces.size() == 1 && pieces.front().isEmpty())
        return u"\"\""_s;
    QStringList written;
    written.reserve(pieces.size());
    for (const QString& piece : pieces) {
        const bool quoted = std::any_of(piece.begin(), piece.end(), [](QChar c) {
            return c.unicode() <= 32 || c == u'"' || c == u',';
        });
        if (quoted) {
            QString inner = piece;
            inner.replace(u'"', u"\"\""_s);
            written.append(u'"' + inner + u'"');
        } else {
            written.append(piece);
        }
    }
    return written.join(u',');
}

QStringList SplitLineBreaks(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != QChar(13) && c != QChar(10))
            continue;
        lines << text.mid(start, i - start);
        if (c == QChar(13) && i + 1 < size && text[i + 1] == QChar(10))
            ++i;
        start = i + 1;
    }
    lines << text.mid(start);
    return lines;
}

}  // namespace fw::util
