// Save and Open through the frame: the file dialog's request and starting
// folder, the no-wall message, the titles, the unsaved-changes question for
// every answer, what a cancelled or failed save and a refused file leave
// behind, and a file opened from the command line or dropped on the frame.

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "app/frame_commands.h"
#include "app/module1.h"
#include "calc/load_totals.h"
#include "calc/room_results.h"
#include "gui_test_support.h"
#include "plan/main_form.h"
#include "plan/plan_widgets.h"
#include "project/project_commands.h"
#include "project/project_file.h"
#include "refdb/reference_data.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

const QString kRooms = QStringLiteral(KARUMOA_TEST_DATA_DIR "/rooms/");
const QString kBroken = QStringLiteral(KARUMOA_TEST_DATA_DIR "/broken/");

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class ProjectCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> program_;
    std::unique_ptr<QTemporaryDir> dir_;
    model::RoomModel& room() { return program_->room(); }
    MDIForm1& frame() { return program_->frame(); }
    ScriptedPrompts& prompts() { return program_->prompts; }
    ProjectCommands& project() { return frame().commands().project(); }
    QString Temp(const QString& name) const { return QDir(dir_->path()).filePath(name); }

    // A new room with one north wall and unsaved changes.
    void ChangedRoom() {
        frame().commands().Sinki_Ryouiki();
        test::AddWall(room(), 1, 5400, 2700);
        room().Hozon_Flag = true;
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() {
        test::ClearSettings();
        dir_ = std::make_unique<QTemporaryDir>();
        program_ = std::make_unique<test::Program>();
        refdb::LoadError error;
        program_->ctx().setReferenceData(refdb::ReferenceData::Load(KARUMOA_BIN_DIR, &error));
        QVERIFY2(program_->ctx().referenceData() != nullptr, error.message.c_str());
        frame().show();
    }
    void cleanup() {
        program_.reset();
        dir_.reset();
    }

    void saveWithoutWallsOnlyTellsWhy() {
        frame().commands().Sinki_Ryouiki();
        QVERIFY(!project().Save_Us());
        QCOMPARE(prompts().messages.size(), std::size_t{1});
        const auto& m = prompts().messages[0];
        QCOMPARE(m.text, QStringLiteral("壁を1つ以上登録しないと保存出来ません。"));
        QCOMPARE(m.title, QStringLiteral("確認"));
        QCOMPARE(m.icon, PromptIcon::Warning);
        QCOMPARE(m.buttons, PromptButtons::Ok);
        QVERIFY(prompts().fileDialogs.empty());
    }

    void saveWritesExactlyTheTypedName() {
        ChangedRoom();
        prompts().ChooseNextFile(Temp("A.kmd"));
        QVERIFY(project().Save_Us());
        const FileDialogRequest& r = prompts().fileDialogs.at(0);
        QCOMPARE(r.mode, FileDialogRequest::Mode::Save);
        QCOMPARE(r.filter, QStringLiteral("カルモア標準ファイル|*.kmd"));
        QVERIFY(r.initialName.isEmpty());
        QVERIFY(r.overwritePrompt && r.hideReadOnly && r.pathMustExist);
        QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア  (A.kmd)"));
        QVERIFY(!room().Hozon_Flag);
        model::RoomModel back;
        QVERIFY(project::ReadProjectFile(Temp("A.kmd").toStdString(), back));
        QVERIFY(back.Kabe == room().Kabe);

        // No extension added; and closing after the save asks nothing.
        prompts().ChooseNextFile(Temp("B"));
        QVERIFY(project().Save_Us());
        QVERIFY(QFile::exists(Temp("B")));
        QVERIFY(!QFile::exists(Temp("B.kmd")));
        QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア  (B)"));
        QVERIFY(frame().commands().CloseRoom());
        QCOMPARE(prompts().messages.size(), std::size_t{0});
    }

    void cancelledSaveChangesNothing() {
        ChangedRoom();
        prompts().ChooseNextFile(QString());
        QVERIFY(!project().Save_Us());
        QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア  (無題)"));
        QVERIFY(room().Hozon_Flag);
        QVERIFY(QDir(dir_->path()).isEmpty());
    }

    void failedSaveReportsAndKeepsEverything() {
        ChangedRoom();
        // A folder that does not exist.
        const QString missing = Temp("no-such-folder/A.kmd");
        prompts().ChooseNextFile(missing);
        QVERIFY(!project().Save_Us());
        QCOMPARE(prompts().messages.size(), std::size_t{1});
        const auto& m = prompts().messages[0];
        QVERIFY(m.text.contains(missing));
        QVERIFY(m.text.contains(QStringLiteral("保存先のフォルダがありません。")));
        QCOMPARE(m.title, QStringLiteral("確認"));
        QCOMPARE(m.icon, PromptIcon::Warning);
        QVERIFY(room().Hozon_Flag);
        QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア  (無題)"));

        // A room that cannot be written leaves an existing file as it was.
        QFile existing(Temp("old.kmd"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("old contents");
        existing.close();
        auto wall = room().Kabe.Item(1);
        auto zai = wall->Zai_Kaesi();
        zai[1] = "\xF0\x9F\x98\x80";  // an emoji has no Shift_JIS code
        wall->SetData(zai, wall->Netu_Kaesi(), wall->Atusa_Kaesi(), wall->Yoko, wall->Tate,
                      wall->Houi, wall->kuuki, wall->Netukanryuu, wall->Zokusei);
        prompts().ChooseNextFile(Temp("old.kmd"));
        QVERIFY(!project().Save_Us());
        QCOMPARE(prompts().messages.size(), std::size_t{2});
        QVERIFY(prompts().messages[1].text.contains(Temp("old.kmd")));
        QCOMPARE(Contents(Temp("old.kmd")), QByteArray("old contents"));
        QVERIFY(room().Hozon_Flag);
    }

    void closeQuestionAnswers_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("file");  // for Yes: chosen file ("" cancels, "bad" fails)
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("yes, saved") << int(PromptAnswer::Yes) << "C.kmd" << true << true;
        QTest::newRow("yes, dialog cancelled") << int(PromptAnswer::Yes) << "" << false << false;
        QTest::newRow("yes, save failed") << int(PromptAnswer::Yes) << "bad" << false << false;
        QTest::newRow("no") << int(PromptAnswer::No) << "" << true << false;
        QTest::newRow("cancel") << int(PromptAnswer::Cancel) << "" << false << false;
    }
    void closeQuestionAnswers() {
        QFETCH(int, answer);
        QFETCH(QString, file);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        ChangedRoom();
        prompts().AnswerNext(static_cast<PromptAnswer>(answer));
        if (answer == int(PromptAnswer::Yes)) {
            prompts().ChooseNextFile(file.isEmpty()  ? QString()
                                     : file == "bad" ? Temp("missing/x.kmd")
                                                     : Temp(file));
        }
        QCOMPARE(frame().commands().CloseRoom(), closes);
        QCOMPARE(prompts().messages.at(0).text, QStringLiteral("保存しますか？"));
        QCOMPARE(program_->forms().IsLoaded(FormId::Main_Form), !closes);
        QCOMPARE(QFile::exists(Temp("C.kmd")), written);
        if (!closes) {
            QCOMPARE(room().Kabe.Count(), 1);
            QVERIFY(room().Hozon_Flag);
            QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア  (無題)"));
        }
        QVERIFY(prompts().AllAnswersUsed());
    }

    void exitStopsWhenTheSaveIsCancelled() {
        ChangedRoom();
        QSignalSpy closed(&frame(), &MDIForm1::closed);
        prompts().AnswerNext(PromptAnswer::Yes);
        prompts().ChooseNextFile(QString());
        frame().close();
        QCOMPARE(closed.count(), 0);
        QCOMPARE(room().Kabe.Count(), 1);
    }

    void openDrawsTheFileKeepingTheTemperature() {
        room().Situon = 275;
        room().Basyo = 2;
        prompts().ChooseNextFile(kRooms + "attributes-blinds.kmd");
        project().File_Open();
        const FileDialogRequest& r = prompts().fileDialogs.at(0);
        QCOMPARE(r.mode, FileDialogRequest::Mode::Open);
        QCOMPARE(r.filter, QStringLiteral("カルモア標準ファイル|*.kmd|すべてのファイル|*"));
        QVERIFY(r.fileMustExist && r.hideReadOnly);
        QVERIFY(prompts().messages.empty());

        QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア  (attributes-blinds.kmd)"));
        QCOMPARE(int(room().Basyo), 9);
        QCOMPARE(int(room().Situon), 275);
        QVERIFY(!room().Hozon_Flag);
        QCOMPARE(room().Kabe.Count(), 4);
        QCOMPARE(room().Yane.Count(), 1);
        QCOMPARE(room().Yuka.Count(), 1);
        QCOMPARE(room().Yane_Mado.Count(), 1);
        Main_Form* plan = program_->forms().mainFormIfLoaded();
        QVERIFY(plan != nullptr && plan->isVisible());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(plan->Kabe_Button(i)->isVisible());
        }
        QVERIFY(plan->Yane_Mado_Button()->isVisible());
        QCOMPARE(plan->Jyoukuu_Shape()->Pattern(), 6);
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Kabe));
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Sinki_Ryouiki));
        QVERIFY(frame().IsEnabled(FrameItem::Toolbar1_Button3));

        // The rebuild ended with the recalculation: the room holds the totals.
        model::RoomModel copy = room();
        const calc::LoadTotals expected =
            calc::Recalculate(copy, *program_->ctx().referenceData()).totals;
        QVERIFY(expected.Kouzou_Goukei > 0.0f);
        QVERIFY(expected.Jintai_Goukei > 0.0f);
        QVERIFY(calc::StoredTotals(room()) == expected);
    }

    void saveUnderANewNameAndReopen() {
        prompts().ChooseNextFile(kRooms + "diagonal-room.kmd");
        project().File_Open();
        const model::RoomModel opened = room();
        prompts().ChooseNextFile(Temp("copy.kmd"));
        QVERIFY(project().Save_Us());
        QCOMPARE(Contents(Temp("copy.kmd")), Contents(kRooms + "diagonal-room.kmd"));
        prompts().ChooseNextFile(Temp("copy.kmd"));
        project().File_Open();
        QVERIFY(prompts().messages.empty());  // saved: nothing to ask
        QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア  (copy.kmd)"));
        QVERIFY(room() == opened);
        QVERIFY(!program_->forms().mainForm().Sagyou_Eria()->Arrow()->cardinal);
    }

    void openOverAnUnsavedRoom_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("no discards the room") << int(PromptAnswer::No) << true;
        QTest::newRow("cancel stops the open") << int(PromptAnswer::Cancel) << false;
        QTest::newRow("yes, then cancelled save stops") << int(PromptAnswer::Yes) << false;
    }
    void openOverAnUnsavedRoom() {
        QFETCH(int, answer);
        QFETCH(bool, opened);
        ChangedRoom();
        const model::RoomModel before = room();
        prompts().ChooseNextFile(kRooms + "one-wall.kmd");
        prompts().AnswerNext(static_cast<PromptAnswer>(answer));
        if (answer == int(PromptAnswer::Yes)) {
            prompts().ChooseNextFile(QString());
        }
        project().File_Open();
        QCOMPARE(prompts().messages.at(0).text, QStringLiteral("保存しますか？"));
        if (opened) {
            QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア  (one-wall.kmd)"));
            QCOMPARE(room().Kabe.Item(1)->Yoko, 6000);
            QVERIFY(!room().Hozon_Flag);
        } else {
            QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア  (無題)"));
            QVERIFY(room() == before);
        }
    }

    void savedOverTheFileBeingOpenedShowsWhatWasSaved() {
        // Open A, Yes to the question, save to A: the room shown is the one
        // just saved, not A as it was before.
        const QString a = Temp("a.kmd");
        QVERIFY(QFile::copy(kRooms + "one-wall.kmd", a));
        ChangedRoom();  // one north wall 5400 wide
        prompts().ChooseNextFile(a);
        prompts().AnswerNext(PromptAnswer::Yes);
        prompts().ChooseNextFile(a);
        project().File_Open();
        QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア  (a.kmd)"));
        QCOMPARE(room().Kabe.Count(), 1);
        QCOMPARE(room().Kabe.Item(1)->Yoko, 5400);
        QVERIFY(!room().Hozon_Flag);
    }

    void cancelledOpenChangesNothing() {
        ChangedRoom();
        const model::RoomModel before = room();
        prompts().ChooseNextFile(QString());
        project().File_Open();
        QVERIFY(prompts().messages.empty());
        QVERIFY(room() == before);
    }

    void refusedFileLeavesTheRoomAsItWas_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("truncated") << "truncated.kmd";
        QTest::newRow("five walls") << "five-walls.kmd";
        QTest::newRow("not a number") << "not-a-number.kmd";
        QTest::newRow("not Shift_JIS") << "not-shift-jis.kmd";
        QTest::newRow("missing") << "does-not-exist.kmd";
    }
    void refusedFileLeavesTheRoomAsItWas() {
        QFETCH(QString, file);
        ChangedRoom();
        const model::RoomModel before = room();
        prompts().ChooseNextFile(kBroken + file);
        project().File_Open();
        // Refused before the room is closed: no question about saving.
        QCOMPARE(prompts().messages.size(), std::size_t{1});
        const auto& m = prompts().messages[0];
        QVERIFY(m.text.startsWith(QStringLiteral("「") + kBroken + file +
                                  QStringLiteral("」を開けませんでした。\n")));
        QVERIFY(m.text.size() > 20 + kBroken.size() + file.size());
        QCOMPARE(m.title, QStringLiteral("確認"));
        QCOMPARE(m.icon, PromptIcon::Warning);
        QVERIFY(room() == before);
        QCOMPARE(frame().windowTitle(), QStringLiteral("カルモア  (無題)"));
        QVERIFY(program_->forms().IsLoaded(FormId::Main_Form));
    }

    void dialogsStartInTheRoomsFolderElseTheLastElseHome() {
        const auto startedIn = [this] { return prompts().fileDialogs.back().initialFolder; };
        const QString rooms = QFileInfo(kRooms + "one-wall.kmd").absolutePath();
        // Nothing used yet: the home folder.
        prompts().ChooseNextFile(kRooms + "one-wall.kmd");
        project().File_Open();
        QCOMPARE(startedIn(), QDir::homePath());
        // The open room's file, for Save and for Open.
        room().Hozon_Flag = false;
        prompts().ChooseNextFile(Temp("saved.kmd"));
        QVERIFY(project().Save_Us());
        QCOMPARE(startedIn(), rooms);
        prompts().ChooseNextFile(QString());
        project().File_Open();
        QCOMPARE(startedIn(), dir_->path());
        // A room chosen but refused changes the folder used last, not the
        // room's file.
        prompts().ChooseNextFile(kBroken + "truncated.kmd");
        project().File_Open();
        prompts().ChooseNextFile(QString());
        project().File_Open();
        QCOMPARE(startedIn(), dir_->path());
        // A new room has no file: the folder used last, remembered.
        QVERIFY(frame().commands().CloseRoom());
        frame().commands().Sinki_Ryouiki();
        test::AddWall(room(), 1, 5400, 2700);
        prompts().ChooseNextFile(QString());
        QVERIFY(!project().Save_Us());
        QCOMPARE(startedIn(), QFileInfo(kBroken + "truncated.kmd").absolutePath());
        QCOMPARE(program_->ctx().settings().ReadText("Fairu", "Foruda", QString()),
                 QFileInfo(kBroken + "truncated.kmd").absolutePath());
        // A remembered folder that is gone: home again.
        program_->ctx().settings().WriteText("Fairu", "Foruda", Temp("gone"));
        prompts().ChooseNextFile(QString());
        project().File_Open();
        QCOMPARE(startedIn(), QDir::homePath());
    }

    void fileOnTheCommandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("walls");
        QTest::addColumn<QString>("message");
        const QString broken = QFileInfo(kBroken + "five-walls.kmd").absoluteFilePath();
        QTest::newRow("a room") << QStringList{"karumoa", kRooms + "one-wall.kmd"}
                                << "カルモア  (one-wall.kmd)" << 1 << QString();
        QTest::newRow("relative to the current folder")
            << QStringList{"karumoa", "one-wall.kmd"} << "カルモア  (one-wall.kmd)" << 1
            << QString();
        QTest::newRow("further arguments ignored")
            << QStringList{"karumoa", kRooms + "one-wall.kmd", kBroken + "five-walls.kmd"}
            << "カルモア  (one-wall.kmd)" << 1 << QString();
        QTest::newRow("refused: no room")
            << QStringList{"karumoa", kBroken + "five-walls.kmd"} << "カルモア" << -1
            << QStringLiteral("「%1」を開けませんでした。\n").arg(broken);
        QTest::newRow("no file") << QStringList{"karumoa"} << "カルモア" << -1 << QString();
    }
    void fileOnTheCommandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, title);
        QFETCH(int, walls);
        QFETCH(QString, message);
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(kRooms);
        Module1::OpenArguments(program_->ctx(), arguments);
        QDir::setCurrent(cwd);
        QCOMPARE(frame().windowTitle(), title);
        QCOMPARE(program_->forms().IsLoaded(FormId::Main_Form), walls >= 0);
        if (walls >= 0) {
            QCOMPARE(room().Kabe.Count(), walls);
            QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Sinki_Ryouiki));
        } else {
            QVERIFY(frame().IsEnabled(FrameItem::Mnu_Sinki_Ryouiki));
            QVERIFY(!frame().IsEnabled(FrameItem::Toolbar1_Button3));
        }
        QCOMPARE(prompts().messages.size(), std::size_t{message.isEmpty() ? 0u : 1u});
        if (!message.isEmpty()) {
            QVERIFY2(prompts().messages[0].text.startsWith(message),
                     qPrintable(prompts().messages[0].text));
        }
        QVERIFY(prompts().fileDialogs.empty());
    }

    void droppedFileOpensAfterTheQuestion() {
        ChangedRoom();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(kRooms + "one-wall.kmd")});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame(), &drop);
        prompts().AnswerNext(PromptAnswer::No);
        QTRY_COMPARE(frame().windowTitle(), QStringLiteral("カルモア  (one-wall.kmd)"));
        QCOMPARE(prompts().messages.size(), std::size_t{1});
        QCOMPARE(prompts().messages[0].text, QStringLiteral("保存しますか？"));
        QCOMPARE(room().Kabe.Item(1)->Yoko, 6000);
        // Two files at once are not taken.
        data.setUrls({QUrl::fromLocalFile(kRooms + "one-wall.kmd"),
                      QUrl::fromLocalFile(kRooms + "diagonal-room.kmd")});
        QDragEnterEvent both(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        both.ignore();
        QApplication::sendEvent(&frame(), &both);
        QVERIFY(!both.isAccepted());
    }

    void openWorksWithoutReferenceTables() {
        program_->ctx().setReferenceData(std::nullopt);
        prompts().ChooseNextFile(kRooms + "one-wall.kmd");
        project().File_Open();
        QVERIFY(prompts().messages.empty());
        QCOMPARE(room().Kabe.Count(), 1);
    }
};

QTEST_MAIN(ProjectCommandsTest)
#include "project_commands_test.moc"
