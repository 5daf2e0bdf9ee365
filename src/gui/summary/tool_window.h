#pragma once

// Placement and size of the two free-standing tool windows (the load total
// and the settings summary), in twips as they are remembered.
//
// Their remembered and limited sizes are outer sizes: the client area plus
// one tool-window caption of kCaptionTwips in height (the allowance the load
// total window's own "status bar + 260" rule makes for the title bar), and
// no frame in width. The window manager draws its real title bar outside the
// client area, so the client area keeps the size these rules give it on
// every platform, with or without decorations, and a remembered size reads
// back as the same window. For the same reason top and left are those of
// the client area, which is what Qt places and reports the same way before
// and after the window manager has framed the window.

#include <QList>
#include <QRect>

class QWidget;

namespace karumoa::gui::ToolWindow {

inline constexpr double kCaptionTwips = 260;

// Outer size in twips.
double OuterWidth(const QWidget& window);
double OuterHeight(const QWidget& window);
// Client size in twips.
double ClientWidth(const QWidget& window);
double ClientHeight(const QWidget& window);
// Top and left of the client area on the desktop, in twips.
double Top(const QWidget& window);
double Left(const QWidget& window);

// Resizes to an outer size in twips (a client area of at least 1 pixel).
void SetOuterSize(QWidget& window, double widthTwips, double heightTwips);

// Moves the client area's top left to (left, top) in twips, as far as the
// window stays reachable (ReachableClientRect over the screens' available
// areas).
void Place(QWidget& window, double topTwips, double leftTwips);

// The height in pixels of the title bar the window manager puts above a
// tool window: that of `decorated` (a framed window shown on the same
// desktop) when it has one, at least kCaptionTwips.
int CaptionPixels(const QWidget* decorated);

// --- Geometry on the desktop, in pixels, without widgets.

// `client` moved so that the window, with its title bar `caption` pixels
// high above the client area, can be reached and moved with the mouse. A
// window wholly off every screen (a store written on a larger desktop)
// comes wholly onto the first screen. Otherwise, on the screen that shows
// most of it, its title bar is kept from above the screen's top and from
// below its bottom, and at least kGripPixels of its width stay on the
// screen. Anything else is used as it is. `screens` empty: unchanged.
inline constexpr int kGripPixels = 48;
QRect ReachableClientRect(QRect client, int caption, const QList<QRect>& screens);

// Where the two windows go when the store holds no place for them yet:
// side by side in the top right corner of the frame's client area
// `frameClient` (below its menu bar and toolbar), the load total at the
// right edge, the settings summary to its left, their title bars inside the
// area and kGapPixels apart from each other and from the area's edges. When
// the area is too narrow for both side by side, the settings summary goes
// below the load total instead. Rectangles are client areas.
inline constexpr int kGapPixels = 8;
struct FirstPlaces {
    QRect settei;
    QRect goukei;
};
FirstPlaces FirstStartPlaces(const QRect& frameClient, QSize setteiClient, QSize goukeiClient,
                             int caption);

}  // namespace karumoa::gui::ToolWindow
