#pragma once

// The commands of the frame's menus and toolbar. Each menu item has its
// click method; commands whose windows belong to later parts of the
// program open them through the form registry, which creates nothing for
// a window that does not exist yet.

#include <memory>

#include "app/form_registry.h"
#include "app/frame_items.h"

namespace karumoa::gui {

class AppContext;
class MDIForm1;
class ProjectCommands;

class FrameCommands {
public:
    FrameCommands(AppContext& context, MDIForm1& frame);
    ~FrameCommands();

    ProjectCommands& project() { return *project_; }

    // New room: the plan window with a fresh room, the menus of the room-open
    // state, the room's dialogs loaded, the tool windows placed. Does
    // nothing while a room is open.
    void Sinki_Ryouiki();

    // Closes the plan window, if one is loaded, through its question about
    // unsaved changes. Returns false when the plan window stays open.
    bool CloseRoom(bool mayRefuse = true);

    // The frame is asked to close: closes every other loaded window, the
    // plan window first. Returns false when the user kept the room open
    // (never while the session is ending).
    bool CloseAllForExit(bool sessionEnding);

    // --- Menu items and toolbar buttons.
    void Mnu_Sinki_Ryouiki_Click();
    void Mnu_File_Open_Click();
    void Mnu_Save_Us_Click();
    void Mnu_Print_Click();
    void Mnu_End_Click();
    void Mnu_Situnai_Keisan_Click();
    void Mnu_Kouzou_Keisan_Click();
    void Mnu_Settei_Jyouken_Click();
    void Mnu_Fuka_Goukei_Click();
    void Mnu_Kabe_Click();
    void Mnu_Yane_Click();
    void Mnu_Yuka_Click();
    void Mnu_Gaiki_Click();
    void Mnu_Situnai_Click();
    void Mnu_Jintai_Click();
    void mnu_Syoumei_Click();
    void Mnu_Kanki_Click();
    void Mnu_Jyouge_Click();
    void Mnu_sayuu_Click();
    void Mnu_Kasanete_Click();
    void Mnu_Netu_Help_Click();
    void Mnu_About_Click();

private:
    // Shows dialog `id` modally, then gives the focus back to the frame.
    void ShowModal(FormId id);
    // Shows report window `id` as a child window in front, then disables `item`.
    void ShowReport(FormId id, FrameItem item);
    // Shows tool window `id`, then disables `item`.
    void ShowToolWindow(FormId id, FrameItem item);
    void FocusFrame();

    AppContext& context_;
    MDIForm1& frame_;
    std::unique_ptr<ProjectCommands> project_;
};

}  // namespace karumoa::gui
