// The plan's layout arithmetic in twips, checked against hand-computed
// positions for the plan window's initial work area (8640 x 3375 twips,
// status bar 375: wall band H = 3000).

#include <QTest>

#include "gui_test_support.h"
#include "plan/plan_layout.h"

using namespace karumoa;
using namespace karumoa::gui::plan;

Q_DECLARE_METATYPE(karumoa::gui::plan::Box)

namespace {

PlanMetrics Initial() {
    return {kInitialInnerWidth, kWorkHeight, kInitialInnerWidth, kWorkHeight, kStatusHeight};
}

bool Near(float a, float b) {
    return std::fabs(a - b) < 0.01f;
}
bool Near(const Box& a, const Box& b) {
    return Near(a.top, b.top) && Near(a.left, b.left) && Near(a.width, b.width) &&
           Near(a.height, b.height);
}
QByteArray Show(const Box& b) {
    return QByteArray::number(b.top) + "," + QByteArray::number(b.left) + "," +
           QByteArray::number(b.width) + "," + QByteArray::number(b.height);
}

}  // namespace

class PlanLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wallBandRoundsHalvesToEven() {
        PlanMetrics m = Initial();
        QCOMPARE(WallBandHeight(m), 3000.0f);
        m.height = 3375.5f;
        QCOMPARE(WallBandHeight(m), 3000.0f);
        m.height = 3376.5f;
        QCOMPARE(WallBandHeight(m), 3002.0f);
    }

    void wallsAndWindowButtons_data() {
        QTest::addColumn<int>("houi");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<Box>("wall");
        QTest::addColumn<Box>("window");
        // Box: top, left, width, height.
        QTest::newRow("north, top bar")
            << 1 << true << Box{600, 1728, 5184, 300} << Box{252, 1728, 648, 348};
        QTest::newRow("north-east, top bar")
            << 2 << true << Box{600, 1728, 5184, 300} << Box{252, 1728, 648, 348};
        QTest::newRow("south, bottom bar, window at its right end")
            << 5 << true << Box{2400, 1728, 5184, 300} << Box{2700, 6264, 648, 348};
        QTest::newRow("south-west")
            << 6 << true << Box{2400, 1728, 5184, 300} << Box{2700, 6264, 648, 348};
        QTest::newRow("east, right bar, window at its upper end")
            << 3 << false << Box{900, 6612, 300, 1500} << Box{900, 6912, 348, 187.5f};
        QTest::newRow("south-east")
            << 4 << false << Box{900, 6612, 300, 1500} << Box{900, 6912, 348, 187.5f};
        QTest::newRow("west, left bar, window at its lower end")
            << 7 << false << Box{900, 1728, 300, 1500} << Box{2212.5f, 1380, 348, 187.5f};
        QTest::newRow("north-west")
            << 8 << false << Box{900, 1728, 300, 1500} << Box{2212.5f, 1380, 348, 187.5f};
    }
    void wallsAndWindowButtons() {
        QFETCH(int, houi);
        QFETCH(bool, horizontal);
        QFETCH(Box, wall);
        QFETCH(Box, window);
        model::RoomModel room;
        gui::test::AddWall(room, static_cast<std::int16_t>(houi), 5400, 2700);
        const WallLayout withWindows = LayoutWall(*room.Kabe.Item(1), 2, Initial());
        QVERIFY2(Near(withWindows.wall, wall), Show(withWindows.wall));
        QCOMPARE(withWindows.horizontal, horizontal);
        QVERIFY(withWindows.window.has_value());
        QVERIFY2(Near(*withWindows.window, window), Show(*withWindows.window));
        // The bars close the rectangle: a side bar starts below the top bar.
        const WallLayout without = LayoutWall(*room.Kabe.Item(1), 0, Initial());
        QVERIFY(!without.window.has_value());
    }

    void sideBarsMeetTheTopAndBottomBars() {
        model::RoomModel room;
        gui::test::AddWall(room, 1, 5400, 2700);
        gui::test::AddWall(room, 3, 5400, 2700);
        gui::test::AddWall(room, 5, 5400, 2700);
        const Box top = LayoutWall(*room.Kabe.Item(1), 0, Initial()).wall;
        const Box right = LayoutWall(*room.Kabe.Item(2), 0, Initial()).wall;
        const Box bottom = LayoutWall(*room.Kabe.Item(3), 0, Initial()).wall;
        QVERIFY(Near(right.top, top.top + top.height));
        QVERIFY(Near(right.top + right.height, bottom.top));
        QVERIFY(Near(right.left + right.width, top.left + top.width));
    }

    void windowCountSumsTheEntries() {
        model::RoomModel room;
        gui::test::AddWall(room, 1, 5400, 2700, {150}, {{2, 1200, 1800}, {3, 600, 900}});
        gui::test::AddWall(room, 3, 5400, 2700);
        QCOMPARE(Mado_Kazu_Goukei(room, 0), std::int16_t{5});
        QCOMPARE(Mado_Kazu_Goukei(room, 1), std::int16_t{0});
        QCOMPARE(Mado_Kazu_Goukei(room, 2), std::int16_t{0});
    }

    void overheadViewFollowsTheRoomProportions() {
        model::RoomModel wide;
        gui::test::AddWall(wide, 1, 8000, 2700);
        gui::test::AddWall(wide, 3, 4000, 2700);
        gui::test::AddWall(wide, 5, 8000, 2700);
        gui::test::AddWall(wide, 7, 4000, 2700);
        const OverheadView w = Jyoukuu_Hyouji(wide, Initial());
        QVERIFY(w.wide);
        QVERIFY2(Near(w.box, Box{2478.3f, 7257.6f, 1036.8f, 518.4f}), Show(w.box));
        QVERIFY(Near(w.box.width, 2 * w.box.height));

        model::RoomModel deep;
        gui::test::AddWall(deep, 1, 4000, 2700);
        gui::test::AddWall(deep, 3, 8000, 2700);
        gui::test::AddWall(deep, 5, 4000, 2700);
        gui::test::AddWall(deep, 7, 8000, 2700);
        const OverheadView d = Jyoukuu_Hyouji(deep, Initial());
        QVERIFY(!d.wide);
        QVERIFY2(Near(d.box, Box{2520, 7686, 180, 360}), Show(d.box));
        QVERIFY(Near(d.box.height, 2 * d.box.width));
    }

    void fillPatternByRoofAndFloor() {
        model::RoomModel room;
        QCOMPARE(Jyoukuu_Moyou(room), 1);
        gui::test::AddRoofOrFloor(room.Yane, 0, 8000, 4000);
        QCOMPARE(Jyoukuu_Moyou(room), 2);
        gui::test::AddRoofOrFloor(room.Yuka, 9, 8000, 4000);
        QCOMPARE(Jyoukuu_Moyou(room), 6);
        room.Yane.Clear();
        QCOMPARE(Jyoukuu_Moyou(room), 3);
    }

    void northArrowCardinalOrDiagonal() {
        model::RoomModel cardinal;
        for (std::int16_t h : {1, 3, 5, 7}) {
            gui::test::AddWall(cardinal, h, h % 4 == 1 ? 8000 : 4000, 2700);
        }
        const OverheadView view = Jyoukuu_Hyouji(cardinal, Initial());
        const NorthArrow up = Houi_Yajirusi(cardinal, view, Initial());
        QVERIFY(up.cardinal);
        // L = the view's width (wide room) = 1036.8.
        const std::array<Point, 4> expectedUp{Point{7776, 2400}, Point{7776, 1881.6f},
                                              Point{7689.6f, 2054.4f}, Point{7819.2f, 2054.4f}};
        for (std::size_t i = 0; i < 4; ++i) {
            QVERIFY(Near(up.points[i].x, expectedUp[i].x) && Near(up.points[i].y, expectedUp[i].y));
        }

        model::RoomModel diagonal;
        for (std::int16_t h : {2, 4, 6, 8}) {
            gui::test::AddWall(diagonal, h, 5000, 2700);
        }
        const NorthArrow slanted =
            Houi_Yajirusi(diagonal, Jyoukuu_Hyouji(diagonal, Initial()), Initial());
        QVERIFY(!slanted.cardinal);
        // v = 8640 x 0.2 / 8 = 216: up and to the left.
        const std::array<Point, 4> expectedSlant{Point{7992, 2400}, Point{7560, 1968},
                                                 Point{7587, 2076}, Point{7659, 2004}};
        for (std::size_t i = 0; i < 4; ++i) {
            QVERIFY(Near(slanted.points[i].x, expectedSlant[i].x) &&
                    Near(slanted.points[i].y, expectedSlant[i].y));
        }
    }

    void skylightSitsInTheView() {
        OverheadView view;
        view.box = {2478.3f, 7257.6f, 1036.8f, 518.4f};
        QVERIFY(Near(Yane_Mado_Box(view), Box{2483.3f, 7262.6f, 518.4f, 348}));
    }

    void coloursAndToolTips() {
        QCOMPARE(Zokusei_Iro(0), (Rgb{192, 192, 192}));
        QCOMPARE(Zokusei_Iro(1), (Rgb{0, 255, 0}));
        QCOMPARE(Zokusei_Iro(2), (Rgb{255, 128, 255}));
        QCOMPARE(Zokusei_Iro(3), (Rgb{255, 255, 0}));
        QCOMPARE(Mado_Iro(true), (Rgb{128, 128, 255}));
        QCOMPARE(Mado_Iro(false), (Rgb{128, 255, 255}));

        model::RoomModel room;
        gui::test::AddWall(room, 1, 5400, 2700, {100, 50}, {{2, 900, 1800}}, 3.24f);
        QCOMPARE(QString::fromStdString(KabeToolTipText(*room.Kabe.Item(1))),
                 QStringLiteral("幅5.4m 高さ2.7m 厚さ150mm"));
        QCOMPARE(QString::fromStdString(MadoToolTipText(*room.Mado.Item(1))),
                 QStringLiteral("窓の面積合計 3.24㎡"));
        gui::test::AddWall(room, 3, 12345, 800, {150}, {}, 0.0f);
        QCOMPARE(QString::fromStdString(KabeToolTipText(*room.Kabe.Item(2))),
                 QStringLiteral("幅12.345m 高さ0.8m 厚さ150mm"));
        QCOMPARE(QString::fromStdString(MadoToolTipText(*room.Mado.Item(2))),
                 QStringLiteral("窓の面積合計 0.00㎡"));
    }

    void workAreaFollowsTheWindowAboveTheLegend_data() {
        QTest::addColumn<float>("innerH");
        QTest::addColumn<float>("workH");
        QTest::addColumn<float>("southWallTop");
        QTest::newRow("initial") << kInitialInnerHeight << kWorkHeight << 2400.0f;
        QTest::newRow("smallest") << kMinInnerHeight << 2125.0f << 1400.0f;
        QTest::newRow("maximised on 800 lines") << 10350.0f << 9975.0f << 7680.0f;
        QTest::newRow("lower than the legend") << 300.0f << 0.0f << 0.0f;
    }
    void workAreaFollowsTheWindowAboveTheLegend() {
        QFETCH(float, innerH);
        QFETCH(float, workH);
        QFETCH(float, southWallTop);
        QCOMPARE(WorkAreaHeight(innerH), workH);
        if (workH <= 0) {
            return;
        }
        PlanMetrics m = Initial();
        m.height = m.innerHeight = WorkAreaHeight(innerH);
        // The south wall and its window button end above the legend.
        model::RoomModel room;
        karumoa::gui::test::AddWall(room, 5, 6000, 2700, {150}, {{1, 900, 900}});
        const WallLayout south = LayoutWall(*room.Kabe.Item(1), 1, m);
        QCOMPARE(south.wall.top, southWallTop);
        QVERIFY(south.window->top + south.window->height <= workH);
    }

    void resizeLimits_data() {
        QTest::addColumn<float>("innerW");
        QTest::addColumn<float>("innerH");
        QTest::addColumn<bool>("changes");
        QTest::addColumn<float>("outerW");
        QTest::addColumn<float>("outerH");
        QTest::newRow("large enough") << 3000.0f << 2500.0f << false << 0.0f << 0.0f;
        QTest::newRow("too low") << 6000.0f << 2000.0f << true << 6120.0f << 2500.0f;
        QTest::newRow("too narrow") << 2000.0f << 3000.0f << true << 3000.0f << 3400.0f;
        QTest::newRow("both") << 100.0f << 100.0f << true << 3000.0f << 2500.0f;
    }
    void resizeLimits() {
        QFETCH(float, innerW);
        QFETCH(float, innerH);
        QFETCH(bool, changes);
        QFETCH(float, outerW);
        QFETCH(float, outerH);
        // The frame of the child window adds 120 x 400 twips.
        const auto limited = ResizeLimit({innerW, innerH}, {innerW + 120, innerH + 400});
        QCOMPARE(limited.has_value(), changes);
        if (changes) {
            QCOMPARE(limited->width, outerW);
            QCOMPARE(limited->height, outerH);
        }
    }
};

QTEST_MAIN(PlanLayoutTest)
#include "plan_layout_test.moc"
