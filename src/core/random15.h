// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zormade {

// A 15-bit linear congruential generator: the same sequence on every platform, trivially seeded.
class Random15 {
public:
    explicit Random15(std::uint32_t seed = 1) : state_(seed) {}
    void Seed(std::uint32_t seed) { state_ = seed; }
    int Next();  // 0 to 32767

private:
    std::uint32_t state_;
};

// Splits a draw of 0 to 32767 into 0, 1 or 2, with the odd boundaries the game has always had.
int ThreeWayOf(int r);

}  // namespace zormade
