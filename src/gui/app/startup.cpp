#include <QApplication>
#include <QFileInfo>
#include <QSessionManager>
#include <optional>

#include "app/app_context.h"
#include "app/form_registry.h"
#include "app/frame_commands.h"
#include "app/mdi_form1.h"
#include "app/module1.h"
#include "app/prompts.h"
#include "app/splash_form.h"
#include "project/project_commands.h"
#include "refdb/reference_data.h"

namespace karumoa::gui::Module1 {

QString LoadReferenceTables(AppContext& context) {
    refdb::LoadError error;
    std::optional<refdb::ReferenceData> data =
        refdb::ReferenceData::Load(context.App_Path.toStdString(), &error);
    if (data) {
        context.setReferenceData(std::move(data));
        return QString();
    }
    context.setReferenceData(std::nullopt);
    context.forms().mdiForm().ShowLoadsNotComputable();
    return QString::fromStdString(error.message) +
           QStringLiteral(
               "\n\n部屋の作成、保存、読み込みはできますが、負荷は計算できません"
               "（「—」と表示します）。");
}

void StartUp(QApplication& app, AppContext& context, EventClock& clock) {
    LoadTranslations(app);
    Kankyou_SyokiKa(context);
    const QString tablesMessage = LoadReferenceTables(context);

    const qint64 started = clock.Elapsed();
    MDIForm1& frame = context.forms().mdiForm();
    frame.showMaximized();

    frmSplash& splash = context.forms().splash();
    splash.show();
    WaitEvents(clock, started + kSplashMilliseconds);
    // The user may have closed the splash window already.
    context.forms().Unload(FormId::frmSplash);

    if (!tablesMessage.isEmpty() && frame.isVisible()) {
        context.prompts().Message(tablesMessage, AppTitle(), PromptIcon::Warning,
                                  PromptButtons::Ok);
    }
}

void OpenArguments(AppContext& context, const QStringList& arguments) {
    if (arguments.size() < 2 || arguments[1].isEmpty()) {
        return;
    }
    // Made absolute, so that messages, the title and the dialogs' starting
    // folder name the file wherever the program was started.
    context.forms().mdiForm().commands().project().OpenFile(
        QFileInfo(arguments[1]).absoluteFilePath());
}

int Run(QApplication& app, AppContext& context) {
    MDIForm1& frame = context.forms().mdiForm();
    // The event loop may not be running yet when the frame closes (during
    // the start-up wait), and a quit asked for before the loop starts is
    // lost; so the close is also remembered here.
    bool closed = false;
    QObject::connect(&frame, &MDIForm1::closed, &app, [&closed] {
        closed = true;
        QCoreApplication::exit(0);
    });
    // When the session of the operating system ends the frame closes
    // whatever is answered.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frame,
                     [&frame](QSessionManager&) { frame.EndSession(); });

    SteadyEventClock clock;
    StartUp(app, context, clock);
    if (closed) {
        return 0;
    }
    OpenArguments(context, QCoreApplication::arguments());
    return QApplication::exec();
}

}  // namespace karumoa::gui::Module1
