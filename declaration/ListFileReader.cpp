#include "declaration/ListFileReader.h"

#include <QFile>
#include <QStringDecoder>

#include "framework/util/Errors.h"
#include "framework/util/TextHelpers.h"
#include "framework/util/Windows1252.h"

namespace quorvial {

namespace {

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

QStringList ListFileReader::readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw fw::Error(QStringLiteral("No se puede abrir el fichero \"%1\": %2")
                            .arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw fw::Error(
            QStringLiteral("No se puede leer el fichero \"%1\": %2").arg(path, file.errorString()));
    return splitLines(decode(std::move(bytes)));
}

QString ListFileReader::decode(QByteArray bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (!isAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    return fw::util::Windows1252::decode(bytes);
}

QStringList ListFileReader::splitLines(const QString& text) {
    QStringList lines = fw::util::SplitLineBreaks(text);
    // A break at the very end does not start another line.
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace quorvial
