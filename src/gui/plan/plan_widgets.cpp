#include "plan/plan_widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "app/twips.h"

namespace karumoa::gui::plan {
namespace {

Qt::BrushStyle BrushFor(int pattern) {
    switch (pattern) {
        case kFillHorizontal:
            return Qt::HorPattern;
        case kFillVertical:
            return Qt::VerPattern;
        case kFillCross:
            return Qt::CrossPattern;
        default:
            return Qt::NoBrush;
    }
}

// A dotted frame just inside the border of a control with the keyboard focus.
void DrawFocusFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.drawRect(rect.adjusted(2, 2, -3, -3));
    painter.restore();
}

}  // namespace

WorkArea::WorkArea(QWidget* parent) : QWidget(parent) {
    setObjectName("Sagyou_Eria");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setFocusPolicy(Qt::ClickFocus);
}

void WorkArea::SetArrow(std::optional<NorthArrow> arrow) {
    if (arrow_.has_value() == arrow.has_value() &&
        (!arrow_ || (arrow_->cardinal == arrow->cardinal && arrow_->points == arrow->points))) {
        return;
    }
    arrow_ = arrow;
    update();
}

void WorkArea::paintEvent(QPaintEvent*) {
    if (!arrow_) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    QPainterPath path;
    const auto& pts = arrow_->points;
    auto px = [](const Point& p) { return QPointF(ToPixels(p.x), ToPixels(p.y)); };
    path.moveTo(px(pts[0]));
    for (std::size_t i = 1; i < pts.size(); ++i) {
        path.lineTo(px(pts[i]));
    }
    painter.drawPath(path);
}

void WorkArea::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), QPointF(ToTwips(static_cast<int>(event->position().x())),
                                               ToTwips(static_cast<int>(event->position().y()))));
    QWidget::mousePressEvent(event);
}

OverheadShape::OverheadShape(QWidget* parent) : QWidget(parent) {
    setObjectName("Jyoukuu_Shape");
    // The shape is a drawing, not a control: clicks reach the work area.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

void OverheadShape::SetPattern(int pattern) {
    if (pattern != pattern_) {
        pattern_ = pattern;
        update();
    }
}

void OverheadShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QBrush(Qt::black, BrushFor(pattern_)));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (hasFocus()) {
        DrawFocusFrame(painter, rect(), Qt::black);
    }
}

void PlanButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    const QColor text = palette().color(QPalette::ButtonText);
    if (hasFocus()) {
        DrawFocusFrame(painter, r, text);
    }
    painter.setPen(text);
    const QString caption = this->text();
    const QFontMetrics metrics(font());
    if (height() <= width() || caption.size() < 2 ||
        metrics.horizontalAdvance(caption) + 4 <= width()) {
        painter.drawText(r, Qt::AlignCenter, caption);
        return;
    }
    const int lineHeight = metrics.height();
    int y = (height() - lineHeight * static_cast<int>(caption.size())) / 2;
    for (const QChar c : caption) {
        painter.drawText(QRect(0, y, width(), lineHeight), Qt::AlignCenter, QString(c));
        y += lineHeight;
    }
}

QPixmap LegendIcon(int panel) {
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    const QRect square(0, 0, 13, 13);
    painter.setPen(Qt::black);
    switch (panel) {
        case 1:
            painter.setBrush(QColor(192, 192, 192));
            break;
        case 2:
            painter.setBrush(QColor(0, 255, 0));
            break;
        case 3:
            painter.fillRect(square, Qt::white);
            painter.setBrush(QBrush(QColor(255, 0, 255), Qt::Dense4Pattern));
            break;
        case 4:
            painter.setBrush(QColor(255, 255, 0));
            break;
        case 5:
            painter.setBrush(QBrush(Qt::black, Qt::HorPattern));
            break;
        case 6:
            painter.setBrush(QBrush(Qt::black, Qt::VerPattern));
            break;
        default:
            painter.setBrush(QBrush(Qt::black, Qt::CrossPattern));
            break;
    }
    painter.drawRect(square);
    return pixmap;
}

}  // namespace karumoa::gui::plan
