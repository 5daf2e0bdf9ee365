#pragma once

// The shape the condition dialogs share (outdoor and indoor conditions,
// occupants, lighting, ventilation): a modal dialog over the frame that
// sets itself up from the room model each time the program shows it, with
// a register and a cancel button. The Escape key and the window's close
// button cancel exactly as the cancel button does, so the room never keeps
// what a closed dialog changed.
//
// What each dialog remembers, restores and checks is its own; the base
// holds the steps every one of them ends with: the register chain, and the
// close after a cancel with its notice.

#include <QDialog>

#include "app/form_registry.h"

class QHBoxLayout;
class QPushButton;

namespace karumoa::gui {

class AppContext;

class ConditionDialog : public QDialog {
    Q_OBJECT
public:
    ~ConditionDialog() override;

    // The set-up from the room model; runs every time the program shows
    // the dialog (not when the desktop merely uncovers it).
    virtual void Form_Activate() = 0;
    virtual void Touroku_Button_Click() = 0;
    virtual void Cansel_Button_Click() = 0;

    // Escape and the close button: Cansel_Button_Click.
    void reject() override;

    QPushButton* Touroku_Button() const { return tourokuButton_; }
    QPushButton* Cansel_Button() const { return canselButton_; }

protected:
    ConditionDialog(AppContext& context, FormId id, const char* objectName, const QString& caption,
                    QWidget* parent);

    void showEvent(QShowEvent* event) override;

    // Makes "登録(&I)" and "キャンセル(&C)" and puts them at the right of a
    // row, for the dialog's layout. Called once, after the dialog's own
    // controls are made.
    QHBoxLayout* ButtonRow();

    // The register chain: the settings summary, the loads, the total. A
    // change the project file keeps (`roomChanged`) marks the room unsaved
    // first.
    void RunRegisterChain(bool roomChanged);

    // Closes the dialog after a cancel, once it has put back what it
    // changed: hidden (kept loaded, with its state) or unloaded. Then, for
    // the condition and occupant dialogs (`Notice::AfterKanki`), when the
    // ventilation command was the last to set Settei_Mode (10), the notice
    // "設定は変更されませんでした。"; the lighting and ventilation dialogs
    // close without it.
    enum class AfterCancel { Hide, Unload };
    enum class Notice { AfterKanki, None };
    void CloseCancelled(AfterCancel after, Notice notice = Notice::AfterKanki);

    AppContext& context_;

private:
    FormId id_;
    QPushButton* tourokuButton_ = nullptr;
    QPushButton* canselButton_ = nullptr;
};

}  // namespace karumoa::gui
