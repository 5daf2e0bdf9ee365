#include "app/frame_commands.h"

#include <QDialog>
#include <QMdiSubWindow>

#include "app/app_context.h"
#include "app/help_viewer.h"
#include "app/mdi_form1.h"
#include "plan/main_form.h"
#include "project/project_commands.h"
#include "report/print_document.h"

namespace karumoa::gui {

FrameCommands::FrameCommands(AppContext& context, MDIForm1& frame)
    : context_(context),
      frame_(frame),
      project_(std::make_unique<ProjectCommands>(context, frame)) {}

FrameCommands::~FrameCommands() = default;

void FrameCommands::Sinki_Ryouiki() {
    FormRegistry& forms = context_.forms();
    if (forms.mainFormIfLoaded() != nullptr) {
        return;
    }
    frame_.setWindowTitle(MDIForm1::TitleUntitled());
    Main_Form& plan = forms.mainForm();
    frame_.EnterRoomOpenState();
    // The dialogs are loaded before the plan is shown: showing it draws
    // the plan and runs the calculations, which read some of them.
    forms.LoadRoomDialogs();
    frame_.ShowChildWindow(&plan);
    forms.PlaceToolWindows();
    FocusFrame();
}

bool FrameCommands::CloseRoom(bool mayRefuse) {
    Main_Form* plan = context_.forms().mainFormIfLoaded();
    if (plan == nullptr) {
        return true;
    }
    return plan->CloseWindow(mayRefuse);
}

bool FrameCommands::CloseAllForExit(bool sessionEnding) {
    if (!CloseRoom(!sessionEnding) && !sessionEnding) {
        return false;
    }
    FormRegistry& forms = context_.forms();
    for (int i = 0; i < static_cast<int>(FormId::Count); ++i) {
        const auto id = static_cast<FormId>(i);
        if (id != FormId::MDIForm1 && id != FormId::Main_Form) {
            forms.Unload(id);
        }
    }
    return true;
}

void FrameCommands::FocusFrame() {
    frame_.activateWindow();
    frame_.setFocus();
}

void FrameCommands::ShowModal(FormId id) {
    if (auto* dialog = qobject_cast<QDialog*>(context_.forms().Load(id))) {
        dialog->exec();
    }
    FocusFrame();
}

void FrameCommands::ShowReport(FormId id, FrameItem item) {
    if (QWidget* report = context_.forms().Load(id)) {
        frame_.ShowChildWindow(report);
        if (auto* sub = qobject_cast<QMdiSubWindow*>(report->parentWidget())) {
            sub->raise();
        }
        frame_.SetEnabled(item, false);
    }
}

void FrameCommands::ShowToolWindow(FormId id, FrameItem item) {
    if (QWidget* window = context_.forms().Load(id)) {
        window->show();
        frame_.SetEnabled(item, false);
    }
}

void FrameCommands::Mnu_Sinki_Ryouiki_Click() {
    Sinki_Ryouiki();
}

void FrameCommands::Mnu_File_Open_Click() {
    project_->File_Open();
}

void FrameCommands::Mnu_Save_Us_Click() {
    project_->Save_Us();
}

void FrameCommands::Mnu_Print_Click() {
    if (context_.forms().mainFormIfLoaded() != nullptr) {
        ShowPrintPreview(context_, project_->RoomFile(), &frame_);
    }
}

void FrameCommands::Mnu_End_Click() {
    frame_.close();
}

void FrameCommands::Mnu_Situnai_Keisan_Click() {
    ShowReport(FormId::Situnai_Keisan_Form, FrameItem::Mnu_Situnai_Keisan);
}

void FrameCommands::Mnu_Kouzou_Keisan_Click() {
    ShowReport(FormId::Kouzou_Keisan_Form, FrameItem::Mnu_Kouzou_Keisan);
}

void FrameCommands::Mnu_Settei_Jyouken_Click() {
    ShowToolWindow(FormId::Settei_Hyouji_Form, FrameItem::Mnu_Settei_Jyouken);
}

void FrameCommands::Mnu_Fuka_Goukei_Click() {
    ShowToolWindow(FormId::Goukei_Hyouji_Form, FrameItem::Mnu_Fuka_Goukei);
}

void FrameCommands::Mnu_Kabe_Click() {
    context_.Settei_Mode = 0;
    ShowModal(FormId::Kabe_Form);
}

void FrameCommands::Mnu_Yane_Click() {
    context_.Settei_Mode = 1;
    ShowModal(FormId::Kabe_Form);
}

void FrameCommands::Mnu_Yuka_Click() {
    context_.Settei_Mode = 2;
    ShowModal(FormId::Kabe_Form);
}

void FrameCommands::Mnu_Gaiki_Click() {
    ShowModal(FormId::Gaiki_Jyouken_Form);
}

void FrameCommands::Mnu_Situnai_Click() {
    ShowModal(FormId::Situnai_Jyouken_Form);
}

void FrameCommands::Mnu_Jintai_Click() {
    ShowModal(FormId::Jintai_Form);
}

void FrameCommands::mnu_Syoumei_Click() {
    ShowModal(FormId::Syoumei_Form);
}

void FrameCommands::Mnu_Kanki_Click() {
    context_.Settei_Mode = 10;
    ShowModal(FormId::Kanki_Form);
}

void FrameCommands::Mnu_Jyouge_Click() {
    frame_.TileStacked();
}

void FrameCommands::Mnu_sayuu_Click() {
    frame_.TileSideBySide();
}

void FrameCommands::Mnu_Kasanete_Click() {
    context_.forms().FitStructuralReport();
    frame_.Cascade();
}

void FrameCommands::Mnu_Netu_Help_Click() {
    // The contents of the help file beside the program; the viewer reports
    // a missing or unreadable file itself.
    HelpViewer& viewer = HelpViewer::Of(frame_);
    viewer.Open(context_.App_Path + QStringLiteral("/Karumoa.hlp"));
    viewer.show();
    viewer.raise();
    viewer.activateWindow();
}

void FrameCommands::Mnu_About_Click() {
    // Shown again when it is open already: brought to the front, like the
    // help viewer.
    if (QWidget* about = context_.forms().Load(FormId::About_Form)) {
        about->show();
        about->raise();
        about->activateWindow();
    }
}

}  // namespace karumoa::gui
