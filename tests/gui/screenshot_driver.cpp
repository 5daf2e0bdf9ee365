// Puts the desktop program into its main states one after another (up to
// the tool windows, the About window and the help viewer) and
// photographs the whole X screen in each with ImageMagick's import, for
// scripts/screenshots.sh (run under xvfb-run).
//   karumoa_screenshots <output folder>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <cstdio>

#include "app/app_context.h"
#include "app/form_registry.h"
#include "app/frame_commands.h"
#include "app/help_viewer.h"
#include "app/mdi_form1.h"
#include "app/module1.h"
#include "app/prompts.h"
#include "app/scripted_prompts.h"
#include "app/splash_form.h"
#include "plan/main_form.h"
#include "project/project_commands.h"
#include "summary/goukei_hyouji_form.h"
#include "summary/settei_hyouji_form.h"
#include "summary/tool_window.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

void Settle(int ms) {
    QElapsedTimer t;
    t.start();
    Module1::WaitEvents(t, ms);
}

bool Shoot(const QString& folder, const QString& name) {
    Settle(600);
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    const int rc = QProcess::execute(QStringLiteral("import"),
                                     {QStringLiteral("-window"), QStringLiteral("root"), file});
    std::printf("%s %s\n", rc == 0 ? "wrote" : "FAILED", qPrintable(file));
    std::fflush(stdout);
    return rc == 0;
}

// Opens a fixture room through the Open command, as a user would.
void OpenRoom(AppContext& context, ScriptedPrompts& prompts, const char* file) {
    prompts.ChooseNextFile(QStringLiteral(KARUMOA_TEST_DATA_DIR "/rooms/") +
                           QString::fromLatin1(file));
    context.forms().mdiForm().commands().project().File_Open();
    // A larger plan window.
    if (QMdiSubWindow* sub = context.forms().mainForm().subWindow()) {
        sub->move(10, 10);
        sub->resize(900, 420);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "usage: karumoa_screenshots <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    // Scripted prompts: the driver never waits on a box.
    ScriptedPrompts prompts;
    AppContext context(prompts);
    Module1::LoadTranslations(app);
    Module1::Kankyou_SyokiKa(context);
    Module1::LoadReferenceTables(context);

    bool ok = true;
    MDIForm1& frame = context.forms().mdiForm();
    frame.showMaximized();
    // Xvfb has no window manager to maximise the frame: give it the screen.
    frame.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    frmSplash& splash = context.forms().splash();
    splash.show();
    ok &= Shoot(folder, QStringLiteral("1-start-up-splash"));
    context.forms().Unload(FormId::frmSplash);
    ok &= Shoot(folder, QStringLiteral("2-no-room"));

    frame.commands().Sinki_Ryouiki();
    ok &= Shoot(folder, QStringLiteral("3-new-room"));

    OpenRoom(context, prompts, "attributes-blinds.kmd");
    ok &= Shoot(folder, QStringLiteral("4-four-walls-roof-floor-skylight"));

    OpenRoom(context, prompts, "diagonal-room.kmd");
    ok &= Shoot(folder, QStringLiteral("5-diagonal-room"));

    // The unsaved-changes question as the real box shows it.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("確認"), QStringLiteral("保存しますか？"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &frame);
    box.open();
    ok &= Shoot(folder, QStringLiteral("6-save-question"));
    box.close();

    // The two tool windows over a room, enlarged to their limits.
    OpenRoom(context, prompts, "attributes-blinds.kmd");
    ToolWindow::SetOuterSize(context.forms().setteiHyouji(), 5208, 1800);
    ToolWindow::Place(context.forms().setteiHyouji(), 7500, 14000);
    ToolWindow::SetOuterSize(context.forms().goukeiHyouji(), 3000, 1800);
    ToolWindow::Place(context.forms().goukeiHyouji(), 3000, 14000);
    ok &= Shoot(folder, QStringLiteral("7-tool-windows"));

    frame.commands().Mnu_About_Click();
    ok &= Shoot(folder, QStringLiteral("8-about"));
    context.forms().Unload(FormId::About_Form);

    frame.commands().Mnu_Netu_Help_Click();
    HelpViewer& help = HelpViewer::Of(frame);
    help.move(300, 60);
    ok &= Shoot(folder, QStringLiteral("9-help-contents"));
    help.ShowPage(QStringLiteral("formula-structure"));
    ok &= Shoot(folder, QStringLiteral("10-help-formula"));
    help.ShowPage(QStringLiteral("index"));
    ok &= Shoot(folder, QStringLiteral("11-help-index"));
    help.close();

    frame.commands().CloseRoom(false);
    return ok ? 0 : 1;
}
