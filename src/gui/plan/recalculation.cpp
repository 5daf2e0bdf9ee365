#include "plan/recalculation.h"

#include "app/app_context.h"

namespace karumoa::gui {

void RecalculateLoads(AppContext& context) {
    // The structural and internal load calculations of the core
    // (calc::Recalculate over the room and the reference tables) store the
    // four totals here; the room keeps the totals it holds until then.
    (void)context;
}

}  // namespace karumoa::gui
