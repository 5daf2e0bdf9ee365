#include "model/room_rules.h"

#include <cmath>

#include "model/codes.h"
#include "model/room_model.h"

namespace karumoa::model {

int WallWithHoui(const RoomModel& room, int houi) {
    for (int p = 1; p <= room.Kabe.Count(); ++p) {
        if (room.Kabe.Item(p)->Houi == houi) {
            return p;
        }
    }
    return 0;
}

HouiVerdict CheckWallHoui(const RoomModel& room, int houi) {
    if (!IsWallHoui(houi)) {
        return HouiVerdict::Refused;
    }
    // Odd codes are cardinal, even ones diagonal.
    if (!room.Kabe.empty() && (room.Kabe.Item(1)->Houi - houi) % 2 != 0) {
        return HouiVerdict::Refused;
    }
    return WallWithHoui(room, houi) != 0 ? HouiVerdict::Taken : HouiVerdict::Ok;
}

std::optional<int> PreselectedHoui(const RoomModel& room) {
    if (room.Kabe.empty()) {
        return kHouiKita;
    }
    const int h = room.Kabe.Item(1)->Houi;
    for (const int turn : {2, 4, 6}) {
        const int candidate = h + turn > 8 ? h + turn - 8 : h + turn;
        if (WallWithHoui(room, candidate) == 0) {
            return candidate;
        }
    }
    return std::nullopt;
}

const Kabe_Data* OppositeWall(const RoomModel& room, int houi) {
    const int opposite = OppositeHoui(houi);
    const Kabe_Data* found = nullptr;
    for (const auto& wall : room.Kabe) {
        if (wall->Houi == opposite) {
            found = wall.get();
        }
    }
    return found;
}

bool CanAddWall(const RoomModel& room) {
    return room.Kabe.Count() < kMaxWalls;
}

bool CanAddRoof(const RoomModel& room) {
    return room.Kabe.Count() == kMaxWalls && room.Yane.empty();
}

bool CanAddFloor(const RoomModel& room) {
    return room.Kabe.Count() == kMaxWalls && room.Yuka.empty();
}

bool CanAddSkylight(const RoomModel& room) {
    return !room.Yane.empty() && room.Yane_Mado.empty();
}

std::int64_t GlassMm2(const Mado_Data::Array& tate, const Mado_Data::Array& yoko,
                      const Mado_Data::Array& kazu) {
    std::int64_t glass = 0;
    for (std::size_t i = 1; i + 1 < kazu.size(); ++i) {
        glass += std::int64_t{yoko[i]} * tate[i] * kazu[i];
    }
    return glass;
}

bool GlassFits(std::int64_t glassMm2, std::int32_t tate, std::int32_t yoko) {
    return glassMm2 <= std::int64_t{tate} * yoko;
}

float MadoMenseki(const Mado_Data::Array& tate, const Mado_Data::Array& yoko,
                  const Mado_Data::Array& kazu) {
    float menseki = 0.0f;
    for (std::size_t i = 1; i + 1 < kazu.size(); ++i) {
        menseki = static_cast<float>(static_cast<double>(menseki) +
                                     yoko[i] / 1000.0 * (tate[i] / 1000.0) * kazu[i]);
    }
    return menseki;
}

bool MensekiMatches(float recorded, float computed) {
    // Seven significant digits are within 5e-7 of the value; a tenfold
    // margin still tells any edited area from the list's.
    const auto expected = static_cast<double>(computed);
    return std::fabs(static_cast<double>(recorded) - expected) <= 5e-6 * std::fabs(expected);
}

}  // namespace karumoa::model
