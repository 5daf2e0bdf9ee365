#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "calc/netukanryuu.h"

namespace karumoa::calc {
namespace {

TEST(Netukanryuu_Keisan, WorkedExampleOneLayer) {
    const std::vector<float> netu{0.0f, 1.2f, 0.0f};
    const std::vector<std::int16_t> atusa{0, 100, 0};
    // R = 0.1 / 1.2 + 0.175 = 0.25833; K = 3.87097 (the value shown is 3.871).
    EXPECT_NEAR(NetuTeikou(netu, atusa, false), 0.258333, 1e-6);
    EXPECT_NEAR(Netukanryuu_Keisan(netu, atusa, false), 3.871, 5e-4);
}

TEST(Netukanryuu_Keisan, AirLayerAddsExactlyTwoTenthsToR) {
    const std::vector<float> netu{0.0f, 1.4f, 0.043f, 0.0f};
    const std::vector<std::int16_t> atusa{0, 150, 50, 0};
    const float without = NetuTeikou(netu, atusa, false);
    const float with = NetuTeikou(netu, atusa, true);
    // Both sums are rounded to single: 0.2 within a few units of the last place.
    EXPECT_NEAR(static_cast<double>(with - without), 0.2, 2e-7);
    // 0.15 / 1.4 + 0.05 / 0.043 + 0.175; empty slots 0 and 3 are skipped.
    EXPECT_NEAR(without, 1.444934, 1e-6);
    EXPECT_FLOAT_EQ(Netukanryuu_Keisan(netu, atusa, true), 1.0f / with);
}

// 10 mm of 1.4 and 100 mm of 0.7: R is 0.325 in exact arithmetic. Rounded
// to single after each layer it ends at 0.32500002 and K at 3.0769229;
// summed in double and rounded once it would end at 0.32499999 and K at
// 3.0769231.
TEST(Netukanryuu_Keisan, RoundsRToSingleAfterEachLayer) {
    const std::vector<float> netu{0.0f, 1.4f, 0.7f, 0.0f};
    const std::vector<std::int16_t> atusa{0, 10, 100, 0};
    EXPECT_EQ(NetuTeikou(netu, atusa, false), 0.32500001788139343f);
    EXPECT_EQ(Netukanryuu_Keisan(netu, atusa, false), 3.07692289352417f);
}

TEST(Netukanryuu_Keisan, NoLayersLeavesTheSurfaceResistance) {
    const std::vector<float> netu{0.0f, 0.0f};
    const std::vector<std::int16_t> atusa{0, 0};
    EXPECT_FLOAT_EQ(Netukanryuu_Keisan(netu, atusa, false), 1.0f / 0.175f);
    EXPECT_FLOAT_EQ(Netukanryuu_Keisan(netu, atusa, true), 1.0f / 0.375f);
}

}  // namespace
}  // namespace karumoa::calc
