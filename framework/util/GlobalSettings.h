#pragma once

#include <QChar>
#include <QColor>
#include <QString>
#include <array>

namespace fw::util {

// The display formats shared by every window, by index.
struct TGlobalFormat {
    std::array<QString, 17> formats = {
        QStringLiteral("#,###,##0.00"), QStringLiteral("#,###,##0.00"),
        QStringLiteral("#,##0.00"),     QStringLiteral("#,###,##0.00"),
        QStringLiteral("#,###,##0"),    QStringLiteral("#,###,##0"),
        QStringLiteral("###,###,##0"),  QStringLiteral("dd/mmm"),
        QStringLiteral("dd/mm/yyyy"),   QStringLiteral("hh:mm"),
        QStringLiteral("mm/yyyy"),      QStringLiteral("#,##0"),
        QStringLiteral("##0.00"),       QStringLiteral("#,##0.00"),
        QStringLiteral("#,##0.000"),    QStringLiteral("#,##0.0000"),
        QStringLiteral("#,##0.000000")};

    const QString& operator[](int index) const { return formats.at(std::size_t(index)); }
    // Two-decimal money amounts.
    const QString& moneyFormat() const { return formats[3]; }
    // Whole-number money amounts.
    const QString& wholeMoneyFormat() const { return formats[5]; }
    const QString& dateFormat() const { return formats[8]; }
    const QString& timeFormat() const { return formats[9]; }
};

// The peseta and euro settings.
struct TGlobalMoneda {
    QString euroName = QStringLiteral("Euro");
    QString euroNamePlural = QStringLiteral("Euros");
    QString pesetaName = QStringLiteral("Peseta");
    QString pesetaNamePlural = QStringLiteral("Pesetas");
    QString euroShortName = QStringLiteral("Eur");
    QString pesetaShortName = QStringLiteral("Pts");
    QString euroSymbol = QStringLiteral("€");
    QString pesetaSymbol = QStringLiteral("Pt");
    int euroDecimals = 2;
    int pesetaDecimals = 0;
    // Pesetas per euro.
    double rate = 166.386;
    bool baseIsEuro = true;
    // Whether grids and amount boxes may show amounts in the other currency.
    bool allowOtherCurrency = true;
    // Background of amounts shown in pesetas and in euros.
    QColor pesetasTint = QColor(0x00, 0xFF, 0x00);
    QColor eurosTint = QColor(0x00, 0xFF, 0xFF);
};

// Grid and report colours.
struct TGlobalInformes {
    // Current row; an invalid colour means yellow.
    QColor highlight = QColor(0x00, 0xFF, 0x00);
    QColor title = QColor(0xFF, 0xDD, 0x55);
    // Title text; an invalid colour means the palette's window text.
    QColor titleFont;
    QColor hotTitle = QColor(0xFF, 0xF6, 0xA2);
    QColor hotRow = QColor(0xF0, 0xFF, 0xFF);
};

// Keyboard timing and type-ahead.
struct TGlobalMiscelanea {
    // Pause after the last keystroke before a grid applies its type-to-search.
    int searchDelayMs = 1500;
    // Keystrokes closer than this count as a bar-code scanner.
    int scannerIntervalMs = 148;
    // Characters typed before a grid existed, handed to the next grid's search.
    QString pendingKeys;
};

// Colours of the status splash's bar.
struct TGlobalColorEx {
    QColor gradient1 = Qt::black;
    QColor gradient2 = Qt::black;
};

TGlobalFormat& GlobalFormat();
TGlobalMoneda& GlobalMoneda();
TGlobalInformes& GlobalInformes();
TGlobalMiscelanea& GlobalMiscelanea();
TGlobalColorEx& GlobalColorEx();

// Made at process start, whatever the system's locale says: decimal ",", thousands ".",
// date "/".
void ForceNumberAndDateSeparators();
QChar DecimalSeparator();
QChar ThousandSeparator();
QChar DateSeparator();
QChar TimeSeparator();

// The process's short date format, in the framework's format letters.
QString ShortDateFormat();
void SetShortDateFormat(const QString& format);

}  // namespace fw::util
