#include "plan/mado_form.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/controls.h"
#include "app/form_registry.h"
#include "app/numeric_field.h"
#include "app/prompts.h"
#include "model/codes.h"
#include "model/room_fields.h"
#include "model/room_model.h"
#include "model/room_rules.h"
#include "plan/main_form.h"
#include "text/number_text.h"

namespace karumoa::gui {

namespace plan {
namespace {

// The largest of min, min + step, min + 2 step, ... not above `limit`;
// the minimum when even that is above it.
int LargestStepValue(int min, int limit) {
    if (limit < min) {
        return min;
    }
    return min + (limit - min) / kMadoSmallStep * kMadoSmallStep;
}

}  // namespace

int ReducedMadoYoko(int value, int limit) {
    if (value > 1000) {
        return 1000;
    }
    return LargestStepValue(kMadoYokoMin, limit);
}

int ReducedMadoTate(int value, int limit) {
    const int lower = value - 500;
    if (lower >= kMadoTateMin) {
        return lower;
    }
    return LargestStepValue(kMadoTateMin, limit);
}

}  // namespace plan

namespace {

// The list's width; its three columns take fixed shares of it.
constexpr int kListViewWidth = 300;

}  // namespace

Mado_Form::Mado_Form(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("Mado_Form");
    setWindowTitle(QStringLiteral("窓負荷設定"));
    setModal(true);
    tate_.assign(2, 0);
    yoko_.assign(2, 0);
    kazu_.assign(2, 0);
    BuildControls();
}

Mado_Form::~Mado_Form() = default;

void Mado_Form::BuildControls() {
    houiLabel_ = MakeLabel(QString(), "Houi_Label", this);

    hScroll1_ = new QScrollBar(Qt::Horizontal, this);
    hScroll1_->setObjectName("HScroll1");
    hScroll1_->setRange(plan::kMadoYokoMin, plan::kMadoYokoMax);
    hScroll1_->setSingleStep(plan::kMadoSmallStep);
    hScroll1_->setPageStep(1000);
    hScroll1_->setValue(plan::kMadoYokoMin);
    vScroll1_ = new QScrollBar(Qt::Vertical, this);
    vScroll1_->setObjectName("VScroll1");
    vScroll1_->setRange(plan::kMadoTateMin, plan::kMadoTateMax);
    vScroll1_->setSingleStep(plan::kMadoSmallStep);
    vScroll1_->setPageStep(500);
    vScroll1_->setValue(plan::kMadoTateMin);
    for (QScrollBar* bar : {hScroll1_, vScroll1_}) {
        // A drag is one change, taken when the slider is let go; while it
        // moves, the size label follows it.
        bar->setTracking(false);
        connect(bar, &QScrollBar::sliderMoved, this, [this] {
            sunpouLabel_->setText(QStringLiteral("%1×%2")
                                      .arg(hScroll1_->sliderPosition())
                                      .arg(vScroll1_->sliderPosition()));
        });
    }
    connect(hScroll1_, &QScrollBar::valueChanged, this, &Mado_Form::HScroll1_Change);
    connect(vScroll1_, &QScrollBar::valueChanged, this, &Mado_Form::VScroll1_Change);

    madoLabel_ = MakeLabel(QStringLiteral("この窓をダブルクリックで確定"), "Mado_Label", this);
    madoLabel_->setAlignment(Qt::AlignCenter);
    madoLabel_->setWordWrap(true);
    madoLabel_->setFrameStyle(QFrame::Box | QFrame::Plain);
    madoLabel_->setAutoFillBackground(true);
    QPalette glass = madoLabel_->palette();
    glass.setColor(QPalette::Window, QColor(128, 255, 255));
    madoLabel_->setPalette(glass);
    madoLabel_->setMinimumSize(kListViewWidth - vScroll1_->sizeHint().width(), 110);
    madoLabel_->installEventFilter(this);

    sunpouLabel_ = MakeLabel(QString(), "Sunpou_Label", this);
    sunpouLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sunpouLabel_->setMinimumWidth(
        sunpouLabel_->fontMetrics().horizontalAdvance(QStringLiteral("10000×5000")) + 4);
    kazuEdit_ = new NumericField("Kazu_Edit", NumericFormat::Whole(3, NumericFill::Trailing), this);
    connect(kazuEdit_, &QLineEdit::returnPressed, this, &Mado_Form::AddAndShow);
    tuikaButton_ = MakeButton(QStringLiteral("+"), "Tuika_Button", this);
    tuikaButton_->setFixedWidth(tuikaButton_->sizeHint().height() + 8);
    connect(tuikaButton_, &QPushButton::clicked, this, &Mado_Form::Tuika_Button_Click);

    listView1_ = new QTreeWidget(this);
    listView1_->setObjectName("ListView1");
    listView1_->setRootIsDecorated(false);
    listView1_->setSelectionMode(QAbstractItemView::NoSelection);
    listView1_->setFixedSize(kListViewWidth, 120);
    listView1_->setColumnCount(3);
    listView1_->setHeaderLabels({QStringLiteral("横"), QStringLiteral("縦"), QStringLiteral("数")});
    listView1_->header()->setStretchLastSection(false);
    listView1_->header()->setSectionResizeMode(QHeaderView::Fixed);
    listView1_->setColumnWidth(0, kListViewWidth * 25 / 100);
    listView1_->setColumnWidth(1, kListViewWidth * 25 / 100);
    listView1_->setColumnWidth(2, kListViewWidth * 10 / 100);
    listView1_->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    listView1_->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);

    goukeiLabel_ = MakeLabel(QStringLiteral("0"), "Goukei_Label", this);
    goukeiLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    goukeiLabel_->setMinimumWidth(
        goukeiLabel_->fontMetrics().horizontalAdvance(QStringLiteral("00000.00")));
    braindoCheck_ = new QCheckBox(QStringLiteral("ブラインド"), this);
    braindoCheck_->setObjectName("Braindo_Check");

    crearButton_ = MakeButton(QStringLiteral("ﾘｽﾄｸﾘｱ"), "Crear_Button", this);
    tourokuButton_ = MakeButton(QStringLiteral("登録(&I)"), "Touroku_Button", this);
    canselButton_ = MakeButton(QStringLiteral("キャンセル(&C)"), "Cansel_Button", this);
    connect(crearButton_, &QPushButton::clicked, this, &Mado_Form::Crear_Button_Click);
    connect(tourokuButton_, &QPushButton::clicked, this, &Mado_Form::Touroku_Button_Click);
    connect(canselButton_, &QPushButton::clicked, this, &Mado_Form::Cansel_Button_Click);

    auto* orientation = new QHBoxLayout;
    orientation->addWidget(MakeLabel(QStringLiteral("窓の方位 :"), "Label1", this));
    orientation->addWidget(houiLabel_);
    orientation->addStretch(1);

    // The window drawn as a pane: its width slider below, its height
    // slider beside it.
    auto* pane = new QGridLayout;
    pane->setSpacing(2);
    pane->addWidget(madoLabel_, 0, 0);
    pane->addWidget(vScroll1_, 0, 1);
    pane->addWidget(hScroll1_, 1, 0);

    auto* size = new QHBoxLayout;
    size->addWidget(sunpouLabel_);
    size->addWidget(MakeLabel(QStringLiteral("mm"), "Label2", this));
    size->addWidget(MakeLabel(QStringLiteral("×"), "Label6", this));
    size->addWidget(kazuEdit_);
    size->addWidget(MakeLabel(QStringLiteral("個"), "Label8", this));
    size->addStretch(1);
    size->addWidget(tuikaButton_);

    auto* total = new QHBoxLayout;
    total->addWidget(MakeLabel(QStringLiteral("窓の面積合計"), "Label3", this));
    total->addWidget(goukeiLabel_);
    total->addWidget(MakeLabel(QStringLiteral("㎡"), "Label5", this));
    total->addStretch(1);
    total->addWidget(braindoCheck_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(crearButton_);
    buttons->addStretch(1);
    buttons->addWidget(tourokuButton_);
    buttons->addWidget(canselButton_);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(orientation);
    outer->addLayout(pane);
    outer->addLayout(size);
    outer->addWidget(listView1_);
    outer->addLayout(total);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);
}

bool Mado_Form::CanOpen() const {
    const model::RoomModel& room = context_.room();
    if (context_.Settei_Mode == 1) {
        return model::CanAddSkylight(room);
    }
    return room.Kabe_Bangou >= 1 && room.Kabe_Bangou <= room.Kabe.Count() &&
           room.Kabe_Bangou <= room.Mado.Count();
}

void Mado_Form::Mado_Tuika() {
    if (!CanOpen()) {
        return;
    }
    exec();
}

void Mado_Form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        skylight_ = context_.Settei_Mode == 1;
        SyokiKa();
        Kabe_Sunpou_Yomikomi();
    }
}

bool Mado_Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == madoLabel_ && event->type() == QEvent::MouseButtonDblClick) {
        AddAndShow();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Mado_Form::Message(const QString& text) {
    KakuninWarning(context_.prompts(), text);
}

void Mado_Form::Sunpou_Hyouji() {
    sunpouLabel_->setText(QStringLiteral("%1×%2").arg(hScroll1_->value()).arg(vScroll1_->value()));
}

void Mado_Form::Kazu_Sentaku() {
    kazuEdit_->setFocus();
    kazuEdit_->selectAll();
}

void Mado_Form::SyokiKa() {
    Sunpou_Hyouji();
    tate_.assign(2, 0);
    yoko_.assign(2, 0);
    kazu_.assign(2, 0);
    menseki_ = 0.0f;
    goukeiLabel_->setText(QStringLiteral("0"));
    Mado_Hyouji();
    // "1__", ready to be typed over: the dialog opens with the count
    // focused, and the focus comes back to it after the list is emptied.
    kazuEdit_->setValue(1);
    Kazu_Sentaku();
    braindoCheck_->setChecked(true);
    const model::RoomModel& room = context_.room();
    if (skylight_) {
        houi_ = model::kHouiYane;
    } else if (room.Kabe_Bangou >= 1 && room.Kabe_Bangou <= room.Kabe.Count()) {
        houi_ = room.Kabe.Item(room.Kabe_Bangou)->Houi;
    }
    if (const Main_Form* plan = context_.forms().mainFormIfLoaded()) {
        houiLabel_->setText(plan->Houi_Caption(houi_));
    }
}

void Mado_Form::Kabe_Sunpou_Yomikomi() {
    const model::RoomModel& room = context_.room();
    const model::Kabe_Data* element = nullptr;
    if (skylight_) {
        element = room.Yane.empty() ? nullptr : room.Yane.Item(1).get();
    } else if (room.Kabe_Bangou >= 1 && room.Kabe_Bangou <= room.Kabe.Count()) {
        element = room.Kabe.Item(room.Kabe_Bangou).get();
    }
    tateGenkai_ = element != nullptr ? element->Tate : 0;
    yokoGenkai_ = element != nullptr ? element->Yoko : 0;
}

namespace {

// A press on a scroll bar's arrow keeps it stepping until the mouse button
// is let go. The message box that follows takes that release, so the bar
// would step on under the box and warn again, box over box. Releasing the
// bar first ends the press; a bar that is not pressed ignores the release.
void ReleaseScrollBar(QScrollBar* bar) {
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(0, 0), bar->mapToGlobal(QPointF(0, 0)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &release);
}

}  // namespace

void Mado_Form::HScroll1_Change() {
    if (hScroll1_->value() > yokoGenkai_) {
        ReleaseScrollBar(hScroll1_);
        Message(QStringLiteral("壁の横寸法を超えています"));
        // Setting the slider runs this handler again: the check repeats.
        hScroll1_->setValue(plan::ReducedMadoYoko(hScroll1_->value(), yokoGenkai_));
    }
    Sunpou_Hyouji();
    Kazu_Sentaku();
}

void Mado_Form::VScroll1_Change() {
    if (vScroll1_->value() > tateGenkai_) {
        ReleaseScrollBar(vScroll1_);
        Message(QStringLiteral("壁の縦寸法を超えています"));
        vScroll1_->setValue(plan::ReducedMadoTate(vScroll1_->value(), tateGenkai_));
    }
    Sunpou_Hyouji();
    Kazu_Sentaku();
}

void Mado_Form::List_Tuika() {
    const double c = kazuEdit_->value();
    if (!model::kMadoKazu.Contains(c)) {
        Message(QStringLiteral("数量が0では追加できません"));
        kazuEdit_->setValue(1);
        Kazu_Sentaku();
        return;
    }
    // The sliders keep their positions from the last element, which may
    // have been larger: a size beyond this element is brought back first,
    // with its message, and not added.
    if (hScroll1_->value() > yokoGenkai_) {
        HScroll1_Change();
        return;
    }
    if (vScroll1_->value() > tateGenkai_) {
        VScroll1_Change();
        return;
    }
    const std::size_t slot = kazu_.size() - 1;
    tate_[slot] = static_cast<std::int16_t>(vScroll1_->value());
    yoko_[slot] = static_cast<std::int16_t>(hScroll1_->value());
    kazu_[slot] = text::ToInt16(c).value_or(0);
    tate_.push_back(0);
    yoko_.push_back(0);
    kazu_.push_back(0);
    kazuEdit_->setValue(1);
    Kazu_Sentaku();
}

void Mado_Form::AddAndShow() {
    List_Tuika();
    Mado_Hyouji();
}

void Mado_Form::Mado_Hyouji() {
    listView1_->clear();
    for (int i = 1; i < Mado_Bangou(); ++i) {
        const auto slot = static_cast<std::size_t>(i);
        auto* item = new QTreeWidgetItem(listView1_);
        item->setText(0, QString::number(yoko_[slot]));
        item->setText(1, QString::number(tate_[slot]));
        item->setText(2, QString::number(kazu_[slot]));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    menseki_ = model::MadoMenseki(tate_, yoko_, kazu_);
    goukeiLabel_->setText(QString::fromStdString(text::PlainNumber(menseki_)));
    if (!model::GlassFits(model::GlassMm2(tate_, yoko_, kazu_), tateGenkai_, yokoGenkai_)) {
        Message(QStringLiteral("窓が壁より大きくなりました、窓を削除します。"));
        SyokiKa();
    }
}

void Mado_Form::Tuika_Button_Click() {
    AddAndShow();
}

void Mado_Form::Touroku_Button_Click() {
    if (Mado_Bangou() <= 1) {
        Message(QStringLiteral("窓が追加されていません"));
        return;
    }
    model::RoomModel& room = context_.room();
    const bool braindo = braindoCheck_->isChecked();
    if (skylight_) {
        auto set = std::make_shared<model::Mado_Data>();
        set->SetData(tate_, yoko_, kazu_, braindo, menseki_, houi_);
        room.Yane_Mado.Add(set);
    } else if (room.Kabe_Bangou >= 1 && room.Kabe_Bangou <= room.Mado.Count()) {
        // The wall keeps its set record: only its contents are replaced.
        room.Mado.Item(room.Kabe_Bangou)->SetData(tate_, yoko_, kazu_, braindo, menseki_, houi_);
    }
    accept();
    context_.forms().RoomEdited();
}

void Mado_Form::Crear_Button_Click() {
    SyokiKa();
}

void Mado_Form::Cansel_Button_Click() {
    reject();
}

}  // namespace karumoa::gui
