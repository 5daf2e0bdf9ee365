#include "internal/kanki_form.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/app_context.h"
#include "app/condition_texts.h"
#include "app/controls.h"
#include "app/numeric_field.h"
#include "app/prompts.h"
#include "calc/calc_texts.h"
#include "calc/situnai_keisan.h"
#include "model/room_fields.h"
#include "model/room_model.h"
#include "refdb/reference_data.h"
#include "text/number_text.h"

namespace karumoa::gui {
namespace {

// Occupant building type of direct input: it has no place whose rate
// 自動適合 could take.
constexpr int kJitusuuNyuuryoku = 9;
constexpr int kPlaces = static_cast<int>(ConditionTexts::kKankiPlaces.size());
const QString kRateUnit = QStringLiteral("(㎡/h)/人");
// The field's shape: "#####" m³/h.
const NumericFormat kVolumeFormat = NumericFormat::Whole(5, NumericFill::Trailing);

// Whatever the dialog stores, the room may hold.
static_assert(model::Setting("Kanki_Fuuryou").range.Contains(0) &&
              model::Setting("Kanki_Fuuryou").range.Contains(99999));
static_assert(model::Setting("Kanki_Basyo").range.Contains(-1) &&
              model::Setting("Kanki_Basyo").range.Contains(kPlaces - 1));
static_assert(model::Setting("Kanki_Entarupi").range.Contains(calc::kEntarupiItems.size() - 1));

}  // namespace

Kanki_Form::Kanki_Form(AppContext& context, QWidget* parent)
    : ConditionDialog(context, FormId::Kanki_Form, "Kanki_Form", QStringLiteral("換気損失熱量設定"),
                      parent) {
    BuildControls();
}

Kanki_Form::~Kanki_Form() = default;

void Kanki_Form::BuildControls() {
    // The method.
    frame1_ = new QGroupBox(QStringLiteral("換気方式"), this);
    frame1_->setObjectName("Frame1");
    futuuOption_ = new QRadioButton(QStringLiteral("普通換気"), frame1_);
    futuuOption_->setObjectName("Futuu_Kanki_Option");
    kuutyouOption_ = new QRadioButton(QStringLiteral("空調換気"), frame1_);
    kuutyouOption_->setObjectName("Kuutyou_Kanki_Option");
    hyoujyunCheck_ = new QCheckBox(QStringLiteral("標準"), frame1_);
    hyoujyunCheck_->setObjectName("Hyoujyun_Check");
    entarupiCombo_ = new QComboBox(frame1_);
    entarupiCombo_->setObjectName("Entarupi_Combo");
    entarupiCombo_->addItems(ConditionTexts::Items(calc::kEntarupiItems));
    entarupiCombo_->setMaxVisibleItems(static_cast<int>(calc::kEntarupiItems.size()));
    label1_ = MakeLabel(QStringLiteral("ｴﾝﾀﾙﾋﾟ交換効率"), "Label1", frame1_);
    label1_->setBuddy(entarupiCombo_);
    connect(futuuOption_, &QRadioButton::clicked, this, [this] { RefreshMethod(); });
    connect(kuutyouOption_, &QRadioButton::clicked, this, [this] { RefreshMethod(); });
    connect(hyoujyunCheck_, &QCheckBox::clicked, this, [this] { Hyoujyun_Check_Click(); });
    auto* method = new QGridLayout(frame1_);
    method->addWidget(futuuOption_, 0, 0);
    method->addWidget(kuutyouOption_, 0, 1);
    method->addWidget(hyoujyunCheck_, 1, 0);
    auto* efficiency = new QHBoxLayout;
    efficiency->addWidget(label1_);
    efficiency->addWidget(entarupiCombo_);
    efficiency->addStretch(1);
    method->addLayout(efficiency, 1, 1);
    method->setColumnStretch(2, 1);

    // The places and their rates, one row each.
    list1_ = MakeChoiceList("List1", this);
    list1_->addItems(ConditionTexts::Items(ConditionTexts::kKankiPlaces));
    list2_ = MakeChoiceList("List2", this);
    list2_->setToolTip(QStringLiteral("右ボタンで違う換気量を選べます"));
    QLabel* label2 = MakeLabel(QStringLiteral("場所"), "Label2", this);
    label2->setBuddy(list1_);
    label3_ = MakeLabel(QStringLiteral("推奨値") + kRateUnit, "Label3", this);
    label3_->setBuddy(list2_);
    // Both lists show the same place: a choice in either is copied to the
    // other (the right button chooses nothing, see eventFilter).
    LinkRows(list1_, list2_);
    // Sized to show every place.
    for (QListWidget* list : {list1_, list2_}) {
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    list2_->installEventFilter(this);
    list2_->viewport()->installEventFilter(this);
    const int rowHeight = std::max(list1_->sizeHintForRow(0), list1_->fontMetrics().height());
    const int height = rowHeight * kPlaces + 2 * list1_->frameWidth();
    const int margin = list1_->fontMetrics().horizontalAdvance(u'0') * 2;
    list1_->setFixedSize(list1_->sizeHintForColumn(0) + 2 * margin, height);
    list2_->setFixedSize(
        std::max(label3_->fontMetrics().horizontalAdvance(QStringLiteral("最小値") + kRateUnit),
                 list2_->fontMetrics().horizontalAdvance(QStringLiteral("00.0"))) +
            margin,
        height);

    mnuAtai_ = new QMenu(this);
    mnuAtai_->setObjectName("Mnu_Atai");
    mnuSaisyou_ = mnuAtai_->addAction(QStringLiteral("最小値"));
    mnuSaisyou_->setObjectName("Mnu_Saisyou");
    mnuSaisyou_->setCheckable(true);
    mnuSuisyou_ = mnuAtai_->addAction(QStringLiteral("推奨値"));
    mnuSuisyou_->setObjectName("Mnu_Suisyou");
    mnuSuisyou_->setCheckable(true);
    connect(mnuSaisyou_, &QAction::triggered, this, [this] { Mnu_Saisyou_Click(); });
    connect(mnuSuisyou_, &QAction::triggered, this, [this] { Mnu_Suisyou_Click(); });

    // The volume: typed, or by rate with 自動適合 in its place.
    fuuryouCheck_ = new QCheckBox(QStringLiteral("風量入力"), this);
    fuuryouCheck_->setObjectName("Fuuryou_Check");
    connect(fuuryouCheck_, &QCheckBox::clicked, this, [this] { Fuuryou_Check_Click(); });
    fitOrVolume_ = new QStackedWidget(this);
    jidouCheck_ = new QCheckBox(QStringLiteral("自動適合"), fitOrVolume_);
    jidouCheck_->setObjectName("Jidou_Tekigou_Check");
    connect(jidouCheck_, &QCheckBox::clicked, this, [this] { Jidou_Tekigou_Check_Click(); });
    frame2_ = new QGroupBox(QStringLiteral("換気量"), fitOrVolume_);
    frame2_->setObjectName("Frame2");
    fuuryouEdit_ = new NumericField("Fuuryou_Edit", kVolumeFormat, frame2_);
    auto* volume = new QGridLayout(frame2_);
    volume->addWidget(MakeLabel(QStringLiteral("全換気量を入力して下さい。"), "Label4", frame2_), 0,
                      0, 1, 3);
    volume->addWidget(fuuryouEdit_, 1, 0);
    volume->addWidget(MakeLabel(QStringLiteral("㎡/ｈ"), "Label5", frame2_), 1, 1);
    volume->setColumnStretch(2, 1);
    auto* fitPage = new QWidget(fitOrVolume_);
    auto* fitLayout = new QVBoxLayout(fitPage);
    fitLayout->setContentsMargins(0, 0, 0, 0);
    fitLayout->addWidget(jidouCheck_);
    fitLayout->addStretch(1);
    fitOrVolume_->addWidget(fitPage);
    fitOrVolume_->addWidget(frame2_);

    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(0);
    lists->setVerticalSpacing(2);
    lists->addWidget(label2, 0, 0);
    lists->addWidget(label3_, 0, 1);
    lists->addWidget(list1_, 1, 0);
    lists->addWidget(list2_, 1, 1);
    lists->setColumnStretch(2, 1);

    auto* volumeRow = new QHBoxLayout;
    volumeRow->addWidget(fuuryouCheck_, 0, Qt::AlignTop);
    volumeRow->addSpacing(16);
    volumeRow->addWidget(fitOrVolume_, 1);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(frame1_);
    outer->addSpacing(4);
    outer->addLayout(lists);
    outer->addSpacing(4);
    outer->addLayout(volumeRow);
    outer->addSpacing(4);
    outer->addLayout(ButtonRow());
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

void Kanki_Form::Form_Activate() {
    const model::RoomModel& room = context_.room();
    rememberedNyuuryoku_ = room.Kanki_Nyuuryoku;
    // The other record's check mark stays as it was.
    (room.Kanki_Saisyouti ? mnuSaisyou_ : mnuSuisyou_)->setChecked(true);
    futuuOption_->setChecked(room.Kanki_Housiki);
    kuutyouOption_->setChecked(!room.Kanki_Housiki);
    RefreshMethod();
    jidouCheck_->setChecked(room.Kanki_Jidou_Tekigou);
    Jidou_Tekigou_Check_Click();
    entarupiCombo_->setCurrentIndex(room.Kanki_Entarupi);
    RefillList2();
    SelectRow(list1_, room.Kanki_Basyo);
    RefreshMethod();
    // 風量入力 and the field show what the room holds, also in a dialog
    // loaded for a room just opened; the field keeps the stored volume
    // while it is hidden, as registration stores it from there.
    fuuryouCheck_->setChecked(room.Kanki_Nyuuryoku);
    fuuryouEdit_->setValue(room.Kanki_Fuuryou);
    ShowFuuryou(room.Kanki_Nyuuryoku);
    if (room.Kanki_Nyuuryoku) {
        fuuryouEdit_->setFocus();
    }
}

void Kanki_Form::RefreshMethod() {
    const bool ordinary = futuuOption_->isChecked();
    jidouCheck_->setEnabled(context_.room().Tatemono_Syurui != kJitusuuNyuuryoku);
    hyoujyunCheck_->setEnabled(!ordinary);
    entarupiCombo_->setEnabled(!hyoujyunCheck_->isChecked() && !ordinary);
    // A fixed standard efficiency still counts: it keeps the colour of one
    // that does.
    SetBackColour(entarupiCombo_, ordinary ? BackColour::Disabled : BackColour::Enabled);
    label1_->setEnabled(!ordinary);
}

void Kanki_Form::Hyoujyun_Check_Click() {
    if (hyoujyunCheck_->isChecked()) {
        entarupiCombo_->setCurrentIndex(calc::kEntarupiHyoujyun);
        entarupiCombo_->setEnabled(false);
    } else {
        entarupiCombo_->setEnabled(true);
    }
}

void Kanki_Form::Jidou_Tekigou_Check_Click() {
    const bool on = jidouCheck_->isChecked();
    EnableWithColour(list1_, !on);
    EnableWithColour(list2_, !on);
    label3_->setEnabled(!on);
}

void Kanki_Form::ShowFuuryou(bool direct) {
    fitOrVolume_->setCurrentWidget(direct ? static_cast<QWidget*>(frame2_)
                                          : jidouCheck_->parentWidget());
}

void Kanki_Form::Fuuryou_Check_Click() {
    const bool direct = fuuryouCheck_->isChecked();
    ShowFuuryou(direct);
    context_.room().Kanki_Nyuuryoku = direct;
    if (direct) {
        fuuryouEdit_->setFocus();
    }
}

void Kanki_Form::RefillList2() {
    const bool minimum = mnuSaisyou_->isChecked();
    label3_->setText((minimum ? mnuSaisyou_ : mnuSuisyou_)->text() + kRateUnit);
    const QSignalBlocker quiet(list2_);
    list2_->clear();
    if (const refdb::ReferenceData* refs = context_.referenceData()) {
        for (int place = 0; place < kPlaces; ++place) {
            auto* item = new QListWidgetItem(
                QString::fromStdString(refs->KankiRateText(minimum, place)), list2_);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    SelectRow(list2_, SelectedRow(list1_));
}

void Kanki_Form::List2_MouseDown(Qt::MouseButton button, const QPoint& globalPos) {
    if (button == Qt::RightButton) {
        mnuAtai_->popup(globalPos);
    }
}

void Kanki_Form::Mnu_Saisyou_Click() {
    mnuSaisyou_->setChecked(true);
    mnuSuisyou_->setChecked(false);
    RefillList2();
}

void Kanki_Form::Mnu_Suisyou_Click() {
    mnuSuisyou_->setChecked(true);
    mnuSaisyou_->setChecked(false);
    RefillList2();
}

bool Kanki_Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list2_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::RightButton) {
                List2_MouseDown(press->button(), press->globalPosition().toPoint());
                return true;
            }
        } else if (event->type() == QEvent::ContextMenu) {
            // The press has opened the menu already.
            return true;
        }
    } else if (watched == list2_ && event->type() == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        if (request->reason() == QContextMenuEvent::Keyboard) {
            QListWidgetItem* item = list2_->currentItem();
            const QPoint at =
                item != nullptr ? list2_->visualItemRect(item).bottomLeft() : QPoint(0, 0);
            List2_MouseDown(Qt::RightButton, list2_->viewport()->mapToGlobal(at));
            return true;
        }
    }
    return ConditionDialog::eventFilter(watched, event);
}

void Kanki_Form::Touroku_Button_Click() {
    Prompts& prompts = context_.prompts();
    const bool direct = fuuryouCheck_->isChecked();
    const int place = SelectedRow(list1_);
    if (!direct && !jidouCheck_->isChecked() && place < 0) {
        KakuninWarning(prompts, QStringLiteral("必要換気量を選択して下さい"));
        return;
    }
    if (direct && fuuryouEdit_->value() == 0.0) {
        if (prompts.Message(QStringLiteral("0 でよろしいですか？"), KakuninTitle(),
                            PromptIcon::Warning, PromptButtons::YesNo) != PromptAnswer::Yes) {
            fuuryouEdit_->setFocus();
            return;
        }
    }
    model::RoomModel& room = context_.room();
    room.Kanki_Jidou_Tekigou = jidouCheck_->isChecked();
    room.Kanki_Housiki = futuuOption_->isChecked();
    room.Kanki_Basyo = static_cast<std::int16_t>(place);
    room.Kanki_Saisyouti = mnuSaisyou_->isChecked();
    if (entarupiCombo_->currentIndex() >= 0) {
        room.Kanki_Entarupi = static_cast<std::uint8_t>(entarupiCombo_->currentIndex());
    }
    accept();
    room.Kanki_Fuuryou = static_cast<float>(fuuryouEdit_->value());
    RunRegisterChain(true);
}

void Kanki_Form::Cansel_Button_Click() {
    context_.room().Kanki_Nyuuryoku = rememberedNyuuryoku_;
    CloseCancelled(AfterCancel::Hide, Notice::None);
}

float Kanki_Form::Kanki_kaesi() const {
    const refdb::ReferenceData* refs = context_.referenceData();
    return refs != nullptr ? calc::ChosenVentilationRate(context_.room(), *refs) : 0.0f;
}

}  // namespace karumoa::gui
