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

// Moves the client area's top left to (left, top) in twips. A position at which
// the window would lie wholly outside every screen (a store written on a
// larger desktop) is pulled onto the primary screen, so the window can be
// reached; any other position is used as read.
void Place(QWidget& window, double topTwips, double leftTwips);

}  // namespace karumoa::gui::ToolWindow
