#include "report/sheet_surface.h"

#include <QPaintEvent>
#include <QPainter>

#include "report/font_text_metrics.h"
#include "report/sheet_painter.h"

namespace karumoa::gui::report {

SheetSurface::SheetSurface(QWidget* parent) : QWidget(parent) {
    setObjectName("Sagyou_Eria");
    setFont(ReportFont());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SheetSurface::SetSheet(const sheet::Sheet* sheet) {
    sheet_ = sheet;
    update();
}

void SheetSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (sheet_ != nullptr) {
        SheetPainter(painter, font(), 1.0, &prepared_)
            .PaintExposed(*sheet_, QPointF(0, 0), event->rect());
    }
}

}  // namespace karumoa::gui::report
