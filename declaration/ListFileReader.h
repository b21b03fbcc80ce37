#pragma once

#include <QString>
#include <QStringList>

namespace quorvial {

// Reads an ESVAC list file into its lines. The official downloads are Windows-1252; newer ones
// may come as UTF-8, which is recognised by its byte-order mark or by being valid UTF-8 with
// non-ASCII characters. Lines end with CR LF, LF or CR; the text ends at its first NUL.
class ListFileReader {
public:
    // Raises fw::Error with a Spanish text when the file cannot be read.
    static QStringList readLines(const QString& path);
    static QString decode(QByteArray bytes);
    static QStringList splitLines(const QString& text);
};

}  // namespace quorvial
