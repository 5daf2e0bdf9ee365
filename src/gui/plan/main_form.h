#pragma once

// The plan window "作業デスク": the room drawn schematically as up to four
// wall buttons placed by orientation, a window-count button per wall with
// windows, the overhead view with its skylight button, the north arrow and
// the colour legend. Kabe_Seisaku rebuilds the whole picture from the room
// model after every change and then has the loads recalculated.
//
// The window holds the room for as long as it is loaded: its load gives
// the room its start values, its unload stores the remembered city and
// temperature and empties the element lists.

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "app/form_registry.h"
#include "plan/plan_layout.h"

class QComboBox;
class QMdiSubWindow;
class QPushButton;
class QStatusBar;

namespace karumoa::model {
struct RoomModel;
}

namespace karumoa::gui {

class AppContext;
class PlanDeletions;

namespace plan {
class OverheadShape;
class WorkArea;
}  // namespace plan

class Main_Form : public QWidget, public LoadableForm {
    Q_OBJECT
public:
    explicit Main_Form(AppContext& context);
    ~Main_Form() override;

    model::RoomModel& room();

    // Load step: the room's start values, the work area widened, the result
    // windows loaded, Hozon_Flag cleared.
    void Form_Load() override;

    // Rebuilds the picture from the room and recalculates the loads.
    void Kabe_Seisaku();

    // The name of orientation code h ("屋根", "北", ... "床"); empty outside 0..9.
    QString Houi_Caption(int h) const;

    // Tool tips of the wall and window-count buttons.
    void Kabe_ToolTip();
    void Mado_ToolTip();

    // Closes the window through its close request (the question about
    // unsaved changes). With `mayRefuse` false (the session of the
    // operating system ends) the answers cannot keep it open. Returns
    // whether it closed.
    bool CloseWindow(bool mayRefuse = true);

    // Empties the five element lists (the last unload step).
    void ReleaseRoom();

    // Checks the wall-attribute item of wall n's attribute in the wall menu
    // (the menus live in PopUp_Form).
    void Zokusei_Set(int n);

    // --- Deletions, each after asking (PlanDeletions).
    void Kabe_Sakujyo();
    void Mado_Sakujyo();
    void Yane_Sakujyo();
    void Yuka_Sakujyo();
    void Yanemado_Sakujyo();
    void Yane_Sakujyo_Kettei();

    // --- Controls, for the context menus, dialogs and tests.
    QPushButton* Kabe_Button(int i) const { return kabeButtons_[static_cast<std::size_t>(i)]; }
    QPushButton* Mado_Button(int i) const { return madoButtons_[static_cast<std::size_t>(i)]; }
    QPushButton* Yane_Mado_Button() const { return yaneMadoButton_; }
    plan::WorkArea* Sagyou_Eria() const { return sagyouEria_; }
    plan::OverheadShape* Jyoukuu_Shape() const { return jyoukuuShape_; }
    QStatusBar* StatusBar1() const { return statusBar_; }
    // "Yoko" or "Tate" for a laid-out wall button, empty otherwise.
    QString KabeButtonTag(int i) const;
    bool Jyoukuu_Yoko_Flag() const { return jyoukuuYokoFlag_; }
    // The overhead view as last laid out, in twips.
    const std::optional<plan::OverheadView>& OverheadViewLayout() const { return overhead_; }

    QMdiSubWindow* subWindow() const;
    bool IsMinimizedWindow() const;
    // The sizes of the work area and status bar the layout works from.
    plan::PlanMetrics Metrics() const;

    QSize sizeHint() const override;

signals:
    // A mouse button pressed on a wall, window-count or skylight button
    // (slot 0..3; -1 for the skylight), or on the work area (in twips).
    // The plan itself has no left-button commands.
    void kabeButtonPressed(int slot, Qt::MouseButton button);
    void madoButtonPressed(int slot, Qt::MouseButton button);
    void yaneMadoButtonPressed(Qt::MouseButton button);
    void workAreaPressed(Qt::MouseButton button, QPointF twips);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The Menu key or Shift+F10 on a plan button or the overhead view:
    // the menu a right click on it opens.
    void ContextMenuFromKeyboard(QWidget* element);
    bool QueryUnload();
    void Form_Unload();
    void Form_Resize();
    void Sagyou_Eria_Tyousei();
    void LayOutStatusBar();
    void Yane_Mado_Hyouji(const plan::OverheadView& view);

    AppContext& context_;
    std::unique_ptr<PlanDeletions> deletions_;
    plan::WorkArea* sagyouEria_ = nullptr;
    std::array<QPushButton*, 4> kabeButtons_{};
    std::array<QPushButton*, 4> madoButtons_{};
    QPushButton* yaneMadoButton_ = nullptr;
    plan::OverheadShape* jyoukuuShape_ = nullptr;
    QComboBox* mainHouiCombo_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    bool jyoukuuYokoFlag_ = false;
    std::optional<plan::OverheadView> overhead_;
    bool mayRefuseClose_ = true;
    bool inResize_ = false;
};

}  // namespace karumoa::gui
