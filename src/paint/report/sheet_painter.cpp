#include "report/sheet_painter.h"

#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/core_text.h"
#include "sheet/sheet.h"

namespace karumoa::gui::report {
namespace {

// Ruled lines are a hairline on paper and one pixel on the screen.
constexpr double kRuleTwips = 10.0;
// Texts kept ready: far more than the distinct texts of a report.
constexpr std::size_t kKeptTexts = 2048;

QColor PaletteColor(int index) {
    return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | sheet::PaletteRgb(index)));
}

}  // namespace

const QStaticText& PreparedTexts::Get(std::string_view utf8) {
    if (const auto kept = texts_.find(utf8); kept != texts_.end()) {
        return kept->second;
    }
    if (texts_.size() >= kKeptTexts) {
        texts_.clear();
    }
    QStaticText text(FromUtf8(utf8));
    text.setTextFormat(Qt::PlainText);
    text.setPerformanceHint(QStaticText::AggressiveCaching);
    return texts_.emplace(utf8, std::move(text)).first->second;
}

SheetPainter::SheetPainter(QPainter& painter, const QFont& font, double zoom,
                           PreparedTexts* prepared)
    : painter_(painter), prepared_(prepared), scale_(TwipScale::Of(painter.device(), zoom)) {
    QFont scaled(font);
    if (zoom != 1.0) {
        if (font.pointSizeF() > 0) {
            scaled.setPointSizeF(font.pointSizeF() * zoom);
        } else {
            scaled.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * zoom)));
        }
    }
    painter_.setFont(scaled);
    ascent_ = QFontMetricsF(scaled, painter.device()).ascent();
    ruleWidth_ = std::max(1.0, scale_.ToDeviceX(kRuleTwips));
}

double SheetPainter::RowHeight(const sheet::Sheet& sheet) const {
    return scale_.ToDeviceY(sheet.lineHeight);
}

void SheetPainter::PaintRows(const sheet::Sheet& sheet, int first, int end, QPointF topLeft) {
    const QPointF origin(topLeft.x(), topLeft.y() - scale_.ToDeviceY(first * sheet.lineHeight));
    Paint(sheet, first, end, origin);
}

void SheetPainter::PaintExposed(const sheet::Sheet& sheet, QPointF origin, const QRectF& exposed) {
    const double rowHeight = RowHeight(sheet);
    if (rowHeight <= 0) {
        return;
    }
    const int first =
        std::max(0, static_cast<int>(std::floor((exposed.top() - origin.y()) / rowHeight)));
    const int end = static_cast<int>(std::floor((exposed.bottom() - origin.y()) / rowHeight)) + 1;
    if (end > first) {
        Paint(sheet, first, end, origin);
    }
}

void SheetPainter::Paint(const sheet::Sheet& sheet, int first, int end, QPointF origin) {
    const int top = first * sheet.lineHeight;
    const int bottom = end * sheet.lineHeight;
    auto at = [&](double x, double y) {
        return QPointF(origin.x() + scale_.ToDeviceX(x), origin.y() + scale_.ToDeviceY(y));
    };

    int color = -1;
    for (const sheet::TextRun& run : sheet.runs) {
        if (run.row < first || run.row >= end || run.text.empty()) {
            continue;
        }
        if (run.color != color) {
            color = run.color;
            painter_.setPen(PaletteColor(color));
        }
        const QPointF topLeft = at(run.x, run.row * sheet.lineHeight);
        if (prepared_ != nullptr) {
            painter_.drawStaticText(topLeft, prepared_->Get(run.text));
        } else {
            painter_.drawText(QPointF(topLeft.x(), topLeft.y() + ascent_), FromUtf8(run.text));
        }
    }

    // The rules over the text: a heading may start right on a rule, and
    // the rule stays whole.
    for (const sheet::RuleLine& line : sheet.lines) {
        const int y1 = std::max(std::min(line.y1, line.y2), top);
        const int y2 = std::min(std::max(line.y1, line.y2), bottom);
        if (y1 > y2) {
            continue;
        }
        painter_.setPen(QPen(PaletteColor(line.color), ruleWidth_, Qt::SolidLine, Qt::SquareCap));
        painter_.drawLine(at(line.x1, y1), at(line.x2, y2));
    }
}

}  // namespace karumoa::gui::report
