#include "framework/util/GlobalSettings.h"

#include <QLocale>

namespace fw::util {

namespace {

QString& shortDateFormat() {
    static QString format = QStringLiteral("dd/mm/yyyy");
    return format;
}

}  // namespace

TGlobalFormat& GlobalFormat() {
    static TGlobalFormat record;
    return record;
}

TGlobalMoneda& GlobalMoneda() {
    static TGlobalMoneda record;
    return record;
}

TGlobalInformes& GlobalInformes() {
    static TGlobalInformes record;
    return record;
}

TGlobalMiscelanea& GlobalMiscelanea() {
    static TGlobalMiscelanea record;
    return record;
}

TGlobalColorEx& GlobalColorEx() {
    static TGlobalColorEx record;
    return record;
}

void ForceNumberAndDateSeparators() {
    // The helpers use the fixed separators below; the default locale makes Qt's own widgets
    // (spin boxes, validators) agree with them.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
}

QChar DecimalSeparator() {
    return u',';
}

QChar ThousandSeparator() {
    return u'.';
}

QChar DateSeparator() {
    return u'/';
}

QChar TimeSeparator() {
    return u':';
}

QString ShortDateFormat() {
    return shortDateFormat();
}

void SetShortDateFormat(const QString& format) {
    shortDateFormat() = format;
}

}  // namespace fw::util
