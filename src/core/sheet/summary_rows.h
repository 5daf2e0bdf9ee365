#pragma once

// The wording of the two summaries, for every medium that shows them: the
// five rows of the settings summary (the window lists them, the
// calculation document prints them) and the four rows of the load total.

#include <array>
#include <string>
#include <string_view>

namespace karumoa::model {
struct RoomModel;
}
namespace karumoa::refdb {
class ReferenceData;
}
namespace karumoa::calc {
struct LoadTotals;
}

namespace karumoa::sheet {

struct SetteiRow {
    std::string item;       // "項目"
    std::string setting;    // "設定"
    std::string condition;  // "条件"
    std::string value;      // "設定値"

    bool operator==(const SetteiRow&) const = default;
};

// Outdoor conditions, indoor temperature, occupants, lighting and
// ventilation, in that order. Texts that need a reference table are empty
// when `refs` is null (the tables could not be loaded); the rest is shown.
// The illuminances and ventilation rates come from the look-ups the loads
// and the dialogs use (calc/situnai_keisan.h): a row shows what the load
// takes.
std::array<SetteiRow, 5> SetteiRows(const model::RoomModel& room, const refdb::ReferenceData* refs);

struct GoukeiRow {
    std::string_view item;  // "人体熱量", ...
    float value = 0.0f;     // kcal/h
};

// The four loads in the order the load total lists them: occupants,
// lighting, ventilation, structure.
std::array<GoukeiRow, 4> GoukeiRows(const calc::LoadTotals& totals);

}  // namespace karumoa::sheet
