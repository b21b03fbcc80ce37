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
        } else if (argument == QStringLiteral("--con-movimiento")) {
            options.withMovement = true;
        } else if (argument == QStringLiteral("--en-almacen")) {
            options.inStock = true;
        } else if (argument == QStringLiteral("--en-almacen-desc")) {
            options.inStockSimilar = true;
        } else if (argument == QStringLiteral("--crear-lista")) {
            options.createList = true;
            if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1Char('-')))
                options.listName = arguments[++i];
        } else if (argument.startsWith(QLatin1Char('-'))) {
            options.error = QStringLiteral("Opción desconocida: %1").arg(argument);
            return options;
        }
        // Anything else is the login flow's server or database name.
    }
    const bool headlessOnly = !options.csvPath.isEmpty() || options.withMovement ||
                              options.inStock || options.inStockSimilar || options.createList;
    if (headlessOnly && !options.headless)
        options.error = QStringLiteral(
            "Las opciones --csv, --con-movimiento, --en-almacen, --en-almacen-desc y "
            "--crear-lista sólo valen con --headless.");
    return options;
}

QString CommandLine::usage() {
    return QStringLiteral(
        "Uso: quorvial [--headless] [--list FICHERO]... [--csv SALIDA] [filtros] [--crear-lista "
        "[NOMBRE]]\n"
        "  --headless      ejecuta la declaración sin ventanas; los mensajes van a la salida de "
        "errores\n"
        "  --list FICHERO  lista ESVAC a importar cuando no hay lista estándar junto al programa\n"
        "  --csv SALIDA    con --headless, escribe las filas de la declaración en SALIDA\n"
        "  --con-movimiento, --en-almacen, --en-almacen-desc\n"
        "                  con --headless, marcan las tres casillas de filtro, en este orden\n"
        "  --crear-lista [NOMBRE]\n"
        "                  con --headless, guarda las filas mostradas como lista de artículos\n");
}

}  // namespace quorvial
