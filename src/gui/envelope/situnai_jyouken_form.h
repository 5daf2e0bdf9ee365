#pragma once

// The indoor conditions dialog "室内条件設定": the room's dry-bulb
// temperature Situon, in tenths of a degree, stepped by the spinner from
// 22 to 32 ℃ in half degrees, or set to the standard 26 ℃ by the box.
// Every step changes Situon at once; cancel puts back the temperature that
// was set when the dialog was shown. Situon is not in the project file, so
// registering does not mark the room unsaved.

#include <cstdint>

#include "app/condition_dialog.h"

class QCheckBox;
class QLineEdit;

namespace karumoa::gui {

class UpDown;

class Situnai_Jyouken_Form : public ConditionDialog {
    Q_OBJECT
public:
    explicit Situnai_Jyouken_Form(AppContext& context, QWidget* parent = nullptr);
    ~Situnai_Jyouken_Form() override;

    // The standard temperature, 26.0 ℃.
    static constexpr std::int16_t kHyoujyun = 260;

    // Shown: remembers Situon and shows it; at the standard value the box
    // is ticked and the spinner off, otherwise the other way round.
    void Form_Activate() override;
    // A step: Situon = the spinner's value.
    void UpDown_Ondo_Change();
    // Ticked: spinner off, Situon = 260. Cleared: spinner on, at its own
    // value (the next step continues from there).
    void Hyoujyun_Check_Click();
    void Touroku_Button_Click() override;
    // Situon back to the remembered value.
    void Cansel_Button_Click() override;

    std::int16_t RememberedSituon() const { return remembered_; }

    QLineEdit* Ondo_Text() const { return ondoText_; }
    UpDown* UpDown_Ondo() const { return upDownOndo_; }
    QCheckBox* Hyoujyun_Check() const { return hyoujyunCheck_; }

private:
    void BuildControls();
    // Ondo_Text = Situon / 10 in its shortest form: "26", "26.5".
    void ShowSituon();

    std::int16_t remembered_ = kHyoujyun;
    QLineEdit* ondoText_ = nullptr;
    UpDown* upDownOndo_ = nullptr;
    QCheckBox* hyoujyunCheck_ = nullptr;
};

}  // namespace karumoa::gui
