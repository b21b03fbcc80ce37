#include "tools/WeightedPicker.h"

#include <algorithm>

namespace demo {

WeightedPicker::WeightedPicker(const std::vector<double>& weights) {
    m_cumulative.reserve(weights.size());
    for (const double weight : weights) {
        m_total += std::max(weight, 0.0);
        m_cumulative.push_back(m_total);
    }
}

size_t WeightedPicker::pick(DemoRandom& random) const {
    const double target = random.unit() * m_total;
    const auto found = std::upper_bound(m_cumulative.begin(), m_cumulative.end(), target);
    // Rounding can land exactly on the total; the last positive weight takes it.
    if (found == m_cumulative.end())
        return size_t(std::lower_bound(m_cumulative.begin(), m_cumulative.end(), m_total) -
                      m_cumulative.begin());
    return size_t(found - m_cumulative.begin());
}

}  // namespace demo
