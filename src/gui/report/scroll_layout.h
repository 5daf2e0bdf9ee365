#pragma once

// The scroll arithmetic of the report windows, without widgets: how large
// the drawing surface is, where the two scroll bars stand and over what
// range they move the surface, for a window of a given inner size showing
// a sheet of a given extent. Everything is in twips.
//
// A bar's range runs from the visible size (its minimum) to the drawn size
// plus the other bar (its maximum); the surface stands at
// -(value - minimum), so at the maximum the sheet's far edge lies just
// inside the bars.

namespace karumoa::gui::report {

struct ScrollInput {
    int innerWidth = 0;
    int innerHeight = 0;
    int vBarWidth = 0;   // VScroll1
    int hBarHeight = 0;  // HScroll1
    bool minimized = false;
    int widestX = 0;      // the sheet's widest x
    int sheetBottom = 0;  // line height x (last row + 1)
};

struct BarRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const BarRect&) const = default;
};

struct BarRange {
    bool enabled = false;
    int minimum = 0;
    int maximum = 0;
    int largeChange = 0;
    int smallChange = 0;
    bool operator==(const BarRange&) const = default;
};

struct ScrollLayout {
    BarRect hBar;
    bool vBarPlaced = false;  // only in a window taller than kVBarMinHeight, not minimised
    BarRect vBar;
    BarRange horizontal;
    BarRange vertical;
    int horizontalOverflow = 0;
    int verticalOverflow = 0;
    int surfaceWidth = 0;
    int surfaceHeight = 0;
};

// A window must be taller inside than this for a vertical bar.
constexpr int kVBarMinHeight = 500;

// Eria_Tyousei: the surface and the bars for the sheet. A bar is enabled
// when the sheet's extent plus the other bar passes the window's; its
// large change is a third and its small change a tenth of its maximum,
// rounded halves to even. A bar not needed is disabled with an empty range.
ScrollLayout FitScroll(const ScrollInput& in);

// The surface's left (or top) for a bar's value: -(value - minimum).
int SurfaceOffset(int value, const BarRange& range);

// The value on `range` that keeps the sheet shifted by `offset` (value -
// minimum of the range before), as far as the new range reaches.
int ValueForOffset(int offset, const BarRange& range);

}  // namespace karumoa::gui::report
