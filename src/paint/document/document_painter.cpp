#include "document/document_painter.h"

#include <QDate>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "report/font_text_metrics.h"
#include "report/sheet_painter.h"

#ifndef KARUMOA_VERSION_MAJOR
#error "KARUMOA_VERSION_MAJOR, _MINOR and _PATCH come from the project version"
#endif

namespace karumoa::gui::report {
namespace {

constexpr double kTwipsPerPoint = 20.0;

}  // namespace

QPageLayout DocumentPageLayout() {
    const double margin = document::kA4Margin;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

document::PageGeometry GeometryOf(const QPageLayout& layout) {
    const QRectF area = layout.paintRect(QPageLayout::Point);
    return {area.width() * kTwipsPerPoint, area.height() * kTwipsPerPoint};
}

void PaintDocumentPage(QPainter& painter, const document::DocumentLayout& layout, int page,
                       const QFont& font) {
    if (page < 0 || page >= static_cast<int>(layout.pages.size())) {
        return;
    }
    const TwipScale scale = TwipScale::Of(painter.device());
    for (const document::Band& band : layout.pages[static_cast<std::size_t>(page)].bands) {
        const document::Block& block = layout.blocks[static_cast<std::size_t>(band.block)];
        SheetPainter sheets(painter, font, block.zoom);
        sheets.PaintRows(block.sheet, band.first, band.end, QPointF(0.0, scale.ToDeviceY(band.y)));
    }
}

int PaintDocument(QPainter& painter, QPagedPaintDevice& device,
                  const document::DocumentInput& input, bool afterOther) {
    const QFont font = ReportFont();
    const FontTextMetrics metrics(font, &device);
    const document::DocumentLayout layout =
        document::LayOutDocument(input, metrics, GeometryOf(device.pageLayout()));
    const int pages = static_cast<int>(layout.pages.size());
    for (int p = 0; p < pages; ++p) {
        if (p > 0 || afterOther) {
            device.newPage();
        }
        PaintDocumentPage(painter, layout, p, font);
    }
    return pages;
}

std::string VersionText() {
    return "ﾊﾞｰｼﾞｮﾝ " + std::to_string(KARUMOA_VERSION_MAJOR) + "." +
           std::to_string(KARUMOA_VERSION_MINOR) + "." + std::to_string(KARUMOA_VERSION_PATCH);
}

std::string ProgramText() {
    return "カルモア " + VersionText();
}

std::string DateText(const QDate& date) {
    return std::to_string(date.year()) + "年" + std::to_string(date.month()) + "月" +
           std::to_string(date.day()) + "日";
}

}  // namespace karumoa::gui::report
