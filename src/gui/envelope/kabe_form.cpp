#include "envelope/kabe_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_context.h"
#include "app/controls.h"
#include "app/form_registry.h"
#include "app/frame_items.h"
#include "app/mdi_form1.h"
#include "app/numeric_field.h"
#include "app/prompts.h"
#include "calc/netukanryuu.h"
#include "model/codes.h"
#include "model/room_fields.h"
#include "model/room_model.h"
#include "model/room_rules.h"
#include "refdb/reference_data.h"
#include "text/number_text.h"

namespace karumoa::gui {
namespace {

constexpr const char* kCategories[] = {
    "セメント", "タイル",       "木",   "木質繊維", "土",
    "石",       "プラスチック", "石膏", "保温材",   "プラスチック保温材"};

// The layer list's width; its columns take fixed shares of it, the
// material column at least as much as the longest material name needs.
constexpr int kListViewWidth = 230;

// The dialog writes its numbers right-aligned: "__6000".
NumericField* MakeSizeField(const char* name, int digits, QWidget* parent) {
    return new NumericField(name, NumericFormat::Whole(digits, NumericFill::Leading), parent);
}

}  // namespace

Kabe_Form::Kabe_Form(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("Kabe_Form");
    setWindowTitle(QStringLiteral("壁負荷設定"));
    setModal(true);
    BuildControls();
    // Load: the columns of the layer list and an empty total. The
    // conductivity table is read once by the program (AppContext).
    List_Syokika();
    EmptyLayers();
}

Kabe_Form::~Kabe_Form() = default;

void Kabe_Form::BuildControls() {
    QStringList categories;
    for (const char* category : kCategories) {
        categories.append(QString::fromUtf8(category));
    }
    sentakuTab_ = MakeTabBar("Sentaku_Tab", categories, this);
    connect(sentakuTab_, &QTabBar::currentChanged, this, [this] { Zai_List_Settei(); });

    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    list2_ = new QListWidget(this);
    list2_->setObjectName("List2");
    for (QListWidget* list : {list1_, list2_}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Seven materials at most: the lists show them all.
        list->setFixedHeight(list->fontMetrics().height() * 7 + 24);
        list->viewport()->installEventFilter(this);
    }
    list1_->setFixedWidth(
        std::max(list1_->fontMetrics().horizontalAdvance(QString(12, QChar(0x3042))) + 12,
                 MaterialNameWidth() + 2 * list1_->frameWidth()));
    list2_->setFixedWidth(list2_->fontMetrics().horizontalAdvance(QStringLiteral("0.0000")) + 20);
    // Each list follows the other's selection, on a click as on a drag,
    // and also when a Ctrl-click leaves no row selected: a conductivity is
    // never shown selected beside an unselected material.
    connect(list1_, &QListWidget::itemSelectionChanged, this,
            [this] { SelectRow(list2_, SelectedRow(list1_)); });
    connect(list2_, &QListWidget::itemSelectionChanged, this,
            [this] { SelectRow(list1_, SelectedRow(list2_)); });

    atusaEdit_ = MakeSizeField("Atusa_Edit", 3, this);
    connect(atusaEdit_, &QLineEdit::returnPressed, this, &Kabe_Form::Sou_Tuika);
    plusButton_ = MakeButton(QStringLiteral("＋"), "Plus_Button", this);
    plusButton_->setFixedWidth(plusButton_->sizeHint().height() + 8);
    connect(plusButton_, &QPushButton::clicked, this, &Kabe_Form::Sou_Tuika);

    listView1_ = new QTreeWidget(this);
    listView1_->setObjectName("ListView1");
    listView1_->setRootIsDecorated(false);
    listView1_->setSelectionMode(QAbstractItemView::NoSelection);
    listView1_->setFixedWidth(MaterialColumnWidth() + kListViewWidth * 5 / 10);
    listView1_->setFixedHeight(list1_->height());

    atusaLabel_ = new QLabel(this);
    atusaLabel_->setObjectName("Atusa_Label");
    atusaLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    atusaLabel_->setMinimumWidth(
        atusaLabel_->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    kuukiCheck_ = new QCheckBox(QStringLiteral("空気層有り"), this);
    kuukiCheck_->setObjectName("Kuuki_Check");

    houiCombo_ = new QComboBox(this);
    houiCombo_->setObjectName("Houi_Combo");
    for (int h = 0; h < model::kHouiCount; ++h) {
        houiCombo_->addItem(FromUtf8(model::HouiName(h)));
    }
    houiCombo_->setMaxVisibleItems(model::kHouiCount);
    connect(houiCombo_, &QComboBox::activated, this, [this] { Houi_Combo_Click(); });

    habaEdit_ = MakeSizeField("Haba_Edit", 6, this);
    habaEdit_->installEventFilter(this);
    takasaEdit_ = MakeSizeField("Takasa_Edit", 6, this);
    label1_ = new QLabel(QStringLiteral("幅(mm)"), this);
    label1_->setObjectName("Label1");
    label2_ = new QLabel(QStringLiteral("高さ(mm)"), this);
    label2_->setObjectName("Label2");
    taimenCheck_ = new QCheckBox(QStringLiteral("対面壁の自動製作"), this);
    taimenCheck_->setObjectName("Taimen_Check");

    tourokuButton_ = MakeButton(QStringLiteral("登録(&I)"), "Touroku_Button", this);
    crearButton_ = MakeButton(QStringLiteral("ﾘｽﾄｸﾘｱ-"), "Crear_Button", this);
    canselButton_ = MakeButton(QStringLiteral("キャンセル(&C)"), "Cansel_Button", this);
    connect(tourokuButton_, &QPushButton::clicked, this, &Kabe_Form::Touroku_Button_Click);
    connect(crearButton_, &QPushButton::clicked, this, &Kabe_Form::Crear_Button_Click);
    connect(canselButton_, &QPushButton::clicked, this, &Kabe_Form::Cansel_Button_Click);

    // Materials | layers | element, under the category tabs.
    auto* materials = new QGridLayout;
    materials->addWidget(new QLabel(QStringLiteral("材質"), this), 0, 0);
    materials->addWidget(new QLabel(QStringLiteral("熱伝導率"), this), 0, 1);
    materials->addWidget(list1_, 1, 0);
    materials->addWidget(list2_, 1, 1);
    auto* thickness = new QHBoxLayout;
    thickness->addWidget(new QLabel(QStringLiteral("厚さ"), this));
    thickness->addWidget(atusaEdit_);
    thickness->addWidget(new QLabel(QStringLiteral("mm"), this));
    thickness->addStretch(1);
    thickness->addWidget(plusButton_);
    materials->addLayout(thickness, 2, 0, 1, 2);

    auto* layers = new QVBoxLayout;
    layers->addWidget(new QLabel(QStringLiteral("構成"), this));
    layers->addWidget(listView1_);
    auto* total = new QHBoxLayout;
    total->addWidget(new QLabel(QStringLiteral("厚さ合計"), this));
    total->addWidget(atusaLabel_);
    total->addWidget(new QLabel(QStringLiteral("mm"), this));
    total->addStretch(1);
    total->addWidget(kuukiCheck_);
    layers->addLayout(total);

    auto* element = new QGridLayout;
    element->addWidget(new QLabel(QStringLiteral("方位"), this), 0, 0);
    element->addWidget(houiCombo_, 0, 1);
    element->addWidget(label1_, 1, 0);
    element->addWidget(habaEdit_, 1, 1);
    element->addWidget(label2_, 2, 0);
    element->addWidget(takasaEdit_, 2, 1);
    element->addWidget(taimenCheck_, 3, 0, 1, 2);
    element->setRowStretch(4, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(tourokuButton_);
    buttons->addWidget(crearButton_);
    buttons->addWidget(canselButton_);
    element->addLayout(buttons, 5, 0, 1, 2);

    auto* body = new QHBoxLayout;
    body->addLayout(materials);
    body->addSpacing(8);
    body->addLayout(layers);
    body->addSpacing(8);
    body->addLayout(element);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(sentakuTab_);
    outer->addLayout(body);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

void Kabe_Form::List_Syokika() {
    listView1_->setColumnCount(2);
    listView1_->setHeaderLabels({QStringLiteral("材質"), QStringLiteral("厚さ")});
    listView1_->header()->setStretchLastSection(false);
    listView1_->header()->setSectionResizeMode(QHeaderView::Fixed);
    listView1_->setColumnWidth(0, MaterialColumnWidth());
    listView1_->setColumnWidth(1, kListViewWidth * 4 / 10);
    listView1_->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    atusaLabel_->setText(QStringLiteral("0"));
}

int Kabe_Form::MaterialNameWidth() const {
    // Item text is drawn with a margin on either side.
    int widest = 0;
    if (const refdb::ReferenceData* refs = context_.referenceData()) {
        const QFontMetrics metrics(listView1_ != nullptr ? listView1_->font() : font());
        for (int tab = 1; tab <= static_cast<int>(std::size(kCategories)); ++tab) {
            for (const refdb::Material& m : refs->MaterialList(tab)) {
                widest = std::max(widest,
                                  metrics.horizontalAdvance(QString::fromStdString(m.name)) + 16);
            }
        }
    }
    return widest;
}

int Kabe_Form::MaterialColumnWidth() const {
    return std::max(kListViewWidth * 5 / 10, MaterialNameWidth());
}

void Kabe_Form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        Form_Activate();
    }
}

bool Kabe_Form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == list1_->viewport() || watched == list2_->viewport())) {
        atusaEdit_->setFocus();
    } else if (watched == habaEdit_ && event->type() == QEvent::FocusOut) {
        // Only a move inside the dialog, not a message box taking the focus.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !takasaEdit_->isEnabled() && isVisible()) {
            tourokuButton_->setFocus();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Kabe_Form::Message(const QString& text) {
    KakuninWarning(context_.prompts(), text);
}

void Kabe_Form::EmptyLayers() {
    souZai_.assign(2, std::string());
    souNetu_.assign(2, 0.0f);
    souAtusa_.assign(2, 0);
}

void Kabe_Form::Form_Activate() {
    mode_ = context_.Settei_Mode == kYane ? kYane : context_.Settei_Mode == kYuka ? kYuka : kKabe;
    if (mode_ == kKabe) {
        setWindowTitle(QStringLiteral("壁負荷設定"));
        houiCombo_->setEnabled(true);
        label1_->setText(QStringLiteral("幅(mm)"));
        label2_->setText(QStringLiteral("高さ(mm)"));
        taimenCheck_->setVisible(true);
        Zai_List_Settei();
        EmptyLayers();
        Sou_Hyouji();
        Houi_Syoki();
        Taimen_Settei();
        Kabe_Yomikomi();
        maeHoui_ = houiCombo_->currentIndex();
        return;
    }
    const bool roof = mode_ == kYane;
    setWindowTitle(roof ? QStringLiteral("屋根負荷設定") : QStringLiteral("床負荷設定"));
    houiCombo_->setCurrentIndex(roof ? model::kHouiYane : model::kHouiYuka);
    houiCombo_->setEnabled(false);
    Zai_List_Settei();
    // The layers are not emptied first: the first wall's replace them.
    Kabe_Yomikomi();
    Yane_Nyuuryoku();
}

void Kabe_Form::Zai_List_Settei() {
    list1_->clear();
    list2_->clear();
    if (const refdb::ReferenceData* refs = context_.referenceData()) {
        for (const refdb::Material& m : refs->MaterialList(sentakuTab_->currentIndex() + 1)) {
            list1_->addItem(QString::fromStdString(m.name));
            list2_->addItem(QString::fromStdString(m.conductivityText));
        }
    }
    if (list1_->count() > 0) {
        SelectRow(list1_, 0);
    }
}

void Kabe_Form::Sou_Tuika() {
    const int row = SelectedRow(list1_);
    if (row < 0) {
        Message(QStringLiteral("素材が選択されていません"));
        return;
    }
    const double t = atusaEdit_->value();
    if (!model::kSouAtusa.Contains(t)) {
        Message(QStringLiteral("入力できる厚さは 3mm以上300mm以下です"));
    } else {
        // The conductivity as the list shows it. One that is not a positive
        // number would make R infinite or negative and K meaningless.
        const QListWidgetItem* netuItem = list2_->item(row);
        const double lambda =
            text::LeadingNumber(netuItem != nullptr ? netuItem->text().toStdString() : "");
        const std::optional<float> netu = text::ToSingle(lambda);
        if (!netu || !model::kNetuDendouritu.Contains(*netu)) {
            Message(QStringLiteral("熱伝導率が正しくないため、この素材は追加できません"));
        } else {
            const std::size_t slot = souAtusa_.size() - 1;
            souZai_[slot] = list1_->item(row)->text().toStdString();
            souNetu_[slot] = *netu;
            souAtusa_[slot] = *text::ToInt16(t);
            souZai_.emplace_back();
            souNetu_.push_back(0.0f);
            souAtusa_.push_back(0);
            SelectRow(list1_, -1);
            SelectRow(list2_, -1);
            Sou_Hyouji();
        }
    }
    atusaEdit_->clear();
}

void Kabe_Form::Sou_Hyouji() {
    listView1_->clear();
    // Summed in 32 bits: no number of layers can overflow the total.
    std::int32_t sum = 0;
    for (int i = 1; i < Sou_Kazu(); ++i) {
        const auto slot = static_cast<std::size_t>(i);
        auto* item = new QTreeWidgetItem(listView1_);
        item->setText(0, QString::fromStdString(souZai_[slot]));
        // A name from another table (a file's) may still be wider.
        item->setToolTip(0, item->text(0));
        item->setText(1, QString::number(souAtusa_[slot]) + QStringLiteral("mm"));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        sum += souAtusa_[slot];
    }
    atusaLabel_->setText(QString::number(sum));
}

void Kabe_Form::Houi_Syoki() {
    if (const std::optional<int> houi = model::PreselectedHoui(context_.room())) {
        houiCombo_->setCurrentIndex(*houi);
    }
}

void Kabe_Form::Houi_Check() {
    if (mode_ != kKabe) {
        return;
    }
    switch (model::CheckWallHoui(context_.room(), houiCombo_->currentIndex())) {
        case model::HouiVerdict::Refused:
            Message(QStringLiteral("その方位の入力は出来ません"));
            houiCombo_->setCurrentIndex(maeHoui_);
            break;
        case model::HouiVerdict::Taken:
            Message(QStringLiteral("すでにその方位は登録済みです"));
            houiCombo_->setCurrentIndex(maeHoui_);
            break;
        case model::HouiVerdict::Ok:
            break;
    }
}

void Kabe_Form::Houi_Combo_Click() {
    // The roof and floor orientations are fixed; the combo is locked then.
    if (mode_ != kKabe) {
        return;
    }
    Houi_Check();
    Taimen_Settei();
}

void Kabe_Form::Taimen_Settei() {
    if (const model::Kabe_Data* opposite =
            model::OppositeWall(context_.room(), houiCombo_->currentIndex())) {
        // Opposite walls of a rectangle have the same width.
        taimenCheck_->setEnabled(false);
        taimenCheck_->setChecked(false);
        habaEdit_->setValue(opposite->Yoko);
        habaEdit_->setEnabled(false);
        tourokuButton_->setFocus();
    } else {
        taimenCheck_->setEnabled(true);
        taimenCheck_->setChecked(true);
        habaEdit_->setEnabled(true);
        habaEdit_->clear();
        habaEdit_->setFocus();
    }
}

void Kabe_Form::Kabe_Yomikomi() {
    takasaEdit_->setEnabled(true);
    const model::RoomModel& room = context_.room();
    if (room.Kabe.empty()) {
        return;
    }
    // Every wall has the first wall's height and starts from its layers.
    const model::Kabe_Data& first = *room.Kabe.Item(1);
    takasaEdit_->setValue(first.Tate);
    takasaEdit_->setEnabled(false);
    kuukiCheck_->setChecked(first.kuuki);
    souZai_ = first.Zai_Kaesi();
    souNetu_ = first.Netu_Kaesi();
    souAtusa_ = first.Atusa_Kaesi();
    Sou_Hyouji();
}

void Kabe_Form::Yane_Nyuuryoku() {
    label1_->setText(QStringLiteral("横"));
    label2_->setText(QStringLiteral("縦"));
    const model::RoomModel& room = context_.room();
    std::int32_t x = 0;
    std::int32_t y = 0;
    // The roof spans the walls drawn across ("Yoko") by those drawn down
    // ("Tate"). The tag of wall button i is the direction wall i is drawn
    // in, which its orientation fixes. It is taken from the orientation
    // rather than read off the buttons: a plan minimised while walls were
    // added has not laid them out, and its buttons' tags would give the
    // roof a side of 0 or the same side twice.
    for (int i = 0; i < 4 && i < room.Kabe.Count(); ++i) {
        const model::Kabe_Data& wall = *room.Kabe.Item(i + 1);
        (model::IsHorizontalWall(wall.Houi) ? x : y) = wall.Yoko;
    }
    habaEdit_->setValue(x);
    takasaEdit_->setValue(y);
    habaEdit_->setEnabled(false);
    takasaEdit_->setEnabled(false);
    taimenCheck_->setVisible(false);
}

bool Kabe_Form::Sunpou_Check(NumericField* field, const QString& item) {
    const std::optional<std::int32_t> v = text::ToInt32(field->value());
    if (v && model::kKabeSunpou.Contains(*v)) {
        return true;
    }
    Message(QStringLiteral("単位はmmです、正しい") + item + QStringLiteral("を入力して下さい"));
    field->clear();
    field->setFocus();
    return false;
}

float Kabe_Form::Netukanryuu_Keisan() const {
    return calc::Netukanryuu_Keisan(souNetu_, souAtusa_, kuukiCheck_->isChecked());
}

void Kabe_Form::Touroku_Button_Click() {
    if (mode_ == kKabe) {
        bool ok = true;
        if (Sou_Kazu() <= 1) {
            Message(QStringLiteral("壁のデータが入力されていません"));
            ok = false;
        }
        // Both sizes are checked, so both messages may follow.
        const bool takasa = Sunpou_Check(takasaEdit_, QStringLiteral("高さ"));
        const bool haba = Sunpou_Check(habaEdit_, QStringLiteral("幅"));
        if (ok && takasa && haba) {
            Register();
        }
        return;
    }
    if (Sou_Kazu() <= 1) {
        Message(QStringLiteral("壁のデータが入力されていません"));
        // The first wall's layers come back. Reading the first wall also
        // writes its height into Takasa_Edit, so the plan size is read
        // again: the roof or floor keeps the room's depth.
        Kabe_Yomikomi();
        Yane_Nyuuryoku();
        return;
    }
    Register();
}

void Kabe_Form::Register() {
    model::RoomModel& room = context_.room();
    const float k = Netukanryuu_Keisan();
    const std::int32_t width = text::ToInt32(habaEdit_->value()).value_or(0);
    const std::int32_t height = text::ToInt32(takasaEdit_->value()).value_or(0);
    const auto houi = static_cast<std::int16_t>(houiCombo_->currentIndex());
    const bool kuuki = kuukiCheck_->isChecked();

    auto makeRecord = [&](std::int16_t h) {
        auto record = std::make_shared<model::Kabe_Data>();
        record->SetData(souZai_, souNetu_, souAtusa_, width, height, h, kuuki, k,
                        model::kZokuseiHyoujyun);
        return record;
    };
    // A new wall's window set: no windows, blinds on, the wall's orientation.
    auto makeWindows = [](std::int16_t h) {
        auto windows = std::make_shared<model::Mado_Data>();
        windows->SetData({0, 0}, {0, 0}, {0, 0}, true, 0.0f, h);
        return windows;
    };

    MDIForm1& frame = context_.forms().mdiForm();
    if (mode_ == kKabe) {
        room.Kabe.Add(makeRecord(houi));
        room.Mado.Add(makeWindows(houi));
        if (taimenCheck_->isEnabled() && taimenCheck_->isChecked()) {
            const auto opposite = static_cast<std::int16_t>(model::OppositeHoui(houi));
            room.Kabe.Add(makeRecord(opposite));
            room.Mado.Add(makeWindows(opposite));
        }
    } else if (mode_ == kYane) {
        room.Yane.Add(makeRecord(houi));
        frame.SetEnabled(FrameItem::Mnu_Yane, false);
    } else {
        room.Yuka.Add(makeRecord(houi));
        frame.SetEnabled(FrameItem::Mnu_Yuka, false);
    }
    context_.forms().RoomEdited();
    accept();
}

void Kabe_Form::Crear_Button_Click() {
    EmptyLayers();
    Sou_Hyouji();
}

void Kabe_Form::Cansel_Button_Click() {
    reject();
}

}  // namespace karumoa::gui
