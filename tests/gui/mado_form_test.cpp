// The window dialog: the list and its total area, the limits of the
// sliders with their messages and fallbacks, the count field, registering
// for a wall and for the skylight, and a list larger than its element.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>

#include "edit_test_support.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

QStringList Row(const QTreeWidget* list, int i) {
    const QTreeWidgetItem* item = list->topLevelItem(i);
    return {item->text(0), item->text(1), item->text(2)};
}

}  // namespace

class MadoFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> program_;
    model::RoomModel& room() { return program_->room(); }
    ScriptedPrompts& prompts() { return program_->prompts; }
    Main_Form& plan() { return *program_->forms().mainFormIfLoaded(); }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() {
        test::ClearSettings();
        program_ = std::make_unique<test::Program>();
        test::OpenNewRoom(*program_);
        // North 8000 x 2700, south 6000 x 2400 (as walls 1 and 2).
        test::AddWall(room(), 1, 8000, 2700);
        test::AddWall(room(), 5, 6000, 2400);
        plan().Kabe_Seisaku();
        room().Hozon_Flag = false;
    }
    void cleanup() { program_.reset(); }

    void listAndTotalArea() {
        Mado_Form& mado = test::ShowMado(*program_, 0, 2);
        QCOMPARE(mado.windowTitle(), QStringLiteral("窓負荷設定"));
        QCOMPARE(mado.Houi_Label()->text(), QStringLiteral("南"));
        QCOMPARE(mado.Kabe_Yoko_Genkai(), 6000);
        QCOMPARE(mado.Kabe_Tate_Genkai(), 2400);
        QCOMPARE(mado.Kazu_Edit()->displayText(), QStringLiteral("1__"));
        QVERIFY(mado.Braindo_Check()->isChecked());
        test::AddWindows(mado, 1800, 1200, 2);
        QCOMPARE(mado.Sunpou_Label()->text(), QStringLiteral("1800×1200"));
        // Enter in the count field adds too, and so does a double click on
        // the window.
        mado.HScroll1()->setValue(900);
        test::Type(mado.Kazu_Edit(), QStringLiteral("1"));
        QTest::keyClick(mado.Kazu_Edit(), Qt::Key_Return);
        QVERIFY(mado.isVisible());
        QCOMPARE(mado.ListView1()->topLevelItemCount(), 2);
        QCOMPARE(Row(mado.ListView1(), 0), (QStringList{"1800", "1200", "2"}));
        QCOMPARE(Row(mado.ListView1(), 1), (QStringList{"900", "1200", "1"}));
        QCOMPARE(mado.Goukei_Label()->text(), QStringLiteral("5.4"));
        QCOMPARE(mado.Kazu_Edit()->displayText(), QStringLiteral("1__"));
        QTest::mouseDClick(mado.Mado_Label(), Qt::LeftButton);
        QCOMPARE(mado.ListView1()->topLevelItemCount(), 3);
        QCOMPARE(mado.Goukei_Label()->text(), QStringLiteral("6.48"));

        QTest::mouseClick(mado.Crear_Button(), Qt::LeftButton);
        QCOMPARE(mado.ListView1()->topLevelItemCount(), 0);
        QCOMPARE(mado.Goukei_Label()->text(), QStringLiteral("0"));
        test::AddWindows(mado, 1800, 1200, 2);
        test::AddWindows(mado, 900, 1200, 1);
        mado.Braindo_Check()->setChecked(false);
        QTest::mouseClick(mado.Touroku_Button(), Qt::LeftButton);
        QVERIFY(mado.isHidden());
        QCOMPARE(prompts().messages.size(), std::size_t{0});

        const model::Mado_Data& set = *room().Mado.Item(2);
        QCOMPARE(set.Tate_Kaesi(), (model::Mado_Data::Array{0, 1200, 1200, 0}));
        QCOMPARE(set.Yoko_Kaesi(), (model::Mado_Data::Array{0, 1800, 900, 0}));
        QCOMPARE(set.Kazu_Kaesi(), (model::Mado_Data::Array{0, 2, 1, 0}));
        QCOMPARE(set.Menseki, 5.4f);
        QCOMPARE(set.Houi, std::int16_t{5});
        QVERIFY(!set.Braindo);
        QCOMPARE(room().Mado.Count(), 2);
        QVERIFY(room().Hozon_Flag);
        QCOMPARE(plan().Mado_Button(1)->text(), QStringLiteral("3"));
        QVERIFY(plan().Mado_Button(1)->isVisible());

        // The next use starts with an empty list; the sliders stay.
        test::ShowMado(*program_, 0, 1);
        QCOMPARE(mado.ListView1()->topLevelItemCount(), 0);
        QCOMPARE(mado.Mado_Bangou(), 1);
        QCOMPARE(mado.Goukei_Label()->text(), QStringLiteral("0"));
        QVERIFY(mado.Braindo_Check()->isChecked());
        QCOMPARE(mado.Houi_Label()->text(), QStringLiteral("北"));
        QCOMPARE(mado.HScroll1()->value(), 900);
        QCOMPARE(mado.Sunpou_Label()->text(), QStringLiteral("900×1200"));
    }

    void listLargerThanTheWallIsDiscarded() {
        // 3000 x 2400 = 7.2 m2; two windows of 2000 x 2000 are 8 m2.
        test::AddWall(room(), 3, 3000, 2400);
        Mado_Form& mado = test::ShowMado(*program_, 0, 3);
        test::AddWindows(mado, 1000, 1000, 1);
        test::AddWindows(mado, 2000, 2000, 2);
        QCOMPARE(test::MessageTexts(prompts()),
                 QStringList{QStringLiteral("窓が壁より大きくなりました、窓を削除します。")});
        QCOMPARE(prompts().messages[0].title, QStringLiteral("確認"));
        QCOMPARE(prompts().messages[0].icon, PromptIcon::Warning);
        QCOMPARE(mado.ListView1()->topLevelItemCount(), 0);
        QCOMPARE(mado.Mado_Bangou(), 1);
        QCOMPARE(mado.Goukei_Label()->text(), QStringLiteral("0"));
        QCOMPARE(mado.Mado_Menseki(), 0.0f);
        // Exactly the wall's area is allowed, also where the total in
        // single precision comes to a little more (2.4 + 2.4 + 2.4).
        test::AddWindows(mado, 3000, 2400, 1);
        QCOMPARE(prompts().messages.size(), std::size_t{1});
        QCOMPARE(mado.Goukei_Label()->text(), QStringLiteral("7.2"));
        QTest::mouseClick(mado.Crear_Button(), Qt::LeftButton);
        for (int i = 0; i < 3; ++i) {
            test::AddWindows(mado, 1000, 2400, 1);
        }
        QVERIFY(mado.Mado_Menseki() > 7.2f);
        QCOMPARE(prompts().messages.size(), std::size_t{1});
        QCOMPARE(mado.Mado_Bangou(), 4);
        QCOMPARE(mado.Goukei_Label()->text(), QStringLiteral("7.2"));
    }

    void slidersStopAtTheWall() {
        Mado_Form& mado = test::ShowMado(*program_, 0, 2);
        QCOMPARE(mado.HScroll1()->minimum(), 500);
        QCOMPARE(mado.HScroll1()->maximum(), 10000);
        QCOMPARE(mado.HScroll1()->singleStep(), 50);
        QCOMPARE(mado.HScroll1()->pageStep(), 1000);
        QCOMPARE(mado.VScroll1()->minimum(), 300);
        QCOMPARE(mado.VScroll1()->maximum(), 5000);
        QCOMPARE(mado.VScroll1()->pageStep(), 500);
        mado.VScroll1()->setValue(2600);
        QCOMPARE(test::MessageTexts(prompts()),
                 QStringList{QStringLiteral("壁の縦寸法を超えています")});
        QCOMPARE(mado.VScroll1()->value(), 2100);
        mado.HScroll1()->setValue(7000);
        QCOMPARE(prompts().messages.size(), std::size_t{2});
        QCOMPARE(prompts().messages[1].text, QStringLiteral("壁の横寸法を超えています"));
        QCOMPARE(mado.HScroll1()->value(), 1000);
        QCOMPARE(mado.Sunpou_Label()->text(), QStringLiteral("1000×2100"));
        // After a change the count is selected for typing.
        QCOMPARE(mado.focusWidget(), mado.Kazu_Edit());
        QVERIFY(mado.Kazu_Edit()->hasSelectedText());
    }

    void arrowHeldOverTheLimitWarnsOnce() {
        // A press on the height slider's down arrow at the wall's height:
        // one step over the limit, one message, and the press ends there
        // (the release goes to the message box), so the bar does not step
        // on by itself.
        Mado_Form& mado = test::ShowMado(*program_, 0, 2);
        QScrollBar* bar = mado.VScroll1();
        bar->setValue(2400);
        prompts().messages.clear();
        QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier,
                          QPoint(bar->width() / 2, bar->height() - 3));
        QTest::qWait(900);  // past the bar's auto-repeat delay
        QCOMPARE(test::MessageTexts(prompts()),
                 QStringList{QStringLiteral("壁の縦寸法を超えています")});
        QCOMPARE(bar->value(), 1950);
        QTest::mouseRelease(bar, Qt::LeftButton);
    }

    void reductionFallbacks_data() {
        QTest::addColumn<bool>("width");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("reduced");
        QTest::newRow("wide to 1000") << true << 7000 << 3000 << 1000;
        QTest::newRow("1000 on a narrow wall") << true << 1000 << 800 << 800;
        QTest::newRow("between steps") << true << 900 << 777 << 750;
        QTest::newRow("narrower than the minimum") << true << 600 << 400 << 500;
        QTest::newRow("one large step") << false << 2600 << 2400 << 2100;
        QTest::newRow("below the minimum") << false << 500 << 450 << 450;
        QTest::newRow("lower than the minimum") << false << 700 << 200 << 300;
    }
    void reductionFallbacks() {
        QFETCH(bool, width);
        QFETCH(int, value);
        QFETCH(int, limit);
        QFETCH(int, reduced);
        QCOMPARE(width ? plan::ReducedMadoYoko(value, limit) : plan::ReducedMadoTate(value, limit),
                 reduced);
    }

    void sizeBeyondANewWallIsNotAdded() {
        Mado_Form& mado = test::ShowMado(*program_, 0, 1);
        mado.HScroll1()->setValue(7000);
        mado.hide();
        // The sliders keep 7000 for the 6000 mm wall.
        test::ShowMado(*program_, 0, 2);
        QCOMPARE(prompts().messages.size(), std::size_t{0});
        QTest::mouseClick(mado.Tuika_Button(), Qt::LeftButton);
        QCOMPARE(test::MessageTexts(prompts()),
                 QStringList{QStringLiteral("壁の横寸法を超えています")});
        QCOMPARE(mado.HScroll1()->value(), 1000);
        QCOMPARE(mado.Mado_Bangou(), 1);
    }

    void countMustBePositive_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("0") << "0";
        QTest::newRow("a sign alone") << "-";
    }
    void countMustBePositive() {
        QFETCH(QString, typed);
        Mado_Form& mado = test::ShowMado(*program_, 0, 1);
        mado.HScroll1()->setValue(1800);
        test::Type(mado.Kazu_Edit(), typed);
        QTest::mouseClick(mado.Tuika_Button(), Qt::LeftButton);
        QCOMPARE(test::MessageTexts(prompts()),
                 QStringList{QStringLiteral("数量が0では追加できません")});
        QCOMPARE(mado.Mado_Bangou(), 1);
        QCOMPARE(mado.Kazu_Edit()->displayText(), QStringLiteral("1__"));
        QCOMPARE(mado.Kazu_Edit()->selectedText(), QStringLiteral("1__"));
        // A full-width count counts.
        test::Type(mado.Kazu_Edit(), QStringLiteral("１２"));
        QTest::mouseClick(mado.Tuika_Button(), Qt::LeftButton);
        QCOMPARE(mado.Mado_Kazu()[1], std::int16_t{12});
    }

    void registeringNeedsWindows() {
        Mado_Form& mado = test::ShowMado(*program_, 0, 1);
        QTest::mouseClick(mado.Touroku_Button(), Qt::LeftButton);
        QCOMPARE(test::MessageTexts(prompts()),
                 QStringList{QStringLiteral("窓が追加されていません")});
        QCOMPARE(prompts().messages[0].buttons, PromptButtons::Ok);
        QVERIFY(mado.isVisible());
        QVERIFY(!room().Hozon_Flag);
        test::AddWindows(mado, 1800, 1200, 1);
        QTest::mouseClick(mado.Cansel_Button(), Qt::LeftButton);
        QVERIFY(mado.isHidden());
        QCOMPARE(room().Mado.Item(1)->WindowCount(), 0);
        QVERIFY(!room().Hozon_Flag);
    }

    void skylightOfTheRoof() {
        test::AddWall(room(), 3, 4000, 2400);
        test::AddWall(room(), 7, 4000, 2400);
        test::AddRoofOrFloor(room().Yane, 0, 8000, 4000);
        plan().Kabe_Seisaku();
        Mado_Form& mado = test::ShowMado(*program_, 1);
        QCOMPARE(mado.Houi_Label()->text(), QStringLiteral("屋根"));
        QCOMPARE(mado.Kabe_Yoko_Genkai(), 8000);
        QCOMPARE(mado.Kabe_Tate_Genkai(), 4000);
        test::AddWindows(mado, 900, 900, 2);
        mado.Touroku_Button_Click();
        QCOMPARE(room().Yane_Mado.Count(), 1);
        QCOMPARE(room().Yane_Mado.Item(1)->Houi, std::int16_t{0});
        QCOMPARE(room().Yane_Mado.Item(1)->Menseki, 1.62f);
        QVERIFY(plan().Yane_Mado_Button()->isVisible());
        QCOMPARE(plan().Yane_Mado_Button()->text(), QStringLiteral("2"));
        QCOMPARE(room().Mado.Count(), 4);
    }

    void openedOnlyForAnElementThatTakesWindows() {
        Mado_Form& mado = program_->forms().madoForm();
        QString shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                shown = modal->objectName();
                modal->reject();
            }
        });
        closer.start(0);
        program_->ctx().Settei_Mode = 0;
        room().Kabe_Bangou = 2;
        mado.Mado_Tuika();
        QCOMPARE(shown, QStringLiteral("Mado_Form"));
        shown.clear();
        room().Kabe_Bangou = 3;
        mado.Mado_Tuika();
        program_->ctx().Settei_Mode = 1;  // no roof
        mado.Mado_Tuika();
        closer.stop();
        QCOMPARE(shown, QString());
        QCOMPARE(prompts().messages.size(), std::size_t{0});
    }
};

QTEST_MAIN(MadoFormTest)
#include "mado_form_test.moc"
