#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace quorvial {

class DeclarationColumns;

// Loads ESVAC list files into the session's work table, one transaction per file, checking each
// product's national code against the pharmacy's articles.
class ListImporter {
public:
    using CaptionHandler = std::function<void(const QString& caption)>;

    ListImporter(DeclarationColumns& columns, CaptionHandler onCaption);

    void setWorkTable(const QString& table) { m_workTable = table; }
    // The declaration year of the last year line read, 0 until one is read.
    int year() const { return m_year; }
    void resetYear() { m_year = 0; }
    // The titles of the last title line read; they carry over to the next file.
    const QStringList& columnTitles() const { return m_columnTitles; }

    // Drops a table of the same name and creates the work table empty. A failure is shown and
    // the start goes on.
    void CreateWorkTable();
    // Imports one file whole or not at all; a failure is shown and does not raise.
    void ImportListFile(const QString& path);
    void ImportListLine(const QString& line);

    static QString captionForYear(const QString& yearText);

private:
    void readYearLine(const QString& line);
    void readTitleLine(const QString& line);
    void importDataLine(const QString& line);

    DeclarationColumns& m_columns;
    CaptionHandler m_onCaption;
    QString m_workTable;
    QStringList m_columnTitles;
    int m_year = 0;
};

}  // namespace quorvial
