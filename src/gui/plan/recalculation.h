#pragma once

namespace karumoa::gui {

class AppContext;

// Recomputes the room's loads after a change and stores the totals
// Kouzou_Goukei, Jintai_Goukei, Syoumei_Goukei and Kanki_Goukei in the
// room model. Without reference tables the totals are 0.
void RecalculateLoads(AppContext& context);

}  // namespace karumoa::gui
