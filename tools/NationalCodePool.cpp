#include "tools/NationalCodePool.h"

namespace demo {

QString NationalCodePool::next(DemoRandom& random) {
    // The first code always has the leading zero, so even a tiny demo carries one.
    const bool leadingZero = m_used.isEmpty() || random.chance(0.005);
    int number = 0;
    do {
        number = leadingZero ? random.between(10000, 99999) : random.between(100000, 999999);
    } while (m_used.contains(number));
    m_used.insert(number);
    return QStringLiteral("%1").arg(number, 6, 10, QLatin1Char('0'));
}

}  // namespace demo
