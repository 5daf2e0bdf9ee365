#include "plan/recalculation.h"

#include "app/app_context.h"
#include "calc/load_totals.h"

namespace karumoa::gui {

void RecalculateLoads(AppContext& context) {
    model::RoomModel& room = context.room();
    if (const refdb::ReferenceData* tables = context.referenceData()) {
        calc::Recalculate(room, *tables);
    } else {
        // Without the tables nothing can be computed; the loads show 0.
        calc::StoreTotals(room, calc::LoadTotals{});
    }
}

}  // namespace karumoa::gui
