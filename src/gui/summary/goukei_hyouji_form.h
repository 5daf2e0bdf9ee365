#pragma once

// The load total window "負荷合計": a small free-standing tool window that
// shows the room's load, the sum of the four totals the calculations store
// in the room model, in its status bar, and, when enlarged, the four totals
// in a list above it. Its close button only hides it; it is closed for real
// with the room, and then remembers its place under "Goukei_Form".

#include <QWidget>

#include "summary/summary_window.h"

class QLabel;
class QStatusBar;
class QTreeWidget;

namespace karumoa::gui {

class AppContext;
class Goukei_Menu;

class Goukei_Hyouji_Form : public SummaryWindow {
    Q_OBJECT
public:
    explicit Goukei_Hyouji_Form(AppContext& context);
    ~Goukei_Hyouji_Form() override;

    // Load step: the layout, the minimal display, the two columns.
    void Form_Load() override;

    // Refreshes the list (while the window is visible) and the sum. A load
    // that is not a finite number, and every load while the reference
    // tables are missing, reads "—".
    void List_Hyouji() override;
    // The minimal display: only the sum.
    void Saisyou_Hyouji();

    // Closed for real: remembers the window's top and left.
    void Form_Unload() override;

    // Opens the context menu Mnu_Goukei at `globalPos` (a right click on
    // the status bar).
    void StatusBar1_ContextMenu(const QPoint& globalPos);

    QTreeWidget* ListView1() const { return listView_; }
    QStatusBar* StatusBar1() const { return statusBar_; }
    // The text of the status bar's one panel.
    QString Panel1Text() const;
    Goukei_Menu* Mnu_Goukei() const { return menu_; }

private:
    // The layout: the size limits, then the list above the status bar.
    void Form_Resize() override;
    double StatusHeight() const;

    QTreeWidget* listView_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* panel1_ = nullptr;
    Goukei_Menu* menu_ = nullptr;
    bool inResize_ = false;
};

}  // namespace karumoa::gui
