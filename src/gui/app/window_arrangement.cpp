#include "app/window_arrangement.h"

namespace karumoa::gui {
namespace {

// Splits [start, start + length) into `count` parts, the last one taking
// the remainder of the division.
std::vector<std::pair<int, int>> Split(int start, int length, int count) {
    std::vector<std::pair<int, int>> parts;
    if (count <= 0) {
        return parts;
    }
    const int each = length / count;
    for (int i = 0; i < count; ++i) {
        const int from = start + i * each;
        const int size = i == count - 1 ? length - i * each : each;
        parts.emplace_back(from, size);
    }
    return parts;
}

}  // namespace

std::vector<QRect> StackedTiles(const QRect& area, int count) {
    std::vector<QRect> rects;
    for (const auto& [top, height] : Split(area.top(), area.height(), count)) {
        rects.emplace_back(area.left(), top, area.width(), height);
    }
    return rects;
}

std::vector<QRect> SideBySideTiles(const QRect& area, int count) {
    std::vector<QRect> rects;
    for (const auto& [left, width] : Split(area.left(), area.width(), count)) {
        rects.emplace_back(left, area.top(), width, area.height());
    }
    return rects;
}

}  // namespace karumoa::gui
