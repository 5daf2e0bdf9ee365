#include "plan/main_form.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>
#include <vector>

#include "app/app_context.h"
#include "app/controls.h"
#include "app/form_registry.h"
#include "app/frame_commands.h"
#include "app/mdi_form1.h"
#include "app/prompts.h"
#include "app/twips.h"
#include "model/codes.h"
#include "model/room_model.h"
#include "plan/plan_deletions.h"
#include "plan/plan_widgets.h"
#include "plan/popup_form.h"
#include "project/project_commands.h"

namespace karumoa::gui {
namespace {

const char* const kTagProperty = "Tag";

QRect ToPixelRect(const plan::Box& b) {
    const int left = ToPixels(b.left);
    const int top = ToPixels(b.top);
    const int right = ToPixels(b.left + b.width);
    const int bottom = ToPixels(b.top + b.height);
    return QRect(left, top, right - left, bottom - top);
}

void SetColour(QPushButton* button, const plan::Rgb& rgb) {
    const QColor colour(rgb.red, rgb.green, rgb.blue);
    if (button->palette().color(QPalette::Button) == colour) {
        return;
    }
    QPalette p = button->palette();
    p.setColor(QPalette::Button, colour);
    button->setPalette(p);
}

void SetText(QWidget* w, const QString& caption) {
    if (auto* button = qobject_cast<QPushButton*>(w); button && button->text() != caption) {
        button->setText(caption);
    }
}

void SetToolTip(QWidget* w, const QString& tip) {
    if (w->toolTip() != tip) {
        w->setToolTip(tip);
    }
}

QPushButton* MakeButton(QWidget* parent, const QString& name) {
    auto* button = new plan::PlanButton(parent);
    button->setObjectName(name);
    // Reached with Tab; the Menu key or Shift+F10 opens its context menu.
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(false);
    button->hide();
    return button;
}

// The legend of the status bar: text, tool tip, icon in panel order.
struct LegendEntry {
    const char* text;
    const char* tip;
};
// Room the status bar leaves between and around its panels, in pixels.
constexpr int kLegendGap = 6;
constexpr LegendEntry kLegend[] = {
    {"標準壁", "設定どうりの壁"},
    {"室外日陰", "日陰になる壁"},
    {"室内負荷", "非空調エリアの間仕切り"},
    {"無負荷", "空調エリアの間仕切り"},
    {"屋根", "屋根の負荷"},
    {"床", "床の負荷"},
    {"屋根、床", "屋根と床の両負荷"},
};

// The keys that open a context menu: the Menu key and Shift+F10, or the
// context-menu event the platform makes of them.
bool IsMenuKey(const QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        return static_cast<const QContextMenuEvent*>(event)->reason() ==
               QContextMenuEvent::Keyboard;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Menu ||
           (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

}  // namespace

Main_Form::Main_Form(AppContext& context)
    : context_(context), deletions_(std::make_unique<PlanDeletions>(context, *this)) {
    setObjectName("Main_Form");
    setWindowTitle(QStringLiteral("作業デスク"));

    sagyouEria_ = new plan::WorkArea(this);
    sagyouEria_->setGeometry(0, 0, ToPixels(plan::kInitialWorkWidth), ToPixels(plan::kWorkHeight));
    sagyouEria_->installEventFilter(this);
    connect(sagyouEria_, &plan::WorkArea::mousePressed, this, &Main_Form::workAreaPressed);

    jyoukuuShape_ = new plan::OverheadShape(sagyouEria_);
    jyoukuuShape_->hide();

    for (int i = 0; i < 4; ++i) {
        kabeButtons_[static_cast<std::size_t>(i)] =
            MakeButton(sagyouEria_, QStringLiteral("Kabe_Button_%1").arg(i));
        kabeButtons_[static_cast<std::size_t>(i)]->setProperty(kTagProperty, QString());
        madoButtons_[static_cast<std::size_t>(i)] =
            MakeButton(sagyouEria_, QStringLiteral("Mado_Button_%1").arg(i));
    }
    for (QPushButton* b : kabeButtons_) {
        b->installEventFilter(this);
    }
    for (QPushButton* b : madoButtons_) {
        b->installEventFilter(this);
    }
    yaneMadoButton_ = MakeButton(sagyouEria_, QStringLiteral("Yane_Mado_Button"));
    yaneMadoButton_->installEventFilter(this);
    jyoukuuShape_->installEventFilter(this);
    // Tab order: the walls in slot order, their window buttons, the
    // overhead view, the skylight (hidden ones are passed over).
    std::vector<QWidget*> order(kabeButtons_.begin(), kabeButtons_.end());
    order.insert(order.end(), madoButtons_.begin(), madoButtons_.end());
    order.push_back(jyoukuuShape_);
    order.push_back(yaneMadoButton_);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }

    // The list of orientation names; Houi_Caption reads it by index.
    mainHouiCombo_ = new QComboBox(this);
    mainHouiCombo_->setObjectName("Main_Houi_Combo");
    for (int h = 0; h < model::kHouiCount; ++h) {
        mainHouiCombo_->addItem(FromUtf8(model::HouiName(h)));
    }
    mainHouiCombo_->hide();

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName("StatusBar1");
    statusBar_->setSizeGripEnabled(false);
    int panel = 1;
    for (const LegendEntry& entry : kLegend) {
        auto* box = new QWidget(statusBar_);
        box->setObjectName(QStringLiteral("StatusBar1_Panel%1").arg(panel));
        box->setToolTip(QString::fromUtf8(entry.tip));
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(2, 0, 6, 0);
        row->setSpacing(3);
        auto* icon = new QLabel(box);
        icon->setPixmap(plan::LegendIcon(panel));
        auto* label = new QLabel(QString::fromUtf8(entry.text), box);
        label->setObjectName(QStringLiteral("StatusBar1_Panel%1_Text").arg(panel));
        row->addWidget(icon);
        row->addWidget(label);
        statusBar_->addWidget(box);
        ++panel;
    }

    resize(sizeHint());

    // Right-clicks open the context menus of PopUp_Form.
    connect(this, &Main_Form::kabeButtonPressed, this, [this](int slot, Qt::MouseButton button) {
        context_.forms().popUpForm().Kabe_Button_MouseDown(slot, button);
    });
    connect(this, &Main_Form::madoButtonPressed, this, [this](int slot, Qt::MouseButton button) {
        context_.forms().popUpForm().Mado_Button_MouseDown(slot, button);
    });
    connect(this, &Main_Form::yaneMadoButtonPressed, this, [this](Qt::MouseButton button) {
        context_.forms().popUpForm().Yane_Mado_Button_MouseDown(button);
    });
    connect(this, &Main_Form::workAreaPressed, this, [this](Qt::MouseButton button, QPointF twips) {
        context_.forms().popUpForm().Sagyou_Eria_MouseDown(button, twips);
    });
}

Main_Form::~Main_Form() = default;

void Main_Form::Zokusei_Set(int n) {
    context_.forms().popUpForm().Zokusei_Set(n);
}

void Main_Form::Kabe_Sakujyo() {
    deletions_->Kabe_Sakujyo();
}

void Main_Form::Mado_Sakujyo() {
    deletions_->Mado_Sakujyo();
}

void Main_Form::Yane_Sakujyo() {
    deletions_->Yane_Sakujyo();
}

void Main_Form::Yuka_Sakujyo() {
    deletions_->Yuka_Sakujyo();
}

void Main_Form::Yanemado_Sakujyo() {
    deletions_->Yanemado_Sakujyo();
}

void Main_Form::Yane_Sakujyo_Kettei() {
    deletions_->Yane_Sakujyo_Kettei();
}

QSize Main_Form::sizeHint() const {
    return QSize(ToPixels(plan::kInitialInnerWidth), ToPixels(plan::kInitialInnerHeight));
}

model::RoomModel& Main_Form::room() {
    return context_.room();
}

void Main_Form::Form_Load() {
    room().ResetForNewRoom();
    Sagyou_Eria_Tyousei();
    if (QMdiSubWindow* sub = subWindow()) {
        // Restoring a minimised window may leave its size as it was; it is
        // a resize all the same, and the plan missed every re-layout.
        connect(sub, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates before, Qt::WindowStates now) {
                    if ((before & Qt::WindowMinimized) && !(now & Qt::WindowMinimized)) {
                        Form_Resize();
                    }
                });
    }
    context_.forms().LoadResultWindows();
    room().Hozon_Flag = false;
    // The keyboard starts on the work area, not on a wall: Tab leads on to
    // the plan's elements.
    sagyouEria_->setFocus();
}

QMdiSubWindow* Main_Form::subWindow() const {
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

bool Main_Form::IsMinimizedWindow() const {
    const QMdiSubWindow* sub = subWindow();
    return sub != nullptr && sub->isMinimized();
}

plan::PlanMetrics Main_Form::Metrics() const {
    // The work area has no border: its inner and outer sizes are the same.
    plan::PlanMetrics m;
    m.width = static_cast<float>(ToTwips(sagyouEria_->width()));
    m.height = static_cast<float>(ToTwips(sagyouEria_->height()));
    m.innerWidth = m.width;
    m.innerHeight = m.height;
    m.statusHeight = plan::kStatusHeight;
    return m;
}

QString Main_Form::Houi_Caption(int h) const {
    if (h < 0 || h >= mainHouiCombo_->count()) {
        return QString();
    }
    return mainHouiCombo_->itemText(h);
}

QString Main_Form::KabeButtonTag(int i) const {
    return Kabe_Button(i)->property(kTagProperty).toString();
}

void Main_Form::Sagyou_Eria_Tyousei() {
    sagyouEria_->resize(width(),
                        ToPixels(plan::WorkAreaHeight(static_cast<float>(ToTwips(height())))));
}

void Main_Form::LayOutStatusBar() {
    const int h = ToPixels(plan::kStatusHeight);
    statusBar_->setGeometry(0, height() - h, width(), h);
    // A window narrower than the legend shows the entries that fit whole,
    // rather than all of them squeezed into icons with cut texts.
    int used = 0;
    for (int panel = 1; panel <= static_cast<int>(std::size(kLegend)); ++panel) {
        auto* box =
            statusBar_->findChild<QWidget*>(QStringLiteral("StatusBar1_Panel%1").arg(panel));
        used += box->sizeHint().width() + kLegendGap;
        box->setVisible(used <= width());
    }
}

void Main_Form::Kabe_Seisaku() {
    model::RoomModel& r = room();
    const plan::PlanMetrics metrics = Metrics();

    if (!IsMinimizedWindow()) {
        for (int i = 0; i < 4; ++i) {
            Kabe_Button(i)->hide();
            Kabe_Button(i)->setProperty(kTagProperty, QString());
            Mado_Button(i)->hide();
        }
        yaneMadoButton_->hide();
        jyoukuuShape_->hide();
        int slot = 0;
        for (const auto& wall : r.Kabe) {
            if (slot >= 4) {
                break;
            }
            const plan::WallLayout layout =
                plan::LayoutWall(*wall, plan::Mado_Kazu_Goukei(r, slot), metrics);
            QPushButton* button = Kabe_Button(slot);
            button->setGeometry(ToPixelRect(layout.wall));
            button->setProperty(
                kTagProperty, layout.horizontal ? QStringLiteral("Yoko") : QStringLiteral("Tate"));
            SetText(button, Houi_Caption(wall->Houi));
            SetColour(button, plan::Zokusei_Iro(wall->Zokusei));
            button->show();
            if (layout.window) {
                QPushButton* windows = Mado_Button(slot);
                windows->setGeometry(ToPixelRect(*layout.window));
                SetText(windows, QString::number(layout.windowCount));
                SetColour(windows, plan::Mado_Iro(r.Mado.Item(slot + 1)->Braindo));
                windows->show();
            }
            ++slot;
        }
    }

    // From here on the steps also run while the window is minimised.
    Kabe_ToolTip();
    Mado_ToolTip();

    MDIForm1& frame = context_.forms().mdiForm();
    if (r.Kabe.Count() == 4) {
        const plan::OverheadView view = plan::Jyoukuu_Hyouji(r, metrics);
        overhead_ = view;
        jyoukuuYokoFlag_ = view.wide;
        jyoukuuShape_->setGeometry(ToPixelRect(view.box));
        jyoukuuShape_->SetPattern(view.pattern);
        jyoukuuShape_->show();

        frame.SetEnabled(FrameItem::Mnu_Kabe, false);
        frame.SetEnabled(FrameItem::Toolbar1_Button5, false);
        if (!r.Yane.empty()) {
            if (!r.Yane_Mado.empty()) {
                Yane_Mado_Hyouji(view);
            }
        } else {
            frame.SetEnabled(FrameItem::Mnu_Yane, true);
        }
        if (r.Yuka.empty()) {
            frame.SetEnabled(FrameItem::Mnu_Yuka, true);
        }
        sagyouEria_->SetArrow(plan::Houi_Yajirusi(r, view, metrics));
    } else {
        jyoukuuShape_->hide();
        overhead_.reset();
        frame.SetEnabled(FrameItem::Mnu_Kabe, true);
        frame.SetEnabled(FrameItem::Mnu_Yane, false);
        frame.SetEnabled(FrameItem::Mnu_Yuka, false);
        frame.SetEnabled(FrameItem::Toolbar1_Button5, true);
        sagyouEria_->SetArrow(std::nullopt);
    }

    context_.forms().PlanRebuilt();
}

void Main_Form::Yane_Mado_Hyouji(const plan::OverheadView& view) {
    const model::Mado_Data& skylight = *room().Yane_Mado.Item(1);
    yaneMadoButton_->setGeometry(ToPixelRect(plan::Yane_Mado_Box(view)));
    SetToolTip(yaneMadoButton_, QString::fromStdString(plan::MadoToolTipText(skylight)));
    SetText(yaneMadoButton_, QString::number(skylight.WindowCount()));
    SetColour(yaneMadoButton_, plan::Mado_Iro(skylight.Braindo));
    yaneMadoButton_->raise();
    yaneMadoButton_->show();
}

void Main_Form::Kabe_ToolTip() {
    int p = 0;
    for (const auto& wall : room().Kabe) {
        if (p >= 4) {
            break;
        }
        SetToolTip(Kabe_Button(p), QString::fromStdString(plan::KabeToolTipText(*wall)));
        ++p;
    }
}

void Main_Form::Mado_ToolTip() {
    int p = 0;
    for (const auto& windows : room().Mado) {
        if (p >= 4) {
            break;
        }
        SetToolTip(Mado_Button(p), QString::fromStdString(plan::MadoToolTipText(*windows)));
        ++p;
    }
}

void Main_Form::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Main_Form::Form_Resize() {
    LayOutStatusBar();
    if (inResize_ || IsMinimizedWindow()) {
        return;
    }
    inResize_ = true;
    if (QMdiSubWindow* sub = subWindow()) {
        const plan::Size inner{static_cast<float>(ToTwips(width())),
                               static_cast<float>(ToTwips(height()))};
        const plan::Size outer{static_cast<float>(ToTwips(sub->width())),
                               static_cast<float>(ToTwips(sub->height()))};
        if (const std::optional<plan::Size> limited = plan::ResizeLimit(inner, outer)) {
            sub->resize(ToPixels(limited->width), ToPixels(limited->height));
        }
    }
    inResize_ = false;
    Sagyou_Eria_Tyousei();
    if ((Metrics().height - plan::kStatusHeight) * 0.6f - plan::kWallThickness > 0) {
        Kabe_Seisaku();
    }
}

bool Main_Form::eventFilter(QObject* watched, QEvent* event) {
    if (IsMenuKey(event)) {
        if (auto* element = qobject_cast<QWidget*>(watched); element && element != sagyouEria_) {
            ContextMenuFromKeyboard(element);
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int i = 0; i < 4; ++i) {
            if (watched == Kabe_Button(i)) {
                emit kabeButtonPressed(i, mouse->button());
                return true;
            }
            if (watched == Mado_Button(i)) {
                emit madoButtonPressed(i, mouse->button());
                return true;
            }
        }
        if (watched == yaneMadoButton_) {
            emit yaneMadoButtonPressed(mouse->button());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Main_Form::ContextMenuFromKeyboard(QWidget* element) {
    // The menu opens below the element's top left corner, not at the mouse
    // pointer, and by the same path as a right click on it.
    PopUp_Form& popUp = context_.forms().popUpForm();
    popUp.SetMenuAnchor(element->mapToGlobal(QPoint(0, std::min(element->height(), 24))));
    QPointer<QWidget> focused(element);
    if (element == jyoukuuShape_) {
        if (overhead_) {
            const plan::Box& view = overhead_->box;
            emit workAreaPressed(Qt::RightButton,
                                 QPointF(view.left + view.width / 2, view.top + view.height / 2));
        }
    } else if (element == yaneMadoButton_) {
        emit yaneMadoButtonPressed(Qt::RightButton);
    } else {
        for (int i = 0; i < 4; ++i) {
            if (element == Kabe_Button(i)) {
                emit kabeButtonPressed(i, Qt::RightButton);
            } else if (element == Mado_Button(i)) {
                emit madoButtonPressed(i, Qt::RightButton);
            }
        }
    }
    popUp.SetMenuAnchor(std::nullopt);
    // A right click leaves the focus on the work area; from the keyboard
    // it stays where it was, unless the command took the element away.
    if (focused && focused->isVisible()) {
        focused->setFocus(Qt::OtherFocusReason);
    }
}

bool Main_Form::QueryUnload() {
    model::RoomModel& r = room();
    if (r.Kabe.empty() || !r.Hozon_Flag) {
        return true;
    }
    const PromptAnswer answer =
        context_.prompts().Message(QStringLiteral("保存しますか？"), KakuninTitle(),
                                   PromptIcon::Warning, PromptButtons::YesNoCancel);
    switch (answer) {
        case PromptAnswer::Yes: {
            // A save that was cancelled or failed keeps the room open, so
            // that nothing is lost, unless the session is ending.
            const bool saved = context_.forms().mdiForm().commands().project().Save_Us();
            return saved || !mayRefuseClose_;
        }
        case PromptAnswer::No:
            return true;
        default:
            return !mayRefuseClose_;
    }
}

bool Main_Form::CloseWindow(bool mayRefuse) {
    mayRefuseClose_ = mayRefuse;
    QPointer<Main_Form> self(this);
    const bool closed = subWindow() != nullptr ? subWindow()->close() : close();
    if (self) {
        mayRefuseClose_ = true;
    }
    return closed;
}

void Main_Form::closeEvent(QCloseEvent* event) {
    if (!QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

void Main_Form::Form_Unload() {
    FormRegistry& forms = context_.forms();
    forms.CloseResultWindows();
    context_.settings().WriteKihon(room().Basyo, room().Situon);
    forms.UnloadRoomDialogs();
    forms.Forget(FormId::Main_Form);
    ReleaseRoom();
    forms.mdiForm().EnterNoRoomState();
}

void Main_Form::ReleaseRoom() {
    model::RoomModel& r = room();
    r.Kabe.Clear();
    r.Mado.Clear();
    r.Yane.Clear();
    r.Yuka.Clear();
    r.Yane_Mado.Clear();
}

}  // namespace karumoa::gui
