#pragma once

// Tiling rectangles for the frame's arrangement commands.

#include <QRect>
#include <vector>

namespace karumoa::gui {

// `count` rectangles one above another, each the full width of `area`;
// the last takes what the division leaves.
std::vector<QRect> StackedTiles(const QRect& area, int count);
// `count` rectangles side by side, each the full height of `area`.
std::vector<QRect> SideBySideTiles(const QRect& area, int count);

}  // namespace karumoa::gui
