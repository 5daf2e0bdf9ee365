#pragma once

// Small factories for the controls of the dialogs, so that every dialog
// names its controls and treats Enter the same way.

#include <QString>
#include <string_view>

class QLabel;
class QPushButton;
class QWidget;

namespace karumoa::gui {

// Core texts are UTF-8.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A push button with its object name. It is never a default button: in the
// dialogs Enter belongs to the control that has the focus: a field (where
// it adds a layer or a window), or a button, which it presses as Space does.
QPushButton* MakeButton(const QString& caption, const char* objectName, QWidget* parent);

// A label with its object name.
QLabel* MakeLabel(const QString& caption, const char* objectName, QWidget* parent);

}  // namespace karumoa::gui
