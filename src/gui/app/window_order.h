#pragma once

#include <cstdint>

class QWidget;

namespace karumoa::gui {

// 1: keep `window` above every normal window; 0: back to the normal window
// order. Either way the window is made visible at its place and size. Any
// other flag does nothing.
void Saizenmen_Set(QWidget& window, std::int16_t flag);

}  // namespace karumoa::gui
