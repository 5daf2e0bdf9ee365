#pragma once

// The four load totals of the room and their sum (precision rules in
// calc/calc.h).

namespace karumoa::model {
struct RoomModel;
}

namespace karumoa::calc {

struct StructuralLoad;
struct InternalLoad;

// Watts per kcal/h, for the loads also given in kW and W/m2.
inline constexpr double kWattPerKcalh = 1.163;
constexpr double KcalhToKw(double kcalh) {
    return kcalh * kWattPerKcalh / 1000.0;
}

struct LoadTotals {
    float Jintai_Goukei = 0.0f;   // occupants, kcal/h
    float Syoumei_Goukei = 0.0f;  // lighting
    float Kanki_Goukei = 0.0f;    // ventilation
    float Kouzou_Goukei = 0.0f;   // walls and glass: the largest hourly total

    // The room's load: a single-precision sum from 0 adding occupants,
    // lighting, ventilation and structure in that order, as the load total
    // window shows it.
    float Sum() const;

    bool operator==(const LoadTotals&) const = default;
};

LoadTotals TotalsOf(const StructuralLoad& kouzou, const InternalLoad& situnai);
// The totals the room holds now.
LoadTotals StoredTotals(const model::RoomModel& room);
// Stores the four totals in the room, and Sonota_Goukei = 0.
void StoreTotals(model::RoomModel& room, const LoadTotals& totals);

}  // namespace karumoa::calc
