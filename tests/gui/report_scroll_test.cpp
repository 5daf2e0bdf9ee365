// The report windows' scroll arithmetic in twips, against hand-computed
// layouts for a window of 9000 x 6000 twips inside with bars 240 thick.

#include <QTest>

#include "report/scroll_layout.h"

using namespace karumoa::gui::report;

Q_DECLARE_METATYPE(karumoa::gui::report::BarRange)
Q_DECLARE_METATYPE(karumoa::gui::report::ScrollInput)

namespace {

constexpr int kBar = 240;

ScrollInput Window(int innerHeight, int widestX, int sheetBottom, bool minimized = false) {
    return ScrollInput{9000, innerHeight, kBar, kBar, minimized, widestX, sheetBottom};
}

}  // namespace

class ReportScrollTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fitsSurfaceAndBars_data() {
        QTest::addColumn<ScrollInput>("in");
        QTest::addColumn<BarRange>("horizontal");  // enabled, min, max, large, small
        QTest::addColumn<BarRange>("vertical");
        QTest::addColumn<int>("surfaceWidth");
        QTest::addColumn<int>("surfaceHeight");
        QTest::addColumn<bool>("vBarPlaced");
        const BarRange none{};
        QTest::newRow("fits; the surface reaches under the vertical bar")
            << Window(6000, 8760, 5000) << none << none << 9240 << 6000 << true;
        QTest::newRow("taller and wider: visible size to drawn size and the other bar")
            << Window(6000, 12000, 9000) << BarRange{true, 9000, 12240, 4080, 1224}
            << BarRange{true, 6000, 9240, 3080, 924} << 12240 << 9240 << true;
        QTest::newRow("one twip under the vertical bar")
            << Window(6000, 8761, 5000) << BarRange{true, 9000, 9001, 3000, 900} << none << 9001
            << 6000 << true;
        QTest::newRow("steps rounded halves to even: 924.5, 925.5")
            << Window(6000, 9015, 9005) << BarRange{true, 9000, 9255, 3085, 926}
            << BarRange{true, 6000, 9245, 3082, 924} << 9255 << 9245 << true;
        QTest::newRow("500 twips high: no vertical bar, no vertical range")
            << Window(500, 8000, 9000) << none << none << 9240 << 500 << false;
        QTest::newRow("minimised: the range, but no bar placed")
            << Window(6000, 8000, 9000, true) << none << BarRange{true, 6000, 9240, 3080, 924}
            << 9240 << 9240 << false;
    }
    void fitsSurfaceAndBars() {
        QFETCH(ScrollInput, in);
        QFETCH(BarRange, horizontal);
        QFETCH(BarRange, vertical);
        const ScrollLayout out = FitScroll(in);
        QCOMPARE(out.horizontal, horizontal);
        QCOMPARE(out.vertical, vertical);
        QTEST(out.surfaceWidth, "surfaceWidth");
        QTEST(out.surfaceHeight, "surfaceHeight");
        QTEST(out.vBarPlaced, "vBarPlaced");
        QCOMPARE(out.hBar, (BarRect{0, in.innerHeight - kBar, 9000 - kBar, kBar}));
        QVERIFY(!out.vBarPlaced || out.vBar == (BarRect{9000 - kBar, 0, kBar, 6000 - kBar}));
        // At a bar's maximum the sheet's far edge lies just inside the other bar.
        if (horizontal.enabled) {
            QCOMPARE(in.widestX + SurfaceOffset(horizontal.maximum, horizontal), 9000 - kBar);
        }
        if (vertical.enabled) {
            QCOMPARE(in.sheetBottom + SurfaceOffset(vertical.maximum, vertical),
                     in.innerHeight - kBar);
        }
    }

    void keepsTheShiftAsFarAsTheNewRangeReaches() {
        const BarRange range{true, 6000, 9240, 3080, 924};
        QCOMPARE(ValueForOffset(1000, range), 7000);
        QCOMPARE(ValueForOffset(5000, range), 9240);
        QCOMPARE(ValueForOffset(1000, BarRange{}), 0);
        QCOMPARE(SurfaceOffset(7000, range), -1000);
    }
};

QTEST_MAIN(ReportScrollTest)
#include "report_scroll_test.moc"
