#include "tools/DemoOptions.h"

#include <algorithm>
#include <array>

#include "framework/util/Errors.h"

namespace demo {

namespace {

struct IntegerOption {
    QStringView name;
    int DemoOptions::*field;
    int minimum;
    int maximum;
};

// Ranges keep every generated code within six digits and the declaration year after 2013,
// the first year the declaration exists.
constexpr std::array<IntegerOption, 6> kIntegerOptions = {{
    {u"--articles", &DemoOptions::articles, 10, 200000},
    {u"--sale-lines-per-year", &DemoOptions::saleLinesPerYear, 0, 50000000},
    {u"--receipt-lines-per-year", &DemoOptions::receiptLinesPerYear, 0, 50000000},
    {u"--years", &DemoOptions::years, 1, 30},
    {u"--year", &DemoOptions::year, 2014, 9998},
    {u"--list-lines", &DemoOptions::listLines, 0, 100000},
}};

[[noreturn]] void fail(const QString& text) {
    throw fw::Error(text + QLatin1Char('\n') + DemoOptions::usage());
}

}  // namespace

QString DemoOptions::usage() {
    return QStringLiteral(
        "Uso: make_demo_db [--out CARPETA] [--articles N] [--sale-lines-per-year N]\n"
        "                  [--receipt-lines-per-year N] [--years N] [--year AÑO]\n"
        "                  [--list-lines N] [--seed N]");
}

DemoOptions DemoOptions::parse(const QStringList& arguments) {
    DemoOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        QString value;
        bool hasValue = false;
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (name.startsWith(QLatin1String("--")) && equals > 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
            hasValue = true;
        }

        const bool known = name == u"--out" || name == u"--seed" ||
                           std::any_of(kIntegerOptions.begin(), kIntegerOptions.end(),
                                       [&](const IntegerOption& o) { return o.name == name; });
        if (!known)
            fail(QStringLiteral("Opción desconocida: %1").arg(arguments[i]));
        if (!hasValue) {
            if (i + 1 >= arguments.size())
                fail(QStringLiteral("Falta el valor de la opción %1.").arg(name));
            value = arguments[++i];
        }

        if (name == u"--out") {
            if (value.isEmpty())
                fail(QStringLiteral("La carpeta de salida no puede estar vacía."));
            options.outputFolder = value;
            continue;
        }
        if (name == u"--seed") {
            bool ok = false;
            options.seed = value.toULongLong(&ok);
            if (!ok)
                fail(QStringLiteral("Valor no válido para %1: '%2'.").arg(name, value));
            continue;
        }
        for (const IntegerOption& option : kIntegerOptions) {
            if (option.name != name)
                continue;
            bool ok = false;
            const int number = value.toInt(&ok);
            if (!ok || number < option.minimum || number > option.maximum) {
                fail(QStringLiteral("Valor no válido para %1: '%2' (debe estar entre %3 y %4).")
                         .arg(name, value)
                         .arg(option.minimum)
                         .arg(option.maximum));
            }
            options.*option.field = number;
        }
    }
    return options;
}

}  // namespace demo
