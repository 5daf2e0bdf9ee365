// The desktop program: start-up, then the frame's event loop.

#include <QApplication>
#include <QSessionManager>

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
    QObject::connect(&frame, &MDIForm1::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // When the session of the operating system ends the frame closes
    // whatever is answered.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frame,
                     [&frame](QSessionManager&) { frame.EndSession(); });

    Module1::StartUp(app, context);
    return QApplication::exec();
}
