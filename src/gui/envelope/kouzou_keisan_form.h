#pragma once

// The structural load window "構造体負荷計算": the structural load report
// of the room's last results, the wall section (formulas, the ruled table
// of the walls, roof and floor, their hourly sums and the structural
// maximum) and the glass section (the same for the glass, with the window
// maximum and the overall maximum), scrolled under the window.

#include "report/report_window.h"

namespace karumoa::gui {

class Kouzou_Keisan_Form : public ReportWindow {
    Q_OBJECT
public:
    explicit Kouzou_Keisan_Form(AppContext& context);

    // Draws the report anew from the room's last results (Kabe_Hyouji,
    // then Garasu_Hyouji) and fits the scroll bars to it. Loading,
    // activating and resizing the window call it, and so do the plan
    // rebuild and the register chain of the condition dialogs, whether the
    // window is shown or not.
    void Saihyouji();

protected:
    void Redraw() override;
};

}  // namespace karumoa::gui
