#pragma once

// Measuring report text in a real font on a real paint device (the report
// window, a printer page, an image), in twips, for the core's sheet
// builders; and the one conversion between twips and a device's units that
// measuring and painting share.

#include <QFont>
#include <QFontMetricsF>
#include <string>
#include <string_view>
#include <unordered_map>

#include "sheet/sheet.h"

class QPaintDevice;

namespace karumoa::gui::report {

// Something kept for each text of a report, found by the text's UTF-8.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
template <class T>
using TextMap = std::unordered_map<std::string, T, TextHash, std::equal_to<>>;

// Twips (1/1440 inch) to the units of a paint device, at the device's
// logical resolution, times a zoom (a sheet scaled to fit a page).
class TwipScale {
public:
    // A null device is the screen, at the resolution the widgets are laid
    // out in (twips.h).
    static TwipScale Of(const QPaintDevice* device, double zoom = 1.0);

    double ToDeviceX(double twips) const { return twips * x_; }
    double ToDeviceY(double twips) const { return twips * y_; }
    double ToTwipsX(double units) const { return units / x_; }
    double ToTwipsY(double units) const { return units / y_; }

private:
    TwipScale(double x, double y) : x_(x), y_(y) {}
    double x_;  // device units per twip
    double y_;
};

// The font both reports are measured and painted in: IPA Gothic, which the
// set-up installs. Its half-width characters are exactly half as wide as
// the full-width ones, so the numbers stand in straight columns.
QFont ReportFont();

// The core's metrics over `font` as it is on `device` (null: the screen).
// Widths and the line height are rounded to whole twips.
//
// A report is drawn anew after every change of the room, and most of its
// texts are those of the last drawing: each text is measured once (laying
// it out costs more than the rest of a drawing) and its width kept.
class FontTextMetrics final : public sheet::TextMetrics {
public:
    FontTextMetrics(const QFont& font, const QPaintDevice* device);

    int TextWidth(std::string_view utf8) const override;
    int TextHeight() const override;

private:
    QFontMetricsF metrics_;
    TwipScale scale_;
    mutable TextMap<int> widths_;
};

}  // namespace karumoa::gui::report
