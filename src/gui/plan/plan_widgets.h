#pragma once

// The drawn parts of the plan window: the work area with its north arrow,
// the overhead-view rectangle and the legend icons of the status bar.

#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <optional>

#include "plan/plan_layout.h"

namespace karumoa::gui::plan {

// Sagyou_Eria: the container of the plan's controls; draws the north
// arrow, in twips of its own coordinates, in its foreground colour.
class WorkArea : public QWidget {
    Q_OBJECT
public:
    explicit WorkArea(QWidget* parent = nullptr);

    // Clears the drawing, then draws `arrow` (nullopt: clear only).
    void SetArrow(std::optional<NorthArrow> arrow);
    const std::optional<NorthArrow>& Arrow() const { return arrow_; }

signals:
    // Any mouse button pressed on the work area itself, at `twips`.
    void mousePressed(Qt::MouseButton button, QPointF twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::optional<NorthArrow> arrow_;
};

// Jyoukuu_Shape: a rectangle outline filled by one of the pattern codes.
// Mouse clicks go through it to the work area; it takes the keyboard focus
// (Tab), so that its menu can be opened from the keyboard, and then shows
// a focus frame.
class OverheadShape : public QWidget {
    Q_OBJECT
public:
    explicit OverheadShape(QWidget* parent = nullptr);

    void SetPattern(int pattern);
    int Pattern() const { return pattern_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int pattern_ = kFillNone;
};

// A plan button: painted flat in exactly its palette's button colour (the
// colours stand for attributes and blinds and must match the legend, which
// a style's shading would lighten), with a border and, while it has the
// keyboard focus, a dotted focus frame. Its caption runs top to bottom
// when the button is taller than wide and the caption does not fit across
// (the side walls), so that two-character orientation names fit in a
// wall's thickness.
class PlanButton : public QPushButton {
    Q_OBJECT
public:
    explicit PlanButton(QWidget* parent = nullptr) : QPushButton(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The legend icons of the status bar: grey, green, pink (magenta dithered
// with white), yellow squares, then squares with horizontal lines,
// vertical lines and a grid.
QPixmap LegendIcon(int panel);

}  // namespace karumoa::gui::plan
