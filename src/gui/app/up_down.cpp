#include "app/up_down.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>

namespace karumoa::gui {

UpDown::UpDown(const char* objectName, int minimum, int maximum, int increment, QWidget* parent)
    : QAbstractSpinBox(parent),
      minimum_(minimum),
      maximum_(maximum),
      increment_(increment),
      value_(minimum) {
    setObjectName(QString::fromLatin1(objectName));
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(false);
    // The text field stays empty and out of sight; the arrows are the
    // whole control.
    lineEdit()->setVisible(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void UpDown::setValue(int value) {
    const int clamped = std::clamp(value, minimum_, maximum_);
    if (clamped == value_) {
        return;
    }
    value_ = clamped;
    update();
    Q_EMIT valueChanged(value_);
}

void UpDown::stepBy(int steps) {
    setValue(value_ + steps * increment_);
}

QAbstractSpinBox::StepEnabled UpDown::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (value_ < maximum_) {
        enabled |= StepUpEnabled;
    }
    if (value_ > minimum_) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

QValidator::State UpDown::validate(QString& input, int& /*pos*/) const {
    return input.isEmpty() ? QValidator::Acceptable : QValidator::Invalid;
}

QSize UpDown::sizeHint() const {
    // As tall as a spin box with text, as wide as its arrows and frame.
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const int height = QAbstractSpinBox::sizeHint().height();
    option.rect = QRect(0, 0, 200, height);
    const QRect arrows =
        style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this);
    const int frame = style()->pixelMetric(QStyle::PM_SpinBoxFrameWidth, &option, this);
    return QSize(arrows.width() + 2 * frame + 2, height);
}

}  // namespace karumoa::gui
