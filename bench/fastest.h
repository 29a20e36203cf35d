#pragma once

#include <algorithm>
#include <vector>

namespace tavolier::bench {

// With --benchmark_repetitions the fastest repetition is reported as well
// ("_min"): on a shared machine it is the steadiest figure.
inline double fastest(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

} // namespace tavolier::bench
