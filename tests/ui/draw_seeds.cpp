#include "draw_seeds.h"

#include <gtest/gtest.h>

#include "game/random_of3.h"

namespace zormade::test {

std::uint32_t SeedDrawing(int first, int second) {
    for (std::uint32_t seed = 1; seed < 1000000; ++seed) {
        Random15 random(seed);
        if (ThreeWayOf(random.Next()) == first && ThreeWayOf(random.Next()) == second) return seed;
    }
    ADD_FAILURE() << "no seed draws " << first << " then " << second;
    return 1;
}

}  // namespace zormade::test
