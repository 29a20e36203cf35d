#pragma once

#include <cstdint>

namespace tavolier::blocks {

// The fast generator's block kernels. One refill advances eight xoshiro256**
// lanes (state[word][lane]) kSteps times; step s of lane l gives the raw
// number whose low half is word 2 * (8s + l) and whose high half is the word
// after it. Each word also becomes a draw below 52, (w * 52) >> 32, in below52.
// There is a portable kernel and, on x86-64, an AVX2 one picked at run time;
// both give the same words and draws.
inline constexpr int kLanes = 8;
inline constexpr int kSteps = 64;
inline constexpr int kWords = 2 * kLanes * kSteps;

void refillPortable(std::uint64_t (&state)[4][kLanes], std::uint32_t* words, std::uint8_t* below52);
// The portable kernel's draws below 52: (w * 52) >> 32 for each word.
void wordsBelow52(const std::uint32_t* words, std::uint8_t* below52, int count);
// False where the processor (or the build) has no AVX2 kernel.
[[nodiscard]] bool avx2Available();
// Only when avx2Available().
void refillAvx2(std::uint64_t (&state)[4][kLanes], std::uint32_t* words, std::uint8_t* below52);

} // namespace tavolier::blocks
