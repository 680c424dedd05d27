#pragma once

// A ratio measured once in each run of a benchmark, against the floor measured
// in the same run, printed as its median and its spread over the runs: one run
// slowed by the machine's other work then shows as an outlier instead of as
// the result.

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

// The value at fraction q (0 = lowest, 1 = highest) of the sorted values,
// interpolated between neighbours.
inline double quantile(std::vector<double> v, double q) {
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const double pos = q * static_cast<double>(v.size() - 1);
    const size_t lo = static_cast<size_t>(pos);
    const size_t hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (v[hi] - v[lo]) * (pos - static_cast<double>(lo));
}

inline double median(const std::vector<double> &v) {
    return quantile(v, 0.5);
}

class RatioRuns {
public:
    void add(double measured, double floor) {
        if (floor > 0)
            m_ratios.push_back(measured / floor);
    }
    double median() const { return bench::median(m_ratios); }
    int runs() const { return static_cast<int>(m_ratios.size()); }

    // "what: ratio 1.23 (median of 9 runs; all 1.10-1.45, middle half 1.18-1.30; goal <= 1.3)"
    void print(const char *what, const char *goal = nullptr) const {
        std::printf(
            "%s: ratio %.2f (median of %d runs; all %.2f-%.2f, middle half %.2f-%.2f%s%s)\n", what,
            median(), runs(), quantile(m_ratios, 0), quantile(m_ratios, 1),
            quantile(m_ratios, 0.25), quantile(m_ratios, 0.75), goal ? "; goal " : "",
            goal ? goal : "");
    }

private:
    std::vector<double> m_ratios;
};

} // namespace bench
