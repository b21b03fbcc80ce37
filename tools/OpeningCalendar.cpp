#include "tools/OpeningCalendar.h"

#include <QDate>
#include <algorithm>
#include <cstdio>

namespace demo {

namespace {

constexpr qint64 kMinute = 60 * 1000;
constexpr qint64 kHour = 60 * kMinute;
constexpr qint64 kDay = 24 * kHour;

bool isHoliday(QDate day) {
    static constexpr std::pair<int, int> kHolidays[] = {
        {1, 1}, {1, 6}, {5, 1}, {8, 15}, {10, 12}, {11, 1}, {12, 6}, {12, 8}, {12, 25}};
    return std::any_of(std::begin(kHolidays), std::end(kHolidays), [&](const auto& holiday) {
        return day.month() == holiday.first && day.day() == holiday.second;
    });
}

}  // namespace

void OpeningCalendar::Slots::add(qint64 start, qint64 length) {
    m_starts.push_back(start);
    m_ends.push_back((m_ends.empty() ? 0 : m_ends.back()) + length);
}

qint64 OpeningCalendar::Slots::pick(DemoRandom& random) const {
    const qint64 offset = qint64(random.below(quint64(m_ends.back())));
    const size_t slot =
        size_t(std::upper_bound(m_ends.begin(), m_ends.end(), offset) - m_ends.begin());
    const qint64 before = slot == 0 ? 0 : m_ends[slot - 1];
    return m_starts[slot] + offset - before;
}

OpeningCalendar::OpeningCalendar(int year) {
    const QDate first(year, 1, 1);
    const int days = first.daysInYear();
    for (int i = 0; i < days; ++i) {
        const QDate day = first.addDays(i);
        m_dayPrefixes.push_back(day.toString(QStringLiteral("yyyy-MM-dd ")).toLatin1());
        const qint64 midnight = i * kDay;
        const int weekday = day.dayOfWeek();
        if (isHoliday(day) || weekday == Qt::Sunday)
            continue;
        if (weekday == Qt::Saturday) {
            m_sales.add(midnight + 9 * kHour + 30 * kMinute, 4 * kHour + 30 * kMinute);
            continue;
        }
        m_sales.add(midnight + 9 * kHour, 5 * kHour);
        m_sales.add(midnight + 17 * kHour, 3 * kHour + 30 * kMinute);
        m_deliveries.add(midnight + 8 * kHour + 30 * kMinute, 2 * kHour);
        m_deliveries.add(midnight + 16 * kHour, kHour);
        ++m_deliveryDays;
    }
}

qint64 OpeningCalendar::lastSecond() const {
    return qint64(m_dayPrefixes.size()) * kDay - 1000;
}

void OpeningCalendar::write(qint64 moment, char (&text)[kTextSize]) const {
    const qint64 inDay = moment % kDay;
    std::snprintf(text, kTextSize, "%s%02d:%02d:%02d.%03d",
                  m_dayPrefixes[size_t(moment / kDay)].constData(), int(inDay / kHour),
                  int(inDay / kMinute % 60), int(inDay / 1000 % 60), int(inDay % 1000));
}

}  // namespace demo
