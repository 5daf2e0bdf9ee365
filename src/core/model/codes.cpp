#include "model/codes.h"

#include <array>

namespace karumoa::model {
namespace {

constexpr std::array<std::string_view, kHouiCount> kHouiNames{
    "屋根", "北", "北東", "東", "南東", "南", "南西", "西", "北西", "床"};
constexpr std::array<std::string_view, kWallZokuseiCount> kWallZokuseiNames{"標準", "室外日陰",
                                                                            "室内負荷", "無負荷"};
constexpr std::array<std::string_view, kFloorZokuseiCount> kFloorZokuseiNames{"標準", "室外負荷",
                                                                              "無負荷"};

template <std::size_t N>
std::string_view Lookup(const std::array<std::string_view, N>& names, int code) {
    if (code < 0 || code >= static_cast<int>(N)) {
        return {};
    }
    return names[static_cast<std::size_t>(code)];
}

}  // namespace

std::string_view HouiName(int houi) {
    return Lookup(kHouiNames, houi);
}
std::string_view WallZokuseiName(int zokusei) {
    return Lookup(kWallZokuseiNames, zokusei);
}
std::string_view FloorZokuseiName(int zokusei) {
    return Lookup(kFloorZokuseiNames, zokusei);
}

}  // namespace karumoa::model
