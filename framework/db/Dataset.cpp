#include "framework/db/Dataset.h"

#include <QDateTime>

#include "framework/util/DateHelpers.h"
#include "framework/util/GlobalSettings.h"
#include "framework/util/NumberFormat.h"

namespace fw::db {

bool Field::isNumeric() const {
    switch (type.id()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Short:
        case QMetaType::UShort:
            return true;
        default:
            return false;
    }
}

bool Field::isDateTime() const {
    const int id = type.id();
    return id == QMetaType::QDateTime || id == QMetaType::QDate || id == QMetaType::QTime;
}

QString Field::displayText(const QVariant& value) const {
    if (value.isNull() || !value.isValid())
        return {};
    if (isNumeric() || value.typeId() == QMetaType::Double ||
        value.typeId() == QMetaType::LongLong) {
        if (!displayFormat.isEmpty())
            return fw::util::FormatFloat(displayFormat, value.toDouble());
        if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
            return QString::number(value.toDouble(), 'g', 15)
                .replace(QLatin1Char('.'), fw::util::DecimalSeparator());
        return value.toString();
    }
    if (isDateTime() || value.typeId() == QMetaType::QDateTime) {
        const QString format =
            displayFormat.isEmpty() ? fw::util::GlobalFormat().dateFormat() : displayFormat;
        return fw::util::FormatDateTime(format, value.toDateTime());
    }
    return value.toString();
}

Dataset::Dataset(QList<Field> fields, std::vector<Row> rows)
    : m_fields(std::move(fields)), m_rows(std::move(rows)) {}

int Dataset::fieldIndex(const QString& name) const {
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Field* Dataset::findField(const QString& name) {
    const int index = fieldIndex(name);
    return index < 0 ? nullptr : &m_fields[index];
}

bool Dataset::moveTo(qsizetype row) {
    if (row < 0 || row >= recordCount())
        return false;
    setCurrent(row);
    return true;
}

void Dataset::setCurrent(qsizetype row) {
    m_current = row;
    if (m_listener && m_controlsDisabled == 0)
        m_listener(m_current);
}

void Dataset::enableControls() {
    if (m_controlsDisabled > 0 && --m_controlsDisabled == 0 && m_listener)
        m_listener(m_current);
}

QVariant Dataset::value(int field) const {
    return valueAt(m_current, field);
}

QVariant Dataset::value(const QString& fieldName) const {
    return valueAt(m_current, fieldIndex(fieldName));
}

QVariant Dataset::valueAt(qsizetype row, int field) const {
    if (row < 0 || row >= recordCount() || field < 0 || field >= fieldCount())
        return {};
    return m_rows[size_t(row)][size_t(field)];
}

}  // namespace fw::db
