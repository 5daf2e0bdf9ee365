// The context menus of the plan (which menu a right-click, the Menu key or
// Shift+F10 opens, its enabled items and check marks, its commands, the Tab
// order of the plan's elements) and the deletions with both
// answers to each question, their cascades and the menus they re-enable.

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/twips.h"
#include "edit_test_support.h"
#include "plan/plan_widgets.h"
#include "summary/goukei_menu.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

QColor ButtonColour(const QPushButton* b) {
    return b->palette().color(QPalette::Button);
}

}  // namespace

class PopUpDeletionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> program_;
    model::RoomModel& room() { return program_->room(); }
    ScriptedPrompts& prompts() { return program_->prompts; }
    Main_Form& plan() { return *program_->forms().mainFormIfLoaded(); }
    PopUp_Form& popUp() { return program_->forms().popUpForm(); }
    MDIForm1& frame() { return program_->frame(); }

    // The menus opened, and the item to choose in the next one.
    QList<QMenu*> opened_;
    QString choose_;

    bool On(const char* item) { return popUp().Item(QString::fromLatin1(item))->isEnabled(); }
    bool Checked(const char* item) { return popUp().Item(QString::fromLatin1(item))->isChecked(); }
    void RightClick(QWidget* w, QPoint at = QPoint()) {
        QTest::mouseClick(w, Qt::RightButton, {}, at.isNull() ? w->rect().center() : at);
    }
    // The pixel at the middle of the overhead view.
    QPoint ViewCentre() {
        const plan::Box& b = plan().OverheadViewLayout()->box;
        return QPoint(ToPixels(b.left + b.width / 2), ToPixels(b.top + b.height / 2));
    }
    void Choose(const QString& item) { choose_ = item; }

    void VerifyQuestion(std::size_t i, const QString& text, PromptIcon icon,
                        PromptButtons buttons) {
        QVERIFY(prompts().messages.size() > i);
        const auto& m = prompts().messages[i];
        QCOMPARE(m.text, text);
        QCOMPARE(m.title, QStringLiteral("確認"));
        QCOMPARE(m.icon, icon);
        QCOMPARE(m.buttons, buttons);
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() {
        test::ClearSettings();
        program_ = std::make_unique<test::Program>();
        test::OpenNewRoom(*program_);
        opened_.clear();
        choose_.clear();
        popUp().SetMenuRunner([this](QMenu* menu) {
            opened_ << menu;
            if (!choose_.isEmpty()) {
                QAction* action = popUp().Item(choose_);
                choose_.clear();
                QVERIFY(action != nullptr);
                if (action->isEnabled()) {
                    action->trigger();
                }
            }
        });
        // North (windows), east (windows, no blinds), south (windows),
        // west (none); roof, floor and a skylight.
        test::FillFullRoom(room());
        plan().Kabe_Seisaku();
        room().Hozon_Flag = false;
    }
    void cleanup() { program_.reset(); }

    void menusAndCaptions() {
        // Every item of the four plan menus in menu order, submenus inline.
        QStringList captions;
        std::function<void(const QMenu*)> walk = [&](const QMenu* menu) {
            for (QAction* a : menu->actions()) {
                captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
                if (a->menu() != nullptr) {
                    walk(a->menu());
                }
            }
        };
        for (const QMenu* menu : {popUp().Mnu_Kabe(), popUp().Mnu_Mado(), popUp().Mnu_Jyouge(),
                                  popUp().Mnu_Yanemado()}) {
            walk(menu);
        }
        QCOMPARE(
            captions.join(u' '),
            QStringLiteral("窓の追加... - 壁の属性 標準 室外日陰 室内負荷 無負荷 壁の削除 "
                           "窓の属性 ブラインド有り ブラインド無し 窓の削除 "
                           "屋根 窓の追加 - 屋根の属性 標準 室外日陰 室内負荷 無負荷 屋根の削除 "
                           "床 床の属性 標準 室外負荷 無負荷 床の削除 "
                           "窓の属性 ブラインド有り ブラインド無し 窓の削除"));
        QCOMPARE(popUp().Mnu_Yanemado()->title(), QStringLiteral("屋根窓"));
        QCOMPARE(popUp().Mnu_Goukei()->title(), QStringLiteral("合計表示"));
        QVERIFY(popUp().isHidden());
    }

    void wallMenuFollowsTheWall() {
        room().Kabe.Item(1)->Zokusei = 2;
        RightClick(plan().Kabe_Button(3));
        QCOMPARE(opened_, QList<QMenu*>{popUp().Mnu_Kabe()});
        QCOMPARE(room().Kabe_Bangou, std::int16_t{4});
        QVERIFY(On("Mnu_Mado_Tuika"));
        QVERIFY(Checked("Mnu_Hyoujyun_Zokusei") && !Checked("Mnu_SitunaiFuka_Zokusei"));
        QCOMPARE(plan().focusWidget(), plan().Sagyou_Eria());

        // A wall with windows takes none more; the marks follow its record.
        RightClick(plan().Kabe_Button(0));
        QCOMPARE(room().Kabe_Bangou, std::int16_t{1});
        QVERIFY(!On("Mnu_Mado_Tuika"));
        QVERIFY(Checked("Mnu_SitunaiFuka_Zokusei"));
        QVERIFY(!Checked("Mnu_Hyoujyun_Zokusei") && !Checked("Mnu_Hikage_Zokusei") &&
                !Checked("Mnu_Mufuka_Zokusei"));
        // An attribute outside 0..3 leaves the marks alone.
        room().Kabe.Item(1)->Zokusei = 7;
        popUp().Zokusei_Set(1);
        QVERIFY(Checked("Mnu_SitunaiFuka_Zokusei"));

        // The left button opens nothing.
        QTest::mouseClick(plan().Kabe_Button(2), Qt::LeftButton);
        QCOMPARE(opened_.size(), 2);
        QCOMPARE(room().Kabe_Bangou, std::int16_t{1});
        QVERIFY(!room().Hozon_Flag);
    }

    void attributeCommands() {
        Choose(QStringLiteral("Mnu_SitunaiFuka_Zokusei"));
        RightClick(plan().Kabe_Button(1));
        QCOMPARE(room().Kabe.Item(2)->Zokusei, std::int16_t{2});
        QCOMPARE(ButtonColour(plan().Kabe_Button(1)), QColor(255, 128, 255));
        QCOMPARE(ButtonColour(plan().Kabe_Button(0)), QColor(192, 192, 192));
        QVERIFY(room().Hozon_Flag);

        Choose(QStringLiteral("Mnu_Yuka_Situgai"));
        RightClick(plan().Sagyou_Eria(), ViewCentre());
        QCOMPARE(room().Yuka.Item(1)->Zokusei, std::int16_t{1});
        Choose(QStringLiteral("Mnu_Yane_Mufuka"));
        RightClick(plan().Sagyou_Eria(), ViewCentre());
        QCOMPARE(room().Yane.Item(1)->Zokusei, std::int16_t{3});
        // The marks of the next opening follow.
        RightClick(plan().Sagyou_Eria(), ViewCentre());
        QVERIFY(Checked("Mnu_Yane_Mufuka") && !Checked("Mnu_Yane_Hyoujyun"));
        QVERIFY(Checked("Mnu_Yuka_Situgai") && !Checked("Mnu_Yuka_Hyoujyun") &&
                !Checked("Mnu_Yuka_Mufuka"));
        QCOMPARE(test::RoomFault(room()), QString());
    }

    void blindsOfOneWallsWindows() {
        RightClick(plan().Mado_Button(1));
        QCOMPARE(opened_, QList<QMenu*>{popUp().Mnu_Mado()});
        QCOMPARE(room().Kabe_Bangou, std::int16_t{2});
        QVERIFY(!Checked("Mnu_Braindo_Ari") && Checked("Mnu_Braindo_Nasi"));
        Choose(QStringLiteral("Mnu_Braindo_Ari"));
        RightClick(plan().Mado_Button(1));
        QVERIFY(room().Mado.Item(2)->Braindo);
        QCOMPARE(ButtonColour(plan().Mado_Button(1)), QColor(128, 128, 255));
        QVERIFY(room().Hozon_Flag);
        Choose(QStringLiteral("Mnu_Braindo_Nasi"));
        RightClick(plan().Mado_Button(0));
        QVERIFY(!room().Mado.Item(1)->Braindo);
        QVERIFY(room().Mado.Item(3)->Braindo);
        QCOMPARE(ButtonColour(plan().Mado_Button(0)), QColor(128, 255, 255));
        QCOMPARE(ButtonColour(plan().Mado_Button(2)), QColor(128, 128, 255));

        RightClick(plan().Yane_Mado_Button());
        QCOMPARE(opened_.last(), popUp().Mnu_Yanemado());
        QVERIFY(Checked("Mnu_Yane_Mado_Braindo_Ari") && !Checked("Mnu_Yane_Mado_Braindo_Nasi"));
        Choose(QStringLiteral("Mnu_Yane_Mado_Braindo_Nasi"));
        RightClick(plan().Yane_Mado_Button());
        QVERIFY(!room().Yane_Mado.Item(1)->Braindo);
        QCOMPARE(ButtonColour(plan().Yane_Mado_Button()), QColor(128, 255, 255));
    }

    void roofAndFloorMenuInsideTheViewOnly() {
        RightClick(plan().Sagyou_Eria(), ViewCentre());
        QCOMPARE(opened_, QList<QMenu*>{popUp().Mnu_Jyouge()});
        QVERIFY(On("Mnu_Yane") && On("Mnu_Yuka"));
        // The roof has its skylight already.
        QVERIFY(!On("Mnu_Yane_Mado"));
        QVERIFY(Checked("Mnu_Yane_Hyoujyun") && Checked("Mnu_Yuka_Hyoujyun"));

        // Outside the view, on its edge, or with the left button: nothing.
        RightClick(plan().Sagyou_Eria(), QPoint(5, 5));
        QTest::mouseClick(plan().Sagyou_Eria(), Qt::LeftButton, {}, ViewCentre());
        const plan::Box& b = plan().OverheadViewLayout()->box;
        popUp().Sagyou_Eria_MouseDown(Qt::RightButton, QPointF(b.left, b.top + b.height / 2));
        popUp().Sagyou_Eria_MouseDown(Qt::RightButton,
                                      QPointF(b.left + b.width / 2, b.top + b.height));
        QCOMPARE(opened_.size(), 1);
        popUp().Sagyou_Eria_MouseDown(Qt::RightButton, QPointF(b.left + 1, b.top + 1));
        QCOMPARE(opened_.size(), 2);

        // Without the skylight the roof takes one again.
        room().Yane_Mado.Clear();
        plan().Kabe_Seisaku();
        RightClick(plan().Sagyou_Eria(), ViewCentre());
        QVERIFY(On("Mnu_Yane_Mado"));

        // Neither roof nor floor: the menu opens with both disabled.
        room().Yane.Clear();
        room().Yuka.Clear();
        plan().Kabe_Seisaku();
        RightClick(plan().Sagyou_Eria(), ViewCentre());
        QCOMPARE(opened_.size(), 4);
        QVERIFY(!On("Mnu_Yane") && !On("Mnu_Yuka"));
    }

    void menuKeyOpensWhatARightClickOpens_data() {
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        for (const char* element :
             {"Kabe_Button_2", "Mado_Button_1", "Jyoukuu_Shape", "Yane_Mado_Button"}) {
            QTest::addRow("%s, Menu key", element) << element << int(Qt::Key_Menu) << 0;
            QTest::addRow("%s, Shift+F10", element)
                << element << int(Qt::Key_F10) << int(Qt::ShiftModifier);
        }
    }
    void menuKeyOpensWhatARightClickOpens() {
        QFETCH(QString, element);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QWidget* w = plan().findChild<QWidget*>(element);
        QVERIFY(w != nullptr && w->isVisible());
        QVERIFY(w->focusPolicy() & Qt::TabFocus);
        room().Kabe_Bangou = 0;
        if (w == plan().Jyoukuu_Shape()) {
            RightClick(plan().Sagyou_Eria(), ViewCentre());
        } else {
            RightClick(w);
        }
        QCOMPARE(opened_.size(), 1);
        const std::int16_t clicked = room().Kabe_Bangou;
        room().Kabe_Bangou = 0;
        QTest::keyClick(w, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(opened_.size(), 2);
        QCOMPARE(opened_[1], opened_[0]);
        QCOMPARE(room().Kabe_Bangou, clicked);
        // The keyboard stays where it was.
        QCOMPARE(w->window()->focusWidget(), w);
        // A command chosen from the keyboard acts as from the mouse.
        if (element == QStringLiteral("Kabe_Button_2")) {
            Choose(QStringLiteral("Mnu_Hikage_Zokusei"));
            QTest::keyClick(w, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
            QCOMPARE(room().Kabe.Item(3)->Zokusei, std::int16_t{1});
        }
    }

    void tabGoesThroughWallsWindowsViewAndSkylight() {
        frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame()));
        plan().Kabe_Button(0)->setFocus(Qt::TabFocusReason);
        QStringList tabbed;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            tabbed << QApplication::focusWidget()->objectName();
        }
        // The west wall has no windows: its window button is passed over.
        QCOMPARE(tabbed, (QStringList{"Kabe_Button_1", "Kabe_Button_2", "Kabe_Button_3",
                                      "Mado_Button_0", "Mado_Button_1", "Mado_Button_2",
                                      "Jyoukuu_Shape", "Yane_Mado_Button"}));
    }

    void noViewNoMenu() {
        const QPoint centre = ViewCentre();
        room().Yuka.Clear();
        room().Yane.Clear();
        room().Yane_Mado.Clear();
        room().Kabe.Remove(4);
        room().Mado.Remove(4);
        plan().Kabe_Seisaku();
        RightClick(plan().Sagyou_Eria(), centre);
        QVERIFY(opened_.isEmpty());
    }

    void addWindowsCommandOpensTheDialog() {
        QString houi;
        QTimer inside;
        connect(&inside, &QTimer::timeout, this, [&] {
            if (auto* mado = qobject_cast<Mado_Form*>(QApplication::activeModalWidget())) {
                houi = mado->Houi_Label()->text();
                mado->reject();
            }
        });
        inside.start(0);
        program_->ctx().Settei_Mode = 1;
        Choose(QStringLiteral("Mnu_Mado_Tuika"));
        RightClick(plan().Kabe_Button(3));
        QCOMPARE(houi, QStringLiteral("西"));
        QCOMPARE(int(program_->ctx().Settei_Mode), 0);

        room().Yane_Mado.Clear();
        plan().Kabe_Seisaku();
        houi.clear();
        Choose(QStringLiteral("Mnu_Yane_Mado"));
        RightClick(plan().Sagyou_Eria(), ViewCentre());
        inside.stop();
        QCOMPARE(houi, QStringLiteral("屋根"));
        QCOMPARE(int(program_->ctx().Settei_Mode), 1);
        QVERIFY(!room().Hozon_Flag);
    }

    // --- Deletions.

    void wallWithRoofAndFloor_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("yes, ok") << int(PromptAnswer::Yes) << int(PromptAnswer::Ok);
        QTest::newRow("yes, cancel") << int(PromptAnswer::Yes) << int(PromptAnswer::Cancel);
        QTest::newRow("no") << int(PromptAnswer::No) << -1;
    }
    void wallWithRoofAndFloor() {
        QFETCH(int, first);
        QFETCH(int, second);
        const model::RoomModel before = room();
        const auto east = room().Mado.Item(2);
        prompts().AnswerNext(PromptAnswer(first));
        if (second >= 0) {
            prompts().AnswerNext(PromptAnswer(second));
        }
        Choose(QStringLiteral("Mnu_Kabe_Sakujyo"));
        RightClick(plan().Kabe_Button(2));
        VerifyQuestion(0, QStringLiteral("南の壁を削除しますか？ "), PromptIcon::Question,
                       PromptButtons::YesNo);
        QVERIFY(prompts().AllAnswersUsed());
        QCOMPARE(test::RoomFault(room()), QString());
        if (second < 0) {
            QCOMPARE(prompts().messages.size(), std::size_t{1});
            QCOMPARE(room().Kabe, before.Kabe);
            QCOMPARE(room().Mado, before.Mado);
            QCOMPARE(room().Yane.Count() + room().Yuka.Count() + room().Yane_Mado.Count(), 3);
            QVERIFY(!room().Hozon_Flag);
            return;
        }
        VerifyQuestion(1, QStringLiteral("設定済みの屋根や床も削除されます"), PromptIcon::Warning,
                       PromptButtons::OkCancel);
        QVERIFY(room().Hozon_Flag);
        if (PromptAnswer(second) == PromptAnswer::Cancel) {
            QCOMPARE(room().Kabe, before.Kabe);
            QCOMPARE(room().Yane.Count(), 1);
            QCOMPARE(room().Yuka.Count(), 1);
            QCOMPARE(room().Yane_Mado.Count(), 1);
            return;
        }
        QCOMPARE(room().Kabe.Count(), 3);
        QCOMPARE(room().Kabe.Item(3)->Houi, std::int16_t{7});
        QCOMPARE(room().Mado.Item(2), east);
        QVERIFY(room().Yane.empty() && room().Yuka.empty() && room().Yane_Mado.empty());
        // Three walls: the wall command is back, roof and floor are not.
        QVERIFY(frame().IsEnabled(FrameItem::Mnu_Kabe));
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Yane));
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Yuka));
        QVERIFY(plan().Jyoukuu_Shape()->isHidden());
        QVERIFY(plan().Kabe_Button(3)->isHidden());
    }

    void firstOfFourWallsWithoutRoofAndFloor() {
        room().Yane.Clear();
        room().Yuka.Clear();
        room().Yane_Mado.Clear();
        plan().Kabe_Seisaku();
        std::vector<std::shared_ptr<model::Mado_Data>> sets;
        for (int p = 2; p <= 4; ++p) {
            sets.push_back(room().Mado.Item(p));
        }
        prompts().AnswerNext(PromptAnswer::Yes);
        room().Kabe_Bangou = 1;
        plan().Kabe_Sakujyo();
        VerifyQuestion(0, QStringLiteral("北の壁を削除しますか？ "), PromptIcon::Question,
                       PromptButtons::YesNo);
        QCOMPARE(prompts().messages.size(), std::size_t{1});
        QCOMPARE(room().Kabe.Count(), 3);
        for (int p = 1; p <= 3; ++p) {
            QCOMPARE(room().Mado.Item(p), sets[static_cast<std::size_t>(p - 1)]);
        }
        QCOMPARE(room().Kabe.Item(1)->Houi, std::int16_t{3});
        // Kabe_Bangou is left as it was.
        QCOMPARE(room().Kabe_Bangou, std::int16_t{1});
        QVERIFY(room().Hozon_Flag);
        QCOMPARE(plan().Kabe_Button(0)->text(), QStringLiteral("東"));
        QCOMPARE(plan().Mado_Button(0)->text(), QStringLiteral("1"));
    }

    void windowsOfAWall_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void windowsOfAWall() {
        QFETCH(bool, yes);
        const auto set = room().Mado.Item(3);
        const model::Mado_Data before = *set;
        prompts().AnswerNext(yes ? PromptAnswer::Yes : PromptAnswer::No);
        Choose(QStringLiteral("Mnu_Mado_Sakujyo"));
        RightClick(plan().Mado_Button(2));
        VerifyQuestion(0, QStringLiteral("南の窓を削除しますか？ "), PromptIcon::Question,
                       PromptButtons::YesNo);
        QCOMPARE(room().Mado.Item(3), set);
        if (!yes) {
            QVERIFY(*set == before);
            QVERIFY(!room().Hozon_Flag);
            return;
        }
        QCOMPARE(set->EntryCount(), 0);
        QCOMPARE(set->WindowCount(), 0);
        QCOMPARE(set->Menseki, 0.0f);
        QVERIFY(!set->Braindo);
        QCOMPARE(set->Houi, std::int16_t{5});
        QVERIFY(plan().Mado_Button(2)->isHidden());
        QVERIFY(room().Hozon_Flag);
        RightClick(plan().Kabe_Button(2));
        QVERIFY(On("Mnu_Mado_Tuika"));
    }

    void roof_data() { windowsOfAWall_data(); }
    void roof() {
        QFETCH(bool, yes);
        popUp().Item(QStringLiteral("Mnu_Yane_Mado"))->setEnabled(false);
        frame().SetEnabled(FrameItem::Mnu_Yane, false);
        prompts().AnswerNext(yes ? PromptAnswer::Yes : PromptAnswer::No);
        Choose(QStringLiteral("Mnu_Yane_Sakujyo"));
        RightClick(plan().Sagyou_Eria(), ViewCentre());
        VerifyQuestion(0, QStringLiteral("屋根を削除しますか？ "), PromptIcon::Question,
                       PromptButtons::YesNo);
        QCOMPARE(room().Yane.empty(), yes);
        QCOMPARE(room().Yane_Mado.empty(), yes);
        QCOMPARE(room().Yuka.Count(), 1);
        QCOMPARE(room().Hozon_Flag, yes);
        QCOMPARE(frame().IsEnabled(FrameItem::Mnu_Yane), yes);
        QCOMPARE(On("Mnu_Yane_Mado"), yes);
        QCOMPARE(plan().Yane_Mado_Button()->isHidden(), yes);
        QCOMPARE(test::RoomFault(room()), QString());
    }

    void floor_data() { windowsOfAWall_data(); }
    void floor() {
        QFETCH(bool, yes);
        frame().SetEnabled(FrameItem::Mnu_Yuka, false);
        // Marks whether the loads were recomputed.
        room().Kouzou_Goukei = -1.0f;
        prompts().AnswerNext(yes ? PromptAnswer::Yes : PromptAnswer::No);
        Choose(QStringLiteral("Mnu_Yuka_Sakujyo"));
        RightClick(plan().Sagyou_Eria(), ViewCentre());
        VerifyQuestion(0, QStringLiteral("床を削除しますか？ "), PromptIcon::Question,
                       PromptButtons::YesNo);
        QCOMPARE(room().Yuka.empty(), yes);
        QCOMPARE(room().Yane.Count(), 1);
        QCOMPARE(room().Hozon_Flag, yes);
        QCOMPARE(frame().IsEnabled(FrameItem::Mnu_Yuka), yes);
        // Rebuilt whatever the answer.
        QVERIFY(room().Kouzou_Goukei > 0.0f);
    }

    void skylight_data() { windowsOfAWall_data(); }
    void skylight() {
        QFETCH(bool, yes);
        popUp().Item(QStringLiteral("Mnu_Yane_Mado"))->setEnabled(false);
        prompts().AnswerNext(yes ? PromptAnswer::Yes : PromptAnswer::No);
        Choose(QStringLiteral("Mnu_Yanemado_Sakujyo"));
        RightClick(plan().Yane_Mado_Button());
        VerifyQuestion(0, QStringLiteral("屋根の窓を削除しますか？"), PromptIcon::Warning,
                       PromptButtons::YesNo);
        QCOMPARE(room().Yane_Mado.empty(), yes);
        QCOMPARE(room().Yane.Count(), 1);
        QCOMPARE(room().Hozon_Flag, yes);
        QCOMPARE(On("Mnu_Yane_Mado"), yes);
        QCOMPARE(plan().Yane_Mado_Button()->isHidden(), yes);
    }

    void deletionsNeedAnElement() {
        const model::RoomModel before = room();
        for (const std::int16_t p : {std::int16_t{0}, std::int16_t{5}, std::int16_t{-1}}) {
            room().Kabe_Bangou = p;
            plan().Kabe_Sakujyo();
            plan().Mado_Sakujyo();
        }
        room().Yane.Clear();
        room().Yuka.Clear();
        room().Yane_Mado.Clear();
        plan().Yane_Sakujyo();
        plan().Yuka_Sakujyo();
        plan().Yanemado_Sakujyo();
        plan().Yane_Sakujyo_Kettei();
        QCOMPARE(prompts().messages.size(), std::size_t{0});
        QCOMPARE(room().Kabe, before.Kabe);
        QCOMPARE(room().Mado, before.Mado);
        QVERIFY(!room().Hozon_Flag);
    }
};

QTEST_MAIN(PopUpDeletionTest)
#include "popup_deletion_test.moc"
