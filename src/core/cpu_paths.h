#pragma once

namespace tavolier::cpu {

// The fast paths a build for any x86-64 processor picks at run time. A
// processor "has AVX2" here when it runs the whole x86-64-v3 set (AVX2,
// BMI1/2, POPCNT, LZCNT, MOVBE, FMA), which the second copy of the hot code
// is compiled for.
[[nodiscard]] bool hasAvx2();

// hasAvx2(), with AVX-512F and AVX-512VL besides: the generator's kernel
// compiled for these (rotates and three-way logic in one instruction each)
// runs.
[[nodiscard]] bool hasAvx512vl();

// hasAvx2(), unless the environment variable TAVOLIER_BASELINE is set to
// anything but "" or "0": then the portable paths run everywhere (the tests
// run both ways on one machine). Read once per process.
[[nodiscard]] bool useAvx2Paths();

} // namespace tavolier::cpu
