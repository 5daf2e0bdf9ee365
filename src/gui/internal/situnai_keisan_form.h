#pragma once

// The internal load window "人体、照明、換気負荷計算": for the occupants,
// the lighting and the ventilation of the room's last results, the
// formula in symbols, the legend, the formula with the numbers substituted
// and the result, in colour, scrolled under the window.

#include <optional>

#include "report/report_window.h"

namespace karumoa::gui {

class Situnai_Keisan_Form : public ReportWindow {
    Q_OBJECT
public:
    explicit Situnai_Keisan_Form(AppContext& context);
    ~Situnai_Keisan_Form() override;

    // Draws the report anew from the room's last results, the occupant,
    // lighting and ventilation sections in this order, and fits the scroll
    // bars to it. Loading, activating and resizing the window call it, and
    // so do the plan rebuild and the register chain of the condition
    // dialogs, whether the window is shown or not.
    void Jintai_Keisan();
    // The lighting section of the drawing that Jintai_Keisan is making,
    // after the occupant section; outside a drawing it does nothing.
    void Syoumei_Hyouji();

protected:
    void Redraw() override;

private:
    // The drawing in progress.
    std::optional<sheet::SheetWriter> writer_;
};

}  // namespace karumoa::gui
