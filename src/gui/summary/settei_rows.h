#pragma once

// The five rows of the settings summary as the window lists them: the
// wording of sheet/summary_rows.h, in the window's strings. Kept apart from
// the window so that every case of the texts can be checked without one.

#include <QString>
#include <array>

namespace karumoa::model {
struct RoomModel;
}
namespace karumoa::refdb {
class ReferenceData;
}

namespace karumoa::gui {

struct SetteiRow {
    QString item;       // "項目"
    QString setting;    // "設定"
    QString condition;  // "条件"
    QString value;      // "設定値"

    bool operator==(const SetteiRow&) const = default;
};

// Outdoor conditions, indoor temperature, occupants, lighting and
// ventilation, in that order. Texts that need a reference table are empty
// when `refs` is null (the tables could not be loaded); the rest is shown.
std::array<SetteiRow, 5> SetteiRows(const model::RoomModel& room, const refdb::ReferenceData* refs);

}  // namespace karumoa::gui
