#pragma once

// What the two report windows share: a child window of the frame that
// shows its last drawing of a report sheet on the drawing surface
// Sagyou_Eria, moved under the window by HScroll1 and VScroll1, by the
// mouse wheel and by the keys.
//
// The windows never compute: a drawing builds the sheet from the room's
// last results (AppContext::results) and keeps it; a repaint paints the
// kept sheet. After every drawing the surface and the bars are fitted to
// the new sheet, so every part of it can be scrolled to at once; the
// sheet stays where it was scrolled to as far as the new sheet reaches.
// Eria_Tyousei (a resize, the cascade) fits them and returns the sheet to
// its top left.
//
// Closing the window only hides it and switches the frame's command for it
// on again; it is closed for real with the room.

#include <QWidget>

#include "app/form_registry.h"
#include "app/frame_items.h"
#include "report/font_text_metrics.h"
#include "report/scroll_layout.h"
#include "sheet/sheet.h"

class QMdiSubWindow;
class QScrollBar;

namespace karumoa::gui {

class AppContext;

namespace report {
class SheetSurface;
}

class ReportWindow : public QWidget, public LoadableForm, public UnloadableForm {
    Q_OBJECT
public:
    // `menuItem` is the frame's command that shows the window.
    ReportWindow(AppContext& context, FrameItem menuItem, const QString& objectName,
                 const QString& caption);
    ~ReportWindow() override;

    // Load: the child window placed at the frame's top + 50 twips and
    // left 0, then the first drawing.
    void Form_Load() override;
    // Closed for real: the frame's command for it on again.
    void Form_Unload() override;

    // Fits the surface and the scroll bars to the window and the last
    // drawing, and returns the sheet to its top left.
    void Eria_Tyousei();

    report::SheetSurface* Sagyou_Eria() const { return surface_; }
    QScrollBar* HScroll1() const { return hScroll_; }
    QScrollBar* VScroll1() const { return vScroll_; }
    // The last drawing, in twips, as the surface paints it.
    const sheet::Sheet& LastSheet() const { return sheet_; }
    // The surface and bars as last fitted, in twips.
    const report::ScrollLayout& Layout() const { return layout_; }
    QMdiSubWindow* subWindow() const;

    QSize sizeHint() const override;

protected:
    // The window's drawing (Saihyouji, Jintai_Keisan): builds the sheet from
    // the room's last results and hands it to ShowSheet.
    virtual void Redraw() = 0;

    // The measuring of the surface's font, for the sheet builders.
    const sheet::TextMetrics& Metrics() const { return metrics_; }
    // The last drawing given up, to build the next one in its memory.
    sheet::Sheet TakeSheet();
    // Keeps `sheet` as the last drawing, fits the surface and the bars to
    // it and repaints.
    void ShowSheet(sheet::Sheet&& sheet);

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppContext& context_;

private:
    // `toOrigin`: the sheet back at its top left; otherwise shifted as
    // before, as far as the new ranges reach.
    void Fit(bool toOrigin);
    // The frame's command that shows the window, on again.
    void CommandOn();
    // Sagyou_Eria at -(value - minimum) of both bars.
    void MoveSurface();
    void ScrollBy(QScrollBar* bar, int twips);
    // The sheet's height that the window shows at once, in twips.
    int VisibleHeight() const;

    FrameItem menuItem_;
    report::FontTextMetrics metrics_;
    sheet::Sheet sheet_;
    report::ScrollLayout layout_;
    report::SheetSurface* surface_ = nullptr;
    QScrollBar* hScroll_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
    bool loaded_ = false;
};

}  // namespace karumoa::gui
