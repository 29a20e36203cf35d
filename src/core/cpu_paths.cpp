#include "core/cpu_paths.h"

#include <cstdlib>
#include <cstring>

namespace tavolier::cpu {

bool hasAvx2() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    // Safe even from a static initialiser that runs before the compiler's
    // own processor detection.
    static const bool has = [] {
        __builtin_cpu_init();
#if defined(__clang__)
        // Older clang knows no level names: the x86-64-v3 features one by one
        // (every processor with these also has LZCNT, MOVBE and F16C).
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("avx")
            && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2")
            && __builtin_cpu_supports("fma") && __builtin_cpu_supports("popcnt");
#else
        return __builtin_cpu_supports("x86-64-v3") != 0;
#endif
    }();
    return has;
#else
    return false;
#endif
}

bool hasAvx512vl() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool has = [] {
        __builtin_cpu_init();
        return hasAvx2() && __builtin_cpu_supports("avx512f") != 0
            && __builtin_cpu_supports("avx512vl") != 0;
    }();
    return has;
#else
    return false;
#endif
}

bool useAvx2Paths() {
    static const bool use = [] {
        const char* baseline = std::getenv("TAVOLIER_BASELINE");
        const bool forced
            = baseline != nullptr && *baseline != '\0' && std::strcmp(baseline, "0") != 0;
        return !forced && hasAvx2();
    }();
    return use;
}

} // namespace tavolier::cpu
