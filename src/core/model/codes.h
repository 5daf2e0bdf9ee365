#pragma once

// Orientation and attribute codes of walls, roof, floor and window sets.

#include <cstdint>
#include <string_view>

namespace karumoa::model {

// Orientation codes (`Houi`): 0 roof, 1..8 the walls clockwise from north
// in 45 degree steps, 9 floor. Odd wall codes are the cardinal directions,
// even ones the diagonals; the walls of one room share one parity.
enum Houi : std::int16_t {
    kHouiYane = 0,
    kHouiKita = 1,
    kHouiHokutou = 2,
    kHouiHigasi = 3,
    kHouiNantou = 4,
    kHouiMinami = 5,
    kHouiNansei = 6,
    kHouiNisi = 7,
    kHouiHokusei = 8,
    kHouiYuka = 9,
};

constexpr int kHouiCount = 10;

// "屋根", "北", "北東", "東", "南東", "南", "南西", "西", "北西", "床" for 0..9;
// an empty text for any other code.
std::string_view HouiName(int houi);

constexpr bool IsWallHoui(int houi) {
    return houi >= 1 && houi <= 8;
}

// The opposite wall orientation: h + 4, minus 8 when that exceeds 8.
constexpr int OppositeHoui(int houi) {
    return houi + 4 > 8 ? houi - 4 : houi + 4;
}

// Walls drawn as horizontal bars on the plan (north, north-east, south,
// south-west); the others are drawn as vertical bars.
constexpr bool IsHorizontalWall(int houi) {
    return houi == 1 || houi == 2 || houi == 5 || houi == 6;
}

// Attribute codes (`Zokusei`). Walls and the roof use 0..3, the floor 0..2,
// and the two lists differ from code 1 on: floor 2 means no load, wall and
// roof 2 mean a partition towards a non-air-conditioned area.
enum WallZokusei : std::int16_t {
    kZokuseiHyoujyun = 0,  // standard
    kZokuseiHikage = 1,    // outdoor, in shade
    kZokuseiSitunai = 2,   // indoor load
    kZokuseiMufuka = 3,    // no load
};
enum FloorZokusei : std::int16_t {
    kYukaHyoujyun = 0,  // standard
    kYukaSitugai = 1,   // outdoor load
    kYukaMufuka = 2,    // no load
};

constexpr int kWallZokuseiCount = 4;
constexpr int kFloorZokuseiCount = 3;

// "標準", "室外日陰", "室内負荷", "無負荷"; empty outside 0..3.
std::string_view WallZokuseiName(int zokusei);
// "標準", "室外負荷", "無負荷"; empty outside 0..2.
std::string_view FloorZokuseiName(int zokusei);

}  // namespace karumoa::model
