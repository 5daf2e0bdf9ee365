#include "app/numeric_field.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QValidator>

#include "text/number_text.h"

namespace karumoa::gui {
namespace {

constexpr QChar kFill = u'_';
// The full-width point an input method commits in full-width mode.
constexpr QChar kWidePoint = QChar(0xFF0E);

}  // namespace

// Every edit of the field passes through here before it is shown. A
// refused edit (Invalid) is undone by the line edit as a whole; an
// accepted one comes back in the field's text form, with the caret
// behind the same digits it was behind.
class NumericValidator : public QValidator {
public:
    explicit NumericValidator(QObject* parent) : QValidator(parent) {}

    void setFormat(NumericFormat format) { format_ = format; }

    State validate(QString& input, int& pos) const override {
        return format_.decimals == 0 ? ValidateWhole(input, pos) : ValidateDecimal(input);
    }

private:
    // Digits of any script (full-width ones from an input method) count
    // as the digits they stand for. Only digits are mapped: a general
    // compatibility mapping would also change what is refused.
    static QChar AsciiDigit(QChar c) { return QChar(u'0' + c.digitValue()); }

    QString Padded(const QString& digits, text::Align align) const {
        return QString::fromStdString(text::PadField(
            digits.toStdString(), static_cast<std::size_t>(format_.digits), align, '_'));
    }

    State ValidateWhole(QString& input, int& pos) const {
        QString digits;
        int beforeCaret = 0;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar c = input[i];
            if (c == kFill) {
                continue;
            }
            if (!c.isDigit()) {
                return Invalid;
            }
            digits += AsciiDigit(c);
            if (i < pos) {
                ++beforeCaret;
            }
        }
        if (digits.size() > format_.digits) {
            return Invalid;
        }
        const int free = static_cast<int>(format_.digits - digits.size());
        switch (format_.fill) {
            case NumericFill::None:
                input = digits;
                pos = beforeCaret;
                break;
            case NumericFill::Leading:
                input = Padded(digits, text::Align::Right);
                pos = free + beforeCaret;
                break;
            case NumericFill::Trailing:
                input = Padded(digits, text::Align::Left);
                pos = beforeCaret;
                break;
        }
        return Acceptable;
    }

    State ValidateDecimal(QString& input) const {
        int points = 0;
        int whole = 0;
        int places = 0;
        for (QChar& c : input) {
            if (c.isDigit()) {
                c = AsciiDigit(c);
                ++(points == 0 ? whole : places);
            } else if (c == u'.' || c == kWidePoint) {
                c = u'.';
                ++points;
            } else {
                return Invalid;
            }
        }
        if (points > 1 || whole > format_.digits || places > format_.decimals) {
            return Invalid;
        }
        return Acceptable;
    }

    NumericFormat format_;
};

NumericField::NumericField(const char* objectName, NumericFormat format, QWidget* parent)
    : QLineEdit(parent) {
    setObjectName(QString::fromLatin1(objectName));
    rule_ = new NumericValidator(this);
    setValidator(rule_);
    setFormat(format);
}

void NumericField::setFormat(NumericFormat format) {
    format_ = format;
    rule_->setFormat(format);
    setInputMethodHints(format.decimals == 0 ? Qt::ImhDigitsOnly : Qt::ImhFormattedNumbersOnly);
    // Room for the longest text and a little more, as the boxes have.
    const int chars = format.digits + (format.decimals > 0 ? format.decimals + 1 : 0);
    setFixedWidth(fontMetrics().horizontalAdvance(QString(chars + 2, u'0')) + 12);
    // The empty form of the new shape. The line edit checks only a text
    // that changes, so an empty text would stay without its fill.
    QString empty;
    int caret = 0;
    rule_->validate(empty, caret);
    setText(empty);
}

double NumericField::value() const {
    QString digits = text();
    digits.remove(kFill);
    return text::LeadingNumber(digits.toStdString());
}

void NumericField::setValue(double value) {
    setText(QString::fromStdString(format_.decimals == 0
                                       ? text::FormatDigits(value)
                                       : text::FormatFixed(value, format_.decimals)));
    if (hasFocus()) {
        selectAll();
    }
}

void NumericField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Back from a menu (this field's own, with Paste) the selection the
    // user made stays.
    if (event->reason() == Qt::PopupFocusReason) {
        return;
    }
    selectAll();
    focusedByClick_ = event->reason() == Qt::MouseFocusReason;
}

void NumericField::mousePressEvent(QMouseEvent* event) {
    keepSelection_ = focusedByClick_ && event->button() == Qt::LeftButton;
    focusedByClick_ = false;
    if (keepSelection_) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void NumericField::mouseMoveEvent(QMouseEvent* event) {
    if (keepSelection_) {
        event->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(event);
}

void NumericField::mouseReleaseEvent(QMouseEvent* event) {
    if (keepSelection_) {
        keepSelection_ = false;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

}  // namespace karumoa::gui
