#include "report/scroll_layout.h"

#include <algorithm>

#include "text/number_text.h"

namespace karumoa::gui::report {
namespace {

int Rounded(double value) {
    return static_cast<int>(text::RoundHalfEven(value));
}

BarRange Range(int minimum, int maximum) {
    return BarRange{true, minimum, maximum, Rounded(maximum / 3.0), Rounded(maximum / 10.0)};
}

}  // namespace

ScrollLayout FitScroll(const ScrollInput& in) {
    ScrollLayout out;
    // The surface before the fit is the window's inner area: the overflow
    // of an earlier fit never carries over, so a sheet that shrank gives
    // its bars back.
    const int visibleWidth = in.innerWidth;
    const int visibleHeight = in.innerHeight;
    const bool tallEnough = in.innerHeight > kVBarMinHeight;

    out.hBar = BarRect{0, in.innerHeight - in.hBarHeight, std::max(0, in.innerWidth - in.vBarWidth),
                       in.hBarHeight};
    if (!in.minimized && tallEnough) {
        out.vBarPlaced = true;
        out.vBar = BarRect{in.innerWidth - in.vBarWidth, 0, in.vBarWidth,
                           std::max(0, in.innerHeight - in.hBarHeight)};
    }

    if (tallEnough && in.sheetBottom + in.hBarHeight > visibleHeight) {
        out.verticalOverflow = in.sheetBottom + in.hBarHeight - visibleHeight;
        out.vertical = Range(visibleHeight, in.sheetBottom + in.hBarHeight);
    }
    if (in.widestX + in.vBarWidth > visibleWidth) {
        out.horizontalOverflow = in.widestX - visibleWidth;
        out.horizontal = Range(visibleWidth, in.widestX + in.vBarWidth);
    }

    out.surfaceHeight = in.innerHeight + out.verticalOverflow;
    out.surfaceWidth = in.innerWidth + out.horizontalOverflow + in.vBarWidth;
    return out;
}

int SurfaceOffset(int value, const BarRange& range) {
    return -(value - range.minimum);
}

int ValueForOffset(int offset, const BarRange& range) {
    if (!range.enabled) {
        return range.minimum;
    }
    return std::clamp(range.minimum + offset, range.minimum, range.maximum);
}

}  // namespace karumoa::gui::report
