#include "app/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace karumoa::gui {
namespace {

constexpr double kTwipsPerInch = 1440.0;

double LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0.0 ? dpi : 96.0;
}

}  // namespace

int ToPixels(double twips) {
    return static_cast<int>(std::lround(twips * LogicalDpi() / kTwipsPerInch));
}

double ToTwips(int pixels) {
    return pixels * kTwipsPerInch / LogicalDpi();
}

}  // namespace karumoa::gui
