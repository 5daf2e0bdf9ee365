#pragma once

// The one painter of the report sheets: coloured runs and ruled lines of a
// sheet built by the core, painted into any QPainter (a report window, a
// printer or PDF page, an image) in the font the sheet was measured with.
//
// Positions come from the sheet in twips and go through TwipScale only;
// the font is the measuring font, scaled by the same zoom, so that a run
// painted ends where the layout measured it to end.

#include <QFont>
#include <QPointF>
#include <QStaticText>
#include <string_view>

#include "report/font_text_metrics.h"

class QPainter;
class QRectF;

namespace karumoa::sheet {
struct Sheet;
}

namespace karumoa::gui::report {

// The texts of a sheet laid out for painting, kept between the paints of
// one surface: a report is drawn anew after every change of the room, and
// most of its texts are those it painted before, which are then not laid
// out again.
class PreparedTexts {
public:
    const QStaticText& Get(std::string_view utf8);

private:
    TextMap<QStaticText> texts_;
};

class SheetPainter {
public:
    // Paints on `painter`'s device in `font` (the font the sheet was
    // measured in on a device of the same resolution), `zoom` times the
    // measured size; with the texts of `prepared` where one is given. The
    // painter's font and pen are left as the painting set them.
    SheetPainter(QPainter& painter, const QFont& font, double zoom = 1.0,
                 PreparedTexts* prepared = nullptr);

    // Rows first..end - 1, with the top of row `first` at `topLeft` and
    // x = 0 twips at topLeft.x(): a page, or the heading rows of a table
    // repeated at the top of the next one. Vertical rules are cut at the
    // band's edges; a horizontal rule on either edge belongs to the band.
    void PaintRows(const sheet::Sheet& sheet, int first, int end, QPointF topLeft);

    // The rows of a sheet whose origin (x = 0, top of row 0) is at
    // `origin` that cross the device rectangle `exposed` (a repaint).
    void PaintExposed(const sheet::Sheet& sheet, QPointF origin, const QRectF& exposed);

    // Height of one row of `sheet` in device units.
    double RowHeight(const sheet::Sheet& sheet) const;
    const TwipScale& Scale() const { return scale_; }

private:
    void Paint(const sheet::Sheet& sheet, int first, int end, QPointF origin);

    QPainter& painter_;
    PreparedTexts* prepared_;
    TwipScale scale_;
    double ascent_ = 0;  // of the painting font, device units
    double ruleWidth_ = 1;
};

}  // namespace karumoa::gui::report
