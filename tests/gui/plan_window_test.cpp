// The plan window on screen: a new room's start values, the wall, window
// and skylight buttons with their captions, tags, colours (as painted) and
// tool tips, the overhead view and north arrow, the menu switching, the
// work area following the window within the resize limits, and the
// minimised window.

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <array>

#include "app/frame_commands.h"
#include "app/twips.h"
#include "gui_test_support.h"
#include "plan/main_form.h"
#include "plan/plan_widgets.h"
#include "plan/popup_form.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

QRect Pixels(const plan::Box& b) {
    const int left = ToPixels(b.left), top = ToPixels(b.top);
    return QRect(left, top, ToPixels(b.left + b.width) - left, ToPixels(b.top + b.height) - top);
}

QColor ButtonColour(const QPushButton* b) {
    return b->palette().color(QPalette::Button);
}

}  // namespace

class PlanWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> program_;
    Main_Form& plan() { return *program_->forms().mainFormIfLoaded(); }
    model::RoomModel& room() { return program_->room(); }
    MDIForm1& frame() { return program_->frame(); }

    void OpenRoom() {
        frame().resize(1200, 800);
        frame().show();
        frame().commands().Sinki_Ryouiki();
        QVERIFY(program_->forms().mainFormIfLoaded() != nullptr);
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() {
        test::ClearSettings();
        program_ = std::make_unique<test::Program>();
    }
    void cleanup() { program_.reset(); }

    void newRoomStartValuesKeepCityAndTemperature() {
        room().Basyo = 3;
        room().Situon = 280;
        room().Tatemono_Syurui = 5;
        room().Kanki_Basyo = 6;
        room().Syoumei_Syuturyoku = 5;
        room().Hozon_Flag = true;
        test::AddWall(room(), 1, 5400, 2700);
        OpenRoom();
        model::RoomModel expected;
        expected.Basyo = 3;
        expected.Situon = 280;
        QCOMPARE(room().Basyo, expected.Basyo);
        QCOMPARE(room().Situon, expected.Situon);
        QCOMPARE(room().Tatemono_Syurui, std::int16_t{1});
        QCOMPARE(room().Kanki_Basyo, std::int16_t{2});
        QCOMPARE(room().Syoumei_Syuturyoku, 1000);
        QVERIFY(!room().Hozon_Flag);
        QVERIFY(room() == expected);
    }

    void initialGeometryAndStatusBar() {
        OpenRoom();
        QCOMPARE(plan().size(), QSize(ToPixels(8640), ToPixels(3750)));
        QCOMPARE(plan().Sagyou_Eria()->geometry(), QRect(0, 0, plan().width(), ToPixels(3375)));
        QStatusBar* bar = plan().StatusBar1();
        QCOMPARE(bar->objectName(), QStringLiteral("StatusBar1"));
        QCOMPARE(bar->height(), ToPixels(375));
        QCOMPARE(bar->y() + bar->height(), plan().height());
        const QStringList texts{"標準壁", "室外日陰", "室内負荷", "無負荷",
                                "屋根",   "床",       "屋根、床"};
        const QStringList tips{"設定どうりの壁",       "日陰になる壁", "非空調エリアの間仕切り",
                               "空調エリアの間仕切り", "屋根の負荷",   "床の負荷",
                               "屋根と床の両負荷"};
        for (int i = 0; i < 7; ++i) {
            auto* panel = bar->findChild<QWidget*>(QStringLiteral("StatusBar1_Panel%1").arg(i + 1));
            QVERIFY(panel != nullptr);
            QCOMPARE(panel->toolTip(), tips[i]);
            auto* text =
                panel->findChild<QLabel*>(QStringLiteral("StatusBar1_Panel%1_Text").arg(i + 1));
            QCOMPARE(text->text(), texts[i]);
        }
        for (int h = 0; h < 10; ++h) {
            QVERIFY(!plan().Houi_Caption(h).isEmpty());
        }
        QCOMPARE(plan().Houi_Caption(8), QStringLiteral("北西"));
        QCOMPARE(plan().Houi_Caption(10), QString());
    }

    void fullRoomIsDrawn() {
        OpenRoom();
        test::FillFullRoom(room());
        room().Mado.Item(1)->Menseki = 3.24f;
        plan().Kabe_Seisaku();

        const plan::PlanMetrics m = plan().Metrics();
        QCOMPARE(m.width, 8640.0f);
        const QStringList captions{"北", "東", "南", "西"};
        const QStringList tags{"Yoko", "Tate", "Yoko", "Tate"};
        const QStringList windows{"2", "1", "5", ""};
        for (int i = 0; i < 4; ++i) {
            QPushButton* wall = plan().Kabe_Button(i);
            QCOMPARE(wall->objectName(), QStringLiteral("Kabe_Button_%1").arg(i));
            QVERIFY(wall->isVisible());
            QCOMPARE(wall->text(), captions[i]);
            QCOMPARE(plan().KabeButtonTag(i), tags[i]);
            QCOMPARE(ButtonColour(wall), QColor(192, 192, 192));
            const plan::WallLayout layout =
                plan::LayoutWall(*room().Kabe.Item(i + 1), plan::Mado_Kazu_Goukei(room(), i), m);
            QCOMPARE(wall->geometry(), Pixels(layout.wall));
            QPushButton* window = plan().Mado_Button(i);
            QCOMPARE(window->isVisible(), !windows[i].isEmpty());
            if (!windows[i].isEmpty()) {
                QCOMPARE(window->text(), windows[i]);
                QCOMPARE(window->geometry(), Pixels(*layout.window));
            }
        }
        QCOMPARE(plan().Kabe_Button(0)->toolTip(), QStringLiteral("幅8m 高さ2.7m 厚さ150mm"));
        QCOMPARE(plan().Kabe_Button(3)->toolTip(), QStringLiteral("幅4m 高さ2.7m 厚さ162mm"));
        QCOMPARE(plan().Mado_Button(0)->toolTip(), QStringLiteral("窓の面積合計 3.24㎡"));
        // Set also on the hidden button of the wall without windows.
        QCOMPARE(plan().Mado_Button(3)->toolTip(), QStringLiteral("窓の面積合計 0.00㎡"));
        QCOMPARE(ButtonColour(plan().Mado_Button(0)), QColor(128, 128, 255));
        QCOMPARE(ButtonColour(plan().Mado_Button(1)), QColor(128, 255, 255));

        plan::OverheadShape* shape = plan().Jyoukuu_Shape();
        QVERIFY(shape->isVisible());
        QCOMPARE(shape->Pattern(), 6);
        QVERIFY(plan().Jyoukuu_Yoko_Flag());
        QVERIFY(std::abs(shape->width() - 2 * shape->height()) <= 1);

        QPushButton* skylight = plan().Yane_Mado_Button();
        QVERIFY(skylight->isVisible());
        QCOMPARE(skylight->text(), QStringLiteral("2"));
        QCOMPARE(skylight->toolTip(), QStringLiteral("窓の面積合計 1.62㎡"));
        QCOMPARE(ButtonColour(skylight), QColor(128, 128, 255));
        QVERIFY(shape->geometry().contains(skylight->geometry().topLeft()));

        QVERIFY(plan().Sagyou_Eria()->Arrow().has_value());
        QVERIFY(plan().Sagyou_Eria()->Arrow()->cardinal);
        // Four walls: no more walls; roof and floor exist, so their
        // commands are left as they are.
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Kabe));
        QVERIFY(!frame().IsEnabled(FrameItem::Toolbar1_Button5));
    }

    void attributesColourTheWallButtons() {
        OpenRoom();
        for (std::int16_t z = 0; z < 4; ++z) {
            test::AddWall(room(), static_cast<std::int16_t>(1 + 2 * z), 5000, 2700, {150}, {}, 0.0f,
                          true, z);
        }
        plan().Kabe_Seisaku();
        QCOMPARE(ButtonColour(plan().Kabe_Button(0)), QColor(192, 192, 192));
        QCOMPARE(ButtonColour(plan().Kabe_Button(1)), QColor(0, 255, 0));
        QCOMPARE(ButtonColour(plan().Kabe_Button(2)), QColor(255, 128, 255));
        QCOMPARE(ButtonColour(plan().Kabe_Button(3)), QColor(255, 255, 0));
    }

    void proportionsAndDiagonalArrow() {
        OpenRoom();
        for (std::int16_t h : {2, 4, 6, 8}) {
            test::AddWall(room(), h, h == 2 || h == 6 ? 4000 : 8000, 2700);
        }
        plan().Kabe_Seisaku();
        QCOMPARE(plan().Kabe_Button(0)->text(), QStringLiteral("北東"));
        QCOMPARE(plan().Kabe_Button(0)->y(), ToPixels(600));
        plan::OverheadShape* shape = plan().Jyoukuu_Shape();
        QVERIFY(!plan().Jyoukuu_Yoko_Flag());
        QVERIFY(std::abs(shape->height() - 2 * shape->width()) <= 1);
        QCOMPARE(shape->Pattern(), 1);
        QVERIFY(!plan().Sagyou_Eria()->Arrow()->cardinal);
        QVERIFY(!plan().Yane_Mado_Button()->isVisible());
        QVERIFY(frame().IsEnabled(FrameItem::Mnu_Yane));
        QVERIFY(frame().IsEnabled(FrameItem::Mnu_Yuka));
    }

    void fewerThanFourWallsHaveNoViewNorArrow() {
        OpenRoom();
        test::FillFullRoom(room());
        plan().Kabe_Seisaku();
        room().Kabe.Remove(4);
        room().Mado.Remove(4);
        plan().Kabe_Seisaku();
        QVERIFY(!plan().Jyoukuu_Shape()->isVisible());
        QVERIFY(!plan().Sagyou_Eria()->Arrow().has_value());
        QVERIFY(!plan().Yane_Mado_Button()->isVisible());
        QVERIFY(!plan().Kabe_Button(3)->isVisible());
        QCOMPARE(plan().KabeButtonTag(3), QString());
        QVERIFY(frame().IsEnabled(FrameItem::Mnu_Kabe));
        QVERIFY(frame().IsEnabled(FrameItem::Toolbar1_Button5));
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Yane));
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Yuka));
    }

    void resizeKeepsTheLimits() {
        OpenRoom();
        QMdiSubWindow* sub = plan().subWindow();
        sub->resize(100, 100);
        QCOMPARE(sub->height(), ToPixels(2500));
        QCOMPARE(sub->width(), ToPixels(3000));
        // The work area follows the window, above the legend's band.
        sub->resize(900, 400);
        QCOMPARE(plan().Sagyou_Eria()->width(), plan().width());
        QCOMPARE(plan().Sagyou_Eria()->height(), plan().height() - ToPixels(375));
        QCOMPARE(plan().StatusBar1()->y(), plan().Sagyou_Eria()->height());
        test::AddWall(room(), 1, 5400, 2700);
        sub->resize(800, 400);
        // The resize rebuilt the plan for the new width.
        QVERIFY(plan().Kabe_Button(0)->isVisible());
        QCOMPARE(plan().Kabe_Button(0)->width(),
                 ToPixels(0.2 * ToTwips(plan().width()) + 0.6 * ToTwips(plan().width())) -
                     ToPixels(0.2 * ToTwips(plan().width())));
    }

    void buttonsArePaintedFlatInTheLegendColours() {
        OpenRoom();
        test::AddWall(room(), 1, 8000, 2700, {150}, {{1, 900, 900}}, 0.81f, true, 0);
        test::AddWall(room(), 3, 4000, 2700, {150}, {{1, 900, 900}}, 0.81f, false, 1);
        test::AddWall(room(), 5, 8000, 2700, {150}, {}, 0.0f, true, 2);
        test::AddWall(room(), 7, 4000, 2700, {150}, {}, 0.0f, true, 3);
        test::AddRoofOrFloor(room().Yane, 0, 8000, 4000);
        test::AddSkylight(room(), 1, false);
        plan().Kabe_Seisaku();
        const QImage image = plan().grab().toImage();
        // Just inside the border, clear of the caption.
        auto colourOf = [&](const QWidget* w) {
            return image.pixelColor(w->mapTo(&plan(), QPoint(3, 3)));
        };
        const std::array<std::pair<QWidget*, QColor>, 7> expected{{
            {plan().Kabe_Button(0), QColor(192, 192, 192)},
            {plan().Kabe_Button(1), QColor(0, 255, 0)},
            {plan().Kabe_Button(2), QColor(255, 128, 255)},
            {plan().Kabe_Button(3), QColor(255, 255, 0)},
            {plan().Mado_Button(0), QColor(128, 128, 255)},
            {plan().Mado_Button(1), QColor(128, 255, 255)},
            {plan().Yane_Mado_Button(), QColor(128, 255, 255)},
        }};
        for (const auto& [button, colour] : expected) {
            QVERIFY(button->isVisible());
            QCOMPARE(colourOf(button), colour);
            // The same colour everywhere inside, no shading.
            QCOMPARE(image.pixelColor(
                         button->mapTo(&plan(), QPoint(button->width() - 4, button->height() - 4))),
                     colour);
        }
        // A visible border.
        QVERIFY(image.pixelColor(plan().Kabe_Button(1)->mapTo(&plan(), QPoint(0, 0))) !=
                QColor(0, 255, 0));
        // The legend shows the wall colours.
        for (int panel : {1, 2, 4}) {
            QCOMPARE(plan::LegendIcon(panel).toImage().pixelColor(6, 6),
                     colourOf(plan().Kabe_Button(panel - 1)));
        }
    }

    void minimisedWindowKeepsItsLayoutButUpdatesTheRest() {
        OpenRoom();
        test::AddWall(room(), 1, 5400, 2700);
        test::AddWall(room(), 3, 4000, 2700);
        test::AddWall(room(), 5, 5400, 2700);
        plan().Kabe_Seisaku();
        const QRect before = plan().Kabe_Button(0)->geometry();
        plan().subWindow()->showMinimized();
        QVERIFY(plan().IsMinimizedWindow());

        room().Kabe.Item(1)->Yoko = 6000;
        room().Kabe.Item(1)->Zokusei = 1;
        test::AddWall(room(), 7, 4000, 2700, {150}, {{1, 900, 900}}, 0.81f);
        plan().Kabe_Seisaku();
        // No re-layout: the fourth wall's button is not placed, the colour
        // is unchanged.
        QCOMPARE(plan().Kabe_Button(0)->geometry(), before);
        QCOMPARE(ButtonColour(plan().Kabe_Button(0)), QColor(192, 192, 192));
        QCOMPARE(plan().KabeButtonTag(3), QString());
        // But tool tips, menus and the overhead view follow the room.
        QCOMPARE(plan().Kabe_Button(0)->toolTip(), QStringLiteral("幅6m 高さ2.7m 厚さ150mm"));
        QCOMPARE(plan().Mado_Button(3)->toolTip(), QStringLiteral("窓の面積合計 0.81㎡"));
        QVERIFY(!frame().IsEnabled(FrameItem::Mnu_Kabe));
        QVERIFY(frame().IsEnabled(FrameItem::Mnu_Yane));
        QVERIFY(plan().OverheadViewLayout().has_value());
        QVERIFY(plan().Sagyou_Eria()->Arrow().has_value());

        plan().subWindow()->showNormal();
        QVERIFY(plan().Kabe_Button(3)->isVisible());
        QCOMPARE(ButtonColour(plan().Kabe_Button(0)), QColor(0, 255, 0));
    }

    void withoutReferenceTablesTheLoadsAreZero() {
        OpenRoom();
        test::FillFullRoom(room());
        room().Kouzou_Goukei = 123.0f;
        room().Jintai_Goukei = 45.0f;
        plan().Kabe_Seisaku();
        QCOMPARE(room().Kouzou_Goukei, 0.0f);
        QCOMPARE(room().Jintai_Goukei, 0.0f);
        QCOMPARE(room().Syoumei_Goukei, 0.0f);
        QCOMPARE(room().Kanki_Goukei, 0.0f);
    }

    void buttonsReportMousePresses() {
        OpenRoom();
        test::FillFullRoom(room());
        plan().Kabe_Seisaku();
        int wallSlot = -1, windowSlot = -1, skylight = 0;
        Qt::MouseButton wallButton = Qt::NoButton;
        connect(&plan(), &Main_Form::kabeButtonPressed, this,
                [&](int slot, Qt::MouseButton b) { wallSlot = slot, wallButton = b; });
        connect(&plan(), &Main_Form::madoButtonPressed, this,
                [&](int slot, Qt::MouseButton) { windowSlot = slot; });
        connect(&plan(), &Main_Form::yaneMadoButtonPressed, this,
                [&](Qt::MouseButton) { ++skylight; });
        // The context menus are opened by PopUp_Form; none is run here.
        program_->forms().popUpForm().SetMenuRunner([](QMenu*) {});
        QTest::mouseClick(plan().Kabe_Button(2), Qt::RightButton);
        QTest::mouseClick(plan().Mado_Button(1), Qt::LeftButton);
        QTest::mouseClick(plan().Yane_Mado_Button(), Qt::RightButton);
        QCOMPARE(wallSlot, 2);
        QCOMPARE(wallButton, Qt::RightButton);
        QCOMPARE(windowSlot, 1);
        QCOMPARE(skylight, 1);
        // Clicks change nothing on the plan by themselves.
        QVERIFY(!room().Hozon_Flag);
        QCOMPARE(program_->prompts.messages.size(), std::size_t{0});
    }
};

QTEST_MAIN(PlanWindowTest)
#include "plan_window_test.moc"
