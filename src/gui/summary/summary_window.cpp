#include "summary/summary_window.h"

#include <QCloseEvent>

#include "app/app_context.h"
#include "app/mdi_form1.h"

namespace karumoa::gui {

SummaryWindow::SummaryWindow(AppContext& context, FrameItem menuItem)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      context_(context),
      menuItem_(menuItem) {}

void SummaryWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
    if (auto* frame = static_cast<MDIForm1*>(context_.forms().IfLoaded(FormId::MDIForm1))) {
        frame->SetEnabled(menuItem_, true);
    }
}

void SummaryWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void SummaryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    List_Hyouji();
}

bool SummaryWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        List_Hyouji();
    }
    return QWidget::event(event);
}

}  // namespace karumoa::gui
