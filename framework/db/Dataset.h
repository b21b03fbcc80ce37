#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

namespace fw::db {

// One column of a result set.
struct Field {
    enum class Kind { Data, Calculated };

    QString name;
    QMetaType type;
    QString origin;  // the table column it comes from, when the engine tells
    QString displayFormat;
    Kind kind = Kind::Data;

    bool isNumeric() const;
    bool isDateTime() const;
    // The value as lists show it: the display format applied, NULL as an empty text.
    QString displayText(const QVariant& value) const;
};

// A result set held in memory with a cursor: what a query fills and what grids, reports and
// record loops read.
class Dataset {
public:
    using Row = std::vector<QVariant>;
    using Bookmark = qsizetype;

    Dataset() = default;
    Dataset(QList<Field> fields, std::vector<Row> rows);

    const QList<Field>& fields() const { return m_fields; }
    QList<Field>& fields() { return m_fields; }
    int fieldCount() const { return int(m_fields.size()); }
    // Position of the field of that name, letter case ignored; -1 when there is none.
    int fieldIndex(const QString& name) const;
    Field* findField(const QString& name);

    qsizetype recordCount() const { return qsizetype(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }

    void first() { setCurrent(0); }
    void next() {
        if (m_current < recordCount())
            setCurrent(m_current + 1);
    }
    void prior() {
        if (m_current > 0)
            setCurrent(m_current - 1);
    }
    void last() { setCurrent(m_rows.empty() ? 0 : recordCount() - 1); }
    bool eof() const { return m_current >= recordCount(); }
    qsizetype recNo() const { return m_current; }
    bool moveTo(qsizetype row);

    Bookmark bookmark() const { return m_current; }
    bool gotoBookmark(Bookmark mark) { return moveTo(mark); }

    // Values of the current record; an invalid QVariant past the end.
    QVariant value(int field) const;
    QVariant value(const QString& fieldName) const;
    QVariant valueAt(qsizetype row, int field) const;
    const Row& row(qsizetype index) const { return m_rows[size_t(index)]; }

    // Views that follow the current record hear of every move, unless controls are disabled:
    // a scan over all records then tells them only where it ended.
    void setCursorListener(std::function<void(qsizetype row)> listener) {
        m_listener = std::move(listener);
    }
    void disableControls() { ++m_controlsDisabled; }
    void enableControls();
    bool controlsDisabled() const { return m_controlsDisabled > 0; }

private:
    void setCurrent(qsizetype row);

    QList<Field> m_fields;
    std::vector<Row> m_rows;
    qsizetype m_current = 0;
    int m_controlsDisabled = 0;
    std::function<void(qsizetype)> m_listener;
};

// Disables a dataset's controls for as long as it lives.
class ControlsDisabled {
public:
    explicit ControlsDisabled(Dataset& dataset) : m_dataset(dataset) {
        m_dataset.disableControls();
    }
    ~ControlsDisabled() { m_dataset.enableControls(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    Dataset& m_dataset;
};

}  // namespace fw::db
