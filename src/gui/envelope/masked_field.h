#pragma once

// The masked numeric fields of the dialogs ("###", "######" with the prompt
// character "_"): what number a field shows, and how the dialogs write a
// number into one.

#include <QString>

class QLineEdit;

namespace karumoa::gui {

// The numeric value of a masked field: the leading number of the digits it
// shows, prompt characters ignored; an empty field is 0. Digits of other
// scripts that the mask lets through (full-width "１２３") count as the
// digits they stand for; nothing else of the text is changed.
double FieldValue(const QLineEdit* field);

// The digit text the dialogs write into a masked field of `width`
// positions: the whole number right-aligned, the free positions on the left
// showing "_" ("__6000"); 0 leaves every position free.
QString PaddedDigits(double value, int width);

// Writes `value` right-aligned into `field` (see PaddedDigits); the width
// is the field's mask length.
void SetFieldDigits(QLineEdit* field, double value);

// Empties `field` (every position shows the prompt character), ready for
// typing from its first position.
void ClearField(QLineEdit* field);

}  // namespace karumoa::gui
