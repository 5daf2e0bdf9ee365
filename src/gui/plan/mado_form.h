#pragma once

// The window dialog "窓負荷設定": builds the list of window types (width,
// height, count) of one wall, or of the roof's skylight, within the
// element's size and area, and stores it as the element's window set. The
// list starts empty every time the dialog is shown and replaces the old set
// when registered.

#include <QDialog>
#include <cstdint>
#include <vector>

#include "model/room_fields.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTreeWidget;

namespace karumoa::gui {

class AppContext;
class NumericField;

namespace plan {

// Slider ranges (the window sizes a room may hold) and steps, mm.
constexpr int kMadoYokoMin = static_cast<int>(model::kMadoYoko.min);
constexpr int kMadoYokoMax = static_cast<int>(model::kMadoYoko.max);
constexpr int kMadoTateMin = static_cast<int>(model::kMadoTate.min);
constexpr int kMadoTateMax = static_cast<int>(model::kMadoTate.max);
constexpr int kMadoSmallStep = 50;

// The width the slider is brought back to when `value` exceeds the element's
// width `limit`: 1000 for a wider value, else the largest step value (the
// minimum plus whole small steps) not above the limit, or the minimum.
int ReducedMadoYoko(int value, int limit);
// The height likewise: one large step (500) lower, or where that falls
// below the minimum, the largest step value not above the limit, or the
// minimum.
int ReducedMadoTate(int value, int limit);

}  // namespace plan

class Mado_Form : public QDialog {
    Q_OBJECT
public:
    explicit Mado_Form(AppContext& context, QWidget* parent = nullptr);
    ~Mado_Form() override;

    using Array = std::vector<std::int16_t>;

    // Shows the dialog modally for the element Settei_Mode names: 0 the
    // wall Kabe_Bangou, 1 the skylight of the roof. Does nothing when that
    // element cannot take windows (no such wall; no roof, or a skylight
    // already there).
    void Mado_Tuika();
    // Whether the dialog can be opened for the current mode and element.
    bool CanOpen() const;

    // Resets the list, the count, the blinds box and the orientation.
    void SyokiKa();
    // Adds the current slider sizes with the count in Kazu_Edit.
    void List_Tuika();
    // Selects the whole count, so that typing replaces it.
    void Kazu_Sentaku();
    // Shows the entries and their area; a list larger than the element is
    // discarded.
    void Mado_Hyouji();

    void HScroll1_Change();
    void VScroll1_Change();
    void Tuika_Button_Click();
    void Touroku_Button_Click();
    void Crear_Button_Click();
    void Cansel_Button_Click();

    // --- State.
    bool SkylightMode() const { return skylight_; }
    int Mado_Bangou() const { return static_cast<int>(kazu_.size()) - 1; }
    const Array& Mado_Tate() const { return tate_; }
    const Array& Mado_Yoko() const { return yoko_; }
    const Array& Mado_Kazu() const { return kazu_; }
    float Mado_Menseki() const { return menseki_; }
    std::int32_t Kabe_Tate_Genkai() const { return tateGenkai_; }
    std::int32_t Kabe_Yoko_Genkai() const { return yokoGenkai_; }
    std::int16_t Mado_Houi() const { return houi_; }

    // --- Controls.
    QScrollBar* HScroll1() const { return hScroll1_; }
    QScrollBar* VScroll1() const { return vScroll1_; }
    QLabel* Sunpou_Label() const { return sunpouLabel_; }
    NumericField* Kazu_Edit() const { return kazuEdit_; }
    QPushButton* Tuika_Button() const { return tuikaButton_; }
    QLabel* Mado_Label() const { return madoLabel_; }
    QTreeWidget* ListView1() const { return listView1_; }
    QLabel* Goukei_Label() const { return goukeiLabel_; }
    QLabel* Houi_Label() const { return houiLabel_; }
    QCheckBox* Braindo_Check() const { return braindoCheck_; }
    QPushButton* Crear_Button() const { return crearButton_; }
    QPushButton* Touroku_Button() const { return tourokuButton_; }
    QPushButton* Cansel_Button() const { return canselButton_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Sunpou_Hyouji();
    void Kabe_Sunpou_Yomikomi();
    void AddAndShow();
    void Message(const QString& text);

    AppContext& context_;
    bool skylight_ = false;
    // Entries in the entry-array convention: slot 0 unused, entries in
    // 1..Mado_Bangou-1, slot Mado_Bangou empty.
    Array tate_;
    Array yoko_;
    Array kazu_;
    float menseki_ = 0.0f;
    std::int32_t tateGenkai_ = 0;
    std::int32_t yokoGenkai_ = 0;
    std::int16_t houi_ = 0;

    QScrollBar* hScroll1_ = nullptr;
    QScrollBar* vScroll1_ = nullptr;
    QLabel* sunpouLabel_ = nullptr;
    NumericField* kazuEdit_ = nullptr;
    QPushButton* tuikaButton_ = nullptr;
    QLabel* madoLabel_ = nullptr;
    QTreeWidget* listView1_ = nullptr;
    QLabel* goukeiLabel_ = nullptr;
    QLabel* houiLabel_ = nullptr;
    QCheckBox* braindoCheck_ = nullptr;
    QPushButton* crearButton_ = nullptr;
    QPushButton* tourokuButton_ = nullptr;
    QPushButton* canselButton_ = nullptr;
};

}  // namespace karumoa::gui
