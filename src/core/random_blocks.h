#pragma once

#include <cstdint>

namespace tavolier::blocks {

// The fast generator's block kernels. One refill advances eight xoshiro256**
// lanes (state[word][lane]) kSteps times; step s of lane l gives raw number
// i = 8s + l, whose four 16-bit quarters, lowest first, are quarters
// 4i..4i+3 of the block. Each quarter also becomes a draw below 52,
// (q * 52) >> 16, in below52. There is a portable kernel and, on x86-64, an
// AVX2 one (and the same for AVX-512VL), one of them chosen once per process
// (see cpu_paths.h); all give the same quarters and draws.
inline constexpr int kLanes = 8;
inline constexpr int kSteps = 64;
inline constexpr int kQuarters = 4 * kLanes * kSteps;

void refillPortable(
    std::uint64_t (&state)[4][kLanes], std::uint16_t* quarters, std::uint8_t* below52);
// The portable kernel's draws below 52: (q * 52) >> 16 for each quarter.
void quartersBelow52(const std::uint16_t* quarters, std::uint8_t* below52, int count);
// Only where cpu::hasAvx2(); elsewhere (a build for another processor)
// the portable kernel.
void refillAvx2(std::uint64_t (&state)[4][kLanes], std::uint16_t* quarters, std::uint8_t* below52);
// The AVX2 kernel compiled for processors with AVX-512VL as well (rotates
// and three-way logic in one instruction each). Only where
// cpu::hasAvx512vl(); elsewhere the portable kernel.
void refillAvx512(
    std::uint64_t (&state)[4][kLanes], std::uint16_t* quarters, std::uint8_t* below52);

} // namespace tavolier::blocks
