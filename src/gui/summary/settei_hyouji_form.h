#pragma once

// The settings summary window "現在の設定条件": a free-standing tool window
// listing in five rows the conditions set for the room (outdoor city,
// indoor temperature, occupants, lighting, ventilation). It changes
// nothing. Its close button only hides it; it is closed for real with the
// room, and then remembers its place and size under "Set_Form".

#include <QWidget>

#include "summary/summary_window.h"

class QTreeWidget;

namespace karumoa::gui {

class AppContext;

class Settei_Hyouji_Form : public SummaryWindow {
    Q_OBJECT
public:
    explicit Settei_Hyouji_Form(AppContext& context);
    ~Settei_Hyouji_Form() override;

    // Load step: the layout and the four columns.
    void Form_Load() override;

    // Rebuilds the list; does nothing while the window is hidden (showing
    // it rebuilds it).
    void List_Hyouji() override;

    // Closed for real: remembers top, left, width and height.
    void Form_Unload() override;

    QTreeWidget* ListView1() const { return listView_; }

    // The client size at which the list shows its five rows and all four
    // columns, within the window's size limits: the widest the window may
    // be, so that the last column is not cut either (used when no size is
    // remembered yet).
    QSize FullListClientSize() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The layout: the size limits, then the list over the whole client area.
    void Form_Resize() override;
    // The last column takes whatever width the other three leave, never
    // less than its own.
    void FitLastColumn();
    int RowHeight() const;

    QTreeWidget* listView_ = nullptr;
    bool inResize_ = false;
};

}  // namespace karumoa::gui
