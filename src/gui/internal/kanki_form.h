#pragma once

// The ventilation dialog "換気損失熱量設定": how much outdoor air the room
// takes in and how its heat counts. The air volume is typed (風量入力) or
// follows from a rate per person times the occupants: the rate of a place
// of the ventilation table, its minimum or its recommended value (chosen
// from the rate list's right-button menu), or with 自動適合 the occupant
// place's own. The method is ordinary ventilation, or air-conditioning
// ventilation with an enthalpy exchange efficiency.
//
// Only 風量入力 writes the room at once; the rest is stored on
// registration. Register and cancel both hide the dialog, which keeps its
// controls between openings; cancel puts back the direct-input flag as it
// was when the dialog was shown, so a volume nobody registered is never
// used.

#include <QPoint>

#include "app/condition_dialog.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QRadioButton;
class QStackedWidget;

namespace karumoa::gui {

class NumericField;

class Kanki_Form : public ConditionDialog {
    Q_OBJECT
public:
    explicit Kanki_Form(AppContext& context, QWidget* parent = nullptr);
    ~Kanki_Form() override;

    // Shown: the stored minimum or recommended rates, method, automatic
    // fitting, efficiency, place and direct input.
    void Form_Activate() override;
    // What the method offers: 自動適合 off for direct occupant input, 標準
    // and the efficiency only for air-conditioning ventilation.
    void RefreshMethod();
    // Ticked: the standard efficiency "0.6", fixed. Cleared: free again.
    void Hyoujyun_Check_Click();
    // Ticked: the lists off, the occupant place's rate applies.
    void Jidou_Tekigou_Check_Click();
    // Ticked: the volume field instead of 自動適合. Written at once.
    void Fuuryou_Check_Click();
    // A mouse press on the rate list: the right button opens Mnu_Atai at
    // `globalPos` and leaves the selection where it is.
    void List2_MouseDown(Qt::MouseButton button, const QPoint& globalPos);
    // The minimum or the recommended rates in the rate list.
    void Mnu_Saisyou_Click();
    void Mnu_Suisyou_Click();
    // A place must be chosen unless the volume is typed or 自動適合 applies;
    // a typed 0 is confirmed. Then everything is stored, the dialog hidden
    // and the register chain run (the room marked unsaved).
    void Touroku_Button_Click() override;
    // The direct-input flag put back; the dialog hidden.
    void Cansel_Button_Click() override;

    // The rate of the chosen place, minimum or recommended as the room
    // holds it, m³/h per person; the settings summary and the ventilation
    // load read the same look-up.
    float Kanki_kaesi() const;

    QGroupBox* Frame1() const { return frame1_; }
    QRadioButton* Futuu_Kanki_Option() const { return futuuOption_; }
    QRadioButton* Kuutyou_Kanki_Option() const { return kuutyouOption_; }
    QCheckBox* Hyoujyun_Check() const { return hyoujyunCheck_; }
    QComboBox* Entarupi_Combo() const { return entarupiCombo_; }
    QLabel* Label1() const { return label1_; }
    QListWidget* List1() const { return list1_; }
    QListWidget* List2() const { return list2_; }
    QLabel* Label3() const { return label3_; }
    QMenu* Mnu_Atai() const { return mnuAtai_; }
    QAction* Mnu_Saisyou() const { return mnuSaisyou_; }
    QAction* Mnu_Suisyou() const { return mnuSuisyou_; }
    QCheckBox* Jidou_Tekigou_Check() const { return jidouCheck_; }
    QCheckBox* Fuuryou_Check() const { return fuuryouCheck_; }
    QGroupBox* Frame2() const { return frame2_; }
    NumericField* Fuuryou_Edit() const { return fuuryouEdit_; }

protected:
    // The right button on the rate list (mouse or the menu key).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    // The rates of the checked record, the heading naming it; the list
    // keeps showing the place's row.
    void RefillList2();
    // The volume field or 自動適合, one in place of the other.
    void ShowFuuryou(bool direct);

    bool rememberedNyuuryoku_ = false;
    QGroupBox* frame1_ = nullptr;
    QRadioButton* futuuOption_ = nullptr;
    QRadioButton* kuutyouOption_ = nullptr;
    QCheckBox* hyoujyunCheck_ = nullptr;
    QComboBox* entarupiCombo_ = nullptr;
    QLabel* label1_ = nullptr;
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    QLabel* label3_ = nullptr;
    QMenu* mnuAtai_ = nullptr;
    QAction* mnuSaisyou_ = nullptr;
    QAction* mnuSuisyou_ = nullptr;
    QStackedWidget* fitOrVolume_ = nullptr;
    QCheckBox* jidouCheck_ = nullptr;
    QCheckBox* fuuryouCheck_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    NumericField* fuuryouEdit_ = nullptr;
};

}  // namespace karumoa::gui
