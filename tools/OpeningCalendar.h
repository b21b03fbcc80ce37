#pragma once

#include <QByteArray>
#include <vector>

#include "tools/DemoRandom.h"

namespace demo {

// The pharmacy's opening hours over one year. A moment is milliseconds since 1 January 00:00 of
// that year; it is written as the ISO text the pharmacy database keeps.
class OpeningCalendar {
public:
    explicit OpeningCalendar(int year);

    // While the counter is open: weekdays 9:00-14:00 and 17:00-20:30, Saturday mornings.
    qint64 randomSaleMoment(DemoRandom& random) const { return m_sales.pick(random); }
    // Wholesalers deliver on weekday mornings and early afternoons.
    qint64 randomDeliveryMoment(DemoRandom& random) const { return m_deliveries.pick(random); }
    int deliveryDays() const { return m_deliveryDays; }
    // 31 December 23:59:59.000.
    qint64 lastSecond() const;

    static constexpr size_t kTextSize = 24;
    // "yyyy-mm-dd hh:mm:ss.zzz" with its terminating zero.
    void write(qint64 moment, char (&text)[kTextSize]) const;

private:
    class Slots {
    public:
        void add(qint64 start, qint64 length);
        qint64 pick(DemoRandom& random) const;

    private:
        std::vector<qint64> m_starts;
        std::vector<qint64> m_ends;  // running total of the lengths
    };

    std::vector<QByteArray> m_dayPrefixes;
    Slots m_sales;
    Slots m_deliveries;
    int m_deliveryDays = 0;
};

}  // namespace demo
