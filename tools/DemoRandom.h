#pragma once

#include <QtGlobal>
#include <random>
#include <span>
#include <vector>

namespace demo {

// The generator's only source of chance. Draws are derived from the raw engine output, not from
// the standard distributions, so a seed gives the same demo with any standard library.
class DemoRandom {
public:
    explicit DemoRandom(quint64 seed) : m_engine(seed) {}

    // Uniform in [0, count); count > 0.
    quint64 below(quint64 count) { return m_engine() % count; }
    // Uniform in [low, high].
    int between(int low, int high) { return low + int(below(quint64(high - low) + 1)); }
    // Uniform in [0, 1).
    double unit() { return double(m_engine() >> 11) * 0x1.0p-53; }
    bool chance(double probability) { return unit() < probability; }

    template <typename T>
    const T& pick(std::span<const T> items) {
        return items[below(items.size())];
    }

    template <typename T>
    void shuffle(std::vector<T>& items) {
        for (size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[below(i)]);
    }

private:
    std::mt19937_64 m_engine;
};

}  // namespace demo
