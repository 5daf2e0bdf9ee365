#include "report/font_text_metrics.h"

#include <QPaintDevice>
#include <cmath>

#include "app/core_text.h"
#include "app/twips.h"

namespace karumoa::gui::report {
namespace {

constexpr double kTwipsPerInch = 1440.0;
// Widths kept: far more than the distinct texts of both reports, so the
// numbers of many changes fit before the store starts afresh.
constexpr std::size_t kKeptWidths = 4096;

// Device units per twip at a logical resolution; a device that reports
// none is taken as the screen.
double PerTwip(int logicalDpi) {
    return logicalDpi > 0 ? logicalDpi / kTwipsPerInch : 1.0 / ToTwips(1);
}

}  // namespace

TwipScale TwipScale::Of(const QPaintDevice* device, double zoom) {
    if (device == nullptr) {
        const double screen = PerTwip(0) * zoom;
        return TwipScale(screen, screen);
    }
    return TwipScale(PerTwip(device->logicalDpiX()) * zoom, PerTwip(device->logicalDpiY()) * zoom);
}

QFont ReportFont() {
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::TypeWriter);
    // In points, so that the font keeps its size on a printer's resolution.
    font.setPointSizeF(10.5);
    // The grid places every run itself; kerning inside a run would make a
    // measured width differ from the painted one.
    font.setKerning(false);
    return font;
}

FontTextMetrics::FontTextMetrics(const QFont& font, const QPaintDevice* device)
    : metrics_(font, device), scale_(TwipScale::Of(device)) {}

int FontTextMetrics::TextWidth(std::string_view utf8) const {
    if (const auto kept = widths_.find(utf8); kept != widths_.end()) {
        return kept->second;
    }
    if (widths_.size() >= kKeptWidths) {
        widths_.clear();
    }
    const int width =
        static_cast<int>(std::lround(scale_.ToTwipsX(metrics_.horizontalAdvance(FromUtf8(utf8)))));
    widths_.emplace(utf8, width);
    return width;
}

int FontTextMetrics::TextHeight() const {
    return static_cast<int>(std::lround(scale_.ToTwipsY(metrics_.lineSpacing())));
}

}  // namespace karumoa::gui::report
