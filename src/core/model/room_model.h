#pragma once

#include <cstdint>

#include "model/element_list.h"
#include "model/kabe_data.h"
#include "model/mado_data.h"

namespace karumoa::model {

// The whole state of the one room the program works on.
//
// Booleans are plain bools here; the project file writes them as #TRUE# and
// #FALSE#. Integer fields keep the widths the project file and the dialogs
// rely on (an 8-bit city index, 16-bit codes, a 32-bit lighting output).
struct RoomModel {
    // Element lists. `Mado` item p is the window set of `Kabe` item p, so
    // the two always have the same count.
    ElementList<Kabe_Data> Kabe;       // walls, 0..4
    ElementList<Mado_Data> Mado;       // window set of each wall
    ElementList<Kabe_Data> Yane;       // roof, 0 or 1, orientation 0
    ElementList<Kabe_Data> Yuka;       // floor, 0 or 1, orientation 9
    ElementList<Mado_Data> Yane_Mado;  // skylight set, 0 or 1, orientation 0

    // Computed load totals in kcal/h, written by the calculations.
    float Jintai_Goukei = 0.0f;   // occupants
    float Syoumei_Goukei = 0.0f;  // lighting
    float Kanki_Goukei = 0.0f;    // ventilation
    float Kouzou_Goukei = 0.0f;   // walls and glass
    float Sonota_Goukei = 0.0f;   // other (reset by the structural calculation, never read)

    // Kept from room to room: filled at start-up from the remembered
    // settings; Basyo is also replaced by opening a project file.
    std::int16_t Situon = 260;  // indoor temperature in tenths of a degree C
    std::uint8_t Basyo = 5;     // city index 0..13

    // Occupants.
    std::int16_t Tatemono_Syurui = 1;  // building type 1..9 (9: direct input)
    std::int16_t Situnai_Syurui = 1;   // place 1 or 2 within the building type
    float Soutou_Ninzuu = 0.0f;        // direct input, persons per m2
    std::int16_t Jitu_Ninzuu = 0;      // direct input, head count
    bool Ninzuu_Flag = true;           // direct input is per m2 (else a head count)
    std::int16_t Soutou_Basyo = 0;     // equivalent place 0..7 for direct input

    // Lighting.
    std::int16_t Syoudo = 1;                 // 0-based illuminance record
    std::int16_t Syoudo_Syurui = 1;          // illuminance tab 1..7
    std::uint8_t Syoumei_housiki = 0;        // lighting method 0..4
    bool Syoumei_Syurui = true;              // fluorescent (else incandescent)
    std::uint8_t Keikoutou_Syurui = 0;       // fluorescent fixture 0..3
    std::uint8_t Hakunetutou_Syurui = 3;     // incandescent lamp 0..4
    std::int16_t Keikoutou_Kazu = 0;         // number of fluorescent fixtures
    std::int16_t Hakunetutou_Kazu = 0;       // number of incandescent lamps
    bool Syoumei_Konzai = false;             // both lamp kinds mixed
    bool Syuturyoku_Nyuuryoku = false;       // lighting entered as total output
    std::int32_t Syoumei_Syuturyoku = 1000;  // total output, W
    std::uint8_t Keikoutou_wariai = 0;       // fluorescent share 0..4 when mixed
    bool Syoudo_Jidou_Tekigou = true;        // illuminance from the occupant place

    // Ventilation.
    bool Kanki_Jidou_Tekigou = true;  // rate from the occupant place
    bool Kanki_Housiki = false;       // ordinary ventilation (else air-conditioning)
    std::uint8_t Kanki_Entarupi = 4;  // enthalpy exchange efficiency index 0..8
    std::int16_t Kanki_Basyo = 2;     // ventilation place 0..6, -1 for none
    bool Kanki_Saisyouti = true;      // minimum rates (else recommended)
    float Kanki_Fuuryou = 0.0f;       // air volume typed directly, m3/h
    bool Kanki_Nyuuryoku = false;     // the air volume is typed directly

    // Editor state.
    std::int16_t Kabe_Bangou = 0;  // 1-based wall of the last right-click
    bool Hozon_Flag = false;       // unsaved changes

    // Gives every field its start value for a new room, except those kept
    // from room to room (Situon, Basyo), the computed totals and
    // Kabe_Bangou; empties the element lists.
    void ResetForNewRoom();

    bool operator==(const RoomModel&) const = default;
};

}  // namespace karumoa::model
