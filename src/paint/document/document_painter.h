#pragma once

// Painting the calculation document (document/calc_document.h) on any
// paged device: a printer, the print preview, a PDF file. It only follows
// the layout's bands, each through the one sheet painter; all decisions
// about pages are the layout's.

#include <QFont>
#include <string>

#include "document/calc_document.h"

class QDate;
class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace karumoa::gui::report {

// A4 portrait with the document's margins.
QPageLayout DocumentPageLayout();
// The printable area of `layout`, twips.
document::PageGeometry GeometryOf(const QPageLayout& layout);

// Paints page `page` of `layout` with the printable area's top left corner
// at the painter's origin, in `font`, the font the layout was measured in
// on the painter's device.
void PaintDocumentPage(QPainter& painter, const document::DocumentLayout& layout, int page,
                       const QFont& font);

// Lays out the document of `input` on the pages of `device` (measured in
// the report font on it) and paints all of them with `painter`, which is
// active on `device`. With `afterOther`, a document already stands on the
// device and this one starts on a new page. Returns the pages painted.
int PaintDocument(QPainter& painter, QPagedPaintDevice& device,
                  const document::DocumentInput& input, bool afterOther);

// "ﾊﾞｰｼﾞｮﾝ 1.0.0", and the program's name with it.
std::string VersionText();
std::string ProgramText();
// The date printed, "2025年1月2日".
std::string DateText(const QDate& date);

}  // namespace karumoa::gui::report
