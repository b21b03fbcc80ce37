#pragma once

#include <QByteArray>
#include <vector>

#include "tools/DemoCatalog.h"
#include "tools/DemoDatabase.h"
#include "tools/DemoOptions.h"
#include "tools/OpeningCalendar.h"
#include "tools/WeightedPicker.h"

namespace demo {

struct MovementCounts {
    qint64 sales = 0;
    qint64 saleLines = 0;
    qint64 receipts = 0;
    qint64 receiptLines = 0;
};

// Sales tickets and goods receipts over the demo's years, in time order. The veterinary
// antibiotics move more or less often; some not at all in the declaration year, some only with
// receipts that their returns cancel out; one sells at the last second of the declaration year
// and at the first of the next.
class MovementGenerator {
public:
    MovementGenerator(const DemoOptions& options, const DemoCatalog& catalog, DemoRandom& random);

    MovementCounts writeTo(DemoDatabase& database);

private:
    struct ReceiptLine {
        size_t article;
        int received;
        int toReturn;
    };

    size_t pickArticle(bool declarationYear);
    void writeSales(int year, DemoDatabase& database);
    void writeSaleTicket(const OpeningCalendar& calendar, qint64 moment,
                         const std::vector<size_t>& articles, DemoDatabase& database);
    void writeReceipts(int year, DemoDatabase& database);
    void writeReceiptLine(qint64 receiptId, const ReceiptLine& line, DemoDatabase& database);
    std::vector<ReceiptLine> balancedLines();
    // Group sizes in [1, largest] adding up to total.
    std::vector<int> groupSizes(qint64 total, int largest);

    const DemoOptions& m_options;
    const DemoCatalog& m_catalog;
    DemoRandom& m_random;
    std::vector<QByteArray> m_codes;
    WeightedPicker m_generalPicker;
    WeightedPicker m_antibioticsInYear;
    WeightedPicker m_antibioticsOtherYears;
    size_t m_boundaryArticle = 0;
    MovementCounts m_counts;
};

}  // namespace demo
