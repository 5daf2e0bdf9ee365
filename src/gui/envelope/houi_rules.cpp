#include "envelope/houi_rules.h"

#include "model/codes.h"
#include "model/room_model.h"

namespace karumoa::gui::envelope {
namespace {

bool HasWall(const model::RoomModel& room, int houi) {
    for (const auto& wall : room.Kabe) {
        if (wall->Houi == houi) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<int> PreselectedHoui(const model::RoomModel& room) {
    if (room.Kabe.empty()) {
        return model::kHouiKita;
    }
    const int h = room.Kabe.Item(1)->Houi;
    for (const int turn : {2, 4, 6}) {
        const int candidate = h + turn > 8 ? h + turn - 8 : h + turn;
        if (!HasWall(room, candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

HouiVerdict CheckHoui(const model::RoomModel& room, int houi) {
    if (!model::IsWallHoui(houi)) {
        return HouiVerdict::Refused;
    }
    if (!room.Kabe.empty() && (room.Kabe.Item(1)->Houi - houi) % 2 != 0) {
        return HouiVerdict::Refused;
    }
    return HasWall(room, houi) ? HouiVerdict::Taken : HouiVerdict::Ok;
}

const model::Kabe_Data* OppositeWall(const model::RoomModel& room, int houi) {
    const int opposite = model::OppositeHoui(houi);
    const model::Kabe_Data* found = nullptr;
    for (const auto& wall : room.Kabe) {
        if (wall->Houi == opposite) {
            found = wall.get();
        }
    }
    return found;
}

}  // namespace karumoa::gui::envelope
