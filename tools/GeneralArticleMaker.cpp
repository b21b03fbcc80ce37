#include "tools/GeneralArticleMaker.h"

#include <cmath>

#include "tools/DemoVocabulary.h"

namespace demo {

namespace {

double price(DemoRandom& random, double low, double high) {
    return std::round((low + random.unit() * (high - low)) * 100) / 100;
}

}  // namespace

QString GeneralArticleMaker::humanMedicine() {
    const QString ingredient = m_random.pick(DemoVocabulary::humanIngredients());
    const QString strength = m_random.pick(DemoVocabulary::humanStrengths());
    const QString pack = m_random.pick(DemoVocabulary::humanPackSizes());
    const QString form = m_random.pick(DemoVocabulary::humanForms());
    QString text = ingredient + QLatin1Char(' ');
    if (m_random.chance(0.4))
        text += m_random.pick(DemoVocabulary::genericMakers()) + QLatin1Char(' ');
    text += strength + QLatin1Char(' ') + pack + QLatin1Char(' ') + form;
    if (m_random.chance(0.3))
        text += QStringLiteral(" EFG");
    return text;
}

DemoArticle GeneralArticleMaker::make() {
    DemoArticle article;
    const double kind = m_random.unit();
    if (kind < 0.55) {
        article.description = humanMedicine();
        article.pvp = price(m_random, 1.5, 25);
        article.iva = 4;
    } else if (kind < 0.85) {
        article.description = m_random.pick(DemoVocabulary::parapharmacyBrands()) +
                              QLatin1Char(' ') + m_random.pick(DemoVocabulary::parapharmacyItems());
        article.pvp = price(m_random, 3, 35);
    } else {
        article.description = m_random.pick(DemoVocabulary::veterinaryCareBrands()) +
                              QLatin1Char(' ') +
                              m_random.pick(DemoVocabulary::veterinaryCareItems());
        article.pvp = price(m_random, 5, 45);
        article.veterinary = true;
    }
    article.cost = std::round(article.pvp * 0.62 * 100) / 100;
    article.laboratory = m_random.between(20, 80);
    return article;
}

}  // namespace demo
