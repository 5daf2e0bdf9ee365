#include "internal/situnai_keisan_form.h"

#include <utility>

#include "app/app_context.h"
#include "calc/situnai_keisan.h"
#include "sheet/report_sheets.h"

namespace karumoa::gui {

Situnai_Keisan_Form::Situnai_Keisan_Form(AppContext& context)
    : ReportWindow(context, FrameItem::Mnu_Situnai_Keisan, QStringLiteral("Situnai_Keisan_Form"),
                   QStringLiteral("人体、照明、換気負荷計算")) {}

Situnai_Keisan_Form::~Situnai_Keisan_Form() = default;

void Situnai_Keisan_Form::Jintai_Keisan() {
    const calc::InternalLoad& load = context_.results().internal;
    writer_.emplace(Metrics(), TakeSheet());
    sheet::Jintai_Hyouji(*writer_, load.occupant);
    Syoumei_Hyouji();
    sheet::Kanki_Hyouji(*writer_, load.ventilation);
    sheet::Sheet drawn = writer_->Take();
    writer_.reset();
    ShowSheet(std::move(drawn));
}

void Situnai_Keisan_Form::Syoumei_Hyouji() {
    if (writer_) {
        sheet::Syoumei_Hyouji(*writer_, context_.results().internal.lighting);
    }
}

void Situnai_Keisan_Form::Redraw() {
    Jintai_Keisan();
}

}  // namespace karumoa::gui
