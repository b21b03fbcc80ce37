#include "declaration/CommandLine.h"

namespace quorvial {

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        if (argument == QStringLiteral("--headless")) {
            options.headless = true;
        } else if (argument == QStringLiteral("--list") || argument == QStringLiteral("--csv")) {
            const std::optional<QString> path = value();
            if (!path || path->isEmpty()) {
                options.error = QStringLiteral("Falta el fichero después de %1.").arg(argument);
                return options;
            }
            if (argument == QStringLiteral("--list"))
                options.listFiles << *path;
            else
                options.csvPath = *path;
        } else if (argument.startsWith(QLatin1Char('-'))) {
            options.error = QStringLiteral("Opción desconocida: %1").arg(argument);
            return options;
        }
        // Anything else is the login flow's server or database name.
    }
    if (!options.csvPath.isEmpty() && !options.headless)
        options.error = QStringLiteral("La opción --csv sólo vale con --headless.");
    return options;
}

QString CommandLine::usage() {
    return QStringLiteral(
        "Uso: quorvial [--headless] [--list FICHERO]... [--csv SALIDA]\n"
        "  --headless      ejecuta la declaración sin ventanas; los mensajes van a la salida de "
        "errores\n"
        "  --list FICHERO  lista ESVAC a importar cuando no hay lista estándar junto al programa\n"
        "  --csv SALIDA    con --headless, escribe las filas de la declaración en SALIDA\n");
}

}  // namespace quorvial
