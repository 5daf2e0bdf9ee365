#pragma once

// The drawing surface of a report window (Sagyou_Eria): a white area as
// large as the sheet that the window moves under itself to scroll, and
// that paints the window's last drawing. A repaint paints the kept sheet;
// it never draws the sheet anew.

#include <QWidget>

#include "report/sheet_painter.h"

namespace karumoa::sheet {
struct Sheet;
}

namespace karumoa::gui::report {

class SheetSurface : public QWidget {
    Q_OBJECT
public:
    explicit SheetSurface(QWidget* parent);

    // The sheet to paint (owned by the window, kept until the next
    // drawing), measured in this widget's font.
    void SetSheet(const sheet::Sheet* sheet);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const sheet::Sheet* sheet_ = nullptr;
    PreparedTexts prepared_;
};

}  // namespace karumoa::gui::report
