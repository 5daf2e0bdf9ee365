#pragma once

// Layout arithmetic is in twips (1/1440 inch) throughout the program; the
// widgets are in pixels. These two functions are the only conversion, based
// on the logical DPI of the primary screen (96 dpi: 15 twips per pixel).

namespace karumoa::gui {

// Twips to whole pixels, rounded to the nearest pixel.
int ToPixels(double twips);
// Pixels to twips.
double ToTwips(int pixels);

}  // namespace karumoa::gui
