#include "app/module1.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <string>

#include "app/app_context.h"
#include "app/core_text.h"
#include "app/form_registry.h"
#include "app/mdi_form1.h"
#include "app/prompts.h"
#include "app/splash_form.h"
#include "document/document_painter.h"

namespace karumoa::gui::Module1 {

QString AppTitle() {
    return QStringLiteral("カルモア");
}

QString VersionText() {
    return FromUtf8(report::VersionText());
}

void Kankyou_SyokiKa(AppContext& context) {
    context.App_Path = QCoreApplication::applicationDirPath();
    context.room().Basyo = context.settings().Toti();
    context.room().Situon = context.settings().Heya_Ondo();
}

void LoadTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

void SteadyEventClock::ProcessEvents(qint64 ms) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void WaitEvents(EventClock& clock, qint64 until) {
    // A timer may fire a little early; the loop then waits out the rest.
    for (qint64 remaining = until - clock.Elapsed(); remaining > 0;
         remaining = until - clock.Elapsed()) {
        clock.ProcessEvents(remaining);
    }
}

}  // namespace karumoa::gui::Module1
