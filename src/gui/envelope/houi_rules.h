#pragma once

// The orientation rules of the construction dialog, without widgets: which
// orientation a new wall is offered, which choices are refused, and which
// registered wall faces a chosen one. A room is a rectangle: its walls
// are all cardinal or all diagonal, one per orientation, and opposite walls
// have the same width.

#include <optional>

namespace karumoa::model {
class Kabe_Data;
struct RoomModel;
}  // namespace karumoa::model

namespace karumoa::gui::envelope {

// Houi_Syoki: north (1) in a room without walls; otherwise the first of the
// first wall's orientation turned by 90, 180 and 270 degrees clockwise that
// no wall has yet. nullopt when all three are taken (the selection then
// stays as it is).
std::optional<int> PreselectedHoui(const model::RoomModel& room);

enum class HouiVerdict {
    Ok,
    Refused,  // roof or floor, or of the other parity than the first wall
    Taken,    // a wall already has it
};
// Houi_Check for a wall of orientation `houi` (0..9).
HouiVerdict CheckHoui(const model::RoomModel& room, int houi);

// The wall facing orientation `houi` (the last one in list order), or null.
const model::Kabe_Data* OppositeWall(const model::RoomModel& room, int houi);

}  // namespace karumoa::gui::envelope
