#pragma once

// The rules that tie the room's records together. The room is a rectangle:
// at most four walls, all cardinal or all diagonal, one per orientation;
// a roof and a floor only over four walls; a skylight only in a roof; the
// windows of a wall, roof or floor within its size and its area. The
// construction and window dialogs ask these rules before they change the
// room, and the project file reader asks them of every record it reads, so
// both accept the same rooms.

#include <cstdint>
#include <optional>

#include "model/mado_data.h"

namespace karumoa::model {

class Kabe_Data;
struct RoomModel;

constexpr int kMaxWalls = 4;

// 1-based position of the wall of orientation `houi`, 0 when none has it.
int WallWithHoui(const RoomModel& room, int houi);

enum class HouiVerdict {
    Ok,
    Refused,  // roof or floor, or of the other parity than the first wall
    Taken,    // a wall already has it
};
// Whether a wall of orientation `houi` (any code) can join the room's walls.
HouiVerdict CheckWallHoui(const RoomModel& room, int houi);

// The orientation offered for a new wall: north in a room without walls;
// otherwise the first of the first wall's orientation turned by 90, 180 and
// 270 degrees clockwise that no wall has yet; nullopt when all are taken.
std::optional<int> PreselectedHoui(const RoomModel& room);

// The wall facing orientation `houi` (the last one in list order), or null.
// Opposite walls of the rectangle have the same width.
const Kabe_Data* OppositeWall(const RoomModel& room, int houi);

bool CanAddWall(const RoomModel& room);
bool CanAddRoof(const RoomModel& room);
bool CanAddFloor(const RoomModel& room);
bool CanAddSkylight(const RoomModel& room);

// The glass of a window list (entries 1..n of the parallel arrays) in mm2,
// exactly: each width x height x count in integers. The list fits an
// element when this is no more than the element's width x height; a sum
// of rounded m2 could put windows that fill the element exactly above it.
std::int64_t GlassMm2(const Mado_Data::Array& tate, const Mado_Data::Array& yoko,
                      const Mado_Data::Array& kazu);
bool GlassFits(std::int64_t glassMm2, std::int32_t tate, std::int32_t yoko);

// The window area the window dialog records with a list, in m2: each term
// width/1000 x (height/1000) x count in double, the total held in single
// precision.
float MadoMenseki(const Mado_Data::Array& tate, const Mado_Data::Array& yoko,
                  const Mado_Data::Array& kazu);

// Whether a recorded window area is the one the dialog computes for its
// list, as far as the seven significant digits of the project file carry
// it (exactly 0 for an empty list).
bool MensekiMatches(float recorded, float computed);

}  // namespace karumoa::model
