// The sheet painter on an image: both report sheets of a fixture room
// painted, then a few runs sampled, each must show ink of its palette
// colour, starting at its x and ending where it was measured to end, and
// the heading rules must stand on the grid. A band of rows painted at
// twice the size must land where it is asked for and leave the rest of
// the page blank.

#include <QImage>
#include <QPainter>
#include <QTest>
#include <climits>
#include <cmath>

#include "calc/room_results.h"
#include "edit_test_support.h"
#include "project/project_file.h"
#include "report/font_text_metrics.h"
#include "report/sheet_painter.h"
#include "sheet/report_sheets.h"

using namespace karumoa;
using namespace karumoa::gui::report;

namespace {

// Where the ink of one colour lies in a rectangle of an image.
struct Ink {
    int count = 0;        // opaque enough pixels
    int wrongColour = 0;  // of them, not of the expected colour
    int left = INT_MAX;   // first and last column with ink
    int right = INT_MIN;
    int top = INT_MAX;
    int bottom = INT_MIN;
};

// Colours as painted, whatever the coverage: text is antialiased, and on
// a transparent image an edge pixel is the pen's colour, less opaque.
QImage Unpremultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Text is antialiased: only pixels that are mostly ink are judged, and
// on a transparent image their colour is the pen's whatever the coverage.
Ink InkIn(const QImage& image, const QRect& box, QRgb expected = 0) {
    Ink ink;
    const QRect r = box.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 160) {
                continue;
            }
            ++ink.count;
            if (std::abs(qRed(p) - qRed(expected)) > 4 ||
                std::abs(qGreen(p) - qGreen(expected)) > 4 ||
                std::abs(qBlue(p) - qBlue(expected)) > 4) {
                ++ink.wrongColour;
            }
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

// The first run of `text` in `color` (on `row`, unless it is -1).
const sheet::TextRun* FindRun(const sheet::Sheet& s, const QString& text, int color, int row = -1) {
    for (const sheet::TextRun& run : s.runs) {
        if (QString::fromStdString(run.text) == text && run.color == color &&
            (row < 0 || run.row == row)) {
            return &run;
        }
    }
    return nullptr;
}

int Px(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

// The fixture room's two sheets, measured for an image at 96 dpi.
struct Fixture {
    QImage image{1, 1, QImage::Format_ARGB32_Premultiplied};
    sheet::Sheet structural;
    sheet::Sheet internal;

    Fixture() {
        image.setDotsPerMeterX(3780);  // 96 dpi: 15 twips to a pixel
        image.setDotsPerMeterY(3780);
        model::RoomModel room;
        const auto refs = gui::test::ShippedReferenceData();
        if (!refs ||
            !project::ReadProjectFile(KARUMOA_TEST_DATA_DIR "/rooms/attributes-blinds.kmd", room)) {
            return;
        }
        const calc::RoomResults results = calc::ComputeRoomResults(room, *refs);
        const FontTextMetrics metrics(ReportFont(), &image);
        structural = sheet::BuildStructuralSheet(results.structural, metrics);
        internal = sheet::BuildInternalSheet(results.internal, metrics);
    }

    // A transparent image of 96 dpi with the whole of `s` painted at 0, 0,
    // with texts laid out afresh or kept ready as a report window keeps them.
    QImage Painted(const sheet::Sheet& s, bool prepared = false) const {
        const int width =
            Px(std::max(s.widestX, sheet::kLeftMargin + sheet::kTableRight * s.columnUnit)) + 20;
        QImage out(width, Px(s.lineHeight * (s.lastRow + 2)), QImage::Format_ARGB32_Premultiplied);
        out.setDotsPerMeterX(3780);
        out.setDotsPerMeterY(3780);
        out.fill(Qt::transparent);
        QPainter painter(&out);
        PreparedTexts texts;
        SheetPainter(painter, ReportFont(), 1.0, prepared ? &texts : nullptr)
            .PaintRows(s, 0, s.lastRow + 1, QPointF(0, 0));
        painter.end();
        return Unpremultiplied(out);
    }
};

}  // namespace

class SheetPainterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(!fixture_.structural.runs.empty()); }

    void runsLandInTheirColoursAtTheirColumns_data() {
        QTest::addColumn<bool>("structural");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("color");
        QTest::addColumn<bool>("prepared");
        QTest::newRow("formula symbol") << true << "qw" << 9 << false;
        QTest::newRow("legend description") << true << "取得熱量" << 2 << false;
        QTest::newRow("orientation of the first element row") << true << "北" << 0 << false;
        QTest::newRow("structural maximum") << true << "構造体最大負荷" << 13 << false;
        QTest::newRow("overall maximum, texts kept ready") << true << "壁窓合計負荷" << 13 << true;
        QTest::newRow("occupant formula") << false << "qp" << 9 << false;
        QTest::newRow("occupant legend, texts kept ready") << false << "人数" << 2 << true;
        QTest::newRow("occupant result") << false << "人体発生熱量" << 13 << false;
        QTest::newRow("unit, texts kept ready") << false << "[kcal/h]" << 0 << true;
        QTest::newRow("ventilation result") << false << "換気損失熱量" << 13 << false;
    }
    void runsLandInTheirColoursAtTheirColumns() {
        QFETCH(bool, structural);
        QFETCH(QString, text);
        QFETCH(int, color);
        QFETCH(bool, prepared);
        const sheet::Sheet& s = structural ? fixture_.structural : fixture_.internal;
        const QImage image = fixture_.Painted(s, prepared);
        const sheet::TextRun* run = FindRun(s, text, color);
        QVERIFY(run != nullptr);
        const int unit = Px(s.columnUnit);
        const QRect box(Px(run->x), Px(run->row * s.lineHeight), Px(run->width), Px(s.lineHeight));
        const Ink ink = InkIn(image, box, sheet::PaletteRgb(color));
        QVERIFY(ink.count > 5);
        QCOMPARE(ink.wrongColour, 0);
        QVERIFY2(ink.left <= box.left() + unit / 2, QByteArray::number(ink.left));
        QVERIFY2(ink.right >= box.right() - unit / 2, QByteArray::number(ink.right));
        if (prepared) {
            // Texts kept ready stand exactly where texts laid out afresh do.
            const Ink plain = InkIn(fixture_.Painted(s), box, sheet::PaletteRgb(color));
            QVERIFY(std::abs(plain.top - ink.top) <= 1 && std::abs(plain.bottom - ink.bottom) <= 1);
            QVERIFY(std::abs(plain.left - ink.left) <= 1 && std::abs(plain.right - ink.right) <= 1);
        }
    }

    // The sums are magenta, right-aligned on their column, as the numbers
    // above them.
    void sumsEndOnTheirColumn() {
        const sheet::Sheet& s = fixture_.structural;
        const QImage image = fixture_.Painted(s);
        int sums = 0;
        for (const sheet::TextRun& run : s.runs) {
            if (run.color != sheet::kMagenta) {
                continue;
            }
            ++sums;
            const QRect box(Px(run.x), Px(run.row * s.lineHeight), Px(run.width) + 1,
                            Px(s.lineHeight));
            const Ink ink = InkIn(image, box, sheet::PaletteRgb(sheet::kMagenta));
            QCOMPARE(ink.wrongColour, 0);
            QVERIFY(ink.right <= Px(run.x + run.width));
            QVERIFY(ink.right >= Px(run.x + run.width) - Px(s.columnUnit) / 2);
        }
        QCOMPARE(sums, 4 + 5);  // the opaque sums, the glass totals and C
    }

    void headingRulesStandOnTheGrid() {
        const sheet::Sheet& s = fixture_.structural;
        const QImage image = fixture_.Painted(s);
        const sheet::TextRun* heading = FindRun(s, QStringLiteral("幅×高さ"), 2);
        QVERIFY(heading != nullptr);
        const int top = Px(heading->row * s.lineHeight);
        const int bottom = Px((heading->row + 2) * s.lineHeight);
        for (const int column : {3, 10, 15, 20, 23, 28, 31, 36, 39, 44, 47, 52}) {
            const int x = Px(sheet::kLeftMargin + column * s.columnUnit);
            const Ink rule = InkIn(image, QRect(x, top + 2, 1, bottom - top - 4), 0);
            QVERIFY2(rule.count == bottom - top - 4 && rule.wrongColour == 0,
                     QByteArray::number(column));
        }
        const int left = Px(sheet::kLeftMargin - s.columnUnit / 2);
        const int right = Px(sheet::kLeftMargin + 52 * s.columnUnit);
        QCOMPARE(InkIn(image, QRect(left, top, right - left, 1), 0).count, right - left);
        QCOMPARE(InkIn(image, QRect(left, bottom, right - left, 1), 0).count, right - left);
    }

    // A table heading repeated at the top of a page: only its two rows, at
    // the place and the size asked for.
    void aBandOfRowsAtAPlaceAndZoom() {
        const sheet::Sheet& s = fixture_.structural;
        const sheet::TextRun* heading = FindRun(s, QStringLiteral("K×⊿t"), 0);
        QVERIFY(heading != nullptr);
        const int first = heading->row - 1;
        QImage page(1400, 600, QImage::Format_ARGB32_Premultiplied);
        page.setDotsPerMeterX(3780);
        page.setDotsPerMeterY(3780);
        page.fill(Qt::transparent);
        const QPointF at(40, 100);
        {
            QPainter painter(&page);
            SheetPainter(painter, ReportFont(), 2.0).PaintRows(s, first, first + 2, at);
        }
        page = Unpremultiplied(page);
        auto x2 = [&](int twips) { return static_cast<int>(at.x()) + 2 * Px(twips); };
        const int rowHeight = 2 * Px(s.lineHeight);
        // Ink of any colour: the rules are black, the texts coloured.
        const Ink all = InkIn(page, page.rect());
        QVERIFY2(std::abs(all.top - static_cast<int>(at.y())) <= 1, QByteArray::number(all.top));
        QVERIFY(all.bottom <= static_cast<int>(at.y()) + 2 * rowHeight + 1);
        QVERIFY2(std::abs(all.left - x2(sheet::kLeftMargin - s.columnUnit / 2)) <= 1,
                 QByteArray::number(all.left));
        QVERIFY(all.right <= x2(sheet::kLeftMargin + 52 * s.columnUnit) + 1);

        const sheet::TextRun* houi = FindRun(s, QStringLiteral("方位"), 2, first);
        QVERIFY(houi != nullptr);
        const QRect box(x2(houi->x) + 2, static_cast<int>(at.y()) + 2, 2 * Px(houi->width) - 4,
                        rowHeight - 4);
        const Ink ink = InkIn(page, box, sheet::PaletteRgb(sheet::kGreen));
        QVERIFY(ink.count > 20);
        QCOMPARE(ink.wrongColour, 0);
    }

private:
    Fixture fixture_;
};

QTEST_MAIN(SheetPainterTest)
#include "sheet_painter_test.moc"
