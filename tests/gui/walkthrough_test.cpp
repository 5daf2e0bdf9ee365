// A whole session as a user works it, through the real modal dialogs and
// context menus: a new room, four walls from two registrations, two window
// sizes on the south wall, a roof with a skylight, a floor, the east wall
// set to "室内負荷", saved and opened again. The loads the program shows
// after opening are the loads computed from the saved file alone, and the
// totals karumoa-calc reports for it.
//
// The dialogs run their own modal loops and the menus theirs; a scripted
// user (a timer) acts in them once the expected window is in front.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "app/twips.h"
#include "calc/load_totals.h"
#include "calc/room_results.h"
#include "edit_test_support.h"
#include "plan/plan_widgets.h"
#include "project/project_commands.h"
#include "project/project_file.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

// Acts in the window in front when it is the one a step waits for. A step
// is taken off the list before it acts, so that a step which opens a modal
// loop lets the next steps run inside it.
class ScriptedUser : public QObject {
public:
    ScriptedUser() {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
        timer_.start();
        waiting_.start();
    }

    void Then(const QString& what, std::function<bool()> ready, std::function<void()> act) {
        steps_.push_back({what, std::move(ready), std::move(act)});
        waiting_.restart();
    }
    bool Done() const { return steps_.empty(); }
    // The step that never became ready, if any.
    QString Stuck() const { return stuck_; }

private:
    struct Step {
        QString what;
        std::function<bool()> ready;
        std::function<void()> act;
    };

    void Tick() {
        if (steps_.empty()) {
            return;
        }
        if (!steps_.front().ready()) {
            // A step that cannot happen must not leave a modal loop open.
            if (waiting_.elapsed() > 5000) {
                stuck_ = steps_.front().what;
                steps_.clear();
                CloseAll();
            }
            return;
        }
        auto act = std::make_shared<Step>(std::move(steps_.front()));
        steps_.pop_front();
        waiting_.restart();
        // Qt does not fire a timer again while its own handler runs, so the
        // step runs from a timer of its own: a modal loop it opens lets
        // this timer go on with the next steps.
        QTimer::singleShot(0, this, [this, act] {
            act->act();
            // A step that failed half-way leaves no window waiting for it.
            if (QTest::currentTestFailed()) {
                stuck_ = act->what;
                steps_.clear();
                CloseAll();
            }
        });
    }

    static void CloseAll() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            modal->reject();
        }
    }

    std::deque<Step> steps_;
    QTimer timer_;
    QElapsedTimer waiting_;
    QString stuck_;
};

template <class T>
T* InFront() {
    auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
    return w != nullptr && w->isVisible() ? w : nullptr;
}

QMenu* MenuInFront(const char* name) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu != nullptr && menu->objectName() == QLatin1String(name) ? menu : nullptr;
}

// Keyboard choices in an open menu: Return on an item, Right on a submenu.
void ChooseInMenu(const char* menuName, const char* item) {
    QMenu* menu = MenuInFront(menuName);
    QAction* action = menu->findChild<QAction*>(QString::fromLatin1(item));
    menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_Return);
}
void OpenSubmenu(const char* menuName, const char* submenu) {
    QMenu* menu = MenuInFront(menuName);
    menu->setActiveAction(menu->findChild<QMenu*>(QString::fromLatin1(submenu))->menuAction());
    QTest::keyClick(menu, Qt::Key_Right);
}

void ClickTab(QTabBar* tabs, int tab) {
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab - 1).center());
}
void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}
// A layer as a user adds it: the tab, the material, the thickness, Enter.
void AddLayerByHand(Kabe_Form& kabe, int tab, int row, const QString& thickness) {
    ClickTab(kabe.Sentaku_Tab(), tab);
    ClickRow(kabe.List1(), row);
    QTest::keyClicks(kabe.Atusa_Edit(), thickness);
    QTest::keyClick(kabe.Atusa_Edit(), Qt::Key_Return);
}

bool SameTotals(const calc::LoadTotals& a, const calc::LoadTotals& b, float tolerance) {
    return qAbs(a.Kouzou_Goukei - b.Kouzou_Goukei) <= tolerance &&
           qAbs(a.Jintai_Goukei - b.Jintai_Goukei) <= tolerance &&
           qAbs(a.Syoumei_Goukei - b.Syoumei_Goukei) <= tolerance &&
           qAbs(a.Kanki_Goukei - b.Kanki_Goukei) <= tolerance;
}

}  // namespace

class WalkthroughTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> program_;
    model::RoomModel& room() { return program_->room(); }
    ScriptedPrompts& prompts() { return program_->prompts; }
    MDIForm1& frame() { return program_->frame(); }
    Main_Form& plan() { return *program_->forms().mainFormIfLoaded(); }
    void Command(const char* item) {
        frame().findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }

    QPoint ViewCentre() {
        const plan::Box& b = plan().OverheadViewLayout()->box;
        return QPoint(ToPixels(b.left + b.width / 2), ToPixels(b.top + b.height / 2));
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() {
        test::ClearSettings();
        program_ = std::make_unique<test::Program>();
        program_->ctx().setReferenceData(test::ShippedReferenceData());
        frame().resize(1200, 800);
        frame().show();
    }
    void cleanup() { program_.reset(); }

    void buildSaveAndReopenARoom() {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("room.kmd"));
        ScriptedUser user;

        Command("Mnu_Sinki_Ryouiki");
        QVERIFY(program_->forms().mainFormIfLoaded() != nullptr);

        // North with its opposite wall: concrete, glass wool, plasterboard
        // and an air layer, 6000 x 2700.
        user.Then(
            "north wall", [] { return InFront<Kabe_Form>() != nullptr; },
            [] {
                Kabe_Form& kabe = *InFront<Kabe_Form>();
                QCOMPARE(kabe.windowTitle(), QStringLiteral("壁負荷設定"));
                QCOMPARE(kabe.Houi_Combo()->currentText(), QStringLiteral("北"));
                AddLayerByHand(kabe, 1, 0, QStringLiteral("150"));
                AddLayerByHand(kabe, 9, 0, QStringLiteral("50"));
                AddLayerByHand(kabe, 8, 0, QStringLiteral("12"));
                QTest::mouseClick(kabe.Kuuki_Check(), Qt::LeftButton);
                QTest::keyClicks(kabe.Haba_Edit(), QStringLiteral("6000"));
                QTest::keyClicks(kabe.Takasa_Edit(), QStringLiteral("2700"));
                QVERIFY(kabe.Taimen_Check()->isChecked());
                QTest::mouseClick(kabe.Touroku_Button(), Qt::LeftButton);
            });
        Command("Mnu_Kabe");
        QVERIFY2(user.Done(), qPrintable(user.Stuck()));
        QCOMPARE(room().Kabe.Count(), 2);

        // East with its opposite wall, from the toolbar: the first wall's
        // layers and height, 4000 wide.
        user.Then(
            "east wall", [] { return InFront<Kabe_Form>() != nullptr; },
            [] {
                Kabe_Form& kabe = *InFront<Kabe_Form>();
                QCOMPARE(kabe.Houi_Combo()->currentText(), QStringLiteral("東"));
                QCOMPARE(kabe.Atusa_Label()->text(), QStringLiteral("212"));
                QTest::keyClicks(kabe.Haba_Edit(), QStringLiteral("4000"));
                QTest::mouseClick(kabe.Touroku_Button(), Qt::LeftButton);
            });
        Command("Toolbar1_Button5");
        QVERIFY2(user.Done(), qPrintable(user.Stuck()));
        QCOMPARE(room().Kabe.Count(), 4);
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Kabe));

        // Two window sizes on the south wall (wall 2, slot 1).
        user.Then(
            "wall menu", [] { return MenuInFront("Mnu_Kabe") != nullptr; },
            [] { ChooseInMenu("Mnu_Kabe", "Mnu_Mado_Tuika"); });
        user.Then(
            "south windows", [] { return InFront<Mado_Form>() != nullptr; },
            [] {
                Mado_Form& mado = *InFront<Mado_Form>();
                QCOMPARE(mado.Houi_Label()->text(), QStringLiteral("南"));
                mado.HScroll1()->setValue(1800);
                mado.VScroll1()->setValue(1200);
                test::Type(mado.Kazu_Edit(), QStringLiteral("2"));
                QTest::mouseClick(mado.Tuika_Button(), Qt::LeftButton);
                mado.HScroll1()->setValue(900);
                test::Type(mado.Kazu_Edit(), QStringLiteral("1"));
                QTest::keyClick(mado.Kazu_Edit(), Qt::Key_Return);
                QCOMPARE(mado.Goukei_Label()->text(), QStringLiteral("5.4"));
                QTest::mouseClick(mado.Touroku_Button(), Qt::LeftButton);
            });
        QTest::mouseClick(plan().Kabe_Button(1), Qt::RightButton);
        QVERIFY2(user.Done(), qPrintable(user.Stuck()));
        QCOMPARE(plan().Mado_Button(1)->text(), QStringLiteral("3"));

        // The roof: concrete and extruded polystyrene.
        user.Then(
            "roof", [] { return InFront<Kabe_Form>() != nullptr; },
            [] {
                Kabe_Form& kabe = *InFront<Kabe_Form>();
                QCOMPARE(kabe.windowTitle(), QStringLiteral("屋根負荷設定"));
                QCOMPARE(kabe.Haba_Edit()->displayText(), QStringLiteral("__6000"));
                QCOMPARE(kabe.Takasa_Edit()->displayText(), QStringLiteral("__4000"));
                QTest::mouseClick(kabe.Crear_Button(), Qt::LeftButton);
                AddLayerByHand(kabe, 1, 0, QStringLiteral("150"));
                AddLayerByHand(kabe, 10, 2, QStringLiteral("50"));
                QTest::mouseClick(kabe.Kuuki_Check(), Qt::LeftButton);
                QTest::mouseClick(kabe.Touroku_Button(), Qt::LeftButton);
            });
        Command("Mnu_Yane");
        QVERIFY2(user.Done(), qPrintable(user.Stuck()));
        QCOMPARE(room().Yane.Count(), 1);

        // A skylight of two 900 x 900 windows, from the overhead view.
        user.Then(
            "roof and floor menu", [] { return MenuInFront("Mnu_Jyouge") != nullptr; },
            [] { OpenSubmenu("Mnu_Jyouge", "Mnu_Yane"); });
        user.Then(
            "roof menu", [] { return MenuInFront("Mnu_Yane") != nullptr; },
            [] { ChooseInMenu("Mnu_Yane", "Mnu_Yane_Mado"); });
        user.Then(
            "skylight", [] { return InFront<Mado_Form>() != nullptr; },
            [] {
                Mado_Form& mado = *InFront<Mado_Form>();
                QCOMPARE(mado.Houi_Label()->text(), QStringLiteral("屋根"));
                mado.HScroll1()->setValue(900);
                mado.VScroll1()->setValue(900);
                test::Type(mado.Kazu_Edit(), QStringLiteral("2"));
                QTest::mouseDClick(mado.Mado_Label(), Qt::LeftButton);
                QTest::mouseClick(mado.Touroku_Button(), Qt::LeftButton);
            });
        QTest::mouseClick(plan().Sagyou_Eria(), Qt::RightButton, {}, ViewCentre());
        QVERIFY2(user.Done(), qPrintable(user.Stuck()));
        QCOMPARE(room().Yane_Mado.Count(), 1);
        QVERIFY(plan().Yane_Mado_Button()->isVisible());

        // The floor, as the first wall is built.
        user.Then(
            "floor", [] { return InFront<Kabe_Form>() != nullptr; },
            [] {
                Kabe_Form& kabe = *InFront<Kabe_Form>();
                QCOMPARE(kabe.windowTitle(), QStringLiteral("床負荷設定"));
                QTest::mouseClick(kabe.Touroku_Button(), Qt::LeftButton);
            });
        Command("Mnu_Yuka");
        QVERIFY2(user.Done(), qPrintable(user.Stuck()));
        QCOMPARE(room().Yuka.Count(), 1);

        // The east wall (wall 3) borders a room that is not cooled.
        user.Then(
            "wall menu", [] { return MenuInFront("Mnu_Kabe") != nullptr; },
            [] { OpenSubmenu("Mnu_Kabe", "Mnu_Zokuse"); });
        user.Then(
            "attributes", [] { return MenuInFront("Mnu_Zokuse") != nullptr; },
            [] { ChooseInMenu("Mnu_Zokuse", "Mnu_SitunaiFuka_Zokusei"); });
        QTest::mouseClick(plan().Kabe_Button(2), Qt::RightButton);
        QVERIFY2(user.Done(), qPrintable(user.Stuck()));
        QCOMPARE(room().Kabe.Item(3)->Houi, std::int16_t{3});
        QCOMPARE(room().Kabe.Item(3)->Zokusei, std::int16_t{2});
        QCOMPARE(prompts().messages.size(), std::size_t{0});
        QCOMPARE(test::RoomFault(room()), QString());
        QVERIFY(room().Hozon_Flag);

        const model::Mado_Data& south = *room().Mado.Item(2);
        QCOMPARE(south.Menseki, 5.4f);
        QCOMPARE(south.WindowCount(), 3);
        const calc::LoadTotals built = calc::StoredTotals(room());
        QVERIFY(built.Kouzou_Goukei > 0.0f);

        // Save, close and open again.
        prompts().ChooseNextFile(path);
        Command("Mnu_Save_Us");
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(!room().Hozon_Flag);
        QCOMPARE(frame().windowTitle(), MDIForm1::TitleForFile(QStringLiteral("room.kmd")));
        QVERIFY(frame().commands().CloseRoom());
        QVERIFY(room().Kabe.empty());
        prompts().ChooseNextFile(path);
        Command("Mnu_File_Open");
        QCOMPARE(prompts().messages.size(), std::size_t{0});
        QCOMPARE(room().Kabe.Count(), 4);
        QCOMPARE(room().Mado.Item(2)->Menseki, 5.4f);
        QCOMPARE(room().Kabe.Item(3)->Zokusei, std::int16_t{2});
        QCOMPARE(room().Yane_Mado.Item(1)->WindowCount(), 2);
        QCOMPARE(plan().Kabe_Button(2)->text(), QStringLiteral("東"));
        const calc::LoadTotals reopened = calc::StoredTotals(room());

        // The saved file alone gives the loads the program shows.
        model::RoomModel fromFile;
        QVERIFY(project::ReadProjectFile(path.toStdString(), fromFile));
        const calc::LoadTotals computed =
            calc::Recalculate(fromFile, *program_->ctx().referenceData()).totals;
        QVERIFY(computed == reopened);

        // And so does the command-line report of the saved file.
        QProcess calc;
        calc.start(QStringLiteral(KARUMOA_BIN_DIR "/karumoa-calc"),
                   {QStringLiteral("--format"), QStringLiteral("json"), path});
        QVERIFY(calc.waitForFinished(30000));
        QCOMPARE(calc.exitCode(), 0);
        const QJsonObject totals =
            QJsonDocument::fromJson(calc.readAllStandardOutput()).object()["totals"].toObject();
        auto reported = [&](const char* key) {
            return static_cast<float>(totals[QLatin1String(key)].toDouble());
        };
        QCOMPARE(reported("structural"), reopened.Kouzou_Goukei);
        QCOMPARE(reported("occupant"), reopened.Jintai_Goukei);
        QCOMPARE(reported("lighting"), reopened.Syoumei_Goukei);
        QCOMPARE(reported("ventilation"), reopened.Kanki_Goukei);
        QCOMPARE(reported("sum"), reopened.Sum());
        // K is kept to seven digits in the file: the room as built differs
        // at most in the last digits of a single.
        QVERIFY(SameTotals(built, reopened, 0.05f));
    }
};

QTEST_MAIN(WalkthroughTest)
#include "walkthrough_test.moc"
