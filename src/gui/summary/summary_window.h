#pragma once

// What the two summary windows share: a free-standing tool window kept
// apart from the frame, whose close button only hides it and switches the
// frame's menu item for it on again (the program closes it for real with
// the room, through the form registry), that rebuilds its list whenever it
// is shown or activated, and lays itself out whenever its size changes.

#include <QWidget>

#include "app/form_registry.h"
#include "app/frame_items.h"

namespace karumoa::gui {

class AppContext;

class SummaryWindow : public QWidget, public LoadableForm, public UnloadableForm {
    Q_OBJECT
public:
    // `menuItem` is the frame's item that shows the window again.
    SummaryWindow(AppContext& context, FrameItem menuItem);

    virtual void List_Hyouji() = 0;

protected:
    // The layout: size limits and the controls fitted to the client area.
    virtual void Form_Resize() = 0;

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

    AppContext& context_;

private:
    FrameItem menuItem_;
};

}  // namespace karumoa::gui
