#include "summary/settei_rows.h"

#include "app/controls.h"
#include "sheet/summary_rows.h"

namespace karumoa::gui {

std::array<SetteiRow, 5> SetteiRows(const model::RoomModel& room,
                                    const refdb::ReferenceData* refs) {
    const std::array<sheet::SetteiRow, 5> texts = sheet::SetteiRows(room, refs);
    std::array<SetteiRow, 5> rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = SetteiRow{FromUtf8(texts[i].item), FromUtf8(texts[i].setting),
                            FromUtf8(texts[i].condition), FromUtf8(texts[i].value)};
    }
    return rows;
}

}  // namespace karumoa::gui
