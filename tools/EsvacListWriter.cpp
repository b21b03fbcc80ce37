#include "tools/EsvacListWriter.h"

#include <QSaveFile>
#include <QStringList>

#include "framework/util/Errors.h"
#include "framework/util/Windows1252.h"

namespace demo {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

}  // namespace

QString EsvacListWriter::text(const std::vector<EsvacProduct>& products, int year, int lines,
                              DemoRandom& random) {
    const QString period = QString::number(year);
    QString text = QStringLiteral("$ANYO=") + period + kLineEnd +
                   QStringLiteral(
                       "$TITCOL=COD;FEC;DECLAR;NUMDEF;NOMBRE;LABORATORIO;CODNAL;FORFAR;"
                       "AFORFAR;DISPOSITIVO;CONTENIDO;MATERIAL;DOSIS;UNIDAD;ATC") +
                   kLineEnd;
    if (products.empty())
        return text;
    int cod = 100000;
    for (int i = 0; i < lines; ++i) {
        const EsvacProduct& p = products[size_t(i) % products.size()];
        cod += random.between(1, 8);
        const QStringList fields = {
            QString::number(cod), period,     p.declar, p.numDef,  p.nombre,
            p.laboratorio,        p.codNal,   p.forFar, p.aForFar, p.dispositivo,
            p.contenido,          p.material, p.dosis,  p.unidad,  p.atc};
        text += fields.join(QLatin1Char(';')) + kLineEnd;
    }
    return text;
}

void EsvacListWriter::write(const QString& filePath, const QString& text) {
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(fw::util::Windows1252::encode(text)) < 0 ||
        !file.commit()) {
        throw fw::Error(QStringLiteral("No se ha podido escribir el fichero %1: %2")
                            .arg(filePath, file.errorString()));
    }
}

}  // namespace demo
