#pragma once

#include <QSet>
#include <QString>

#include "tools/DemoRandom.h"
#include "tools/EsvacProduct.h"

namespace demo {

// A listed veterinary antibiotic and, when the pharmacy holds it, the pharmacy's own
// description of it.
struct MadeProduct {
    EsvacProduct entry;
    QString pharmacyDescription;
    int laboratory = 0;
};

// Makes official-looking veterinary antibiotic products, each name given once, whose pharmacy
// description resembles the official name or not as asked.
class VeterinaryProductMaker {
public:
    explicit VeterinaryProductMaker(DemoRandom& random) : m_random(random) {}

    // Fills everything but the national code.
    MadeProduct make(ListMatch match);

    // The program's rule: the name up to its first blank, when not empty, occurs in the
    // description (letter case counts).
    static bool resembles(const QString& nombre, const QString& description);

private:
    DemoRandom& m_random;
    QSet<QString> m_names;
};

}  // namespace demo
