#include "tools/DemoCatalog.h"

#include <QDate>
#include <algorithm>
#include <cmath>

#include "tools/GeneralArticleMaker.h"
#include "tools/NationalCodePool.h"
#include "tools/VeterinaryProductMaker.h"

namespace demo {

namespace {

constexpr int kRealisticListSize = 1500;
constexpr double kSimilarShare = 0.55;
constexpr double kDifferentShare = 0.15;

std::vector<ListMatch> matchPlan(int products, DemoRandom& random) {
    const int similar = int(std::lround(products * kSimilarShare));
    const int different = int(std::lround(products * kDifferentShare));
    std::vector<ListMatch> plan(size_t(products), ListMatch::NotHeld);
    std::fill_n(plan.begin(), similar, ListMatch::Similar);
    std::fill_n(plan.begin() + similar, different, ListMatch::Different);
    random.shuffle(plan);
    return plan;
}

}  // namespace

int DemoCatalog::distinctProducts(const DemoOptions& options) {
    // Held products (70 %) take at most half of the articles.
    return std::min({options.listLines, kRealisticListSize, options.articles * 5 / 7});
}

DemoCatalog::DemoCatalog(const DemoOptions& options, DemoRandom& random) {
    NationalCodePool codes;
    VeterinaryProductMaker maker(random);
    bool leadingBlankGiven = false;
    for (const ListMatch match : matchPlan(distinctProducts(options), random)) {
        MadeProduct made = maker.make(match);
        made.entry.codNal = codes.next(random);
        if (match != ListMatch::NotHeld) {
            DemoArticle article;
            article.code = made.entry.codNal;
            article.description = made.pharmacyDescription;
            article.pvp = std::round((6 + random.unit() * 84) * 100) / 100;
            article.cost = std::round(article.pvp * 0.65 * 100) / 100;
            article.laboratory = made.laboratory + 1;
            article.veterinary = true;
            article.activity = Activity::Regular;
            m_articles.push_back(article);
        }
        // One name of the list starts with a blank: its first word is empty, so it never
        // resembles a description.
        if (match == ListMatch::Different && !leadingBlankGiven) {
            made.entry.nombre.prepend(QLatin1Char(' '));
            leadingBlankGiven = true;
        }
        m_products.push_back(made.entry);
    }

    std::vector<size_t> antibiotics(m_articles.size());
    for (size_t i = 0; i < antibiotics.size(); ++i)
        antibiotics[i] = i;
    assignActivities(random, antibiotics);

    GeneralArticleMaker general(random);
    while (int(m_articles.size()) < options.articles) {
        DemoArticle article = general.make();
        article.code = codes.next(random);
        m_articles.push_back(article);
    }
    fillStockFields(options, random);
    std::sort(m_articles.begin(), m_articles.end(),
              [](const DemoArticle& a, const DemoArticle& b) { return a.code < b.code; });

    const auto moving = std::find_if(m_articles.begin(), m_articles.end(), [](const auto& a) {
        return a.activity == Activity::Regular || a.activity == Activity::Frequent;
    });
    m_boundaryCode = (moving != m_articles.end() ? *moving : m_articles.front()).code;
}

void DemoCatalog::assignActivities(DemoRandom& random, std::vector<size_t> antibiotics) {
    random.shuffle(antibiotics);
    const size_t count = antibiotics.size();
    const size_t never = count * 15 / 100;
    // At least one product whose receipts balance its returns, as soon as there are a few.
    const size_t balanced = count >= 4 ? std::max<size_t>(1, count * 5 / 100) : 0;
    const size_t rare = count * 30 / 100;
    const size_t regular = count * 35 / 100;
    for (size_t i = 0; i < count; ++i) {
        Activity activity = Activity::Frequent;
        if (i < never)
            activity = Activity::NeverInYear;
        else if (i < never + balanced)
            activity = Activity::BalancedInYear;
        else if (i < never + balanced + rare)
            activity = Activity::Rare;
        else if (i < never + balanced + rare + regular)
            activity = Activity::Regular;
        m_articles[antibiotics[i]].activity = activity;
    }
}

void DemoCatalog::fillStockFields(const DemoOptions& options, DemoRandom& random) {
    const QDate earliest(options.firstYear() - 8, 1, 1);
    const int span = int(earliest.daysTo(QDate(options.firstYear(), 1, 1)));
    for (DemoArticle& article : m_articles) {
        article.stock = random.chance(0.2) ? 0 : random.between(1, 25);
        article.minimumStock = random.between(0, 3);
        const QDate created = earliest.addDays(random.between(0, span - 1));
        const int seconds = random.between(9 * 3600, 20 * 3600);
        article.createdAt = created.toString(QStringLiteral("yyyy-MM-dd")) +
                            QStringLiteral(" %1:%2:%3.000")
                                .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                                .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
}

}  // namespace demo
