#pragma once

#include <QSet>
#include <QString>

#include "tools/DemoRandom.h"

namespace demo {

// Hands out distinct six-digit national codes as text. A few start with a zero, which only
// survives because the codes are kept as text.
class NationalCodePool {
public:
    QString next(DemoRandom& random);

private:
    QSet<int> m_used;
};

}  // namespace demo
