#pragma once

// The form registry: the one place that creates the program's windows and
// dialogs, and through which one window reaches another.
//
// A form is created on first use and stays hidden until it is shown
// ("loaded hidden"), exactly like a form whose properties are touched
// before it is shown. IsLoaded tells whether it exists; Unload closes it
// for real (a form implementing UnloadableForm runs its unload step first)
// and destroys it. A window that unloads itself (the plan window closing)
// calls Forget so that the next use creates a fresh one.

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

    // --- Typed accessors.
    MDIForm1& mdiForm();
    Main_Form& mainForm();
    Main_Form* mainFormIfLoaded() const;
    frmSplash& splash();
    Settei_Hyouji_Form& setteiHyouji();
    Goukei_Hyouji_Form& goukeiHyouji();
    Kabe_Form& kabeForm();
    Mado_Form& madoForm();
    PopUp_Form& popUpForm();

    // --- Room-wide steps, each naming the windows it reaches in order.
    // Windows of later parts of the program join these steps here.

    // Plan window load: the internal load window and the structural load
    // window (Situnai_Keisan_Form, Kouzou_Keisan_Form), loaded hidden so
    // that they can compute before they are ever shown.
    void LoadResultWindows();
    // New room: Gaiki_Jyouken_Form, Situnai_Jyouken_Form, Jintai_Form,
    // Syoumei_Form, Kanki_Form, Mado_Form, then PopUp_Form, loaded hidden.
    void LoadRoomDialogs();
    // New room: Settei_Hyouji_Form placed from "Set_Form" (top, left,
    // width, height), Goukei_Hyouji_Form from "Goukei_Form" (top, left),
    // then Saizenmen_Set(…, 1) for each.
    void PlaceToolWindows();
    // End of every plan rebuild: Situnai_Keisan_Form.Jintai_Keisan,
    // Kouzou_Keisan_Form.Saihyouji, and Goukei_Hyouji_Form.List_Hyouji
    // while the frame's Mnu_Fuka_Goukei is disabled (the window is open),
    // then Settei_Hyouji_Form.List_Hyouji when it is loaded.
    void RefreshResultWindows();
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

    AppContext& context_;
    std::array<QPointer<QWidget>, static_cast<std::size_t>(FormId::Count)> forms_;
};

}  // namespace karumoa::gui
