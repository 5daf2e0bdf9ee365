#pragma once

// The construction dialog: one wall (with its opposite wall if wanted), the
// roof or the floor, built as a stack of material layers from the
// conductivity table, with its orientation and size. Registering computes
// K, appends the records to the room and rebuilds the plan.
//
// The dialog is loaded once and only hidden between uses; every time it is
// shown it is set up for the mode the caller put into Settei_Mode
// (0 wall "壁負荷設定", 1 roof "屋根負荷設定", 2 floor "床負荷設定").

#include <QDialog>

#include "model/kabe_data.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabBar;
class QTreeWidget;

namespace karumoa::gui {

class AppContext;
class NumericField;

class Kabe_Form : public QDialog {
    Q_OBJECT
public:
    explicit Kabe_Form(AppContext& context, QWidget* parent = nullptr);
    ~Kabe_Form() override;

    // The mode the dialog was last activated in.
    enum Mode { kKabe = 0, kYane = 1, kYuka = 2 };
    int SetteiMode() const { return mode_; }

    // --- Operations (the events of the controls call them).
    // Activation: the set-up of the mode in Settei_Mode; runs when the
    // dialog is shown.
    void Form_Activate();
    // Fills List1 and List2 with the materials of the selected tab.
    void Zai_List_Settei();
    // Adds the selected material with the thickness in Atusa_Edit.
    void Sou_Tuika();
    // Shows the layer arrays in ListView1 and their total in Atusa_Label.
    void Sou_Hyouji();
    // Preselects the orientation of the next wall.
    void Houi_Syoki();
    // Checks the chosen orientation (wall mode); a refused one reverts to
    // Mae_Houi.
    void Houi_Check();
    // The opposite-wall box and the width, from the wall facing the choice.
    void Taimen_Settei();
    // Height, air layer and layers from the first wall.
    void Kabe_Yomikomi();
    // Roof and floor: the plan size from the walls drawn across and down.
    void Yane_Nyuuryoku();
    // 1000 <= value <= 100000 mm, else the message naming `item`, the field
    // emptied and focused.
    bool Sunpou_Check(NumericField* field, const QString& item);
    // K of the layer arrays and the air-layer box.
    float Netukanryuu_Keisan() const;

    void Houi_Combo_Click();
    void Touroku_Button_Click();
    void Crear_Button_Click();
    void Cansel_Button_Click();

    // --- State.
    int Sou_Kazu() const { return static_cast<int>(souAtusa_.size()) - 1; }
    const model::Kabe_Data::Zai_Array& Sou_Zai() const { return souZai_; }
    const model::Kabe_Data::Netu_Array& Sou_Netu() const { return souNetu_; }
    const model::Kabe_Data::Atusa_Array& Sou_Atusa() const { return souAtusa_; }
    int Mae_Houi() const { return maeHoui_; }

    // --- Controls.
    QTabBar* Sentaku_Tab() const { return sentakuTab_; }
    QListWidget* List1() const { return list1_; }
    QListWidget* List2() const { return list2_; }
    NumericField* Atusa_Edit() const { return atusaEdit_; }
    QPushButton* Plus_Button() const { return plusButton_; }
    QTreeWidget* ListView1() const { return listView1_; }
    QLabel* Atusa_Label() const { return atusaLabel_; }
    QCheckBox* Kuuki_Check() const { return kuukiCheck_; }
    QComboBox* Houi_Combo() const { return houiCombo_; }
    NumericField* Haba_Edit() const { return habaEdit_; }
    NumericField* Takasa_Edit() const { return takasaEdit_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    QCheckBox* Taimen_Check() const { return taimenCheck_; }
    QPushButton* Touroku_Button() const { return tourokuButton_; }
    QPushButton* Crear_Button() const { return crearButton_; }
    QPushButton* Cansel_Button() const { return canselButton_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    // The width the widest material name of the conductivity table needs in
    // a list, and the layer list's material column (at least its share).
    int MaterialNameWidth() const;
    int MaterialColumnWidth() const;
    void List_Syokika();
    void EmptyLayers();
    void Register();
    void Message(const QString& text);

    AppContext& context_;
    int mode_ = kKabe;
    int maeHoui_ = 1;
    // The layers in the entry-array convention: slot 0 unused, layers in
    // 1..Sou_Kazu-1, slot Sou_Kazu empty.
    model::Kabe_Data::Zai_Array souZai_;
    model::Kabe_Data::Netu_Array souNetu_;
    model::Kabe_Data::Atusa_Array souAtusa_;

    QTabBar* sentakuTab_ = nullptr;
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    NumericField* atusaEdit_ = nullptr;
    QPushButton* plusButton_ = nullptr;
    QTreeWidget* listView1_ = nullptr;
    QLabel* atusaLabel_ = nullptr;
    QCheckBox* kuukiCheck_ = nullptr;
    QComboBox* houiCombo_ = nullptr;
    NumericField* habaEdit_ = nullptr;
    NumericField* takasaEdit_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QCheckBox* taimenCheck_ = nullptr;
    QPushButton* tourokuButton_ = nullptr;
    QPushButton* crearButton_ = nullptr;
    QPushButton* canselButton_ = nullptr;
};

}  // namespace karumoa::gui
