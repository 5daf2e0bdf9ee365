// The report windows' scroll arithmetic in twips, checked against
// hand-computed layouts for a window of 9000 x 6000 twips inside with bars
// 240 twips thick.

#include <QTest>

#include "report/scroll_layout.h"

using namespace karumoa::gui::report;

Q_DECLARE_METATYPE(karumoa::gui::report::BarRange)
Q_DECLARE_METATYPE(karumoa::gui::report::BarRect)
Q_DECLARE_METATYPE(karumoa::gui::report::ScrollInput)

namespace {

constexpr int kBar = 240;

ScrollInput Window(int innerWidth, int innerHeight, int widestX, int sheetBottom,
                   bool minimized = false) {
    return ScrollInput{innerWidth, innerHeight, kBar, kBar, minimized, widestX, sheetBottom};
}

const BarRange kNone{};

}  // namespace

class ReportScrollTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fitsSurfaceAndBars_data() {
        QTest::addColumn<ScrollInput>("in");
        QTest::addColumn<BarRange>("horizontal");
        QTest::addColumn<BarRange>("vertical");
        QTest::addColumn<int>("surfaceWidth");
        QTest::addColumn<int>("surfaceHeight");
        QTest::addColumn<bool>("vBarPlaced");
        // BarRange: enabled, minimum, maximum, large change, small change.
        QTest::newRow("sheet fits: no range, the surface reaches under the vertical bar")
            << Window(9000, 6000, 8000, 5000) << kNone << kNone << 9240 << 6000 << true;
        QTest::newRow("taller: from the window's height to the sheet's bottom and the bar")
            << Window(9000, 6000, 8000, 9000) << kNone << BarRange{true, 6000, 9240, 3080, 924}
            << 9240 << 9240 << true;
        QTest::newRow("wider: from the window's width to the widest x and the bar")
            << Window(9000, 6000, 12000, 5000) << BarRange{true, 9000, 12240, 4080, 1224} << kNone
            << 12240 << 6000 << true;
        QTest::newRow("both") << Window(9000, 6000, 12000, 9000)
                              << BarRange{true, 9000, 12240, 4080, 1224}
                              << BarRange{true, 6000, 9240, 3080, 924} << 12240 << 9240 << true;
        QTest::newRow("widest x just clear of the vertical bar")
            << Window(9000, 6000, 8760, 5000) << kNone << kNone << 9240 << 6000 << true;
        QTest::newRow("one twip under the vertical bar")
            << Window(9000, 6000, 8761, 5000) << BarRange{true, 9000, 9001, 3000, 900} << kNone
            << 9001 << 6000 << true;
        QTest::newRow("steps rounded halves to even: 9245 / 10 = 924.5")
            << Window(9000, 6000, 8000, 9005) << kNone << BarRange{true, 6000, 9245, 3082, 924}
            << 9240 << 9245 << true;
        QTest::newRow("steps rounded halves to even: 9255 / 10 = 925.5")
            << Window(9000, 6000, 8000, 9015) << kNone << BarRange{true, 6000, 9255, 3085, 926}
            << 9240 << 9255 << true;
        QTest::newRow("500 twips high: no vertical bar, no vertical range")
            << Window(9000, 500, 8000, 9000) << kNone << kNone << 9240 << 500 << false;
        QTest::newRow("501 twips high: the vertical bar")
            << Window(9000, 501, 8000, 9000) << kNone << BarRange{true, 501, 9240, 3080, 924}
            << 9240 << 9240 << true;
        QTest::newRow("minimised: the range, but no bar placed")
            << Window(9000, 6000, 8000, 9000, true) << kNone
            << BarRange{true, 6000, 9240, 3080, 924} << 9240 << 9240 << false;
    }
    void fitsSurfaceAndBars() {
        QFETCH(ScrollInput, in);
        QFETCH(BarRange, horizontal);
        QFETCH(BarRange, vertical);
        QFETCH(int, surfaceWidth);
        QFETCH(int, surfaceHeight);
        QFETCH(bool, vBarPlaced);
        const ScrollLayout out = FitScroll(in);
        QCOMPARE(out.horizontal, horizontal);
        QCOMPARE(out.vertical, vertical);
        QCOMPARE(out.surfaceWidth, surfaceWidth);
        QCOMPARE(out.surfaceHeight, surfaceHeight);
        QCOMPARE(out.vBarPlaced, vBarPlaced);
        // The bars along the bottom and right edges, clear of each other.
        QCOMPARE(out.hBar, (BarRect{0, in.innerHeight - kBar, in.innerWidth - kBar, kBar}));
        if (vBarPlaced) {
            QCOMPARE(out.vBar, (BarRect{in.innerWidth - kBar, 0, kBar, in.innerHeight - kBar}));
        }
        // At the maximum the sheet's far edges lie just inside the bars.
        if (out.horizontal.enabled) {
            const int shift = -SurfaceOffset(out.horizontal.maximum, out.horizontal);
            QCOMPARE(in.widestX - shift, in.innerWidth - kBar);
        }
        if (out.vertical.enabled) {
            const int shift = -SurfaceOffset(out.vertical.maximum, out.vertical);
            QCOMPARE(in.sheetBottom - shift, in.innerHeight - kBar);
        }
    }

    void keepsTheSheetsShiftAsFarAsTheRangeReaches_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<BarRange>("range");
        QTest::addColumn<int>("value");
        QTest::newRow("within") << 1000 << BarRange{true, 6000, 9240, 3080, 924} << 7000;
        QTest::newRow("past the end") << 5000 << BarRange{true, 6000, 9240, 3080, 924} << 9240;
        QTest::newRow("at the top") << 0 << BarRange{true, 6000, 9240, 3080, 924} << 6000;
        QTest::newRow("no range any more") << 1000 << kNone << 0;
    }
    void keepsTheSheetsShiftAsFarAsTheRangeReaches() {
        QFETCH(int, offset);
        QFETCH(BarRange, range);
        QFETCH(int, value);
        QCOMPARE(ValueForOffset(offset, range), value);
        QCOMPARE(SurfaceOffset(value, range), -(value - range.minimum));
    }
};

QTEST_MAIN(ReportScrollTest)
#include "report_scroll_test.moc"
