// The desktop program: start-up, then the frame's event loop.

#include <QApplication>

#include "app/app_context.h"
#include "app/form_registry.h"
#include "app/mdi_form1.h"
#include "app/module1.h"
#include "app/prompts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("カルモア"));
    QApplication::setOrganizationName(QStringLiteral("カルモア"));
    // The frame decides when the program ends (its close may be refused).
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace karumoa::gui;
    QtPrompts prompts;
    AppContext context(prompts);
    MDIForm1& frame = context.forms().mdiForm();
    prompts.setParent(&frame);
    return Module1::Run(app, context);
}
