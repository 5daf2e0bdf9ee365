#pragma once

// The print command: a preview of the open room's calculation document,
// from which the user prints it on any printer or into a PDF file through
// the standard print dialog. The document shows the room as it is, saved
// or not, from the results of its last recalculation.

#include <QString>

class QPrinter;
class QWidget;

namespace karumoa::gui {

class AppContext;

// Paints the room's document on `printer`, laid out on the printer's page;
// `roomFile` is the room's project file, empty for a room never saved.
// Returns the pages painted (0 when the printer could not be started).
int PrintRoom(AppContext& context, const QString& roomFile, QPrinter& printer);

// Opens the print preview of the room's document, on A4 with the
// document's margins, modally over `parent`. Without reference tables
// there are no loads to print, and the user is told so instead.
void ShowPrintPreview(AppContext& context, const QString& roomFile, QWidget* parent);

}  // namespace karumoa::gui
