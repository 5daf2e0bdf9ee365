// Puts the desktop program into its main states one after another (up to
// the tool windows, the About window, the help viewer, the dialogs, the
// lighting and ventilation dialogs and the two report windows) and
// photographs the whole X screen in each with ImageMagick's import, for
// scripts/screenshots.sh (run under xvfb-run).
//   karumoa_screenshots <output folder>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <cstdio>

#include "app/app_context.h"
#include "app/form_registry.h"
#include "app/frame_commands.h"
#include "app/help_viewer.h"
#include "app/mdi_form1.h"
#include "app/module1.h"
#include "app/numeric_field.h"
#include "app/prompts.h"
#include "app/scripted_prompts.h"
#include "app/splash_form.h"
#include "envelope/kabe_form.h"
#include "envelope/kouzou_keisan_form.h"
#include "internal/kanki_form.h"
#include "internal/situnai_keisan_form.h"
#include "internal/syoumei_form.h"
#include "plan/mado_form.h"
#include "plan/main_form.h"
#include "plan/popup_form.h"
#include "project/project_commands.h"
#include "summary/goukei_hyouji_form.h"
#include "summary/settei_hyouji_form.h"
#include "summary/tool_window.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

void Settle(int ms) {
    Module1::SteadyEventClock clock;
    Module1::WaitEvents(clock, ms);
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
    // A larger plan window, clear of the two tool windows, which stand at
    // their first-start place in the top right corner of the frame.
    if (QMdiSubWindow* sub = context.forms().mainForm().subWindow()) {
        sub->move(0, 10);
        sub->resize(760, 420);
    }
}

// The construction dialog in its three modes, the window dialog for a
// wall and for the skylight, and two context menus, over a room with four
// walls, roof, floor and skylight. The dialogs are shown without their
// modal loop, so that the driver can photograph them.
bool ShootDialogs(AppContext& context, ScriptedPrompts& prompts, const QString& folder) {
    bool ok = true;
    // The second wall of a room: it starts from the first wall's layers.
    OpenRoom(context, prompts, "one-wall.kmd");
    Kabe_Form& kabe = context.forms().kabeForm();
    context.Settei_Mode = 0;
    kabe.show();
    kabe.move(40, 60);
    kabe.Sentaku_Tab()->setCurrentIndex(8);
    ok &= Shoot(folder, QStringLiteral("12-wall-dialog"));
    kabe.hide();

    OpenRoom(context, prompts, "attributes-blinds.kmd");
    model::RoomModel& room = context.room();
    // Closing the last room unloaded the dialog: this is a new one.
    Kabe_Form& roofDialog = context.forms().kabeForm();
    for (const auto& [mode, name] :
         {std::pair{1, "13-roof-dialog"}, std::pair{2, "14-floor-dialog"}}) {
        context.Settei_Mode = static_cast<std::uint8_t>(mode);
        roofDialog.show();
        roofDialog.move(40, 60);
        ok &= Shoot(folder, QString::fromLatin1(name));
        roofDialog.hide();
    }

    Mado_Form& mado = context.forms().madoForm();
    context.Settei_Mode = 0;
    room.Kabe_Bangou = 2;
    mado.show();
    mado.move(40, 60);
    mado.HScroll1()->setValue(1800);
    mado.VScroll1()->setValue(1200);
    mado.Kazu_Edit()->setValue(2);
    mado.Tuika_Button_Click();
    mado.HScroll1()->setValue(900);
    mado.Tuika_Button_Click();
    ok &= Shoot(folder, QStringLiteral("15-window-dialog"));
    mado.hide();
    context.Settei_Mode = 1;
    mado.show();
    mado.move(40, 60);
    ok &= Shoot(folder, QStringLiteral("16-skylight-dialog"));
    mado.hide();

    PopUp_Form& popUp = context.forms().popUpForm();
    Main_Form& plan = context.forms().mainForm();
    const QPoint at = plan.Kabe_Button(0)->mapToGlobal(QPoint(20, 10));
    popUp.SetMenuRunner([&](QMenu* menu) { menu->popup(at); });
    popUp.Kabe_Button_MouseDown(0, Qt::RightButton);
    popUp.Mnu_Kabe()->setActiveAction(popUp.Item(QStringLiteral("Mnu_Zokuse")));
    popUp.Item(QStringLiteral("Mnu_Zokuse"))
        ->menu()
        ->popup(at + QPoint(popUp.Mnu_Kabe()->width(), 20));
    ok &= Shoot(folder, QStringLiteral("17-wall-menu"));
    popUp.Item(QStringLiteral("Mnu_Zokuse"))->menu()->hide();
    popUp.Mnu_Kabe()->hide();
    const plan::Box& view = plan.OverheadViewLayout()->box;
    popUp.Sagyou_Eria_MouseDown(Qt::RightButton,
                                QPointF(view.left + view.width / 2, view.top + view.height / 2));
    ok &= Shoot(folder, QStringLiteral("18-roof-floor-menu"));
    popUp.Mnu_Jyouge()->hide();
    return ok;
}

// The lighting dialog on each of its tabs, with automatic fitting and
// with the lamp panel in its input modes, and the ventilation dialog in
// both methods, with its rate menu open and with a typed volume.
bool ShootLightingAndVentilation(AppContext& context, ScriptedPrompts& prompts,
                                 const QString& folder) {
    bool ok = true;
    OpenRoom(context, prompts, "attributes-blinds.kmd");
    model::RoomModel& room = context.room();
    room.Syoudo_Jidou_Tekigou = false;
    room.Syoudo = 4;
    Syoumei_Form& syoumei = context.forms().Get<Syoumei_Form>(FormId::Syoumei_Form);
    syoumei.show();
    syoumei.move(40, 60);
    for (int tab = 1; tab <= Syoumei_Form::kSyoudoNyuuryoku; ++tab) {
        syoumei.Sentaku_Tab()->setCurrentIndex(tab - 1);
        ok &= Shoot(folder, QStringLiteral("26-lighting-tab-%1").arg(tab));
    }
    // The lamp panel mixed, by counts and by total output.
    syoumei.Konzai_Check()->click();
    ok &= Shoot(folder, QStringLiteral("27-lighting-lamps-mixed"));
    syoumei.Syuturyoku_Check()->click();
    ok &= Shoot(folder, QStringLiteral("28-lighting-output-mixed"));
    syoumei.Jidou_Check()->click();
    ok &= Shoot(folder, QStringLiteral("29-lighting-automatic-fitting"));
    syoumei.Cansel_Button()->click();

    context.Settei_Mode = 10;
    Kanki_Form& kanki = context.forms().Get<Kanki_Form>(FormId::Kanki_Form);
    room.Kanki_Jidou_Tekigou = false;
    kanki.show();
    kanki.move(40, 60);
    ok &= Shoot(folder, QStringLiteral("30-ventilation-air-conditioning"));
    kanki.Futuu_Kanki_Option()->click();
    QListWidget* rates = kanki.List2();
    kanki.List2_MouseDown(Qt::RightButton, rates->viewport()->mapToGlobal(
                                               rates->visualItemRect(rates->item(2)).center()));
    ok &= Shoot(folder, QStringLiteral("31-ventilation-ordinary-rate-menu"));
    kanki.Mnu_Suisyou()->trigger();
    kanki.Mnu_Atai()->hide();
    ok &= Shoot(folder, QStringLiteral("32-ventilation-recommended-rates"));
    kanki.Fuuryou_Check()->click();
    ok &= Shoot(folder, QStringLiteral("33-ventilation-typed-volume"));
    kanki.Cansel_Button()->click();
    return ok;
}

// The two report windows over the example room: each as its command shows
// it, the internal one scrolled to the end of its sheet, both arranged by
// the three commands of the window menu, and the structural one
// maximised.
bool ShootReports(AppContext& context, ScriptedPrompts& prompts, const QString& folder) {
    bool ok = true;
    FrameCommands& commands = context.forms().mdiForm().commands();
    prompts.ChooseNextFile(QStringLiteral(KARUMOA_EXAMPLE_ROOM));
    commands.project().File_Open();
    // The tool windows out of the way, at the bottom right of the screen.
    ToolWindow::Place(context.forms().setteiHyouji(), 9800, 13500);
    ToolWindow::Place(context.forms().goukeiHyouji(), 9000, 13500);

    commands.Mnu_Kouzou_Keisan_Click();
    ok &= Shoot(folder, QStringLiteral("19-structural-report"));
    commands.Mnu_Situnai_Keisan_Click();
    ok &= Shoot(folder, QStringLiteral("20-internal-report"));
    auto& situnai = context.forms().Get<Situnai_Keisan_Form>(FormId::Situnai_Keisan_Form);
    situnai.VScroll1()->setValue(situnai.VScroll1()->maximum());
    situnai.HScroll1()->setValue(situnai.HScroll1()->maximum());
    ok &= Shoot(folder, QStringLiteral("21-internal-report-scrolled-to-the-end"));

    commands.Mnu_sayuu_Click();
    ok &= Shoot(folder, QStringLiteral("22-reports-side-by-side"));
    commands.Mnu_Jyouge_Click();
    ok &= Shoot(folder, QStringLiteral("23-reports-stacked"));
    commands.Mnu_Kasanete_Click();
    ok &= Shoot(folder, QStringLiteral("24-reports-cascaded"));
    auto& kouzou = context.forms().Get<Kouzou_Keisan_Form>(FormId::Kouzou_Keisan_Form);
    kouzou.subWindow()->showMaximized();
    ok &= Shoot(folder, QStringLiteral("25-structural-report-maximised"));
    kouzou.subWindow()->showNormal();
    return ok;
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

    // A settings store of its own: the shots show the default places of the
    // tool windows, and the user's remembered settings stay as they were.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());

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

    ok &= ShootDialogs(context, prompts, folder);
    ok &= ShootLightingAndVentilation(context, prompts, folder);
    ok &= ShootReports(context, prompts, folder);

    frame.commands().CloseRoom(false);
    return ok ? 0 : 1;
}
