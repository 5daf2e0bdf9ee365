#include "app/form_registry.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/about_form.h"
#include "app/app_context.h"
#include "app/mdi_form1.h"
#include "app/splash_form.h"
#include "app/window_order.h"
#include "envelope/gaiki_jyouken_form.h"
#include "envelope/kabe_form.h"
#include "envelope/kouzou_keisan_form.h"
#include "envelope/situnai_jyouken_form.h"
#include "internal/jintai_form.h"
#include "internal/kanki_form.h"
#include "internal/situnai_keisan_form.h"
#include "internal/syoumei_form.h"
#include "plan/mado_form.h"
#include "plan/main_form.h"
#include "plan/popup_form.h"
#include "summary/goukei_hyouji_form.h"
#include "summary/settei_hyouji_form.h"
#include "summary/tool_window.h"

namespace karumoa::gui {
namespace {

std::size_t Index(FormId id) {
    return static_cast<std::size_t>(id);
}

// The widget to hide and destroy: a child window goes with its frame.
QWidget* OuterWindow(QWidget* form) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) {
        return sub;
    }
    return form;
}

}  // namespace

FormRegistry::FormRegistry(AppContext& context) : context_(context) {}

FormRegistry::~FormRegistry() = default;

QWidget* FormRegistry::Create(FormId id) {
    switch (id) {
        case FormId::MDIForm1:
            return new MDIForm1(context_);
        case FormId::frmSplash:
            return new frmSplash();
        case FormId::Main_Form: {
            auto* form = new Main_Form(context_);
            mdiForm().AddChildWindow(form);
            return form;
        }
        case FormId::Kouzou_Keisan_Form: {
            auto* form = new Kouzou_Keisan_Form(context_);
            mdiForm().AddChildWindow(form);
            return form;
        }
        case FormId::Situnai_Keisan_Form: {
            auto* form = new Situnai_Keisan_Form(context_);
            mdiForm().AddChildWindow(form);
            return form;
        }
        case FormId::About_Form:
            // Owned by the frame, so that clicking the frame cannot bury it.
            return new About_Form(context_, &mdiForm());
        case FormId::Settei_Hyouji_Form:
            return new Settei_Hyouji_Form(context_);
        case FormId::Goukei_Hyouji_Form:
            return new Goukei_Hyouji_Form(context_);
        case FormId::Kabe_Form:
            return new Kabe_Form(context_, &mdiForm());
        case FormId::Mado_Form:
            return new Mado_Form(context_, &mdiForm());
        case FormId::PopUp_Form:
            return new PopUp_Form(context_);
        case FormId::Gaiki_Jyouken_Form:
            return new Gaiki_Jyouken_Form(context_, &mdiForm());
        case FormId::Situnai_Jyouken_Form:
            return new Situnai_Jyouken_Form(context_, &mdiForm());
        case FormId::Jintai_Form:
            return new Jintai_Form(context_, &mdiForm());
        case FormId::Syoumei_Form:
            return new Syoumei_Form(context_, &mdiForm());
        case FormId::Kanki_Form:
            return new Kanki_Form(context_, &mdiForm());
        default:
            // Windows of later parts of the program are created here.
            return nullptr;
    }
}

QWidget* FormRegistry::Load(FormId id) {
    QPointer<QWidget>& slot = forms_[Index(id)];
    if (slot.isNull()) {
        QWidget* created = Create(id);
        // Registered before its load step, which may reach the form itself
        // through the registry (the plan window's load reaches the frame
        // and the result windows, which reach the plan window).
        slot = created;
        if (auto* loadable = dynamic_cast<LoadableForm*>(created)) {
            loadable->Form_Load();
        }
    }
    return slot.data();
}

void FormRegistry::WrongForm(FormId id, const QWidget* form) {
    qFatal("FormRegistry: form %d is %s, not the type asked for", static_cast<int>(id),
           form != nullptr ? form->metaObject()->className() : "not in this build");
}

QWidget* FormRegistry::IfLoaded(FormId id) const {
    return forms_[Index(id)].data();
}

void FormRegistry::Forget(FormId id) {
    forms_[Index(id)].clear();
}

void FormRegistry::Unload(FormId id, bool now) {
    QPointer<QWidget> form = forms_[Index(id)];
    forms_[Index(id)].clear();
    if (form.isNull()) {
        return;
    }
    if (auto* unloadable = dynamic_cast<UnloadableForm*>(form.data())) {
        unloadable->Form_Unload();
    }
    if (form.isNull()) {
        return;
    }
    QWidget* outer = OuterWindow(form);
    outer->hide();
    if (now) {
        delete outer;
    } else {
        outer->deleteLater();
    }
}

void FormRegistry::UnloadAll() {
    for (std::size_t i = static_cast<std::size_t>(FormId::Count); i-- > 0;) {
        const auto id = static_cast<FormId>(i);
        if (id == FormId::Main_Form) {
            // The plan window releases the room without asking: the
            // program is ending.
            if (Main_Form* plan = mainFormIfLoaded()) {
                forms_[i].clear();
                plan->ReleaseRoom();
                delete OuterWindow(plan);
            }
            continue;
        }
        Unload(id, true);
    }
}

MDIForm1& FormRegistry::mdiForm() {
    return Get<MDIForm1>(FormId::MDIForm1);
}

Main_Form& FormRegistry::mainForm() {
    return Get<Main_Form>(FormId::Main_Form);
}

Main_Form* FormRegistry::mainFormIfLoaded() const {
    return GetIfLoaded<Main_Form>(FormId::Main_Form);
}

frmSplash& FormRegistry::splash() {
    return Get<frmSplash>(FormId::frmSplash);
}

Settei_Hyouji_Form& FormRegistry::setteiHyouji() {
    return Get<Settei_Hyouji_Form>(FormId::Settei_Hyouji_Form);
}

Goukei_Hyouji_Form& FormRegistry::goukeiHyouji() {
    return Get<Goukei_Hyouji_Form>(FormId::Goukei_Hyouji_Form);
}

Kabe_Form& FormRegistry::kabeForm() {
    return Get<Kabe_Form>(FormId::Kabe_Form);
}

Mado_Form& FormRegistry::madoForm() {
    return Get<Mado_Form>(FormId::Mado_Form);
}

PopUp_Form& FormRegistry::popUpForm() {
    return Get<PopUp_Form>(FormId::PopUp_Form);
}

Jintai_Form& FormRegistry::jintaiForm() {
    return Get<Jintai_Form>(FormId::Jintai_Form);
}

void FormRegistry::LoadResultWindows() {
    context_.RecalculateRoom();
    Load(FormId::Situnai_Keisan_Form);
    Load(FormId::Kouzou_Keisan_Form);
}

void FormRegistry::LoadRoomDialogs() {
    for (FormId id :
         {FormId::Gaiki_Jyouken_Form, FormId::Situnai_Jyouken_Form, FormId::Jintai_Form,
          FormId::Syoumei_Form, FormId::Kanki_Form, FormId::Mado_Form, FormId::PopUp_Form}) {
        Load(id);
    }
}

void FormRegistry::PlaceToolWindows() {
    const WindowPlacement set = context_.settings().Set_Form();
    const WindowPlacement goukeiPlace = context_.settings().Goukei_Form();
    Settei_Hyouji_Form& settei = setteiHyouji();
    Goukei_Hyouji_Form& goukei = goukeiHyouji();
    // Nothing remembered yet: beside each other at the right of the frame,
    // clear of its menus, its toolbar and each other.
    const int caption = ToolWindow::CaptionPixels(&mdiForm());
    const QWidget* area = mdiForm().mdiArea();
    const ToolWindow::FirstPlaces first =
        ToolWindow::FirstStartPlaces(QRect(area->mapToGlobal(QPoint(0, 0)), area->size()),
                                     settei.FullListClientSize(), goukei.size(), caption);
    if (set.stored) {
        ToolWindow::SetOuterSize(settei, set.width, set.height);
        ToolWindow::Place(settei, set.top, set.left);
    } else {
        settei.setGeometry(first.settei);
    }
    if (goukeiPlace.stored) {
        ToolWindow::Place(goukei, goukeiPlace.top, goukeiPlace.left);
    } else {
        goukei.setGeometry(first.goukei);
    }
    Saizenmen_Set(settei, 1);
    Saizenmen_Set(goukei, 1);
}

// The report windows hold the room's numbers: while a room is open they
// are loaded (hidden) if they are not; without a room there is nothing to
// draw and they stay closed.
void FormRegistry::RefreshInternalReport() {
    if (mainFormIfLoaded() != nullptr) {
        Get<Situnai_Keisan_Form>(FormId::Situnai_Keisan_Form).Jintai_Keisan();
    }
}

void FormRegistry::RefreshStructuralReport() {
    if (mainFormIfLoaded() != nullptr) {
        Get<Kouzou_Keisan_Form>(FormId::Kouzou_Keisan_Form).Saihyouji();
    }
}

void FormRegistry::PlanRebuilt() {
    context_.RecalculateRoom();
    RefreshInternalReport();
    RefreshStructuralReport();
    if (!mdiForm().IsEnabled(FrameItem::Mnu_Fuka_Goukei)) {
        goukeiHyouji().List_Hyouji();
    }
    // A room read from a file brings its own conditions after the settings
    // summary was shown for the empty room; the rebuild that follows the
    // read keeps it from showing the empty room's (it does nothing while
    // hidden).
    if (auto* settei = GetIfLoaded<Settei_Hyouji_Form>(FormId::Settei_Hyouji_Form)) {
        settei->List_Hyouji();
    }
}

void FormRegistry::RoomEdited() {
    context_.room().Hozon_Flag = true;
    if (Main_Form* plan = mainFormIfLoaded()) {
        plan->Kabe_Seisaku();
    }
}

void FormRegistry::ConditionsRegistered() {
    // The settings summary shows conditions only, no loads: the results are
    // recalculated after it, before the first step that reads them.
    setteiHyouji().List_Hyouji();
    context_.RecalculateRoom();
    RefreshStructuralReport();
    RefreshInternalReport();
    goukeiHyouji().List_Hyouji();
}

void FormRegistry::ConditionsEdited() {
    context_.room().Hozon_Flag = true;
    ConditionsRegistered();
}

void FormRegistry::FitStructuralReport() {
    if (auto* kouzou = GetIfLoaded<Kouzou_Keisan_Form>(FormId::Kouzou_Keisan_Form)) {
        kouzou->Eria_Tyousei();
    }
}

void FormRegistry::CloseResultWindows() {
    Unload(FormId::Situnai_Keisan_Form);
    Unload(FormId::Kouzou_Keisan_Form);
}

void FormRegistry::UnloadRoomDialogs() {
    for (FormId id : {FormId::Gaiki_Jyouken_Form, FormId::Situnai_Jyouken_Form, FormId::Jintai_Form,
                      FormId::Syoumei_Form, FormId::Kanki_Form, FormId::Settei_Hyouji_Form,
                      FormId::Goukei_Hyouji_Form, FormId::Kabe_Form}) {
        Unload(id);
    }
}

}  // namespace karumoa::gui
