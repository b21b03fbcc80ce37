#pragma once

#include <vector>

#include "tools/DemoRandom.h"

namespace demo {

// Picks an index with a chance proportional to its weight; zero weights are never picked.
class WeightedPicker {
public:
    explicit WeightedPicker(const std::vector<double>& weights);

    bool empty() const { return m_total <= 0; }
    // Only when not empty.
    size_t pick(DemoRandom& random) const;

private:
    std::vector<double> m_cumulative;
    double m_total = 0;
};

}  // namespace demo
