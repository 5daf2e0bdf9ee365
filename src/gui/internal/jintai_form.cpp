#include "internal/jintai_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "app/app_context.h"
#include "app/condition_texts.h"
#include "app/controls.h"
#include "app/numeric_field.h"
#include "app/prompts.h"
#include "calc/situnai_keisan.h"
#include "model/room_fields.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"
#include "text/number_text.h"

namespace karumoa::gui {
namespace {

constexpr int kBuildingTypes = Jintai_Form::kJitusuuNyuuryoku - 1;
constexpr int kPlaces = refdb::ReferenceData::kPlaceCount;

// What the direct input takes without a question: persons per m² from
// 0.01 to 2 (compared in single precision, as they are stored), a head
// count from 5 to 100 (others are taken when the user confirms them).
constexpr float kMinPerArea = 0.01f;
constexpr float kMaxPerArea = 2.0f;
constexpr double kUsualMinHeads = 5;
constexpr double kUsualMaxHeads = 100;
// The field's shapes: "#.##" per m², "####" head count.
const NumericFormat kPerAreaFormat = NumericFormat::Decimal(1, 2);
const NumericFormat kHeadCountFormat = NumericFormat::Whole(4, NumericFill::Trailing);
constexpr double kMaxHeadCountField = 9999;

// Whatever the dialog accepts, the room may hold.
static_assert(model::Setting("Soutou_Ninzuu").range.Contains(kMinPerArea) &&
              model::Setting("Soutou_Ninzuu").range.Contains(kMaxPerArea));
static_assert(model::Setting("Jitu_Ninzuu").range.Contains(0) &&
              model::Setting("Jitu_Ninzuu").range.Contains(kMaxHeadCountField));
static_assert(model::Setting("Soutou_Basyo").range.Contains(0) &&
              model::Setting("Soutou_Basyo").range.Contains(kBuildingTypes - 1));

// The place list's columns, as shares of its width.
constexpr double kPlaceShare = 0.58;
constexpr double kDensityShare = 0.2;

}  // namespace

Jintai_Form::Jintai_Form(AppContext& context, QWidget* parent)
    : ConditionDialog(context, FormId::Jintai_Form, "Jintai_Form",
                      QStringLiteral("人体発生熱量設定"), parent) {
    BuildControls();
}

Jintai_Form::~Jintai_Form() = default;

void Jintai_Form::BuildControls() {
    sentakuTab_ =
        MakeTabBar("Sentaku_Tab", ConditionTexts::Items(ConditionTexts::kJintaiTabs), this);
    connect(sentakuTab_, &QTabBar::currentChanged, this, [this] { List_Tuika(); });

    listView1_ = new QTreeWidget(this);
    listView1_->setObjectName("ListView1");
    listView1_->setRootIsDecorated(false);
    listView1_->setSelectionMode(QAbstractItemView::SingleSelection);
    listView1_->setColumnCount(2);
    listView1_->setHeaderLabels({QStringLiteral("場所"), QStringLiteral("人/㎡")});
    listView1_->header()->setStretchLastSection(false);
    listView1_->header()->setSectionResizeMode(QHeaderView::Fixed);
    listView1_->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);

    // The direct-input panel.
    frame1_ = new QGroupBox(this);
    frame1_->setObjectName("Frame1");
    jituninzuOption_ = new QRadioButton(QStringLiteral("実人数を入力"), frame1_);
    jituninzuOption_->setObjectName("Jituninzu_Option");
    mensekiOption_ = new QRadioButton(QStringLiteral("面積あたりの人数を入力 (人/㎡)"), frame1_);
    mensekiOption_->setObjectName("Menseki_Option");
    // A user's choice, by mouse or arrow keys; the program's own selection
    // on activation is followed by List_Tuika there.
    connect(jituninzuOption_, &QRadioButton::clicked, this, [this] { Jituninzu_Option_Click(); });
    connect(mensekiOption_, &QRadioButton::clicked, this, [this] { Menseki_Option_Click(); });
    maskEdBox1_ = new NumericField("MaskEdBox1", kHeadCountFormat, frame1_);
    list1_ = new QListWidget(frame1_);
    list1_->setObjectName("List1");
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The captions of tabs 1..8: entry i is building type i + 1.
    for (int t = 1; t <= kBuildingTypes; ++t) {
        list1_->addItem(ConditionTexts::JintaiTabCaption(t));
    }
    list1_->setFixedSize(
        list1_->sizeHintForColumn(0) + 2 * list1_->frameWidth() + list1_->fontMetrics().height(),
        list1_->sizeHintForRow(0) * kBuildingTypes + 2 * list1_->frameWidth());

    auto* count = new QHBoxLayout;
    count->addWidget(maskEdBox1_);
    count->addWidget(MakeLabel(QStringLiteral("人"), "Label1", frame1_));
    count->addStretch(1);
    auto* mode = new QVBoxLayout;
    mode->addWidget(jituninzuOption_);
    mode->addWidget(mensekiOption_);
    mode->addSpacing(8);
    mode->addLayout(count);
    mode->addStretch(1);
    auto* place = new QVBoxLayout;
    QLabel* placeLabel = MakeLabel(QStringLiteral("相当場所"), "Label2", frame1_);
    placeLabel->setBuddy(list1_);
    place->addWidget(placeLabel);
    place->addWidget(list1_);
    place->addStretch(1);
    auto* panel = new QHBoxLayout(frame1_);
    panel->addLayout(mode);
    panel->addSpacing(32);
    panel->addLayout(place);
    panel->addStretch(1);

    // The place list and the panel take the same room under the tabs; one
    // of them is shown.
    panels_ = new QStackedWidget(this);
    panels_->addWidget(listView1_);
    panels_->addWidget(frame1_);
    const int width = std::max(sentakuTab_->sizeHint().width(), frame1_->sizeHint().width());
    panels_->setFixedWidth(width);
    const int listWidth = width - 2 * listView1_->frameWidth();
    listView1_->setColumnWidth(0, static_cast<int>(listWidth * kPlaceShare));
    listView1_->setColumnWidth(1, static_cast<int>(listWidth * kDensityShare));

    auto* outer = new QVBoxLayout(this);
    outer->setSpacing(0);
    outer->addWidget(sentakuTab_);
    outer->addWidget(panels_);
    outer->addSpacing(8);
    outer->addLayout(ButtonRow());
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

int Jintai_Form::SelectedTab() const {
    return sentakuTab_->currentIndex() + 1;
}

int Jintai_Form::SelectedPlace() const {
    const QList<QTreeWidgetItem*> items = listView1_->selectedItems();
    return items.isEmpty() ? 0 : listView1_->indexOfTopLevelItem(items.first()) + 1;
}

void Jintai_Form::SelectPlace(int place) {
    if (place < 1 || place > listView1_->topLevelItemCount()) {
        listView1_->clearSelection();
        return;
    }
    listView1_->setCurrentItem(listView1_->topLevelItem(place - 1));
}

void Jintai_Form::Form_Activate() {
    const model::RoomModel& room = context_.room();
    listView1_->setFocus();
    {
        // The stored mode and tab; List_Tuika below fills what they show.
        const QSignalBlocker quietTabs(sentakuTab_);
        (room.Ninzuu_Flag ? mensekiOption_ : jituninzuOption_)->setChecked(true);
        sentakuTab_->setCurrentIndex(std::clamp<int>(room.Tatemono_Syurui, 1, 9) - 1);
    }
    List_Tuika();
}

void Jintai_Form::List_Tuika() {
    const model::RoomModel& room = context_.room();
    const int t = SelectedTab();
    if (t != kJitusuuNyuuryoku) {
        panels_->setCurrentWidget(listView1_);
        listView1_->clear();
        const refdb::ReferenceData* refs = context_.referenceData();
        for (int p = 1; p <= kPlaces; ++p) {
            std::string name;
            float density = 0.0f;
            QString densityText;
            if (refs != nullptr) {
                refs->Basyo_Kaesi(t, p, name, density);
                densityText = QString::fromStdString(refs->DensityText(t, p));
            }
            auto* item =
                new QTreeWidgetItem(listView1_, {QString::fromStdString(name), densityText});
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        }
        SelectPlace(t == room.Tatemono_Syurui ? room.Situnai_Syurui : 0);
        return;
    }
    panels_->setCurrentWidget(frame1_);
    if (mensekiOption_->isChecked()) {
        maskEdBox1_->setFormat(kPerAreaFormat);
        maskEdBox1_->setValue(room.Soutou_Ninzuu);
    } else {
        maskEdBox1_->setFormat(kHeadCountFormat);
        maskEdBox1_->setValue(room.Jitu_Ninzuu);
    }
    maskEdBox1_->setFocus();
    maskEdBox1_->selectAll();
    SelectRow(list1_, room.Soutou_Basyo);
}

void Jintai_Form::Jituninzu_Option_Click() {
    jituninzuOption_->setChecked(true);
    List_Tuika();
}

void Jintai_Form::Menseki_Option_Click() {
    mensekiOption_->setChecked(true);
    List_Tuika();
}

void Jintai_Form::Touroku_Button_Click() {
    Prompts& prompts = context_.prompts();
    model::RoomModel& room = context_.room();
    const int t = SelectedTab();
    const bool perArea = mensekiOption_->isChecked();
    // What the registration writes once every check has passed; the checks
    // still all run, so that each of their messages is seen.
    bool ok = true;
    float soutouNinzuu = room.Soutou_Ninzuu;
    std::int16_t jituNinzuu = room.Jitu_Ninzuu;
    std::int16_t soutouBasyo = room.Soutou_Basyo;
    if (t == kJitusuuNyuuryoku) {
        const auto v = static_cast<float>(maskEdBox1_->value());
        if (perArea) {
            if (v >= kMinPerArea && v <= kMaxPerArea) {
                soutouNinzuu = v;
            } else {
                KakuninWarning(prompts, QStringLiteral("正しい人数を入力して下さい"));
                maskEdBox1_->setFocus();
                ok = false;
            }
        } else {
            bool take = v >= kUsualMinHeads && v <= kUsualMaxHeads;
            if (!take) {
                const QString question = QString::fromStdString(text::PlainNumber(v)) +
                                         QStringLiteral("人") +
                                         QStringLiteral("でよろしいですか？");
                take = prompts.Message(question, KakuninTitle(), PromptIcon::None,
                                       PromptButtons::YesNo) == PromptAnswer::Yes;
            }
            if (take) {
                jituNinzuu = text::ToInt16(v).value_or(0);
            } else {
                maskEdBox1_->setFocus();
                maskEdBox1_->selectAll();
                ok = false;
            }
        }
        const int equivalent = SelectedRow(list1_);
        if (equivalent < 0) {
            KakuninWarning(prompts, QStringLiteral("相当場所を選択して下さい"));
            ok = false;
        } else {
            soutouBasyo = static_cast<std::int16_t>(equivalent);
        }
    } else if (SelectedPlace() == 0) {
        KakuninWarning(prompts, QStringLiteral("場所を選択して下さい"));
        ok = false;
    }
    if (!ok) {
        return;
    }

    room.Soutou_Ninzuu = soutouNinzuu;
    room.Jitu_Ninzuu = jituNinzuu;
    room.Soutou_Basyo = soutouBasyo;
    room.Ninzuu_Flag = perArea;
    room.Tatemono_Syurui = static_cast<std::int16_t>(t);
    // Direct input keeps the place code: the heat per person comes from
    // that place of the equivalent building type.
    if (t != kJitusuuNyuuryoku) {
        room.Situnai_Syurui = static_cast<std::int16_t>(SelectedPlace());
    }
    context_.Settei_Mode = 1;
    accept();
    RunRegisterChain(true);
}

void Jintai_Form::Cansel_Button_Click() {
    CloseCancelled(AfterCancel::Unload);
}

void Jintai_Form::Basyo_Kaesi(QString& Heya, float& Hito) const {
    const refdb::ReferenceData* refs = context_.referenceData();
    if (refs == nullptr) {
        return;
    }
    const model::RoomModel& room = context_.room();
    std::string heya = Heya.toStdString();
    refs->Basyo_Kaesi(room.Tatemono_Syurui, room.Situnai_Syurui, heya, Hito);
    Heya = QString::fromStdString(heya);
}

void Jintai_Form::Netu_Kaesi(std::int16_t& Kennetu, std::int16_t& Sennetu,
                             std::int16_t Sentaku_Basyo) const {
    if (const refdb::ReferenceData* refs = context_.referenceData()) {
        refs->Netu_Kaesi(context_.room().Situnai_Syurui, Sentaku_Basyo, Kennetu, Sennetu);
    }
}

std::int16_t Jintai_Form::Syoudo_Kaesi() const {
    const refdb::ReferenceData* refs = context_.referenceData();
    return refs != nullptr ? calc::OccupantIlluminance(context_.room(), *refs) : std::int16_t{0};
}

float Jintai_Form::Kanki_kaesi() const {
    const refdb::ReferenceData* refs = context_.referenceData();
    return refs != nullptr ? calc::OccupantVentilationRate(context_.room(), *refs) : 0.0f;
}

}  // namespace karumoa::gui
