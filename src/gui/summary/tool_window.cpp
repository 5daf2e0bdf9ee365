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
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->availableGeometry());
    }
    const QRect client(QPoint(ToPixels(leftTwips), ToPixels(topTwips)), window.size());
    window.setGeometry(ReachableClientRect(client, ToPixels(kCaptionTwips), screens));
}

int CaptionPixels(const QWidget* decorated) {
    int caption = ToPixels(kCaptionTwips);
    if (decorated != nullptr && decorated->isVisible()) {
        caption = std::max(caption, decorated->geometry().top() - decorated->frameGeometry().top());
    }
    return caption;
}

namespace {

qint64 Area(const QRect& r) {
    return r.isEmpty() ? 0 : static_cast<qint64>(r.width()) * r.height();
}

}  // namespace

QRect ReachableClientRect(QRect client, int caption, const QList<QRect>& screens) {
    if (screens.isEmpty()) {
        return client;
    }
    QRect outer = client.adjusted(0, -caption, 0, 0);
    const QRect* shown = nullptr;
    for (const QRect& screen : screens) {
        if (Area(screen.intersected(outer)) > (shown ? Area(shown->intersected(outer)) : 0)) {
            shown = &screen;
        }
    }
    if (shown == nullptr) {
        const QRect& s = screens.first();
        outer.moveLeft(
            std::clamp(outer.left(), s.left(), std::max(s.left(), s.right() + 1 - outer.width())));
        outer.moveTop(
            std::clamp(outer.top(), s.top(), std::max(s.top(), s.bottom() + 1 - outer.height())));
    } else {
        const QRect& s = *shown;
        const int grip = std::min(kGripPixels, outer.width());
        outer.moveTop(
            std::clamp(outer.top(), s.top(), std::max(s.top(), s.bottom() + 1 - caption)));
        outer.moveLeft(
            std::clamp(outer.left(), s.left() + grip - outer.width(), s.right() + 1 - grip));
    }
    return outer.adjusted(0, caption, 0, 0);
}

FirstPlaces FirstStartPlaces(const QRect& frameClient, QSize setteiClient, QSize goukeiClient,
                             int caption) {
    const int top = frameClient.top() + kGapPixels + caption;
    const int right = frameClient.right() + 1 - kGapPixels;
    FirstPlaces places;
    places.goukei = QRect(QPoint(right - goukeiClient.width(), top), goukeiClient);
    // Two gaps between the windows: each has a border of the window
    // manager's on its sides.
    const int setteiLeft = places.goukei.left() - 2 * kGapPixels - setteiClient.width();
    if (setteiLeft >= frameClient.left() + kGapPixels) {
        places.settei = QRect(QPoint(setteiLeft, top), setteiClient);
    } else {
        places.settei =
            QRect(QPoint(std::max(frameClient.left() + kGapPixels, right - setteiClient.width()),
                         places.goukei.bottom() + 1 + 2 * kGapPixels + caption),
                  setteiClient);
    }
    return places;
}
}  // namespace karumoa::gui::ToolWindow
