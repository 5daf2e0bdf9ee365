#include "summary/goukei_menu.h"

#include "app/app_context.h"
#include "app/form_registry.h"
#include "summary/goukei_hyouji_form.h"

namespace karumoa::gui {

Goukei_Menu::Goukei_Menu(AppContext& context, QWidget* parent)
    : QMenu(QStringLiteral("合計表示"), parent), context_(context) {
    setObjectName("Mnu_Goukei");
    menuAction()->setObjectName("Mnu_Goukei");
    goukeiNomi_ = addAction(QStringLiteral("合計のみ表示"));
    goukeiNomi_->setObjectName("Mnu_Goukei_Nomi");
    connect(goukeiNomi_, &QAction::triggered, this, &Goukei_Menu::Mnu_Goukei_Nomi_Click);
}

void Goukei_Menu::Mnu_Goukei_Nomi_Click() {
    context_.forms().goukeiHyouji().Saisyou_Hyouji();
}

}  // namespace karumoa::gui
