#pragma once

// Internal loads: occupants, lighting and ventilation (precision rules in
// calc/calc.h).

#include <cstdint>
#include <string>
#include <string_view>

namespace karumoa::model {
struct RoomModel;
}
namespace karumoa::refdb {
class ReferenceData;
}

namespace karumoa::calc {

// The building-type column of the occupant table whose per-person figures,
// illuminance and ventilation rate apply: the equivalent place's type
// (Soutou_Basyo + 1) for direct input (type 9), the building type itself
// otherwise.
int OccupantColumn(const model::RoomModel& room);

// The reference values the room's lighting and ventilation settings name.
// The loads, the dialogs' look-ups and the settings summary all read them
// here, so that a dialog, the summary and the load can never show two
// different values for one setting.
// Design illuminance of the occupant place, lx (automatic fitting of the
// lighting).
std::int16_t OccupantIlluminance(const model::RoomModel& room, const refdb::ReferenceData& refs);
// Ventilation rate of the occupant place, m3/h per person (automatic
// fitting of the ventilation).
float OccupantVentilationRate(const model::RoomModel& room, const refdb::ReferenceData& refs);
// The chosen level Syoudo of the illuminance table, lx; 0 for a record the
// table lacks.
std::int16_t ChosenIlluminance(const model::RoomModel& room, const refdb::ReferenceData& refs);
// The rate of the chosen ventilation place Kanki_Basyo, the minimum or the
// recommended one as Kanki_Saisyouti says, m3/h per person; 0 with no place
// chosen (-1) or one the table lacks.
float ChosenVentilationRate(const model::RoomModel& room, const refdb::ReferenceData& refs);

// How the number of persons is given.
enum class NinzuuMode {
    Density,    // building type 1..8: floor area x the place's density
    PerArea,    // direct input, persons per m2 x floor area
    HeadCount,  // direct input, head count
};

struct OccupantLoad {
    // Floor area of a four-walled room (0 for any other number of walls):
    // L1 the width of the north or north-east wall, L2 that of the east or
    // south-east wall, m.
    float L1 = 0.0f;
    float L2 = 0.0f;
    float A = 0.0f;
    std::int16_t Kennetu = 0;  // tabulated sensible heat per person at 26 C
    std::int16_t Sennetu = 0;  // tabulated latent heat per person at 26 C
    std::int16_t qps = 0;      // sensible heat per person at the room temperature
    std::int16_t qpl = 0;      // latent heat per person at the room temperature
    NinzuuMode mode = NinzuuMode::Density;
    float density = 0.0f;  // persons per m2: the place's (Density) or typed (PerArea)
    float NP = 0.0f;       // number of persons
    float qp = 0.0f;       // (qps + qpl) x NP, kcal/h
};

enum class LightingMode {
    OutputMixed,     // total output, both lamp kinds
    FixturesMixed,   // fixture counts, both lamp kinds
    OutputSingle,    // total output, one lamp type
    FixturesSingle,  // fixture count, one lamp type
    Illuminance,     // from the design illuminance
};

struct LightingLoad {
    LightingMode mode = LightingMode::Illuminance;
    bool fluorescent = true;  // the lamp type (Syoumei_Syurui)
    // Lamp input.
    float AW = 0.0f;               // total output of the one lamp type, kW
    float AWk = 0.0f;              // fluorescent output, kW
    float AWh = 0.0f;              // incandescent output, kW
    double share = 0.0;            // fluorescent share when mixing by total output
    double wattage = 0.0;          // W per fixture or lamp (FixturesSingle)
    std::int16_t count = 0;        // fixtures or lamps (FixturesSingle)
    std::string_view fixtureText;  // the fixture's item text, "40W×2", "100W"
    // Illuminance method.
    std::int16_t E = 0;       // design illuminance, lx
    double K = 0.0;           // utilisation factor of the lighting method
    std::string kText;        // K as printed, with one decimal ("0.7" for 0.65)
    double C = 0.0;           // light loss compensation
    double b = 0.0;           // ballast loss factor
    double eta = 0.0;         // luminous efficacy, lm/W
    float W = 0.0f;           // lighting power per m2, W/m2
    double heatFactor = 0.0;  // kcal/h per W
    float A = 0.0f;           // floor area, m2
    float qe = 0.0f;          // kcal/h
};

// Where the ventilation air volume comes from.
enum class VolumeSource {
    Direct,         // typed (Kanki_Nyuuryoku)
    OccupantPlace,  // rate of the occupant place x NP (automatic fitting)
    KankiPlace,     // rate of the chosen ventilation place x NP
};

struct VentilationLoad {
    float io = 0.0f;  // outdoor enthalpy, kcal/kg
    float ir = 0.0f;  // indoor enthalpy, kcal/kg
    float di = 0.0f;  // enthalpy difference io - ir
    VolumeSource source = VolumeSource::Direct;
    float rate = 0.0f;        // m3/h per person (not Direct)
    float NP = 0.0f;          // persons (not Direct)
    float V = 0.0f;           // air volume, m3/h
    bool ordinary = false;    // ordinary ventilation (else air-conditioning)
    double de = 0.0;          // enthalpy exchange efficiency (air-conditioning)
    std::string_view deText;  // its item text, "0.6"
    float qv = 0.0f;          // kcal/h
};

// Specific weight of air, kg/m3.
inline constexpr double kGamma = 1.2;
inline constexpr std::string_view kGammaText = "1.2";

struct InternalLoad {
    OccupantLoad occupant;
    LightingLoad lighting;
    VentilationLoad ventilation;
};

OccupantLoad ComputeOccupantLoad(const model::RoomModel& room, const refdb::ReferenceData& refs);
// `A` is the floor area of the occupant load.
LightingLoad ComputeLightingLoad(const model::RoomModel& room, const refdb::ReferenceData& refs,
                                 float A);
// `to` is the outdoor dry-bulb temperature (C), `NP` the persons of the
// occupant load.
VentilationLoad ComputeVentilationLoad(const model::RoomModel& room,
                                       const refdb::ReferenceData& refs, double to, float NP);
// The three in order, sharing the floor area and the persons.
InternalLoad ComputeInternalLoad(const model::RoomModel& room, const refdb::ReferenceData& refs,
                                 double to);

}  // namespace karumoa::calc
