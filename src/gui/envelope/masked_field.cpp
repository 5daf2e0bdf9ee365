#include "envelope/masked_field.h"

#include <QLineEdit>

#include "text/number_text.h"

namespace karumoa::gui {

double FieldValue(const QLineEdit* field) {
    // text() already drops the prompt characters, wherever they stand.
    QString digits = field->text();
    for (QChar& c : digits) {
        // Only digits are normalised: a full compatibility mapping would
        // also change the other characters of the text.
        if (c.isDigit() && (c < u'0' || c > u'9')) {
            c = QChar(u'0' + c.digitValue());
        }
    }
    return text::LeadingNumber(digits.toStdString());
}

QString PaddedDigits(double value, int width) {
    const std::string digits = text::FormatDigits(value);
    return QString::fromStdString(
        text::PadField(digits, static_cast<std::size_t>(width), text::Align::Right, '_'));
}

void SetFieldDigits(QLineEdit* field, double value) {
    // The mask's length without its ";_" suffix is the number of positions.
    const QString mask = field->inputMask();
    const qsizetype semicolon = mask.indexOf(u';');
    const int width = static_cast<int>(semicolon < 0 ? mask.size() : semicolon);
    field->setText(PaddedDigits(value, width));
}

void ClearField(QLineEdit* field) {
    field->setText(QString());
    // Writing a masked field leaves the cursor behind its last position,
    // where nothing more can be typed: the next number starts at the left.
    field->setCursorPosition(0);
}

}  // namespace karumoa::gui
