#pragma once

// The holder of the plan's context menus. The window itself is never
// shown; the plan window opens its menus at the mouse pointer when an
// element is right-clicked, after setting their check marks and enabled
// flags from the room. The commands act on the wall Kabe_Bangou, or on the
// one roof, floor or skylight.

#include <QPoint>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <optional>

class QAction;
class QMenu;

namespace karumoa::gui {

class AppContext;
class Goukei_Menu;
class Main_Form;

class PopUp_Form : public QWidget {
    Q_OBJECT
public:
    explicit PopUp_Form(AppContext& context, QWidget* parent = nullptr);
    ~PopUp_Form() override;

    // --- Mouse buttons pressed on the plan: only the right button opens a
    // menu; every press gives the work area the focus.
    void Kabe_Button_MouseDown(int slot, Qt::MouseButton button);
    void Mado_Button_MouseDown(int slot, Qt::MouseButton button);
    void Yane_Mado_Button_MouseDown(Qt::MouseButton button);
    // At `twips` of the work area: only inside the overhead view.
    void Sagyou_Eria_MouseDown(Qt::MouseButton button, QPointF twips);

    // Checks the attribute item of wall n's attribute and clears the others
    // (an attribute outside 0..3 changes no mark).
    void Zokusei_Set(int n);
    // The attribute of the wall Kabe_Bangou, the roof or the floor set to
    // `zokusei`, a room edit (FormRegistry::RoomEdited); nothing without
    // that element.
    void Kabe_Zokusei_Kousin(int zokusei);
    void Yane_Zokusei_Kousin(int zokusei);
    void Yuka_Zokusei_Check(int zokusei);

    // How a menu is opened: by default at the mouse pointer, returning when
    // it closes (and its command has run). Tests replace it.
    using MenuRunner = std::function<void(QMenu*)>;
    void SetMenuRunner(MenuRunner runner) { runner_ = std::move(runner); }
    void OpenMenu(QMenu* menu);
    // Where the default way opens the next menus instead of the mouse
    // pointer (a menu opened from the keyboard opens at its element);
    // nullopt: at the pointer again.
    void SetMenuAnchor(std::optional<QPoint> globalPos) { anchor_ = globalPos; }

    // --- The menus and their items, by object name.
    QMenu* Mnu_Kabe() const { return mnuKabe_; }
    QMenu* Mnu_Mado() const { return mnuMado_; }
    QMenu* Mnu_Jyouge() const { return mnuJyouge_; }
    QMenu* Mnu_Yanemado() const { return mnuYanemado_; }
    // "合計表示": the load total window opens it and holds it with its
    // command (Goukei_Menu); it is the same menu here.
    Goukei_Menu* Mnu_Goukei() const;
    // The item (or a submenu's item) named `name`, or null.
    QAction* Item(const QString& name) const;

private:
    void BuildMenus();
    Main_Form* Plan() const;
    bool ValidWall() const;

    AppContext& context_;
    MenuRunner runner_;
    std::optional<QPoint> anchor_;
    QMenu* mnuKabe_ = nullptr;
    QMenu* mnuMado_ = nullptr;
    QMenu* mnuJyouge_ = nullptr;
    QMenu* mnuYanemado_ = nullptr;
};

}  // namespace karumoa::gui
