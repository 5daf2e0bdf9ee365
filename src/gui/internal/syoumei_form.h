#pragma once

// The lighting dialog "照明発生熱量設定": how the heat of the room's
// lighting is found. From a design illuminance, with a lighting method and
// a lamp type: a level of the illuminance table, chosen under one of its
// building types (tabs 1..6), or with 自動適合 the occupant place's own
// level. Or from the lamps (tab 7): a number of fixtures, or a total
// output, of one lamp kind or of both mixed in a share.
//
// What the lamp panel's controls and 自動適合 hold is written into the room
// as the user works (the check boxes when clicked, the combo boxes and
// fields when they lose the focus); the tab, the level, the method and the
// lamp type only on registration. Cancel puts back the nine values the
// controls write, as they were when the dialog was shown, and unloads the
// dialog; register only hides it.

#include <array>
#include <cstdint>

#include "app/condition_dialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QStackedWidget;
class QTabBar;

namespace karumoa::gui {

class NumericField;

class Syoumei_Form : public ConditionDialog {
    Q_OBJECT
public:
    // Loaded with the illuminance table's levels and places.
    explicit Syoumei_Form(AppContext& context, QWidget* parent = nullptr);
    ~Syoumei_Form() override;

    // The tab of lamp input; tabs 1..6 are the illuminance table's
    // building types.
    static constexpr int kSyoudoNyuuryoku = 7;

    // Shown: the stored method, tab, level and lamp type, and 自動適合
    // with its look; remembers what the controls write at once.
    void Form_Activate() override;
    // Tab 7: the lamp panel, the method off. Tabs 1..6: the places of the
    // building type beside the levels, the method and both lamp types on.
    void Sentaku_Tab_Click();
    // Ticked: the occupant place's level, tab 1, levels, places and tabs
    // off. Cleared: back to the stored tab, all on. Written at once.
    void Jidou_Check_Click();
    void Konzai_Check_Click();
    void Syuturyoku_Check_Click();
    // What the lamp panel offers for the lamp type, the mixing and the
    // total-output input, and its values from the room.
    void RefreshPanel();
    // The total output is checked on tab 7 (a question below 100 W, a
    // refusal above 25000 W), a level must be chosen unless 自動適合 or
    // the lamp panel applies; then the tab, method, level and lamp type are
    // stored, the dialog hidden and the register chain run (the room
    // marked unsaved).
    void Touroku_Button_Click() override;
    // The nine values the controls write put back; the dialog unloaded.
    void Cansel_Button_Click() override;

    // The chosen level Syoudo of the illuminance table, lx; the settings
    // summary and the lighting load read the same look-up.
    std::int16_t Syoudo_Kaesi() const;

    // The selected tab, 1..7.
    int SelectedTab() const;

    QTabBar* Sentaku_Tab() const { return sentakuTab_; }
    QListWidget* List1() const { return list1_; }
    QListWidget* List2() const { return list2_; }
    QLineEdit* Text1() const { return text1_; }
    QLineEdit* Text2() const { return text2_; }
    QLineEdit* Text3() const { return text3_; }
    QComboBox* Housiki_Combo() const { return housikiCombo_; }
    QRadioButton* Keikoutou_Option() const { return keikoutouOption_; }
    QRadioButton* Hakunetutou_Option() const { return hakunetutouOption_; }
    QCheckBox* Jidou_Check() const { return jidouCheck_; }
    QGroupBox* Frame1() const { return frame1_; }
    QComboBox* Keikoutou_Combo() const { return keikoutouCombo_; }
    QComboBox* Hakunetutou_Combo() const { return hakunetutouCombo_; }
    QComboBox* Wariai_Combo() const { return wariaiCombo_; }
    NumericField* Keikoutou_Edit() const { return keikoutouEdit_; }
    NumericField* Hakunetutou_Edit() const { return hakunetutouEdit_; }
    NumericField* ZenSyuturyoku_Edit() const { return zenSyuturyokuEdit_; }
    QCheckBox* Syuturyoku_Check() const { return syuturyokuCheck_; }
    QCheckBox* Konzai_Check() const { return konzaiCheck_; }

protected:
    // Focus leaving a combo box or a field writes its value; a click on a
    // heading box takes the focus to the tabs.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The values the controls write at once, as the dialog was shown.
    struct Remembered {
        bool konzai = false;
        bool syuturyoku = false;
        std::uint8_t keikoutouSyurui = 0;
        std::uint8_t hakunetutouSyurui = 0;
        std::uint8_t wariai = 0;
        std::int16_t keikoutouKazu = 0;
        std::int16_t hakunetutouKazu = 0;
        std::int32_t zenSyuturyoku = 0;
        bool jidou = false;
    };

    void BuildControls();
    QWidget* BuildLists();
    void BuildPanel();
    // Selects tab `tab` (1..7) and runs the tab handler, whether or not the
    // tab changes.
    void SelectTab(int tab);
    // Writes the value of a lamp-panel combo box or field into the room.
    void StoreEntry(QObject* control);
    void SetKeikoutouRow(bool enabled);
    void SetHakunetutouRow(bool enabled);

    Remembered remembered_;
    QTabBar* sentakuTab_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    QWidget* lists_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    QComboBox* housikiCombo_ = nullptr;
    QRadioButton* keikoutouOption_ = nullptr;
    QRadioButton* hakunetutouOption_ = nullptr;
    QCheckBox* jidouCheck_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QComboBox* keikoutouCombo_ = nullptr;
    QComboBox* hakunetutouCombo_ = nullptr;
    QComboBox* wariaiCombo_ = nullptr;
    NumericField* keikoutouEdit_ = nullptr;
    NumericField* hakunetutouEdit_ = nullptr;
    NumericField* zenSyuturyokuEdit_ = nullptr;
    // "蛍光灯", "×", "個", "白熱灯", "×", "個".
    std::array<QLabel*, 6> label1_{};
    // "全出力", "W".
    std::array<QLabel*, 2> label2_{};
    QLabel* label3_ = nullptr;
    QCheckBox* syuturyokuCheck_ = nullptr;
    QCheckBox* konzaiCheck_ = nullptr;
};

}  // namespace karumoa::gui
