#include "envelope/kouzou_keisan_form.h"

#include "app/app_context.h"
#include "sheet/report_sheets.h"

namespace karumoa::gui {

Kouzou_Keisan_Form::Kouzou_Keisan_Form(AppContext& context)
    : ReportWindow(context, FrameItem::Mnu_Kouzou_Keisan, QStringLiteral("Kouzou_Keisan_Form"),
                   QStringLiteral("構造体負荷計算")) {}

void Kouzou_Keisan_Form::Saihyouji() {
    ShowSheet(sheet::BuildStructuralSheet(context_.results().structural, Metrics(), TakeSheet()));
}

void Kouzou_Keisan_Form::Redraw() {
    Saihyouji();
}

}  // namespace karumoa::gui
