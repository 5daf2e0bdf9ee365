#include "summary/tool_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "app/twips.h"

namespace karumoa::gui::ToolWindow {

double OuterWidth(const QWidget& window) {
    return ClientWidth(window);
}

double OuterHeight(const QWidget& window) {
    return ClientHeight(window) + kCaptionTwips;
}

double ClientWidth(const QWidget& window) {
    return ToTwips(window.width());
}

double ClientHeight(const QWidget& window) {
    return ToTwips(window.height());
}

double Top(const QWidget& window) {
    return ToTwips(window.geometry().y());
}

double Left(const QWidget& window) {
    return ToTwips(window.geometry().x());
}

void SetOuterSize(QWidget& window, double widthTwips, double heightTwips) {
    window.resize(std::max(1, ToPixels(widthTwips)),
                  std::max(1, ToPixels(heightTwips - kCaptionTwips)));
}

void Place(QWidget& window, double topTwips, double leftTwips) {
    QRect rect(QPoint(ToPixels(leftTwips), ToPixels(topTwips)), window.size());
    bool reachable = false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        reachable = reachable || screen->availableGeometry().intersects(rect);
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!reachable && primary != nullptr) {
        const QRect area = primary->availableGeometry();
        rect.moveLeft(std::clamp(rect.left(), area.left(),
                                 std::max(area.left(), area.right() + 1 - rect.width())));
        rect.moveTop(std::clamp(rect.top(), area.top(),
                                std::max(area.top(), area.bottom() + 1 - rect.height())));
    }
    window.setGeometry(rect);
}

}  // namespace karumoa::gui::ToolWindow
