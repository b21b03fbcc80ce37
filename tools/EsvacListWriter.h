#pragma once

#include <QString>
#include <vector>

#include "tools/DemoRandom.h"
#include "tools/EsvacProduct.h"

namespace demo {

// The official list as the authority publishes it: Windows-1252 text with CR LF line ends, a
// year line, a title line and one line of fifteen ";"-separated fields per product.
class EsvacListWriter {
public:
    static QString fileName() {
        return QStringLiteral("Listado_Antibioticos_Veterinarios_ESVAC.csv");
    }

    // A list longer than the products repeats them in order, each line with a COD of its own.
    static QString text(const std::vector<EsvacProduct>& products, int year, int lines,
                        DemoRandom& random);
    // Throws fw::Error when the file cannot be written.
    static void write(const QString& filePath, const QString& text);
};

}  // namespace demo
