#include "tools/MovementGenerator.h"

#include <algorithm>
#include <cmath>

namespace demo {

namespace {

// Share of lines that are veterinary antibiotics, in sales and in receipts.
constexpr double kAntibioticShare = 0.08;
// Suppliers and the prefixes of their delivery notes.
constexpr const char* kSupplierPrefixes[] = {"CO", "HF", "FD", "NR"};

double inYearWeight(Activity activity) {
    switch (activity) {
        case Activity::Rare:
            return 1;
        case Activity::Regular:
            return 5;
        case Activity::Frequent:
            return 15;
        case Activity::General:
        case Activity::NeverInYear:
        case Activity::BalancedInYear:
            break;
    }
    return 0;
}

double otherYearsWeight(Activity activity) {
    if (activity == Activity::NeverInYear || activity == Activity::BalancedInYear)
        return 3;
    return inYearWeight(activity);
}

std::vector<double> weights(const std::vector<DemoArticle>& articles,
                            double (*weightOf)(Activity)) {
    std::vector<double> result;
    result.reserve(articles.size());
    for (const DemoArticle& article : articles)
        result.push_back(weightOf(article.activity));
    return result;
}

// A few best sellers and a long tail, in an order unrelated to the codes.
std::vector<double> generalWeights(const std::vector<DemoArticle>& articles, DemoRandom& random) {
    std::vector<size_t> ranks;
    for (size_t i = 0; i < articles.size(); ++i) {
        if (articles[i].activity == Activity::General)
            ranks.push_back(i);
    }
    random.shuffle(ranks);
    std::vector<double> result(articles.size(), 0.0);
    for (size_t rank = 0; rank < ranks.size(); ++rank)
        result[ranks[rank]] = 1.0 / std::pow(double(rank + 1), 0.8);
    return result;
}

int ticketSize(double draw) {
    if (draw < 0.5)
        return 1;
    if (draw < 0.75)
        return 2;
    return draw < 0.9 ? 3 : 4;
}

double cents(double value) {
    return std::round(value * 100) / 100;
}

}  // namespace

MovementGenerator::MovementGenerator(const DemoOptions& options, const DemoCatalog& catalog,
                                     DemoRandom& random)
    : m_options(options),
      m_catalog(catalog),
      m_random(random),
      m_generalPicker(generalWeights(catalog.articles(), random)),
      m_antibioticsInYear(weights(catalog.articles(), &inYearWeight)),
      m_antibioticsOtherYears(weights(catalog.articles(), &otherYearsWeight)) {
    const auto& articles = catalog.articles();
    for (size_t i = 0; i < articles.size(); ++i) {
        m_codes.push_back(articles[i].code.toUtf8());
        if (articles[i].code == catalog.boundaryCode())
            m_boundaryArticle = i;
    }
}

MovementCounts MovementGenerator::writeTo(DemoDatabase& database) {
    for (int year = m_options.firstYear(); year <= m_options.year; ++year) {
        writeSales(year, database);
        writeReceipts(year, database);
    }
    // The first moment of the next year, just outside the declaration.
    const OpeningCalendar nextYear(m_options.year + 1);
    writeSaleTicket(nextYear, 0, {m_boundaryArticle}, database);
    return m_counts;
}

size_t MovementGenerator::pickArticle(bool declarationYear) {
    const WeightedPicker& antibiotics =
        declarationYear ? m_antibioticsInYear : m_antibioticsOtherYears;
    const bool antibiotic = !antibiotics.empty() && m_random.chance(kAntibioticShare);
    if (antibiotic || m_generalPicker.empty())
        return antibiotics.pick(m_random);
    return m_generalPicker.pick(m_random);
}

std::vector<int> MovementGenerator::groupSizes(qint64 total, int largest) {
    std::vector<int> sizes;
    while (total > 0) {
        const int size = int(std::min<qint64>(total, m_random.between(1, largest)));
        sizes.push_back(size);
        total -= size;
    }
    return sizes;
}

void MovementGenerator::writeSales(int year, DemoDatabase& database) {
    const bool declarationYear = year == m_options.year;
    const OpeningCalendar calendar(year);
    // Tickets of one to four lines, most of them short.
    const qint64 randomLines = std::max(0, m_options.saleLinesPerYear - (declarationYear ? 1 : 0));
    std::vector<int> sizes;
    for (qint64 left = randomLines; left > 0;) {
        const int size = int(std::min<qint64>(left, ticketSize(m_random.unit())));
        sizes.push_back(size);
        left -= size;
    }
    std::vector<qint64> moments(sizes.size());
    for (qint64& moment : moments)
        moment = calendar.randomSaleMoment(m_random);
    std::sort(moments.begin(), moments.end());

    std::vector<size_t> articles;
    for (size_t ticket = 0; ticket < sizes.size(); ++ticket) {
        articles.clear();
        for (int line = 0; line < sizes[ticket]; ++line)
            articles.push_back(pickArticle(declarationYear));
        writeSaleTicket(calendar, moments[ticket], articles, database);
    }
    // A night sale at the last second of the declaration year still counts in it.
    if (declarationYear)
        writeSaleTicket(calendar, calendar.lastSecond(), {m_boundaryArticle}, database);
}

void MovementGenerator::writeSaleTicket(const OpeningCalendar& calendar, qint64 moment,
                                        const std::vector<size_t>& articles,
                                        DemoDatabase& database) {
    struct Line {
        size_t article;
        int quantity;
        double discount;
    };
    std::vector<Line> lines;
    double total = 0;
    for (const size_t article : articles) {
        const double draw = m_random.unit();
        int quantity = draw < 0.8 ? 1 : draw < 0.95 ? 2 : 3;
        // A customer brings something back.
        if (m_random.chance(0.015))
            quantity = -1;
        const double discount = m_random.chance(0.05) ? 10 : 0;
        lines.push_back({article, quantity, discount});
        total += quantity * m_catalog.articles()[article].pvp * (1 - discount / 100);
    }
    const qint64 id = ++m_counts.sales;
    char when[OpeningCalendar::kTextSize];
    calendar.write(moment, when);
    const std::optional<int> customer =
        m_random.chance(0.3) ? std::optional<int>(m_random.between(1, 2000)) : std::nullopt;
    database.insertSale(id, when, m_random.between(1, 5), m_random.between(1, 3), customer,
                        cents(total));
    for (const Line& line : lines) {
        database.insertSaleLine(id, m_codes[line.article], line.quantity,
                                m_catalog.articles()[line.article].pvp, line.discount);
        ++m_counts.saleLines;
    }
}

std::vector<MovementGenerator::ReceiptLine> MovementGenerator::balancedLines() {
    std::vector<ReceiptLine> lines;
    const auto& articles = m_catalog.articles();
    for (size_t i = 0; i < articles.size(); ++i) {
        if (articles[i].activity != Activity::BalancedInYear)
            continue;
        const int units = m_random.between(1, 6);
        if (m_random.chance(0.5)) {
            // Received and sent back whole on the same delivery note.
            lines.push_back({i, units, units});
        } else {
            lines.push_back({i, units, 0});
            lines.push_back({i, 0, units});
        }
    }
    m_random.shuffle(lines);
    return lines;
}

void MovementGenerator::writeReceipts(int year, DemoDatabase& database) {
    const bool declarationYear = year == m_options.year;
    const OpeningCalendar calendar(year);
    const std::vector<ReceiptLine> balanced =
        declarationYear ? balancedLines() : std::vector<ReceiptLine>();
    const qint64 randomLines =
        std::max<qint64>(0, m_options.receiptLinesPerYear - qint64(balanced.size()));
    // About two deliveries a day, of some twenty-five lines at least.
    const qint64 average = std::max<qint64>(25, randomLines / (calendar.deliveryDays() * 2));
    std::vector<int> sizes = groupSizes(randomLines, int(average * 2 - 1));
    if (sizes.empty() && !balanced.empty())
        sizes.push_back(0);
    std::vector<qint64> moments(sizes.size());
    for (qint64& moment : moments)
        moment = calendar.randomDeliveryMoment(m_random);
    std::sort(moments.begin(), moments.end());

    std::vector<std::vector<ReceiptLine>> extra(sizes.size());
    for (const ReceiptLine& line : balanced)
        extra[m_random.below(sizes.size())].push_back(line);

    int notes[std::size(kSupplierPrefixes)] = {};
    for (size_t receipt = 0; receipt < sizes.size(); ++receipt) {
        const qint64 id = ++m_counts.receipts;
        const int supplier = m_random.between(1, int(std::size(kSupplierPrefixes)));
        const QByteArray note = QByteArray(kSupplierPrefixes[supplier - 1]) +
                                QByteArray::number(year % 100).rightJustified(2, '0') + '-' +
                                QByteArray::number(++notes[supplier - 1]).rightJustified(6, '0');
        char when[OpeningCalendar::kTextSize];
        calendar.write(moments[receipt], when);
        database.insertReceipt(id, when, supplier, note);
        for (int line = 0; line < sizes[receipt]; ++line) {
            const size_t article = pickArticle(declarationYear);
            const bool antibiotic = m_catalog.articles()[article].activity != Activity::General;
            const int received = antibiotic ? m_random.between(1, 4) : m_random.between(1, 12);
            // Damaged or short-dated units go back to the supplier.
            const int toReturn = m_random.chance(0.03) ? m_random.between(1, received) : 0;
            writeReceiptLine(id, {article, received, toReturn}, database);
        }
        for (const ReceiptLine& line : extra[receipt])
            writeReceiptLine(id, line, database);
    }
}

void MovementGenerator::writeReceiptLine(qint64 receiptId, const ReceiptLine& line,
                                         DemoDatabase& database) {
    const int ordered = line.received + (m_random.chance(0.05) ? m_random.between(1, 3) : 0);
    const int bonus = m_random.chance(0.05) ? m_random.between(1, 2) : 0;
    database.insertReceiptLine(receiptId, m_codes[line.article], ordered, line.received, bonus,
                               line.toReturn, m_catalog.articles()[line.article].cost);
    ++m_counts.receiptLines;
}

}  // namespace demo
