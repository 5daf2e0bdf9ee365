#pragma once

// An up-down spinner: two arrows that step a whole number within its
// limits, without a text of its own (its dialog shows the value beside it,
// in the dialog's own form). The arrow keys, Page Up and Page Down and the
// mouse wheel step it as the arrows do; typing does nothing.

#include <QAbstractSpinBox>

namespace karumoa::gui {

class UpDown : public QAbstractSpinBox {
    Q_OBJECT
public:
    UpDown(const char* objectName, int minimum, int maximum, int increment, QWidget* parent);

    int value() const { return value_; }
    // Clamped to the limits; valueChanged when it changes.
    void setValue(int value);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int increment() const { return increment_; }

    // `steps` increments up (negative: down), stopping at the limits.
    void stepBy(int steps) override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void valueChanged(int value);

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    int minimum_;
    int maximum_;
    int increment_;
    int value_;
};

}  // namespace karumoa::gui
