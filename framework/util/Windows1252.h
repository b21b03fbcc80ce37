#pragma once

#include <QByteArray>
#include <QString>

namespace fw::util {

// The single-byte Windows code page of the official list downloads. Qt has no codec for it:
// Latin-1 differs in 0x80..0x9F, where it keeps the euro sign and typographic quotes.
class Windows1252 {
public:
    static QString decode(QByteArrayView bytes);
    // Characters outside the code page become "?".
    static QByteArray encode(QStringView text);
};

}  // namespace fw::util
