#include "app/window_order.h"

#include <QWidget>

namespace karumoa::gui {

void Saizenmen_Set(QWidget& window, std::int16_t flag) {
    if (flag != 0 && flag != 1) {
        return;
    }
    // Changing window flags hides the window and may let the platform
    // place it anew, so keep the geometry across the change.
    const QRect geometry = window.geometry();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, flag == 1);
    window.setGeometry(geometry);
    window.show();
}

}  // namespace karumoa::gui
