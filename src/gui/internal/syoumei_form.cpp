#include "internal/syoumei_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
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

constexpr int kTabs = Syoumei_Form::kSyoudoNyuuryoku;
// Occupant building type of direct input: it has no place whose level
// 自動適合 could take.
constexpr int kJitusuuNyuuryoku = 9;
// The levels the dialog shows and replaces; a stored level beyond them is
// left as it is.
constexpr int kShownLevels = 11;
// The lists show this many levels without scrolling.
constexpr int kVisibleLevels = 10;

// What the total output may be without a question, and at most.
constexpr std::int32_t kMinOutput = 100;
constexpr std::int32_t kMaxOutput = 25000;

// The fields' shapes: "###" lamp counts, "#####" total output in W.
const NumericFormat kCountFormat = NumericFormat::Whole(3, NumericFill::Trailing);
const NumericFormat kOutputFormat = NumericFormat::Whole(5, NumericFill::Trailing);

// Whatever the fields and combo boxes hold, the room may hold.
static_assert(model::Setting("Keikoutou_Kazu").range.Contains(0) &&
              model::Setting("Keikoutou_Kazu").range.Contains(999));
static_assert(model::Setting("Hakunetutou_Kazu").range.Contains(0) &&
              model::Setting("Hakunetutou_Kazu").range.Contains(999));
static_assert(model::Setting("Syoumei_Syuturyoku").range.Contains(0) &&
              model::Setting("Syoumei_Syuturyoku").range.Contains(99999));
static_assert(model::Setting("Keikoutou_Syurui").range.Contains(calc::kKeikoutouItems.size() - 1));
static_assert(
    model::Setting("Hakunetutou_Syurui").range.Contains(calc::kHakunetutouItems.size() - 1));
static_assert(model::Setting("Keikoutou_wariai").range.Contains(calc::kWariaiItems.size() - 1));
static_assert(model::Setting("Syoumei_housiki").range.Contains(calc::kHousikiItems.size() - 1));
static_assert(model::Setting("Syoudo_Syurui").range.Contains(kTabs));

QComboBox* MakeCombo(const char* objectName, const QStringList& items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(objectName));
    combo->addItems(items);
    combo->setMaxVisibleItems(static_cast<int>(items.size()));
    SetBackColour(combo, BackColour::Enabled);
    return combo;
}

// A heading over a list or beside a combo box: a box the program writes,
// which a click passes to the tab strip.
QLineEdit* MakeHeading(const char* objectName, const QString& caption, QWidget* parent) {
    auto* box = new QLineEdit(caption, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

std::uint8_t ComboIndex(const QComboBox* combo, std::uint8_t current) {
    const int index = combo->currentIndex();
    return index >= 0 ? static_cast<std::uint8_t>(index) : current;
}

}  // namespace

Syoumei_Form::Syoumei_Form(AppContext& context, QWidget* parent)
    : ConditionDialog(context, FormId::Syoumei_Form, "Syoumei_Form",
                      QStringLiteral("照明発生熱量設定"), parent) {
    BuildControls();
}

Syoumei_Form::~Syoumei_Form() = default;

QWidget* Syoumei_Form::BuildLists() {
    lists_ = new QWidget(this);
    text1_ = MakeHeading("Text1", QStringLiteral("照度[ lx ]"), lists_);
    text2_ = MakeHeading("Text2", QStringLiteral("場所"), lists_);
    list1_ = MakeChoiceList("List1", lists_);
    list2_ = MakeChoiceList("List2", lists_);
    list1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The levels, and the places of tab 1 beside them.
    const refdb::ReferenceData* refs = context_.referenceData();
    const int levels = refs != nullptr ? refs->IlluminanceCount() : 0;
    int widestPlace = 0;
    for (int r = 0; r < levels; ++r) {
        list1_->addItem(QString::fromStdString(refs->IlluminanceText(r)));
        list2_->addItem(QString::fromStdString(refs->IlluminancePlaces(r, 1)));
        for (int t = 1; t < kTabs; ++t) {
            widestPlace =
                std::max(widestPlace, list2_->fontMetrics().horizontalAdvance(
                                          QString::fromStdString(refs->IlluminancePlaces(r, t))));
        }
    }

    // Both lists show the same record: a choice in either, by mouse or
    // keyboard, is copied to the other, and so is their scrolling.
    LinkRows(list1_, list2_);
    connect(list1_->verticalScrollBar(), &QScrollBar::valueChanged, list2_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(list2_->verticalScrollBar(), &QScrollBar::valueChanged, list1_->verticalScrollBar(),
            &QScrollBar::setValue);

    const int rowHeight = std::max(list1_->sizeHintForRow(0), list1_->fontMetrics().height());
    const int height = rowHeight * kVisibleLevels + 2 * list1_->frameWidth();
    const int margin = list1_->fontMetrics().horizontalAdvance(u'0') * 2;
    const int levelWidth =
        std::max(list1_->sizeHintForColumn(0),
                 text1_->fontMetrics().horizontalAdvance(text1_->text()) + margin) +
        margin;
    list1_->setFixedSize(levelWidth, height);
    list2_->setFixedSize(widestPlace + 2 * margin + list2_->verticalScrollBar()->sizeHint().width(),
                         height);
    text1_->setFixedWidth(list1_->width());
    text2_->setFixedWidth(list2_->width());
    for (QLineEdit* heading : {text1_, text2_}) {
        heading->installEventFilter(this);
    }

    auto* grid = new QGridLayout(lists_);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    grid->addWidget(text1_, 0, 0);
    grid->addWidget(text2_, 0, 1);
    grid->addWidget(list1_, 1, 0);
    grid->addWidget(list2_, 1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
    return lists_;
}

void Syoumei_Form::BuildPanel() {
    frame1_ = new QGroupBox(this);
    frame1_->setObjectName("Frame1");
    const QStringList labels1{"蛍光灯", "×", "個", "白熱灯", "×", "個"};
    for (std::size_t i = 0; i < label1_.size(); ++i) {
        label1_[i] = MakeLabel(labels1[static_cast<qsizetype>(i)],
                               ("Label1_" + std::to_string(i)).c_str(), frame1_);
    }
    label2_[0] = MakeLabel(QStringLiteral("全出力"), "Label2_0", frame1_);
    label2_[1] = MakeLabel(QStringLiteral("W"), "Label2_1", frame1_);
    label3_ = MakeLabel(QStringLiteral("蛍光灯の割合"), "Label3", frame1_);

    keikoutouCombo_ =
        MakeCombo("Keikoutou_Combo", ConditionTexts::Items(calc::kKeikoutouItems), frame1_);
    keikoutouEdit_ = new NumericField("Keikoutou_Edit", kCountFormat, frame1_);
    hakunetutouCombo_ =
        MakeCombo("Hakunetutou_Combo", ConditionTexts::Items(calc::kHakunetutouItems), frame1_);
    hakunetutouEdit_ = new NumericField("Hakunetutou_Edit", kCountFormat, frame1_);
    zenSyuturyokuEdit_ = new NumericField("ZenSyuturyoku_Edit", kOutputFormat, frame1_);
    wariaiCombo_ = MakeCombo("Wariai_Combo", ConditionTexts::Items(calc::kWariaiItems), frame1_);
    syuturyokuCheck_ = new QCheckBox(QStringLiteral("全出力当たりで入力する"), frame1_);
    syuturyokuCheck_->setObjectName("Syuturyoku_Check");
    konzaiCheck_ = new QCheckBox(QStringLiteral("両種を混在する"), frame1_);
    konzaiCheck_->setObjectName("Konzai_Check");
    connect(syuturyokuCheck_, &QCheckBox::clicked, this, [this] { Syuturyoku_Check_Click(); });
    connect(konzaiCheck_, &QCheckBox::clicked, this, [this] { Konzai_Check_Click(); });
    for (QWidget* entry :
         std::initializer_list<QWidget*>{keikoutouCombo_, keikoutouEdit_, hakunetutouCombo_,
                                         hakunetutouEdit_, zenSyuturyokuEdit_, wariaiCombo_}) {
        entry->installEventFilter(this);
    }
    // Both lamp rows line up: the combo boxes as wide as the wider one.
    const int comboWidth =
        std::max(keikoutouCombo_->sizeHint().width(), hakunetutouCombo_->sizeHint().width());
    keikoutouCombo_->setFixedWidth(comboWidth);
    hakunetutouCombo_->setFixedWidth(comboWidth);

    auto* grid = new QGridLayout;
    grid->addWidget(label1_[0], 0, 0);
    grid->addWidget(keikoutouCombo_, 0, 1);
    grid->addWidget(label1_[1], 0, 2, Qt::AlignCenter);
    grid->addWidget(keikoutouEdit_, 0, 3);
    grid->addWidget(label1_[2], 0, 4);
    grid->addWidget(label1_[3], 1, 0);
    grid->addWidget(hakunetutouCombo_, 1, 1);
    grid->addWidget(label1_[4], 1, 2, Qt::AlignCenter);
    grid->addWidget(hakunetutouEdit_, 1, 3);
    grid->addWidget(label1_[5], 1, 4);
    grid->addWidget(label2_[0], 2, 0);
    auto* output = new QHBoxLayout;
    output->addWidget(zenSyuturyokuEdit_);
    output->addWidget(label2_[1]);
    output->addStretch(1);
    grid->addLayout(output, 2, 1, 1, 4);
    grid->addWidget(label3_, 3, 0);
    grid->addWidget(wariaiCombo_, 3, 1);
    grid->setColumnStretch(5, 1);

    auto* panel = new QVBoxLayout(frame1_);
    panel->addLayout(grid);
    panel->addSpacing(6);
    panel->addWidget(syuturyokuCheck_);
    panel->addWidget(konzaiCheck_);
    panel->addStretch(1);
}

void Syoumei_Form::BuildControls() {
    sentakuTab_ =
        MakeTabBar("Sentaku_Tab", ConditionTexts::Items(ConditionTexts::kSyoudoTabs), this);
    connect(sentakuTab_, &QTabBar::currentChanged, this, [this] { Sentaku_Tab_Click(); });

    // The levels and places, or the lamp panel, take the same room under
    // the tabs; one of them is shown.
    panels_ = new QStackedWidget(this);
    panels_->addWidget(BuildLists());
    BuildPanel();
    panels_->addWidget(frame1_);

    text3_ = MakeHeading("Text3", QStringLiteral("照明方式"), this);
    text3_->setFixedWidth(text3_->fontMetrics().horizontalAdvance(text3_->text()) +
                          text3_->fontMetrics().horizontalAdvance(u'0') * 2);
    text3_->installEventFilter(this);
    housikiCombo_ = MakeCombo("Housiki_Combo", ConditionTexts::Items(calc::kHousikiItems), this);

    // The lamp type: a pair of its own, apart from the panel's controls.
    auto* lampType = new QWidget(this);
    keikoutouOption_ = new QRadioButton(QStringLiteral("蛍光灯"), lampType);
    keikoutouOption_->setObjectName("Keikoutou_Option");
    hakunetutouOption_ = new QRadioButton(QStringLiteral("白熱灯"), lampType);
    hakunetutouOption_->setObjectName("Hakunetutou_Option");
    connect(keikoutouOption_, &QRadioButton::clicked, this, [this] { RefreshPanel(); });
    connect(hakunetutouOption_, &QRadioButton::clicked, this, [this] { RefreshPanel(); });
    auto* lampRow = new QHBoxLayout(lampType);
    lampRow->setContentsMargins(0, 0, 0, 0);
    lampRow->addWidget(keikoutouOption_);
    lampRow->addWidget(hakunetutouOption_);

    jidouCheck_ = new QCheckBox(QStringLiteral("自動適合"), this);
    jidouCheck_->setObjectName("Jidou_Check");
    connect(jidouCheck_, &QCheckBox::clicked, this, [this] { Jidou_Check_Click(); });

    auto* method = new QHBoxLayout;
    method->setSpacing(0);
    method->addWidget(text3_);
    method->addWidget(housikiCombo_);
    method->addSpacing(24);
    method->addWidget(lampType);
    method->addSpacing(24);
    method->addWidget(jidouCheck_);
    method->addStretch(1);

    panels_->setFixedWidth(std::max({sentakuTab_->sizeHint().width(), lists_->sizeHint().width(),
                                     frame1_->sizeHint().width(), method->sizeHint().width()}));

    auto* outer = new QVBoxLayout(this);
    outer->setSpacing(0);
    outer->addWidget(sentakuTab_);
    outer->addWidget(panels_);
    outer->addSpacing(10);
    outer->addLayout(method);
    outer->addSpacing(10);
    outer->addLayout(ButtonRow());
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

int Syoumei_Form::SelectedTab() const {
    return sentakuTab_->currentIndex() + 1;
}

void Syoumei_Form::SelectTab(int tab) {
    {
        const QSignalBlocker quiet(sentakuTab_);
        sentakuTab_->setCurrentIndex(std::clamp(tab, 1, kTabs) - 1);
    }
    Sentaku_Tab_Click();
}

void Syoumei_Form::Form_Activate() {
    const model::RoomModel& room = context_.room();
    housikiCombo_->setCurrentIndex(room.Syoumei_housiki);
    SelectTab(room.Syoudo_Syurui);
    if (room.Syoudo < kShownLevels) {
        SelectRow(list1_, room.Syoudo);
    }
    (room.Syoumei_Syurui ? keikoutouOption_ : hakunetutouOption_)->setChecked(true);
    RefreshPanel();
    // 自動適合 shows what the load takes: ticked whenever it is on, also
    // for direct occupant input, where the equivalent place's level applies
    // and the box stays off (RefreshPanel) so that it cannot be changed.
    if (room.Syoudo_Jidou_Tekigou) {
        jidouCheck_->setChecked(true);
        Jidou_Check_Click();
    }
    remembered_ = {room.Syoumei_Konzai,     room.Syuturyoku_Nyuuryoku, room.Keikoutou_Syurui,
                   room.Hakunetutou_Syurui, room.Keikoutou_wariai,     room.Keikoutou_Kazu,
                   room.Hakunetutou_Kazu,   room.Syoumei_Syuturyoku,   room.Syoudo_Jidou_Tekigou};
}

void Syoumei_Form::Sentaku_Tab_Click() {
    const int t = SelectedTab();
    if (t == kSyoudoNyuuryoku) {
        EnableWithColour(housikiCombo_, false);
        text3_->setEnabled(false);
        panels_->setCurrentWidget(frame1_);
        RefreshPanel();
        return;
    }
    panels_->setCurrentWidget(lists_);
    EnableWithColour(housikiCombo_, true);
    text3_->setEnabled(true);
    if (const refdb::ReferenceData* refs = context_.referenceData()) {
        const QSignalBlocker quiet(list2_);
        for (int r = 0; r < list2_->count(); ++r) {
            list2_->item(r)->setText(QString::fromStdString(refs->IlluminancePlaces(r, t)));
        }
    }
    {
        const QSignalBlocker quiet(list2_);
        SelectRow(list2_, SelectedRow(list1_));
    }
    keikoutouOption_->setEnabled(true);
    hakunetutouOption_->setEnabled(true);
}

void Syoumei_Form::Jidou_Check_Click() {
    const bool on = jidouCheck_->isChecked();
    context_.room().Syoudo_Jidou_Tekigou = on;
    SelectTab(on ? 1 : context_.room().Syoudo_Syurui);
    EnableWithColour(list1_, !on);
    EnableWithColour(list2_, !on);
    for (QWidget* w : std::initializer_list<QWidget*>{text1_, text2_, sentakuTab_}) {
        w->setEnabled(!on);
    }
}

void Syoumei_Form::Konzai_Check_Click() {
    context_.room().Syoumei_Konzai = konzaiCheck_->isChecked();
    SetKeikoutouRow(true);
    SetHakunetutouRow(true);
    RefreshPanel();
}

void Syoumei_Form::Syuturyoku_Check_Click() {
    context_.room().Syuturyoku_Nyuuryoku = syuturyokuCheck_->isChecked();
    RefreshPanel();
}

void Syoumei_Form::SetKeikoutouRow(bool enabled) {
    EnableWithColour(keikoutouCombo_, enabled);
    keikoutouEdit_->setEnabled(enabled);
    for (std::size_t i = 0; i < 3; ++i) {
        label1_[i]->setEnabled(enabled);
    }
}

void Syoumei_Form::SetHakunetutouRow(bool enabled) {
    EnableWithColour(hakunetutouCombo_, enabled);
    hakunetutouEdit_->setEnabled(enabled);
    for (std::size_t i = 3; i < 6; ++i) {
        label1_[i]->setEnabled(enabled);
    }
}

void Syoumei_Form::RefreshPanel() {
    const model::RoomModel& room = context_.room();
    const bool shown = frame1_->isVisible();
    // 1. The row of the lamp type.
    const bool fluorescent = keikoutouOption_->isChecked();
    SetKeikoutouRow(fluorescent);
    SetHakunetutouRow(!fluorescent);
    if (shown) {
        (fluorescent ? keikoutouEdit_ : hakunetutouEdit_)->setFocus();
    }
    // 2. The ticks and the combo boxes as the room holds them.
    konzaiCheck_->setChecked(room.Syoumei_Konzai);
    syuturyokuCheck_->setChecked(room.Syuturyoku_Nyuuryoku);
    keikoutouCombo_->setCurrentIndex(room.Keikoutou_Syurui);
    hakunetutouCombo_->setCurrentIndex(room.Hakunetutou_Syurui);
    wariaiCombo_->setCurrentIndex(room.Keikoutou_wariai);
    const bool mixed = konzaiCheck_->isChecked();
    const bool output = syuturyokuCheck_->isChecked();
    // 3. Mixing: both rows.
    if (mixed) {
        SetKeikoutouRow(true);
        SetHakunetutouRow(true);
    }
    // 4. Total output: its field instead of the rows.
    zenSyuturyokuEdit_->setEnabled(output);
    label2_[0]->setEnabled(output);
    label2_[1]->setEnabled(output);
    if (output) {
        SetKeikoutouRow(false);
        SetHakunetutouRow(false);
        if (shown) {
            zenSyuturyokuEdit_->setFocus();
        }
    }
    // 5. Mixing takes both lamp types.
    if (SelectedTab() == kSyoudoNyuuryoku) {
        keikoutouOption_->setEnabled(!mixed);
        hakunetutouOption_->setEnabled(!mixed);
    }
    // 6. The share only for a mixed total output.
    EnableWithColour(wariaiCombo_, output && mixed);
    label3_->setEnabled(output && mixed);
    // 7. No occupant place to fit to for direct occupant input.
    jidouCheck_->setEnabled(room.Tatemono_Syurui != kJitusuuNyuuryoku);
    // 8. The fields as the room holds them.
    keikoutouEdit_->setValue(room.Keikoutou_Kazu);
    hakunetutouEdit_->setValue(room.Hakunetutou_Kazu);
    zenSyuturyokuEdit_->setValue(room.Syoumei_Syuturyoku);
}

bool Syoumei_Form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        StoreEntry(watched);
    } else if (event->type() == QEvent::MouseButtonPress &&
               (watched == text1_ || watched == text2_ || watched == text3_)) {
        sentakuTab_->setFocus(Qt::MouseFocusReason);
        return true;
    }
    return ConditionDialog::eventFilter(watched, event);
}

void Syoumei_Form::StoreEntry(QObject* control) {
    model::RoomModel& room = context_.room();
    if (control == keikoutouCombo_) {
        room.Keikoutou_Syurui = ComboIndex(keikoutouCombo_, room.Keikoutou_Syurui);
    } else if (control == hakunetutouCombo_) {
        room.Hakunetutou_Syurui = ComboIndex(hakunetutouCombo_, room.Hakunetutou_Syurui);
    } else if (control == wariaiCombo_) {
        room.Keikoutou_wariai = ComboIndex(wariaiCombo_, room.Keikoutou_wariai);
    } else if (control == keikoutouEdit_) {
        room.Keikoutou_Kazu = text::ToInt16(keikoutouEdit_->value()).value_or(0);
    } else if (control == hakunetutouEdit_) {
        room.Hakunetutou_Kazu = text::ToInt16(hakunetutouEdit_->value()).value_or(0);
    } else if (control == zenSyuturyokuEdit_) {
        room.Syoumei_Syuturyoku = text::ToInt32(zenSyuturyokuEdit_->value()).value_or(0);
    }
}

void Syoumei_Form::Touroku_Button_Click() {
    Prompts& prompts = context_.prompts();
    const int t = SelectedTab();
    if (t == kSyoudoNyuuryoku) {
        const std::int32_t P = text::ToInt32(zenSyuturyokuEdit_->value()).value_or(0);
        bool refused = false;
        if (P < kMinOutput) {
            const QString question = QStringLiteral(" 全出力は Kw で入力ではありません、") +
                                     QString::number(P) + QStringLiteral("W") +
                                     QStringLiteral("でよろしいですか？");
            refused = prompts.Message(question, KakuninTitle(), PromptIcon::Question,
                                      PromptButtons::YesNo) == PromptAnswer::No;
        } else if (P > kMaxOutput) {
            KakuninWarning(prompts, QStringLiteral("全出力の入力は 25000W までです"));
            refused = true;
        }
        if (refused) {
            zenSyuturyokuEdit_->setFocus();
            zenSyuturyokuEdit_->selectAll();
            return;
        }
    }
    const int level = SelectedRow(list1_);
    if (level < 0 && !jidouCheck_->isChecked() && t != kSyoudoNyuuryoku) {
        KakuninWarning(prompts, QStringLiteral("照度を選択して下さい"));
        return;
    }

    model::RoomModel& room = context_.room();
    room.Syoudo_Syurui = static_cast<std::int16_t>(t);
    room.Syoumei_housiki = ComboIndex(housikiCombo_, room.Syoumei_housiki);
    // A level beyond those shown stays; no chosen level (automatic fitting
    // over an empty list) leaves the stored one rather than none.
    if (room.Syoudo < kShownLevels && t != kSyoudoNyuuryoku && level >= 0) {
        room.Syoudo = static_cast<std::int16_t>(level);
    }
    room.Syoumei_Syurui = keikoutouOption_->isChecked();
    // Hidden before the loads are computed: the entry that had the focus
    // (the button pressed by its access key keeps it there) loses it now
    // and writes its value.
    accept();
    RunRegisterChain(true);
}

void Syoumei_Form::Cansel_Button_Click() {
    model::RoomModel& room = context_.room();
    room.Syoumei_Konzai = remembered_.konzai;
    room.Syuturyoku_Nyuuryoku = remembered_.syuturyoku;
    room.Keikoutou_Syurui = remembered_.keikoutouSyurui;
    room.Hakunetutou_Syurui = remembered_.hakunetutouSyurui;
    room.Keikoutou_wariai = remembered_.wariai;
    room.Keikoutou_Kazu = remembered_.keikoutouKazu;
    room.Hakunetutou_Kazu = remembered_.hakunetutouKazu;
    room.Syoumei_Syuturyoku = remembered_.zenSyuturyoku;
    room.Syoudo_Jidou_Tekigou = remembered_.jidou;
    CloseCancelled(AfterCancel::Unload, Notice::None);
}

std::int16_t Syoumei_Form::Syoudo_Kaesi() const {
    const refdb::ReferenceData* refs = context_.referenceData();
    return refs != nullptr ? calc::ChosenIlluminance(context_.room(), *refs) : std::int16_t{0};
}

}  // namespace karumoa::gui
