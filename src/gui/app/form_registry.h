#pragma once

// The form registry: the one place that creates the program's windows and
// dialogs, and through which one window reaches another.
//
// A form is created on first use and stays hidden until it is shown
// ("loaded hidden"), exactly like a form whose properties are touched
// before it is shown. Loading always registers the new form first and then
// runs its load step (a form implementing LoadableForm), so the load step
// may reach the form itself and every other form through the registry.
// IsLoaded tells whether it exists; Unload closes it for real (a form
// implementing UnloadableForm runs its unload step first) and destroys it.
// A window that unloads itself (the plan window closing) calls Forget so
// that the next use creates a fresh one.

#include <QPointer>
#include <QWidget>
#include <array>

namespace karumoa::gui {

class AppContext;
class Kabe_Form;
class MDIForm1;
class Main_Form;
class Mado_Form;
class PopUp_Form;
class frmSplash;
class Settei_Hyouji_Form;
class Goukei_Hyouji_Form;
class Jintai_Form;

enum class FormId {
    MDIForm1,
    frmSplash,
    About_Form,
    Main_Form,
    Kouzou_Keisan_Form,
    Situnai_Keisan_Form,
    Gaiki_Jyouken_Form,
    Situnai_Jyouken_Form,
    Jintai_Form,
    Syoumei_Form,
    Kanki_Form,
    Mado_Form,
    PopUp_Form,
    Kabe_Form,
    Settei_Hyouji_Form,
    Goukei_Hyouji_Form,
    Count
};

// Implemented by forms that do something when they are loaded, after the
// registry has registered them (lay out, fill lists, load other forms).
class LoadableForm {
public:
    virtual ~LoadableForm() = default;
    virtual void Form_Load() = 0;
};

// Implemented by forms that do something when they are closed for real
// (store their position, release their data), as opposed to being hidden
// by their own close button.
class UnloadableForm {
public:
    virtual ~UnloadableForm() = default;
    virtual void Form_Unload() = 0;
};

class FormRegistry {
public:
    explicit FormRegistry(AppContext& context);
    ~FormRegistry();
    FormRegistry(const FormRegistry&) = delete;
    FormRegistry& operator=(const FormRegistry&) = delete;

    // --- Generic access by id.
    // The form, created (hidden) if it is not loaded. Null for a form that
    // this build of the program does not have yet.
    QWidget* Load(FormId id);
    QWidget* IfLoaded(FormId id) const;
    bool IsLoaded(FormId id) const { return IfLoaded(id) != nullptr; }
    // Closes the form for real and destroys it (deferred, so that a form
    // may be unloaded from inside its own event handlers; `now` destroys it
    // at once, for the end of the program).
    void Unload(FormId id, bool now = false);
    // The form is closing itself; the next Load creates a new one.
    void Forget(FormId id);
    // Every form, the frame last.
    void UnloadAll();

    // --- Typed access, checked: asking for a form as a type it is not, or
    // for a form this build does not have, is a programming error that
    // stops the program (qFatal) rather than a cast gone wrong.
    // The form as a T, loaded (hidden) if it is not.
    template <class T>
    T& Get(FormId id) {
        return *Checked<T>(Load(id), id);
    }
    // The form as a T if it is loaded, else null.
    template <class T>
    T* GetIfLoaded(FormId id) const {
        QWidget* form = IfLoaded(id);
        return form != nullptr ? Checked<T>(form, id) : nullptr;
    }

    // The forms most often reached, by name (Get with their id and type).
    MDIForm1& mdiForm();
    Main_Form& mainForm();
    Main_Form* mainFormIfLoaded() const;
    frmSplash& splash();
    Settei_Hyouji_Form& setteiHyouji();
    Goukei_Hyouji_Form& goukeiHyouji();
    Kabe_Form& kabeForm();
    Mado_Form& madoForm();
    PopUp_Form& popUpForm();
    // The occupant dialog, also the windows' way to the occupant table.
    Jintai_Form& jintaiForm();

    // --- Room-wide steps, each naming the windows it reaches in order.
    // Windows of later parts of the program join these steps here.

    // Plan window load: the new room's results computed, then the internal
    // load window and the structural load window (Situnai_Keisan_Form,
    // Kouzou_Keisan_Form) loaded hidden, so that they have the room's
    // numbers before they are ever shown.
    void LoadResultWindows();
    // New room: Gaiki_Jyouken_Form, Situnai_Jyouken_Form, Jintai_Form,
    // Syoumei_Form, Kanki_Form, Mado_Form, then PopUp_Form, loaded hidden.
    void LoadRoomDialogs();
    // New room: Settei_Hyouji_Form placed from "Set_Form" (top, left,
    // width, height), Goukei_Hyouji_Form from "Goukei_Form" (top, left),
    // then Saizenmen_Set(…, 1) for each. A window without a remembered
    // place goes to its first-start place (ToolWindow::FirstStartPlaces).
    void PlaceToolWindows();
    // End of every plan rebuild (Main_Form.Kabe_Seisaku): the room's
    // results recalculated, then Situnai_Keisan_Form.Jintai_Keisan,
    // Kouzou_Keisan_Form.Saihyouji, and Goukei_Hyouji_Form.List_Hyouji
    // while the frame's Mnu_Fuka_Goukei is disabled (the window is open),
    // then Settei_Hyouji_Form.List_Hyouji when it is loaded.
    void PlanRebuilt();
    // A wall, window, attribute, roof, floor or skylight was changed:
    // Hozon_Flag set, then the plan rebuilt (Main_Form.Kabe_Seisaku) when
    // the plan window is loaded.
    void RoomEdited();
    // Register chain of the condition dialogs: Settei_Hyouji_Form.List_Hyouji,
    // the room's results recalculated, Kouzou_Keisan_Form.Saihyouji,
    // Situnai_Keisan_Form.Jintai_Keisan, Goukei_Hyouji_Form.List_Hyouji, in
    // this order; each window is loaded (hidden) if it is not. The outdoor
    // and indoor condition dialogs run it as it is; the occupant, lighting
    // and ventilation dialogs run ConditionsEdited, which sets Hozon_Flag
    // first.
    void ConditionsRegistered();
    void ConditionsEdited();
    // Cascade: Kouzou_Keisan_Form.Eria_Tyousei before the windows move.
    void FitStructuralReport();
    // Plan window unload, step 1: every other child window of the frame.
    void CloseResultWindows();
    // Plan window unload, step 3: Gaiki_Jyouken_Form, Situnai_Jyouken_Form,
    // Jintai_Form, Syoumei_Form, Kanki_Form, Settei_Hyouji_Form,
    // Goukei_Hyouji_Form, Kabe_Form.
    void UnloadRoomDialogs();

private:
    QWidget* Create(FormId id);
    // The steps of the two report windows, shared by both refresh chains.
    void RefreshInternalReport();
    void RefreshStructuralReport();

    template <class T>
    static T* Checked(QWidget* form, FormId id) {
        T* typed = dynamic_cast<T*>(form);
        if (typed == nullptr) {
            WrongForm(id, form);
        }
        return typed;
    }
    [[noreturn]] static void WrongForm(FormId id, const QWidget* form);

    AppContext& context_;
    std::array<QPointer<QWidget>, static_cast<std::size_t>(FormId::Count)> forms_;
};

}  // namespace karumoa::gui
