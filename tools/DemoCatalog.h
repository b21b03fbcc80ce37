#pragma once

#include <vector>

#include "tools/DemoArticle.h"
#include "tools/DemoOptions.h"
#include "tools/DemoRandom.h"
#include "tools/EsvacProduct.h"

namespace demo {

// The pharmacy's articles and the distinct products of the official list, made together so that
// the list's products match the articles in the shares asked for.
class DemoCatalog {
public:
    // Distinct list products: never more than the list's lines, a realistic list size, or what
    // the articles leave room for.
    static int distinctProducts(const DemoOptions& options);

    DemoCatalog(const DemoOptions& options, DemoRandom& random);

    // In national code order.
    const std::vector<DemoArticle>& articles() const { return m_articles; }
    const std::vector<EsvacProduct>& products() const { return m_products; }
    // The article sold at the last moment of the declaration year and the first of the next.
    const QString& boundaryCode() const { return m_boundaryCode; }

private:
    void assignActivities(DemoRandom& random, std::vector<size_t> antibiotics);
    void fillStockFields(const DemoOptions& options, DemoRandom& random);

    std::vector<DemoArticle> m_articles;
    std::vector<EsvacProduct> m_products;
    QString m_boundaryCode;
};

}  // namespace demo
