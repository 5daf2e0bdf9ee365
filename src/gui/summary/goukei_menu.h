#pragma once

// The context menu Mnu_Goukei "合計表示" of the load total window, with its
// one item Mnu_Goukei_Nomi "合計のみ表示", which switches that window to its
// minimal display. It is one of the program's context menus; the menu
// carries its own command, so it works the same whichever window holds it
// and opens it.

#include <QMenu>

namespace karumoa::gui {

class AppContext;

class Goukei_Menu : public QMenu {
    Q_OBJECT
public:
    Goukei_Menu(AppContext& context, QWidget* parent);

    QAction* Mnu_Goukei_Nomi() const { return goukeiNomi_; }

    // Goukei_Hyouji_Form.Saisyou_Hyouji.
    void Mnu_Goukei_Nomi_Click();

private:
    AppContext& context_;
    QAction* goukeiNomi_ = nullptr;
};

}  // namespace karumoa::gui
