#pragma once

// The occupant dialog "人体発生熱量設定": how many people are in the room,
// either by building type and place, whose density comes from the occupant
// table, or typed directly (a head count, or persons per m²) with an
// equivalent place whose heat per person applies. Nothing reaches the room
// model before a registration passes every check; cancel unloads the
// dialog, register only hides it.
//
// The dialog is also where the windows reach the occupant table for the
// room's place: Basyo_Kaesi, Netu_Kaesi, Syoudo_Kaesi and Kanki_kaesi
// answer for the stored building type and place. They are the core's
// look-ups (refdb::ReferenceData), asked with the room's codes; the
// calculations ask the core directly with the same codes, so a window and
// the loads can never disagree. Reaching them through the form registry
// loads the dialog hidden if it is not loaded.

#include <QString>
#include <cstdint>

#include "app/condition_dialog.h"

class QGroupBox;
class QListWidget;
class QRadioButton;
class QStackedWidget;
class QTabBar;
class QTreeWidget;

namespace karumoa::gui {

class NumericField;

class Jintai_Form : public ConditionDialog {
    Q_OBJECT
public:
    // Loaded with the place list's columns and the equivalent places.
    explicit Jintai_Form(AppContext& context, QWidget* parent = nullptr);
    ~Jintai_Form() override;

    // The tab of direct input; tabs 1..8 are the building types.
    static constexpr int kJitusuuNyuuryoku = 9;

    // Shown: the stored mode, tab and place.
    void Form_Activate() override;
    // Refills the place list, or the direct-input panel on tab 9, for the
    // selected tab from the room model's stored values.
    void List_Tuika();
    void Jituninzu_Option_Click();
    void Menseki_Option_Click();
    // Checks in order, each with its message; the room is written only when
    // all passed. Then Settei_Mode = 1, hidden, the register chain (the
    // room marked unsaved).
    void Touroku_Button_Click() override;
    // Unloads the dialog without writing anything.
    void Cansel_Button_Click() override;

    // --- Look-ups for the stored Tatemono_Syurui and Situnai_Syurui. With
    // place 0, a building type without places (9) or no reference tables
    // nothing is read: out parameters keep their values, results are 0.
    // Place name and its density, persons per m².
    void Basyo_Kaesi(QString& Heya, float& Hito) const;
    // Sensible and latent heat per person at 26 ℃ (kcal/h) of the place,
    // in building-type column `Sentaku_Basyo` (the caller's choice).
    void Netu_Kaesi(std::int16_t& Kennetu, std::int16_t& Sennetu, std::int16_t Sentaku_Basyo) const;
    // Design illuminance (lx) and ventilation rate (m³/h per person) of the
    // place. For direct input they are the equivalent place's, as the
    // lighting and ventilation loads take them.
    std::int16_t Syoudo_Kaesi() const;
    float Kanki_kaesi() const;

    // The selected tab, 1..9.
    int SelectedTab() const;

    QTabBar* Sentaku_Tab() const { return sentakuTab_; }
    QTreeWidget* ListView1() const { return listView1_; }
    QGroupBox* Frame1() const { return frame1_; }
    QRadioButton* Jituninzu_Option() const { return jituninzuOption_; }
    QRadioButton* Menseki_Option() const { return mensekiOption_; }
    NumericField* MaskEdBox1() const { return maskEdBox1_; }
    QListWidget* List1() const { return list1_; }

private:
    void BuildControls();
    // The selected place of ListView1, 1 or 2; 0 when none is selected.
    int SelectedPlace() const;
    void SelectPlace(int place);

    QTabBar* sentakuTab_ = nullptr;
    QStackedWidget* panels_ = nullptr;
    QTreeWidget* listView1_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QRadioButton* jituninzuOption_ = nullptr;
    QRadioButton* mensekiOption_ = nullptr;
    NumericField* maskEdBox1_ = nullptr;
    QListWidget* list1_ = nullptr;
};

}  // namespace karumoa::gui
