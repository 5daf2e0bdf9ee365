#pragma once

// Small factories for the controls of the dialogs, so that every dialog
// names its controls and treats Enter the same way.

#include <QString>
#include <QStringList>
#include <string_view>

#include "app/core_text.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabBar;
class QWidget;

namespace karumoa::gui {

// A push button with its object name. It is never a default button: in the
// dialogs Enter belongs to the control that has the focus: a field (where
// it adds a layer or a window), or a button, which it presses as Space does.
QPushButton* MakeButton(const QString& caption, const char* objectName, QWidget* parent);

// A label with its object name.
QLabel* MakeLabel(const QString& caption, const char* objectName, QWidget* parent);

// A box that only shows a number the program writes into it: read-only,
// passed over by the Tab key, right-aligned, as wide as `widest`.
QLineEdit* MakeDisplayBox(const char* objectName, const QString& widest, QWidget* parent);

// The row of the selected item of a one-choice list, -1 when no item is
// selected (the current row of a list need not be selected).
int SelectedRow(const QListWidget* list);
// Selects row `row` of a one-choice list as its current row; a row outside
// the list leaves no row selected or current. Signals only on a change.
void SelectRow(QListWidget* list, int row);

// A strip of tabs of their natural widths, over a base line.
QTabBar* MakeTabBar(const char* objectName, const QStringList& captions, QWidget* parent);

// The background a list or a combo box shows: a text box's (Enabled) or
// the dialog's own (Disabled). A control keeps the colour it was given
// whether it is switched on or off, so that one which is off while its
// value still counts (a fixed efficiency) can look like one that counts.
enum class BackColour { Enabled, Disabled };
void SetBackColour(QWidget* control, BackColour colour);
// Switches a list or a combo box on or off together with its colour.
void EnableWithColour(QWidget* control, bool enabled);

// A one-choice list with its object name, without a horizontal scroll
// bar, in the enabled colour.
QListWidget* MakeChoiceList(const char* objectName, QWidget* parent);
// Keeps two one-choice lists of as many rows on one row: a choice in
// either, by mouse or keyboard, is copied to the other.
void LinkRows(QListWidget* first, QListWidget* second);

}  // namespace karumoa::gui
