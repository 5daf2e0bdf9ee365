#include "report/report_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/app_context.h"
#include "app/mdi_form1.h"
#include "app/twips.h"
#include "plan/main_form.h"
#include "report/sheet_surface.h"
#include "sheet/report_sheets.h"

namespace karumoa::gui {
namespace {

// The window's height as loaded; its width shows the ruled tables whole.
constexpr double kInitialHeight = 6000;
// Below the frame's top edge, in twips.
constexpr double kTopOffset = 50;
// One notch of a mouse wheel.
constexpr int kWheelNotch = 120;

int Twips(int pixels) {
    return static_cast<int>(std::lround(ToTwips(pixels)));
}

QRect Pixels(const report::BarRect& r) {
    const int left = ToPixels(r.left);
    const int top = ToPixels(r.top);
    return QRect(left, top, ToPixels(r.left + r.width) - left, ToPixels(r.top + r.height) - top);
}

void SetRange(QScrollBar* bar, const report::BarRange& range, int value) {
    const QSignalBlocker blocker(bar);
    bar->setRange(range.minimum, range.maximum);
    bar->setPageStep(range.largeChange);
    bar->setSingleStep(range.smallChange);
    bar->setValue(value);
    bar->setEnabled(range.enabled);
}

QScrollBar* MakeBar(Qt::Orientation orientation, const char* name, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    // The keys scroll the window by lines and pages, not by the bar's steps.
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setEnabled(false);
    return bar;
}

}  // namespace

ReportWindow::ReportWindow(AppContext& context, FrameItem menuItem, const QString& objectName,
                           const QString& caption)
    : context_(context), menuItem_(menuItem), metrics_(report::ReportFont(), this) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setFocusPolicy(Qt::StrongFocus);
    setFont(report::ReportFont());

    surface_ = new report::SheetSurface(this);
    surface_->SetSheet(&sheet_);
    // The bars stand over the surface.
    hScroll_ = MakeBar(Qt::Horizontal, "HScroll1", this);
    vScroll_ = MakeBar(Qt::Vertical, "VScroll1", this);
    for (QScrollBar* bar : {hScroll_, vScroll_}) {
        connect(bar, &QScrollBar::valueChanged, this, &ReportWindow::MoveSurface);
    }
    for (QWidget* child : std::initializer_list<QWidget*>{surface_, hScroll_, vScroll_}) {
        child->installEventFilter(this);
    }
    resize(sizeHint());
}

ReportWindow::~ReportWindow() = default;

QSize ReportWindow::sizeHint() const {
    const int unit = metrics_.TextWidth("あ");
    const int tableRight = sheet::kLeftMargin + (sheet::kTableRight + 1) * unit;
    return QSize(ToPixels(tableRight) + vScroll_->sizeHint().width(), ToPixels(kInitialHeight));
}

QMdiSubWindow* ReportWindow::subWindow() const {
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void ReportWindow::Form_Load() {
    if (QMdiSubWindow* sub = subWindow()) {
        const QWidget& frame = context_.forms().mdiForm();
        sub->move(0, ToPixels(ToTwips(frame.y()) + kTopOffset));
        connect(sub, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates before, Qt::WindowStates now) {
                    // Activation draws the sheet anew.
                    if (now.testFlag(Qt::WindowActive) && !before.testFlag(Qt::WindowActive)) {
                        Redraw();
                    }
                });
    }
    loaded_ = true;
    Redraw();
}

void ReportWindow::Form_Unload() {
    CommandOn();
}

void ReportWindow::CommandOn() {
    if (auto* frame = context_.forms().GetIfLoaded<MDIForm1>(FormId::MDIForm1)) {
        frame->SetEnabled(menuItem_, true);
    }
}

void ReportWindow::closeEvent(QCloseEvent* event) {
    // Hidden, not closed: the window keeps its place and is drawn on.
    event->ignore();
    if (QMdiSubWindow* sub = subWindow()) {
        sub->hide();
    } else {
        hide();
    }
    CommandOn();
    if (Main_Form* plan = context_.forms().mainFormIfLoaded()) {
        QMdiSubWindow* planWindow = plan->subWindow();
        if (planWindow != nullptr && (planWindow->isMinimized() || planWindow->isMaximized())) {
            planWindow->showNormal();
        }
    }
}

void ReportWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!loaded_) {
        return;
    }
    Eria_Tyousei();
    Redraw();
}

sheet::Sheet ReportWindow::TakeSheet() {
    sheet::Sheet memory = std::move(sheet_);
    sheet_ = sheet::Sheet{};
    return memory;
}

void ReportWindow::ShowSheet(sheet::Sheet&& sheet) {
    sheet_ = std::move(sheet);
    Fit(false);
    surface_->update();
}

void ReportWindow::Eria_Tyousei() {
    Fit(true);
}

void ReportWindow::Fit(bool toOrigin) {
    const int hOffset = hScroll_->value() - layout_.horizontal.minimum;
    const int vOffset = vScroll_->value() - layout_.vertical.minimum;
    report::ScrollInput in;
    in.innerWidth = Twips(width());
    in.innerHeight = Twips(height());
    in.vBarWidth = Twips(vScroll_->sizeHint().width());
    in.hBarHeight = Twips(hScroll_->sizeHint().height());
    in.minimized = subWindow() != nullptr && subWindow()->isMinimized();
    in.widestX = sheet_.widestX;
    in.sheetBottom = sheet_.lineHeight * (sheet_.lastRow + 1);
    layout_ = report::FitScroll(in);

    hScroll_->setGeometry(Pixels(layout_.hBar));
    vScroll_->setVisible(layout_.vBarPlaced);
    if (layout_.vBarPlaced) {
        vScroll_->setGeometry(Pixels(layout_.vBar));
    }
    SetRange(hScroll_, layout_.horizontal,
             toOrigin ? layout_.horizontal.minimum
                      : report::ValueForOffset(hOffset, layout_.horizontal));
    SetRange(
        vScroll_, layout_.vertical,
        toOrigin ? layout_.vertical.minimum : report::ValueForOffset(vOffset, layout_.vertical));
    surface_->resize(ToPixels(layout_.surfaceWidth), ToPixels(layout_.surfaceHeight));
    MoveSurface();
}

void ReportWindow::MoveSurface() {
    surface_->move(ToPixels(report::SurfaceOffset(hScroll_->value(), layout_.horizontal)),
                   ToPixels(report::SurfaceOffset(vScroll_->value(), layout_.vertical)));
}

void ReportWindow::ScrollBy(QScrollBar* bar, int twips) {
    if (bar->isEnabled() && twips != 0) {
        bar->setValue(bar->value() + twips);
    }
}

int ReportWindow::VisibleHeight() const {
    return layout_.hBar.top;
}

void ReportWindow::wheelEvent(QWheelEvent* event) {
    // A notch scrolls the lines the desktop asks for; with Shift, or a
    // sideways wheel, the columns.
    QPoint delta = event->angleDelta();
    if (event->modifiers().testFlag(Qt::ShiftModifier) && delta.x() == 0) {
        delta = QPoint(delta.y(), 0);
    }
    const int lines = QApplication::wheelScrollLines();
    ScrollBy(vScroll_, -delta.y() * lines * sheet_.lineHeight / kWheelNotch);
    ScrollBy(hScroll_, -delta.x() * lines * sheet_.columnUnit / kWheelNotch);
    event->accept();
}

void ReportWindow::keyPressEvent(QKeyEvent* event) {
    const int line = sheet_.lineHeight;
    const int page = std::max(line, VisibleHeight() - line);
    switch (event->key()) {
        case Qt::Key_Up:
            ScrollBy(vScroll_, -line);
            break;
        case Qt::Key_Down:
            ScrollBy(vScroll_, line);
            break;
        case Qt::Key_PageUp:
            ScrollBy(vScroll_, -page);
            break;
        case Qt::Key_PageDown:
            ScrollBy(vScroll_, page);
            break;
        case Qt::Key_Left:
            ScrollBy(hScroll_, -sheet_.columnUnit);
            break;
        case Qt::Key_Right:
            ScrollBy(hScroll_, sheet_.columnUnit);
            break;
        case Qt::Key_Home:
            vScroll_->setValue(vScroll_->minimum());
            hScroll_->setValue(hScroll_->minimum());
            break;
        case Qt::Key_End:
            vScroll_->setValue(vScroll_->maximum());
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

bool ReportWindow::eventFilter(QObject* watched, QEvent* event) {
    // The wheel scrolls by lines over the sheet and over the bars (not by
    // a bar's small change, a tenth of the sheet).
    if (event->type() == QEvent::Wheel &&
        (watched == surface_ || watched == hScroll_ || watched == vScroll_)) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (watched == hScroll_ && wheel->angleDelta().x() == 0) {
            // The wheel turned over the horizontal bar moves the sheet sideways.
            QWheelEvent sideways(wheel->position(), wheel->globalPosition(), wheel->pixelDelta(),
                                 QPoint(wheel->angleDelta().y(), 0), wheel->buttons(),
                                 wheel->modifiers(), wheel->phase(), wheel->inverted());
            wheelEvent(&sideways);
        } else {
            wheelEvent(wheel);
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace karumoa::gui
