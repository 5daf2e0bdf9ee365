// The construction dialog: the orientation sequence of a room's walls, the
// limits of thickness and size with their messages, the K stored for a
// layer set and the air layer's share, the material lists, a wall starting
// from the first wall's layers, and the roof and floor taking their size
// from the plan; long material names shown whole, and Enter on a focused
// button.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTreeWidget>

#include "calc/netukanryuu.h"
#include "edit_test_support.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

const QString kTitle = QStringLiteral("確認");

QStringList Rows(const QTreeWidget* list, int column) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        rows << list->topLevelItem(i)->text(column);
    }
    return rows;
}

}  // namespace

class KabeFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> program_;
    model::RoomModel& room() { return program_->room(); }
    ScriptedPrompts& prompts() { return program_->prompts; }
    Main_Form& plan() { return *program_->forms().mainFormIfLoaded(); }

    void VerifyLastMessage(const QString& text) {
        QVERIFY(!prompts().messages.empty());
        const auto& m = prompts().messages.back();
        QCOMPARE(m.text, text);
        QCOMPARE(m.title, kTitle);
        QCOMPARE(m.icon, PromptIcon::Warning);
        QCOMPARE(m.buttons, PromptButtons::Ok);
    }

    // Four walls: east 4000, south 6000, west 4000, north 6000 (in that
    // order, so the first wall is drawn down the plan), 2400 high; the first
    // with three layers and an air layer.
    void FourWalls() {
        auto first = std::make_shared<model::Kabe_Data>();
        first->SetData({"", "a", "b", "c", ""}, {0, 1.4f, 0.19f, 0.043f, 0}, {0, 150, 12, 50, 0},
                       4000, 2400, 3, true, 1.0f, 0);
        room().Kabe.Add(first);
        auto windows = std::make_shared<model::Mado_Data>();
        windows->Houi = 3;
        room().Mado.Add(windows);
        test::AddWall(room(), 5, 6000, 2400);
        test::AddWall(room(), 7, 4000, 2400);
        test::AddWall(room(), 1, 6000, 2400);
        plan().Kabe_Seisaku();
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() {
        test::ClearSettings();
        program_ = std::make_unique<test::Program>();
        test::OpenNewRoom(*program_);
    }
    void cleanup() { program_.reset(); }

    void orientationSequenceOfARoom() {
        Kabe_Form& kabe = test::ShowKabe(*program_, 0);
        QCOMPARE(kabe.windowTitle(), QStringLiteral("壁負荷設定"));
        QCOMPARE(kabe.Houi_Combo()->currentText(), QStringLiteral("北"));
        QVERIFY(kabe.Taimen_Check()->isEnabled() && kabe.Taimen_Check()->isChecked());
        QVERIFY(kabe.Haba_Edit()->isEnabled() && kabe.Takasa_Edit()->isEnabled());
        QCOMPARE(kabe.Haba_Edit()->displayText(), QStringLiteral("______"));

        // North with its opposite wall: two walls, two empty window sets.
        test::RegisterWall(*program_, 1, 6000, 2400, true);
        QVERIFY(kabe.isHidden());
        QCOMPARE(room().Kabe.Count(), 2);
        QCOMPARE(room().Kabe.Item(2)->Houi, std::int16_t{5});
        QCOMPARE(room().Kabe.Item(2)->Yoko, 6000);
        QCOMPARE(room().Mado.Count(), 2);
        for (int p = 1; p <= 2; ++p) {
            const model::Mado_Data& set = *room().Mado.Item(p);
            QCOMPARE(set.Houi, room().Kabe.Item(p)->Houi);
            QVERIFY(set.Braindo);
            QCOMPARE(set.WindowCount(), 0);
            QCOMPARE(set.Menseki, 0.0f);
        }
        QVERIFY(room().Hozon_Flag);

        test::ShowKabe(*program_, 0);
        QCOMPARE(kabe.Houi_Combo()->currentText(), QStringLiteral("東"));
        QCOMPARE(kabe.Mae_Houi(), 3);
        QVERIFY(kabe.Taimen_Check()->isEnabled() && kabe.Taimen_Check()->isChecked());
        QCOMPARE(kabe.Takasa_Edit()->displayText(), QStringLiteral("__2400"));
        QVERIFY(!kabe.Takasa_Edit()->isEnabled());
        // North-east is of the other parity, north is taken, the roof is no
        // wall: each goes back to east.
        test::ChooseHoui(kabe, 2);
        VerifyLastMessage(QStringLiteral("その方位の入力は出来ません"));
        QCOMPARE(kabe.Houi_Combo()->currentIndex(), 3);
        test::ChooseHoui(kabe, 1);
        VerifyLastMessage(QStringLiteral("すでにその方位は登録済みです"));
        QCOMPARE(kabe.Houi_Combo()->currentIndex(), 3);
        test::ChooseHoui(kabe, 0);
        VerifyLastMessage(QStringLiteral("その方位の入力は出来ません"));
        test::ChooseHoui(kabe, 9);
        VerifyLastMessage(QStringLiteral("その方位の入力は出来ません"));
        QCOMPARE(kabe.Houi_Combo()->currentIndex(), 3);
        QCOMPARE(prompts().messages.size(), std::size_t{4});
        // West is free, and so is its opposite: still an open width.
        test::ChooseHoui(kabe, 7);
        QVERIFY(kabe.Taimen_Check()->isEnabled());
        QCOMPARE(prompts().messages.size(), std::size_t{4});
        test::ChooseHoui(kabe, 3);

        // East alone.
        test::Type(kabe.Haba_Edit(), QStringLiteral("4000"));
        kabe.Taimen_Check()->setChecked(false);
        kabe.Touroku_Button_Click();
        QCOMPARE(room().Kabe.Count(), 3);

        // West faces east: the opposite box is off and the width fixed.
        test::ShowKabe(*program_, 0);
        QCOMPARE(kabe.Houi_Combo()->currentText(), QStringLiteral("西"));
        QVERIFY(!kabe.Taimen_Check()->isEnabled());
        QVERIFY(!kabe.Taimen_Check()->isChecked());
        QCOMPARE(kabe.Haba_Edit()->displayText(), QStringLiteral("__4000"));
        QVERIFY(!kabe.Haba_Edit()->isEnabled());
        QCOMPARE(kabe.focusWidget(), kabe.Touroku_Button());
        kabe.Touroku_Button_Click();
        QCOMPARE(room().Kabe.Count(), 4);
        QCOMPARE(room().Kabe.Item(4)->Houi, std::int16_t{7});
        QCOMPARE(room().Kabe.Item(4)->Yoko, 4000);
        QCOMPARE(room().Kabe.Item(4)->Tate, 2400);
        QCOMPARE(test::RoomFault(room()), QString());

        MDIForm1& frame = program_->frame();
        QVERIFY(!frame.IsEnabled(FrameItem::Mnu_Kabe));
        QVERIFY(!frame.IsEnabled(FrameItem::Toolbar1_Button5));
        QVERIFY(frame.IsEnabled(FrameItem::Mnu_Yane));
        QVERIFY(frame.IsEnabled(FrameItem::Mnu_Yuka));
    }

    void thicknessLimits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("added");  // the thickness added, 0 for none
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("2") << "2" << 0;
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("300") << "300" << 300;
        QTest::newRow("301") << "301" << 0;
        QTest::newRow("a sign refused, its digits kept") << "-5" << 5;
        QTest::newRow("full-width digits") << "１５０" << 150;
    }
    void thicknessLimits() {
        QFETCH(QString, typed);
        QFETCH(int, added);
        Kabe_Form& kabe = test::ShowKabe(*program_, 0);
        test::AddLayer(kabe, 1, 1, typed);
        QCOMPARE(kabe.Sou_Kazu(), added ? 2 : 1);
        if (added) {
            QCOMPARE(prompts().messages.size(), std::size_t{0});
            QCOMPARE(Rows(kabe.ListView1(), 0), QStringList{QStringLiteral("軽量コンクリート1種")});
            QCOMPARE(kabe.Sou_Netu()[1], 0.70f);
            QCOMPARE(int(kabe.Sou_Atusa()[1]), added);
            QCOMPARE(Rows(kabe.ListView1(), 1), QStringList{QString::number(added) + "mm"});
            QCOMPARE(kabe.Atusa_Label()->text(), QString::number(added));
            // The lists let go of the material just added.
            QVERIFY(kabe.List1()->selectedItems().isEmpty());
            QVERIFY(kabe.List2()->selectedItems().isEmpty());
        } else {
            VerifyLastMessage(QStringLiteral("入力できる厚さは 3mm以上300mm以下です"));
            QCOMPARE(kabe.ListView1()->topLevelItemCount(), 0);
            QCOMPARE(kabe.Atusa_Label()->text(), QStringLiteral("0"));
        }
        QCOMPARE(kabe.Atusa_Edit()->displayText(), QStringLiteral("___"));
    }

    void layerNeedsAMaterialAndAPositiveConductivity() {
        Kabe_Form& kabe = test::ShowKabe(*program_, 0);
        // Enter in the thickness field adds, and presses no button.
        kabe.List1()->setCurrentRow(0);
        test::Type(kabe.Atusa_Edit(), QStringLiteral("100"));
        QTest::keyClick(kabe.Atusa_Edit(), Qt::Key_Return);
        QCOMPARE(kabe.Sou_Kazu(), 2);
        QVERIFY(kabe.isVisible());
        // The material was let go: a second Enter has nothing to add, and
        // the typed thickness stays.
        test::Type(kabe.Atusa_Edit(), QStringLiteral("100"));
        QTest::keyClick(kabe.Atusa_Edit(), Qt::Key_Return);
        VerifyLastMessage(QStringLiteral("素材が選択されていません"));
        QCOMPARE(kabe.Atusa_Edit()->text(), QStringLiteral("100"));
        QCOMPARE(kabe.Sou_Kazu(), 2);

        kabe.List2()->item(2)->setText(QStringLiteral("0"));
        kabe.List1()->setCurrentRow(2);
        QTest::mouseClick(kabe.Plus_Button(), Qt::LeftButton);
        VerifyLastMessage(QStringLiteral("熱伝導率が正しくないため、この素材は追加できません"));
        QCOMPARE(kabe.Sou_Kazu(), 2);
        QCOMPARE(kabe.Atusa_Edit()->displayText(), QStringLiteral("___"));
        QVERIFY(std::isfinite(kabe.Netukanryuu_Keisan()));
    }

    void materialListsOfATab() {
        Kabe_Form& kabe = test::ShowKabe(*program_, 0);
        QCOMPARE(kabe.Sentaku_Tab()->count(), 10);
        QCOMPARE(kabe.Sentaku_Tab()->tabText(9), QStringLiteral("プラスチック保温材"));
        // The plaster category ends after two materials; insulation has
        // the most a category offers.
        kabe.Sentaku_Tab()->setCurrentIndex(7);
        QCOMPARE(kabe.List1()->count(), 2);
        QCOMPARE(kabe.List2()->count(), 2);
        QCOMPARE(kabe.List2()->item(1)->text(), QStringLiteral("0.52"));
        QCOMPARE(kabe.List1()->currentRow(), 0);
        QCOMPARE(kabe.List2()->currentRow(), 0);
        kabe.Sentaku_Tab()->setCurrentIndex(8);
        QCOMPARE(kabe.List1()->count(), 7);
        // A click in either list selects the same row in the other.
        QListWidget* list2 = kabe.List2();
        QTest::mouseClick(list2->viewport(), Qt::LeftButton, {},
                          list2->visualItemRect(list2->item(4)).center());
        QCOMPARE(kabe.List1()->currentRow(), 4);
        QCOMPARE(kabe.focusWidget(), kabe.Atusa_Edit());
        kabe.List1()->setCurrentRow(6);
        QCOMPARE(list2->currentRow(), 6);
        QVERIFY(list2->item(6)->isSelected());
        // A Ctrl-click that leaves no material selected leaves no
        // conductivity selected either.
        QListWidget* list1 = kabe.List1();
        QTest::mouseClick(list1->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list1->visualItemRect(list1->item(6)).center());
        QVERIFY(list1->selectedItems().isEmpty());
        QVERIFY(list2->selectedItems().isEmpty());
    }

    void dimensionLimits_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("yoko");
        QTest::addColumn<int>("tate");
        const QString haba = QStringLiteral("単位はmmです、正しい幅を入力して下さい");
        const QString takasa = QStringLiteral("単位はmmです、正しい高さを入力して下さい");
        QTest::newRow("1000") << "1000"
                              << "1000" << QStringList{} << 1000 << 1000;
        QTest::newRow("100000") << "100000"
                                << "100000" << QStringList{} << 100000 << 100000;
        QTest::newRow("width 999") << "999"
                                   << "2400" << QStringList{haba} << 0 << 0;
        QTest::newRow("width 100001") << "100001"
                                      << "2400" << QStringList{haba} << 0 << 0;
        QTest::newRow("height 999") << "3000"
                                    << "999" << QStringList{takasa} << 0 << 0;
        QTest::newRow("height 100001") << "3000"
                                       << "100001" << QStringList{takasa} << 0 << 0;
        QTest::newRow("both empty") << ""
                                    << "" << QStringList{takasa, haba} << 0 << 0;
        QTest::newRow("full-width") << "３０００"
                                    << "２４００" << QStringList{} << 3000 << 2400;
    }
    void dimensionLimits() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QStringList, messages);
        QFETCH(int, yoko);
        QFETCH(int, tate);
        Kabe_Form& kabe = test::ShowKabe(*program_, 0);
        test::AddLayer(kabe, 1, 0, QStringLiteral("150"));
        test::Type(kabe.Haba_Edit(), width);
        test::Type(kabe.Takasa_Edit(), height);
        kabe.Touroku_Button_Click();
        QCOMPARE(test::MessageTexts(prompts()), messages);
        if (messages.isEmpty()) {
            QCOMPARE(room().Kabe.Count(), 2);
            QCOMPARE(room().Kabe.Item(1)->Yoko, yoko);
            QCOMPARE(room().Kabe.Item(1)->Tate, tate);
            QVERIFY(kabe.isHidden());
            return;
        }
        // Refused: the wrong box is emptied and has the focus.
        QCOMPARE(room().Kabe.Count(), 0);
        QVERIFY(!room().Hozon_Flag);
        QVERIFY(kabe.isVisible());
        QLineEdit* wrong =
            messages.last().contains(QStringLiteral("幅")) ? kabe.Haba_Edit() : kabe.Takasa_Edit();
        QCOMPARE(wrong->displayText(), QStringLiteral("______"));
        QCOMPARE(kabe.focusWidget(), wrong);
    }

    void emptyLayerListIsNotRegistered() {
        Kabe_Form& kabe = test::ShowKabe(*program_, 0);
        test::Type(kabe.Haba_Edit(), QStringLiteral("3000"));
        test::Type(kabe.Takasa_Edit(), QStringLiteral("50"));
        kabe.Touroku_Button_Click();
        // The size checks still run after the first message.
        QCOMPARE(test::MessageTexts(prompts()),
                 (QStringList{QStringLiteral("壁のデータが入力されていません"),
                              QStringLiteral("単位はmmです、正しい高さを入力して下さい")}));
        QCOMPARE(room().Kabe.Count(), 0);
        QVERIFY(kabe.isVisible());
    }

    void kStoredForKnownLayers() {
        Kabe_Form& kabe = test::ShowKabe(*program_, 0);
        test::AddLayer(kabe, 1, 0, QStringLiteral("150"));  // concrete, 1.4
        test::AddLayer(kabe, 8, 0, QStringLiteral("12"));   // plasterboard, 0.19
        QCOMPARE(kabe.Atusa_Label()->text(), QStringLiteral("162"));
        const float withoutAir = kabe.Netukanryuu_Keisan();
        kabe.Kuuki_Check()->setChecked(true);
        const float withAir = kabe.Netukanryuu_Keisan();
        // R = 0.15 / 1.4 + 0.012 / 0.19 + 0.175 = 0.34530; the air layer
        // adds exactly 0.2 to R.
        QVERIFY(qAbs(withoutAir - 2.89604f) < 1e-4f);
        QVERIFY(qAbs((1.0f / withAir - 1.0f / withoutAir) - 0.2f) < 1e-5f);

        test::Type(kabe.Haba_Edit(), QStringLiteral("5400"));
        test::Type(kabe.Takasa_Edit(), QStringLiteral("2700"));
        kabe.Taimen_Check()->setChecked(false);
        kabe.Touroku_Button_Click();
        QCOMPARE(room().Kabe.Count(), 1);
        const model::Kabe_Data& wall = *room().Kabe.Item(1);
        QCOMPARE(wall.Netukanryuu, withAir);
        QCOMPARE(wall.Netukanryuu,
                 calc::Netukanryuu_Keisan(wall.Netu_Kaesi(), wall.Atusa_Kaesi(), true));
        QVERIFY(wall.kuuki);
        QCOMPARE(wall.Yoko, 5400);
        QCOMPARE(wall.Tate, 2700);
        QCOMPARE(wall.Houi, std::int16_t{1});
        QCOMPARE(wall.Zokusei, std::int16_t{0});
        QCOMPARE(wall.Zai_Kaesi(),
                 (model::Kabe_Data::Zai_Array{"", "普通コンクリート", "せっこうボード", ""}));
        QCOMPARE(wall.Netu_Kaesi(), (model::Kabe_Data::Netu_Array{0, 1.4f, 0.19f, 0}));
        QCOMPARE(wall.Zen_Atusa(), 162);
        QCOMPARE(room().Mado.Count(), 1);
    }

    void secondWallStartsFromTheFirst() {
        Kabe_Form& kabe = test::ShowKabe(*program_, 0);
        test::AddLayer(kabe, 1, 0, QStringLiteral("150"));
        test::AddLayer(kabe, 9, 0, QStringLiteral("50"));
        test::AddLayer(kabe, 8, 0, QStringLiteral("12"));
        kabe.Kuuki_Check()->setChecked(true);
        test::Type(kabe.Haba_Edit(), QStringLiteral("6000"));
        test::Type(kabe.Takasa_Edit(), QStringLiteral("2700"));
        kabe.Touroku_Button_Click();
        QCOMPARE(room().Kabe.Count(), 2);

        kabe.Kuuki_Check()->setChecked(false);
        test::ShowKabe(*program_, 0);
        QCOMPARE(Rows(kabe.ListView1(), 0),
                 (QStringList{QStringLiteral("普通コンクリート"), QStringLiteral("グラスウール10K"),
                              QStringLiteral("せっこうボード")}));
        QCOMPARE(kabe.Atusa_Label()->text(), QStringLiteral("212"));
        QVERIFY(kabe.Kuuki_Check()->isChecked());
        QCOMPARE(kabe.Takasa_Edit()->displayText(), QStringLiteral("__2700"));
        QCOMPARE(kabe.Sou_Kazu(), 4);
        // With the height fixed, leaving the width goes on to registering.
        QApplication::setActiveWindow(&kabe);
        kabe.Haba_Edit()->setFocus(Qt::TabFocusReason);
        kabe.Kuuki_Check()->setFocus(Qt::TabFocusReason);
        QCOMPARE(kabe.focusWidget(), kabe.Touroku_Button());

        QTest::mouseClick(kabe.Crear_Button(), Qt::LeftButton);
        QCOMPARE(kabe.ListView1()->topLevelItemCount(), 0);
        QCOMPARE(kabe.Atusa_Label()->text(), QStringLiteral("0"));
        QCOMPARE(kabe.Sou_Kazu(), 1);
        // The first wall keeps its own layers.
        QCOMPARE(room().Kabe.Item(1)->LayerCount(), 3);

        // Cancel leaves the room as it was.
        QTest::mouseClick(kabe.Cansel_Button(), Qt::LeftButton);
        QVERIFY(kabe.isHidden());
        QCOMPARE(room().Kabe.Count(), 2);
    }

    void enterOnAFocusedButtonPressesIt_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("walls");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Return on 登録 registers")
            << "Touroku_Button" << int(Qt::Key_Return) << 2 << false;
        QTest::newRow("Enter on 登録 registers")
            << "Touroku_Button" << int(Qt::Key_Enter) << 2 << false;
        QTest::newRow("Return on キャンセル cancels")
            << "Cansel_Button" << int(Qt::Key_Return) << 0 << false;
        QTest::newRow("Return on ﾘｽﾄｸﾘｱ- clears")
            << "Crear_Button" << int(Qt::Key_Return) << 0 << true;
    }
    void enterOnAFocusedButtonPressesIt() {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, walls);
        QFETCH(bool, shown);
        Kabe_Form& kabe = test::ShowKabe(*program_, 0);
        test::AddLayer(kabe, 1, 0, QStringLiteral("150"));
        test::Type(kabe.Haba_Edit(), QStringLiteral("6000"));
        test::Type(kabe.Takasa_Edit(), QStringLiteral("2700"));
        QPushButton* target = kabe.findChild<QPushButton*>(button);
        QApplication::setActiveWindow(&kabe);
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, static_cast<Qt::Key>(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(room().Kabe.Count(), walls);
        QCOMPARE(kabe.isVisible(), shown);
        QCOMPARE(kabe.Sou_Kazu(), shown ? 1 : 2);
        QVERIFY(prompts().messages.empty());
    }

    void longMaterialNamesAreShownWhole() {
        Kabe_Form& kabe = test::ShowKabe(*program_, 0);
        test::AddLayer(kabe, 10, 1, QStringLiteral("25"));
        test::AddLayer(kabe, 10, 2, QStringLiteral("50"));
        test::AddLayer(kabe, 4, 0, QStringLiteral("9"));
        const QTreeWidget* list = kabe.ListView1();
        QCOMPARE(Rows(list, 0), (QStringList{QStringLiteral("押出法ポリスチレン1種"),
                                             QStringLiteral("押出法ポリスチレン3種"),
                                             QStringLiteral("インシュレーションボード")}));
        const QFontMetrics metrics(list->font());
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            QVERIFY2(metrics.horizontalAdvance(item->text(0)) + 8 <= list->columnWidth(0),
                     qPrintable(item->text(0)));
            QCOMPARE(item->toolTip(0), item->text(0));
        }
        // Both columns in view.
        QVERIFY(list->columnWidth(0) + list->columnWidth(1) <= list->viewport()->width());
        // The material list shows the names whole too.
        const QListWidget* materials = kabe.List1();
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("インシュレーションボード")) <=
                materials->viewport()->width());
    }

    void roofAndFloorTakeThePlanSize() {
        FourWalls();
        room().Hozon_Flag = false;
        MDIForm1& frame = program_->frame();
        Kabe_Form& kabe = test::ShowKabe(*program_, 1);
        QCOMPARE(kabe.windowTitle(), QStringLiteral("屋根負荷設定"));
        QCOMPARE(kabe.Houi_Combo()->currentText(), QStringLiteral("屋根"));
        QVERIFY(!kabe.Houi_Combo()->isEnabled());
        QCOMPARE(kabe.Label1()->text(), QStringLiteral("横"));
        QCOMPARE(kabe.Label2()->text(), QStringLiteral("縦"));
        // Walls drawn across (south, north) are 6000, those drawn down 4000.
        QCOMPARE(kabe.Haba_Edit()->displayText(), QStringLiteral("__6000"));
        QCOMPARE(kabe.Takasa_Edit()->displayText(), QStringLiteral("__4000"));
        QVERIFY(!kabe.Haba_Edit()->isEnabled() && !kabe.Takasa_Edit()->isEnabled());
        QVERIFY(kabe.Taimen_Check()->isHidden());
        QCOMPARE(kabe.ListView1()->topLevelItemCount(), 3);
        QCOMPARE(kabe.Atusa_Label()->text(), QStringLiteral("212"));
        QVERIFY(kabe.Kuuki_Check()->isChecked());

        // An emptied list brings the first wall's layers back, and the
        // roof keeps the room's depth.
        kabe.Crear_Button_Click();
        kabe.Touroku_Button_Click();
        QCOMPARE(test::MessageTexts(prompts()),
                 QStringList{QStringLiteral("壁のデータが入力されていません")});
        QVERIFY(kabe.isVisible());
        QCOMPARE(kabe.Sou_Kazu(), 4);
        QCOMPARE(kabe.Takasa_Edit()->displayText(), QStringLiteral("__4000"));
        QCOMPARE(room().Yane.Count(), 0);

        kabe.Touroku_Button_Click();
        QCOMPARE(room().Yane.Count(), 1);
        const model::Kabe_Data& roof = *room().Yane.Item(1);
        QCOMPARE(roof.Houi, std::int16_t{0});
        QCOMPARE(roof.Yoko, 6000);
        QCOMPARE(roof.Tate, 4000);
        QVERIFY(roof.kuuki);
        QCOMPARE(roof.LayerCount(), 3);
        QVERIFY(!frame.IsEnabled(FrameItem::Mnu_Yane));
        QVERIFY(frame.IsEnabled(FrameItem::Mnu_Yuka));
        QVERIFY(room().Hozon_Flag);
        QCOMPARE(room().Mado.Count(), 4);

        test::ShowKabe(*program_, 2);
        QCOMPARE(kabe.windowTitle(), QStringLiteral("床負荷設定"));
        QCOMPARE(kabe.Houi_Combo()->currentText(), QStringLiteral("床"));
        kabe.Touroku_Button_Click();
        QCOMPARE(room().Yuka.Count(), 1);
        QCOMPARE(room().Yuka.Item(1)->Houi, std::int16_t{9});
        QVERIFY(!frame.IsEnabled(FrameItem::Mnu_Yuka));
        QCOMPARE(test::RoomFault(room()), QString());

        // Back in wall mode the dialog is a wall dialog again.
        test::ShowKabe(*program_, 0);
        QCOMPARE(kabe.windowTitle(), QStringLiteral("壁負荷設定"));
        QVERIFY(kabe.Houi_Combo()->isEnabled());
        QVERIFY(kabe.Taimen_Check()->isVisibleTo(&kabe));
        QCOMPARE(kabe.Label1()->text(), QStringLiteral("幅(mm)"));
    }

    void roofOverWallsAddedWhileThePlanIsMinimised() {
        // North and south laid out; east and west added while the plan is
        // minimised, so their buttons are not laid out (nor tagged).
        test::AddWall(room(), 1, 6000, 2400);
        test::AddWall(room(), 5, 6000, 2400);
        plan().Kabe_Seisaku();
        plan().subWindow()->showMinimized();
        test::AddWall(room(), 3, 4000, 2400);
        test::AddWall(room(), 7, 4000, 2400);
        plan().Kabe_Seisaku();
        QCOMPARE(plan().KabeButtonTag(2), QString());
        Kabe_Form& kabe = test::ShowKabe(*program_, 1);
        QCOMPARE(kabe.Haba_Edit()->displayText(), QStringLiteral("__6000"));
        QCOMPARE(kabe.Takasa_Edit()->displayText(), QStringLiteral("__4000"));
    }

    void floorFirstLeavesTheRoofCommand() {
        FourWalls();
        Kabe_Form& kabe = test::ShowKabe(*program_, 2);
        kabe.Touroku_Button_Click();
        QVERIFY(!program_->frame().IsEnabled(FrameItem::Mnu_Yuka));
        QVERIFY(program_->frame().IsEnabled(FrameItem::Mnu_Yane));
    }
};

QTEST_MAIN(KabeFormTest)
#include "kabe_form_test.moc"
