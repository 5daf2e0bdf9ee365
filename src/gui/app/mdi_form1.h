#pragma once

// The frame: a multiple-document window with the menu bar and the toolbar
// from which every command starts. It only wires: the commands live in
// FrameCommands (and the Save and Open commands in ProjectCommands), the
// windows in the form registry.

#include <QMainWindow>
#include <array>
#include <memory>

#include "app/frame_items.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

namespace karumoa::gui {

class AppContext;
class FrameCommands;

class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm1(AppContext& context);
    ~MDIForm1() override;

    // The action of a menu item or toolbar button (for a menu: its menu
    // action, whose flag greys the whole menu).
    QAction* Item(FrameItem item) const;
    void SetEnabled(FrameItem item, bool enabled);
    bool IsEnabled(FrameItem item) const;

    QMdiArea* mdiArea() const { return mdiArea_; }
    FrameCommands& commands() { return *commands_; }

    // Adds `form` as a child window, not yet shown; returns its frame.
    QMdiSubWindow* AddChildWindow(QWidget* form);
    // Shows a child window added before.
    void ShowChildWindow(QWidget* form);

    // The frame titles: "カルモア", "カルモア  (無題)", "カルモア  (A.kmd)".
    static QString TitleNoRoom();
    static QString TitleUntitled();
    static QString TitleForFile(const QString& fileTitle);

    // The enabled flags of the no-room state (after start-up and after the
    // plan window closed) and of the room-open state (after New room), and
    // the title that goes with them.
    void EnterNoRoomState();
    void EnterRoomOpenState();

    // Window arrangement over the visible, not minimised child windows.
    void TileStacked();     // one above another, each the full width
    void TileSideBySide();  // side by side, each the full height
    void Cascade();

    // The session of the operating system ends: the frame closes without
    // letting any answer stop it.
    void EndSession();

    // A lasting sign at the foot of the frame that no load can be computed
    // (the reference tables could not be loaded at start-up): the message
    // box says why once, this stays for the whole run.
    void ShowLoadsNotComputable();
    static QString LoadsNotComputableText();

signals:
    // The frame has accepted its close: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A project file dropped on the frame opens as Open would open it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    QAction* AddItem(QMenu* menu, FrameItem item, const QString& caption,
                     void (FrameCommands::*command)());

    AppContext& context_;
    std::unique_ptr<FrameCommands> commands_;
    QMdiArea* mdiArea_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::array<QAction*, static_cast<std::size_t>(FrameItem::Count)> items_{};
    bool sessionEnding_ = false;
};

}  // namespace karumoa::gui
