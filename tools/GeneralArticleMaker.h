#pragma once

#include "tools/DemoArticle.h"
#include "tools/DemoRandom.h"

namespace demo {

// The articles a pharmacy holds besides veterinary antibiotics: human medicines,
// parapharmacy and veterinary care. Fills everything but the national code.
class GeneralArticleMaker {
public:
    explicit GeneralArticleMaker(DemoRandom& random) : m_random(random) {}

    DemoArticle make();

private:
    QString humanMedicine();

    DemoRandom& m_random;
};

}  // namespace demo
