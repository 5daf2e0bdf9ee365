#pragma once

// The outdoor conditions dialog "外気条件設定": the city of the room
// (Basyo, one of 14) and, for information, that city's dry-bulb and
// dew-point temperatures from the outdoor-air table, which the program
// only reads. A choice changes Basyo at once; cancel puts back the city
// that was set when the dialog was shown.
//
// The outdoor dry-bulb temperature the calculations use is the core's
// look-up of row Basyo (refdb::ReferenceData::OutdoorDryBulb), the same
// cell this dialog shows as "8～17時" under "乾球温度".

#include <cstdint>

#include "app/condition_dialog.h"

class QComboBox;
class QLineEdit;

namespace karumoa::gui {

class Gaiki_Jyouken_Form : public ConditionDialog {
    Q_OBJECT
public:
    // Loaded with the entry Basyo chosen and its row shown.
    explicit Gaiki_Jyouken_Form(AppContext& context, QWidget* parent = nullptr);
    ~Gaiki_Jyouken_Form() override;

    // Shown: remembers Basyo and shows its entry and row.
    void Form_Activate() override;
    // A city chosen: Basyo = its index, its row shown.
    void Gaiki_Combo_Click();
    // Register chain; a city other than the remembered one marks the room
    // unsaved (Basyo is in the project file).
    void Touroku_Button_Click() override;
    // Basyo and the display back to the remembered city.
    void Cansel_Button_Click() override;

    // The city in force when the dialog was last shown.
    std::uint8_t RememberedBasyo() const { return remembered_; }

    QComboBox* Gaiki_Combo() const { return gaikiCombo_; }
    QLineEdit* Kan_0_Text() const { return kan0Text_; }
    QLineEdit* Kan_8_Text() const { return kan8Text_; }
    QLineEdit* Ro_0_Text() const { return ro0Text_; }
    QLineEdit* Ro_8_Text() const { return ro8Text_; }

private:
    void BuildControls();
    // The combo's entry and the four temperatures of city `basyo`.
    void ShowCity(int basyo);

    std::uint8_t remembered_ = 0;
    QComboBox* gaikiCombo_ = nullptr;
    QLineEdit* kan0Text_ = nullptr;
    QLineEdit* kan8Text_ = nullptr;
    QLineEdit* ro0Text_ = nullptr;
    QLineEdit* ro8Text_ = nullptr;
};

}  // namespace karumoa::gui
