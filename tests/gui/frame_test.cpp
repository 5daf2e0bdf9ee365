// The frame: its menus and toolbar, the enabled flags of each state, the
// titles, the commands that set the dialog mode, window arrangement, and
// the way the plan window and Exit close.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/frame_commands.h"
#include "app/module1.h"
#include "app/remembered_settings.h"
#include "app/twips.h"
#include "app/window_arrangement.h"
#include "app/window_order.h"
#include "gui_test_support.h"
#include "plan/main_form.h"

using namespace karumoa::gui;

namespace {

QAction* Act(MDIForm1& frame, const char* name) {
    auto* action = frame.findChild<QAction*>(QString::fromLatin1(name));
    if (action == nullptr) {
        qWarning("no action %s", name);
    }
    return action;
}

bool On(MDIForm1& frame, FrameItem item) {
    return frame.IsEnabled(item);
}

}  // namespace

class FrameTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> program_;
    MDIForm1& frame() { return program_->frame(); }

    // Flags of the table by state, in the order Hyouji, Fuka, Set, Window,
    // Print, Sinki_Ryouiki, Settei_Jyouken, Fuka_Goukei, buttons 1, 2, 3, 5.
    void CheckFlags(const std::array<bool, 12>& expected) {
        const std::array<FrameItem, 12> items{FrameItem::Mnu_Hyouji,
                                              FrameItem::Mnu_Fuka,
                                              FrameItem::Mnu_Set,
                                              FrameItem::Mnu_Window,
                                              FrameItem::Mnu_Print,
                                              FrameItem::Mnu_Sinki_Ryouiki,
                                              FrameItem::Mnu_Settei_Jyouken,
                                              FrameItem::Mnu_Fuka_Goukei,
                                              FrameItem::Toolbar1_Button1,
                                              FrameItem::Toolbar1_Button2,
                                              FrameItem::Toolbar1_Button3,
                                              FrameItem::Toolbar1_Button5};
        for (std::size_t i = 0; i < items.size(); ++i) {
            QVERIFY2(On(frame(), items[i]) == expected[i], FrameItemName(items[i]).data());
        }
        for (FrameItem always : {FrameItem::Mnu_File, FrameItem::Mnu_File_Open,
                                 FrameItem::Mnu_Save_Us, FrameItem::Mnu_End, FrameItem::Mnu_Help,
                                 FrameItem::Mnu_Netu_Help, FrameItem::Mnu_About}) {
            QVERIFY2(On(frame(), always), FrameItemName(always).data());
        }
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() {
        test::ClearSettings();
        program_ = std::make_unique<test::Program>();
        frame().resize(1000, 700);
        frame().show();
    }
    void cleanup() { program_.reset(); }

    void menuItemsHaveTheirNamesAndCaptions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const char* rows[][2] = {
            {"Mnu_File", "ファイル(&F)"},
            {"Mnu_Sinki_Ryouiki", "新規製作(&N)"},
            {"Mnu_File_Open", "ファイルを開く...(&O)"},
            {"Mnu_Save_Us", "名前をつけて保存...(&S)"},
            {"Mnu_Print", "印刷...(&P)"},
            {"Mnu_End", "カルモアの終了(&X)"},
            {"Mnu_Hyouji", "表示(&V)"},
            {"Mnu_Situnai_Keisan", "室内、換気負荷(&S)"},
            {"Mnu_Kouzou_Keisan", "構造体負荷(&K)"},
            {"Mnu_Settei_Jyouken", "現在の設定条件(&J)"},
            {"Mnu_Fuka_Goukei", "負荷合計"},
            {"Mnu_Fuka", "負荷(&R)"},
            {"Mnu_Kabe", "壁(&K)..."},
            {"Mnu_Yane", "屋根(&Y)..."},
            {"Mnu_Yuka", "床(&F)..."},
            {"Mnu_Set", "設定(&S)"},
            {"Mnu_Gaiki", "外気条件(&O)..."},
            {"Mnu_Situnai", "室内条件(&I)..."},
            {"Mnu_Jintai", "人体発生熱量(&J)..."},
            {"mnu_Syoumei", "照明発生熱量(&S)..."},
            {"Mnu_Kanki", "換気損失熱量...(&K)"},
            {"Mnu_Window", "ウインドウ(&W)"},
            {"Mnu_Jyouge", "上下に並べて表示(&H)"},
            {"Mnu_sayuu", "左右に並べて表示(&V)"},
            {"Mnu_Kasanete", "重ねて表示(&C)"},
            {"Mnu_Help", "ヘルプ(&H)"},
            {"Mnu_Netu_Help", "カルモアのヘルプ(&N)"},
            {"Mnu_About", "バージョン情報(&A)"},
        };
        for (const auto& row : rows) {
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
        }
    }
    void menuItemsHaveTheirNamesAndCaptions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QAction* action = frame().findChild<QAction*>(name);
        QVERIFY(action != nullptr);
        QCOMPARE(action->text(), caption);
    }

    void menuBarOrderSeparatorsAndShortcut() {
        const QList<QAction*> top = frame().menuBar()->actions();
        QStringList names;
        for (QAction* a : top) {
            names << a->objectName();
        }
        QCOMPARE(names, (QStringList{"Mnu_File", "Mnu_Hyouji", "Mnu_Fuka", "Mnu_Set", "Mnu_Window",
                                     "Mnu_Help"}));
        QStringList file;
        for (QAction* a : frame().findChild<QMenu*>("Mnu_File")->actions()) {
            file << (a->isSeparator() ? "-" + a->objectName() : a->objectName());
        }
        QCOMPARE(file, (QStringList{"Mnu_Sinki_Ryouiki", "Mnu_File_Open", "-Mnu_a", "Mnu_Save_Us",
                                    "-Mnu_aa", "Mnu_Print", "-Mnu_aaa", "Mnu_End"}));
        QCOMPARE(Act(frame(), "Mnu_Netu_Help")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void toolbarButtonsImagesAndTips() {
        auto* toolbar = frame().findChild<QToolBar*>("Toolbar1");
        QVERIFY(toolbar != nullptr);
        const QList<QAction*> buttons = toolbar->actions();
        QCOMPARE(buttons.size(), 5);
        const QStringList tips{"新規製作", "開く", "保存", "", "壁"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(buttons[i]->isSeparator(), i == 3);
            if (i != 3) {
                QCOMPARE(buttons[i]->toolTip(), tips[i]);
                QCOMPARE(buttons[i]->icon().pixmap(16, 16).size(), QSize(16, 16));
            }
        }
    }

    void flagsAtStartUpAfterNewRoomAndAfterClose() {
        QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア"));
        // Hyouji Fuka Set Window Print Sinki Settei Goukei  b1 b2 b3 b5
        CheckFlags({false, false, false, false, false, true, true, true, true, true, false, false});

        frame().commands().Sinki_Ryouiki();
        QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア  (無題)"));
        CheckFlags({true, true, true, true, true, false, false, false, false, true, true, true});
        // The empty plan leaves the wall command on and roof and floor off.
        QVERIFY(On(frame(), FrameItem::Mnu_Kabe));
        QVERIFY(!On(frame(), FrameItem::Mnu_Yane));
        QVERIFY(!On(frame(), FrameItem::Mnu_Yuka));

        QVERIFY(frame().commands().CloseRoom());
        QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア"));
        // Settei_Jyouken stays off until its window closes.
        CheckFlags(
            {false, false, false, false, false, true, false, true, true, true, false, false});
        QVERIFY(!program_->forms().IsLoaded(FormId::Main_Form));
    }

    void newRoomShowsThePlanAsChildWindow() {
        frame().commands().Sinki_Ryouiki();
        Main_Form* plan = program_->forms().mainFormIfLoaded();
        QVERIFY(plan != nullptr);
        QVERIFY(plan->isVisible());
        QMdiSubWindow* sub = plan->subWindow();
        QVERIFY(sub != nullptr);
        QCOMPARE(sub->mdiArea(), frame().mdiArea());
        QCOMPARE(plan->windowTitle(), QStringLiteral("作業デスク"));
        // With it the two report windows, loaded hidden.
        QCOMPARE(frame().mdiArea()->subWindowList().size(), 3);
        // A second New while the room is open changes nothing.
        frame().commands().Sinki_Ryouiki();
        QCOMPARE(program_->forms().mainFormIfLoaded(), plan);
        QCOMPARE(frame().mdiArea()->subWindowList().size(), 3);
    }

    void toolbarAndMenuCommandsRunTheSameCommand() {
        Act(frame(), "Toolbar1_Button1")->trigger();
        QVERIFY(program_->forms().IsLoaded(FormId::Main_Form));
        QVERIFY(!On(frame(), FrameItem::Toolbar1_Button1));
    }

    void dialogCommandsSetTheMode_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("wall menu") << "Mnu_Kabe" << 0 << "壁負荷設定";
        QTest::newRow("wall button") << "Toolbar1_Button5" << 0 << "壁負荷設定";
        QTest::newRow("roof") << "Mnu_Yane" << 1 << "屋根負荷設定";
        QTest::newRow("floor") << "Mnu_Yuka" << 2 << "床負荷設定";
        QTest::newRow("ventilation") << "Mnu_Kanki" << 10 << "換気損失熱量設定";
        QTest::newRow("outdoor keeps it") << "Mnu_Gaiki" << 7 << "外気条件設定";
        QTest::newRow("indoor keeps it") << "Mnu_Situnai" << 7 << "室内条件設定";
        QTest::newRow("occupants keep it") << "Mnu_Jintai" << 7 << "人体発生熱量設定";
        QTest::newRow("lighting keeps it") << "mnu_Syoumei" << 7 << "照明発生熱量設定";
    }
    void dialogCommandsSetTheMode() {
        QFETCH(QString, item);
        QFETCH(int, mode);
        QFETCH(QString, dialog);
        frame().commands().Sinki_Ryouiki();
        for (QAction* a : frame().findChildren<QAction*>()) {
            a->setEnabled(true);
        }
        program_->ctx().Settei_Mode = 7;
        // A dialog the command opens modally is closed again from inside.
        QString shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                shown = modal->windowTitle();
                modal->reject();
            }
        });
        closer.start(0);
        frame().findChild<QAction*>(item)->trigger();
        closer.stop();
        QCOMPARE(int(program_->ctx().Settei_Mode), mode);
        QCOMPARE(shown, dialog);
        QCOMPARE(program_->prompts.messages.size(), std::size_t{0});
    }

    void printDoesNothing() {
        QAction* print = Act(frame(), "Mnu_Print");
        print->trigger();
        QVERIFY(!print->isEnabled());
        QCOMPARE(program_->prompts.messages.size(), std::size_t{0});
    }

    void tilesSplitTheArea() {
        const QRect area(0, 0, 900, 601);
        const std::vector<QRect> stacked = StackedTiles(area, 3);
        QCOMPARE(stacked.size(), std::size_t{3});
        QCOMPARE(stacked[0], QRect(0, 0, 900, 200));
        QCOMPARE(stacked[1], QRect(0, 200, 900, 200));
        QCOMPARE(stacked[2], QRect(0, 400, 900, 201));
        const std::vector<QRect> sides = SideBySideTiles(area, 2);
        QCOMPARE(sides[0], QRect(0, 0, 450, 601));
        QCOMPARE(sides[1], QRect(450, 0, 450, 601));
        QVERIFY(StackedTiles(area, 0).empty());
    }

    void arrangementTakesOnlyVisibleChildWindows() {
        frame().commands().Sinki_Ryouiki();
        QMdiArea* area = frame().mdiArea();
        auto* second = area->addSubWindow(new QWidget);
        second->show();
        auto* hidden = area->addSubWindow(new QWidget);
        hidden->hide();
        const QRect hiddenBefore = hidden->geometry();
        QMdiSubWindow* plan = program_->forms().mainFormIfLoaded()->subWindow();
        const QRect viewport = area->viewport()->rect();

        Act(frame(), "Mnu_Jyouge")->trigger();
        QCOMPARE(plan->geometry(), StackedTiles(viewport, 2)[0]);
        QCOMPARE(second->geometry(), StackedTiles(viewport, 2)[1]);
        QCOMPARE(hidden->geometry(), hiddenBefore);

        Act(frame(), "Mnu_sayuu")->trigger();
        QCOMPARE(plan->width(), viewport.width() / 2);
        QCOMPARE(plan->height(), viewport.height());
        QCOMPARE(second->x(), viewport.width() / 2);

        Act(frame(), "Mnu_Kasanete")->trigger();
        QVERIFY(plan->pos() != second->pos());
        QCOMPARE(hidden->geometry(), hiddenBefore);
    }

    void closingAsksOnlyWithWallsAndUnsavedChanges_data() {
        QTest::addColumn<bool>("wall");
        QTest::addColumn<bool>("dirty");
        QTest::addColumn<bool>("asks");
        QTest::newRow("wall, changed") << true << true << true;
        QTest::newRow("wall, saved") << true << false << false;
        QTest::newRow("no wall, changed") << false << true << false;
    }
    void closingAsksOnlyWithWallsAndUnsavedChanges() {
        QFETCH(bool, wall);
        QFETCH(bool, dirty);
        QFETCH(bool, asks);
        frame().commands().Sinki_Ryouiki();
        if (wall) {
            test::AddWall(program_->room(), 1, 5400, 2700);
        }
        program_->room().Hozon_Flag = dirty;
        program_->prompts.AnswerNext(PromptAnswer::No);
        QVERIFY(frame().commands().CloseRoom());
        QCOMPARE(program_->prompts.messages.size(), std::size_t{asks ? 1u : 0u});
        if (asks) {
            const auto& m = program_->prompts.messages[0];
            QCOMPARE(m.text, QStringLiteral("保存しますか？"));
            QCOMPARE(m.title, QStringLiteral("確認"));
            QCOMPARE(m.icon, PromptIcon::Warning);
            QCOMPARE(m.buttons, PromptButtons::YesNoCancel);
        }
        QVERIFY(program_->room().Kabe.empty());
        QVERIFY(program_->room().Mado.empty());
    }

    void closeWritesCityAndTemperatureBack() {
        frame().commands().Sinki_Ryouiki();
        program_->room().Basyo = 11;
        program_->room().Situon = 245;
        QVERIFY(frame().commands().CloseRoom());
        RememberedSettings s;
        QCOMPARE(s.ReadText("Kihon", "Toti", ""), QStringLiteral("11"));
        QCOMPARE(s.ReadText("Kihon", "Heya_Ondo", ""), QStringLiteral("245"));
        // The next room starts with them.
        frame().commands().Sinki_Ryouiki();
        QCOMPARE(int(program_->room().Basyo), 11);
        QCOMPARE(int(program_->room().Situon), 245);
    }

    void exitWithCancelKeepsTheProgramAndTheRoom() {
        frame().commands().Sinki_Ryouiki();
        test::AddWall(program_->room(), 1, 5400, 2700);
        program_->room().Hozon_Flag = true;
        QSignalSpy closed(&frame(), &MDIForm1::closed);
        program_->prompts.AnswerNext(PromptAnswer::Cancel);
        Act(frame(), "Mnu_End")->trigger();
        QCOMPARE(closed.count(), 0);
        QVERIFY(frame().isVisible());
        QCOMPARE(program_->room().Kabe.Count(), 1);

        program_->prompts.AnswerNext(PromptAnswer::No);
        Act(frame(), "Mnu_End")->trigger();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!program_->forms().IsLoaded(FormId::Main_Form));
    }

    void sessionEndClosesWhateverIsAnswered() {
        frame().commands().Sinki_Ryouiki();
        test::AddWall(program_->room(), 1, 5400, 2700);
        program_->room().Hozon_Flag = true;
        QSignalSpy closed(&frame(), &MDIForm1::closed);
        program_->prompts.AnswerNext(PromptAnswer::Cancel);
        frame().EndSession();
        QCOMPARE(program_->prompts.messages.size(), std::size_t{1});
        QCOMPARE(closed.count(), 1);
        QVERIFY(!program_->forms().IsLoaded(FormId::Main_Form));
    }

    void stayOnTopFlag() {
        QWidget tool;
        tool.setGeometry(100, 120, 300, 200);
        Saizenmen_Set(tool, 2);
        QVERIFY(!tool.isVisible());
        Saizenmen_Set(tool, 1);
        QVERIFY(tool.isVisible());
        QVERIFY(tool.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(tool.geometry(), QRect(100, 120, 300, 200));
        Saizenmen_Set(tool, 0);
        QVERIFY(tool.isVisible());
        QVERIFY(!(tool.windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(tool.geometry(), QRect(100, 120, 300, 200));
    }

    void twipsAndFileFilter() {
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
        QCOMPARE(ToPixels(1440), qRound(dpi));
        QCOMPARE(ToTwips(qRound(dpi)), 1440.0);
        QCOMPARE(QtPrompts::QtNameFilter(QStringLiteral("カルモア標準ファイル|*.kmd")),
                 QStringLiteral("カルモア標準ファイル (*.kmd)"));
        QCOMPARE(QtPrompts::QtNameFilter(
                     QStringLiteral("カルモア標準ファイル|*.kmd|すべてのファイル|*")),
                 QStringLiteral("カルモア標準ファイル (*.kmd);;すべてのファイル (*)"));
    }

    void realSaveDialogStaysOpenForAMissingFolder() {
        // The real dialog, driven from inside its modal loop: a name in a
        // folder that does not exist is refused with a warning and the
        // dialog stays; a name without extension is returned as typed.
        QTemporaryDir dir;
        FileDialogRequest request;
        request.mode = FileDialogRequest::Mode::Save;
        request.filter = QStringLiteral("カルモア標準ファイル|*.kmd");
        request.overwritePrompt = request.hideReadOnly = request.pathMustExist = true;
        QStringList warnings;
        int typed = 0;
        QTimer driver;
        connect(&driver, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            dialog->setDirectory(dir.path());
            // Typed into the name field, as a user does.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name != nullptr);
            if (typed++ == 0) {
                // The warning runs its own modal loop inside accept().
                QTimer::singleShot(0, this, [&] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                        warnings << box->text();
                        box->done(QMessageBox::Ok);
                    }
                });
                name->setText(QStringLiteral("missing/A.kmd"));
            } else {
                name->setText(QStringLiteral("A"));
            }
            // The dialog's own Save button runs its accept().
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
        });
        driver.start(20);
        const std::optional<FileChoice> choice = QtPrompts(&frame()).FileDialog(request);
        driver.stop();
        QCOMPARE(typed, 2);
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].contains(QDir::toNativeSeparators(dir.filePath("missing"))));
        QVERIFY(choice.has_value());
        QCOMPARE(choice->path, dir.filePath("A"));
        QCOMPARE(choice->fileTitle, QStringLiteral("A"));
    }

    void exitWithoutRoomClosesAtOnce() {
        QSignalSpy closed(&frame(), &MDIForm1::closed);
        frame().close();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(program_->prompts.messages.size(), std::size_t{0});
    }

    void exitDuringTheStartUpWaitEndsTheProgram() {
        // Exit chosen while the splash window still shows: the program ends
        // there instead of entering its event loop without a window. The
        // guard ends a loop that would otherwise run on.
        QTimer::singleShot(500, &frame(), [this] { Act(frame(), "Mnu_End")->trigger(); });
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(8000);
        QElapsedTimer took;
        took.start();
        const int code = Module1::Run(*qApp, program_->ctx());
        QCOMPARE(code, 0);
        QVERIFY(took.elapsed() < 5000);
        QVERIFY(!frame().isVisible());
    }
};

QTEST_MAIN(FrameTest)
#include "frame_test.moc"
