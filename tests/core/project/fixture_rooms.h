#pragma once

// Rooms for the project-file tests, built the way the program's dialogs
// build them: layers from the conductivity table with K computed as the
// construction dialog does, window areas summed as the window dialog does.

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/room_model.h"

namespace karumoa::project::testing {

struct Layer {
    std::string zai;        // material name as in the conductivity table
    std::string netu_text;  // its conductivity text, e.g. "0.043"
    std::int16_t atusa;     // thickness in mm
};

struct WindowEntry {
    std::int16_t yoko;  // width in mm
    std::int16_t tate;  // height in mm
    std::int16_t kazu;  // count
};

// K = 1/R, R = sum of t/1000/lambda (each quotient in double, R rounded to
// single after each addition) + 0.175, or 0.375 with an air layer.
float DialogK(const std::vector<Layer>& layers, bool kuuki);

std::shared_ptr<model::Kabe_Data> MakeConstruction(const std::vector<Layer>& layers,
                                                   std::int32_t yoko, std::int32_t tate,
                                                   std::int16_t houi, bool kuuki,
                                                   std::int16_t zokusei = 0);

// A window set as the window dialog registers it (area summed in single).
std::shared_ptr<model::Mado_Data> MakeWindows(const std::vector<WindowEntry>& entries, bool braindo,
                                              std::int16_t houi);

// The empty window set the wall dialog creates with a wall: blinds on.
std::shared_ptr<model::Mado_Data> NewWallWindows(std::int16_t houi);

// Appends a wall and its window set (NewWallWindows when none is given).
void AddWall(model::RoomModel& room, std::shared_ptr<model::Kabe_Data> wall,
             std::shared_ptr<model::Mado_Data> windows = nullptr);

// A new room at location 5.
model::RoomModel NewRoom();

// The bundled example: north, east, south and west walls, windows on the
// south and east walls, roof with a skylight, floor.
model::RoomModel ExampleRoom();
// Only the conditions, all of them away from their start values.
model::RoomModel ConditionsOnlyRoom();
// One north wall without windows.
model::RoomModel OneWallRoom();
// Walls NE, SE, SW, NW with windows, roof and floor.
model::RoomModel DiagonalRoom();
// Every attribute code, blinds on and off, a deleted window set.
model::RoomModel AttributesRoom();

// A random room within the program's limits. With `canonical` every single
// is one the file can carry exactly (seven significant digits), so the room
// reads back equal; otherwise K and the window areas are raw results.
model::RoomModel RandomRoom(std::mt19937& rng, bool canonical);

}  // namespace karumoa::project::testing
