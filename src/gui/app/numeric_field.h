#pragma once

// The numeric entry field of every dialog: a whole number of a few digits
// ("###", "######") or a decimal of a fixed shape ("#.##").
//
// What the user types is what the field holds: a digit goes in wherever
// the caret stands, a sign, a letter, a blank or a second point is
// refused, and digits typed through an input method in full width
// ("１２") are taken as the digits they are. The field selects its whole
// text whenever it receives the focus, by a click as by the keyboard or
// when its dialog opens, so typing always replaces the value shown.
//
// A whole-number field keeps its free positions filled with "_" on the
// side its dialog shows them ("1__", "__6000"); the fill is part of the
// text and is rebuilt after every edit, so it never decides where a digit
// may go. A decimal field has no fill.

#include <QLineEdit>

namespace karumoa::gui {

class NumericValidator;

// Where a whole-number field shows its free positions.
enum class NumericFill {
    None,      // no fill: "12"
    Leading,   // right-aligned digits: "__6000"
    Trailing,  // left-aligned digits: "1__"
};

// The shape of the numbers a field takes: up to `digits` digits before
// the point and exactly `decimals` places after it when written by the
// program (0 for a whole number, which takes no point at all).
struct NumericFormat {
    int digits = 3;
    int decimals = 0;
    NumericFill fill = NumericFill::Trailing;

    static NumericFormat Whole(int digits, NumericFill fill) { return {digits, 0, fill}; }
    static NumericFormat Decimal(int digits, int decimals) {
        return {digits, decimals, NumericFill::None};
    }
    bool operator==(const NumericFormat&) const = default;
};

class NumericField : public QLineEdit {
    Q_OBJECT
public:
    NumericField(const char* objectName, NumericFormat format, QWidget* parent);

    NumericFormat format() const { return format_; }
    // Switches the shape at run time (a dialog whose field takes a head
    // count or persons per m²). The field is emptied: the dialog writes the
    // value of the new shape next.
    void setFormat(NumericFormat format);

    // The number the field shows: the leading number of its text, the fill
    // ignored; an empty field is 0.
    double value() const;
    // Writes `value` in the field's text form: a whole number rounded, its
    // free positions filled ("1__"; 0 leaves every position free), a
    // decimal with its fixed places ("0.20"). A field that has the focus
    // has the new text selected, so typing replaces it as well.
    void setValue(double value);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    NumericFormat format_;
    NumericValidator* rule_ = nullptr;
    // A left click that brought the focus selects the whole text and is
    // not passed on, nor the drag and release that follow it: they would
    // put the caret where the click landed.
    bool focusedByClick_ = false;
    bool keepSelection_ = false;
};

}  // namespace karumoa::gui
