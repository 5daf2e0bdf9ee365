#pragma once

// Structural load: conduction through the walls, the roof and the floor,
// and solar gain plus conduction through the glass of each wall and of the
// skylight, at 10, 12, 14 and 16 h (precision rules in calc/calc.h).

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "refdb/reference_data.h"  // the grid types

namespace karumoa::model {
struct RoomModel;
}

namespace karumoa::calc {

// The four hours of the calculation: index 0..3 for 10, 12, 14, 16 h.
inline constexpr int kHourCount = 4;
constexpr int HourOf(int index) {
    return 10 + 2 * index;
}
using HourValues = std::array<float, kHourCount>;

// A maximum over the hours: the first hour that exceeds a running maximum
// starting at 0, so ties go to the earlier hour and a set without a
// positive value gives 0 at 10 h (index 0).
struct HourMaximum {
    float value = 0.0f;
    int hour = 0;  // index 0..3
    bool operator==(const HourMaximum&) const = default;
};
HourMaximum MaximumOf(const HourValues& values);

// At most four walls, the roof and the floor; four wall glass sets and the
// skylight.
inline constexpr int kMaxOpaque = 6;
inline constexpr int kMaxGlass = 5;

// Glass heat transmission coefficient, kcal/(m2 h C).
inline constexpr double kGlassK = 5.6;
inline constexpr std::string_view kGlassKText = "5.6";
// Blinds cut the solar gain of glass whose gain exceeds kBlindThreshold.
inline constexpr double kBlindFactor = 0.65;
inline constexpr int kBlindThreshold = 100;

// Thickness group 0..4 of the equivalent temperature difference table for
// a total thickness in mm: up to 69, 70..159, 160..229, 230..300, over 300
// give 0..3 and 4 without an air layer; an air layer moves the element one
// group up (at most to 4).
int OndosaGroup(std::int32_t thickness, bool kuuki);

// One wall, the roof or the floor.
struct OpaqueElement {
    std::int16_t houi = 0;                 // orientation code; the name is model::HouiName(houi)
    std::int16_t zokusei = 0;              // attribute (the floor's own codes for the floor)
    double width = 0.0;                    // m, Yoko / 1000
    double height = 0.0;                   // m, Tate / 1000
    float A = 0.0f;                        // area less the glass of the element, m2
    float K = 0.0f;                        // heat transmission coefficient
    std::int32_t thickness = 0;            // total of the layers, mm
    int group = 0;                         // thickness group of the table
    std::array<double, kHourCount> dte{};  // equivalent temperature difference, C
    HourValues qw{};                       // K x dte x A, kcal/h
};

// The glass of one wall or the skylight.
struct GlassElement {
    std::int16_t houi = 0;                       // the window set's orientation, 0 for the skylight
    std::int16_t hostZokusei = 0;                // attribute of the host wall or roof
    bool braindo = false;                        // blinds
    double dt = 0.0;                             // temperature difference, C
    std::string dtText;                          // as printed: one decimal, or "3.3", or "0"
    float A = 0.0f;                              // glass area, m2
    float qgc = 0.0f;                            // 5.6 x dt x A, kcal/h
    std::array<std::int16_t, kHourCount> Igr{};  // solar gain before blinds
    std::array<double, kHourCount> IgrShaded{};  // after blinds, kcal/(m2 h)
    HourValues qgr{};                            // A x IgrShaded, kcal/h
};

struct StructuralLoad {
    double ti = 0.0;  // indoor temperature, Situon / 10
    double to = 0.0;  // outdoor dry-bulb temperature
    double k = 0.0;   // correction of the table's dte: (26 - ti) + (to - 32.6)

    // The room has walls: the opaque table has rows, sums and a maximum.
    bool hasWalls = false;
    int opaqueCount = 0;
    std::array<OpaqueElement, kMaxOpaque> opaque{};
    HourValues S{};         // hourly sums of the opaque elements
    HourMaximum kouzouMax;  // "構造体最大負荷"

    // The room has window records: the glass table has rows, sums and maxima.
    bool hasGlass = false;
    int glassCount = 0;
    std::array<GlassElement, kMaxGlass> glass{};
    float C = 0.0f;       // sum of qgc
    HourValues R{};       // hourly sums of qgr
    HourValues W{};       // C + R[h]
    HourMaximum madoMax;  // "窓最大負荷"

    HourValues H{};        // S[h] + W[h]
    HourMaximum totalMax;  // "壁窓合計負荷", the room's Kouzou_Goukei

    std::span<const OpaqueElement> Opaque() const {
        return {opaque.data(), static_cast<std::size_t>(opaqueCount)};
    }
    std::span<const GlassElement> Glass() const {
        return {glass.data(), static_cast<std::size_t>(glassCount)};
    }
};

// The structural load of the room with outdoor dry-bulb temperature `to`
// (C). Elements come in this order: walls by orientation from the smallest
// one in steps of 2, then the roof, then the floor; glass of the walls in
// the same order (window sets of area 0 are skipped), then the skylight.
// The table grids an element needs are read from `refs` on each call.
StructuralLoad ComputeStructuralLoad(const model::RoomModel& room, const refdb::ReferenceData& refs,
                                     double to);

// The grids of the equivalent temperature difference (every thickness
// group) and of the solar gain, read once, for computing many rooms
// against the same tables.
class StructuralTables {
public:
    explicit StructuralTables(const refdb::ReferenceData& refs);
    const refdb::DteGrid& Dte(int group) const { return dte_[static_cast<std::size_t>(group)]; }
    const refdb::IgrGrid& Igr() const { return igr_; }

private:
    std::array<refdb::DteGrid, 5> dte_{};
    refdb::IgrGrid igr_{};
};

// The same calculation on grids read beforehand; the results are identical.
StructuralLoad ComputeStructuralLoad(const model::RoomModel& room, const StructuralTables& tables,
                                     double to);

}  // namespace karumoa::calc
