// The sheet painter on an image. Runs of both report sheets of a fixture
// room, each painted as a band of its own row at a place and a zoom (as a
// page repeats a table's heading), must show ink of their palette colour
// from their x to where they were measured to end, inside the band; the
// heading's rules must stand on the grid.

#include <QImage>
#include <QPainter>
#include <QTest>
#include <climits>

#include "calc/room_results.h"
#include "edit_test_support.h"
#include "project/project_file.h"
#include "report/sheet_painter.h"
#include "sheet/report_sheets.h"

using namespace karumoa;
using namespace karumoa::gui::report;

namespace {

// Where the mostly opaque pixels of a rectangle lie, and how many are not
// of `rgb`: on a transparent image antialiased text keeps the pen's colour.
struct Ink {
    int count = 0;
    int wrongColour = 0;
    int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
};
Ink InkIn(const QImage& image, const QRect& box, QRgb rgb = 0) {
    Ink ink;
    const QRect r = box.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) >= 160) {
                ++ink.count;
                ink.wrongColour += std::abs(qRed(p) - qRed(rgb)) > 4 ||
                                   std::abs(qGreen(p) - qGreen(rgb)) > 4 ||
                                   std::abs(qBlue(p) - qBlue(rgb)) > 4;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

int Px(double twips) {  // at 96 dpi
    return static_cast<int>(std::lround(twips / 15.0));
}

// Rows first..end - 1 of `s` painted with row `first` at `at`, unpremultiplied.
QImage Band(const sheet::Sheet& s, int first, int end, QPoint at, double zoom, bool prepared) {
    QImage page(1600, 200, QImage::Format_ARGB32_Premultiplied);
    page.setDotsPerMeterX(3780);  // 96 dpi
    page.setDotsPerMeterY(3780);
    page.fill(Qt::transparent);
    PreparedTexts texts;
    {
        QPainter painter(&page);
        SheetPainter(painter, ReportFont(), zoom, prepared ? &texts : nullptr)
            .PaintRows(s, first, end, at);
    }
    return page.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class SheetPainterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void runsLandInTheirColoursAtTheirColumns() {
        model::RoomModel room;
        const auto refs = gui::test::ShippedReferenceData();
        QVERIFY(refs);
        QVERIFY(
            project::ReadProjectFile(KARUMOA_TEST_DATA_DIR "/rooms/attributes-blinds.kmd", room));
        const calc::RoomResults results = calc::ComputeRoomResults(room, *refs);
        QImage device(1, 1, QImage::Format_ARGB32);
        device.setDotsPerMeterX(3780);
        device.setDotsPerMeterY(3780);
        const FontTextMetrics metrics(ReportFont(), &device);
        const sheet::Sheet structural = sheet::BuildStructuralSheet(results.structural, metrics);
        const sheet::Sheet internal = sheet::BuildInternalSheet(results.internal, metrics);

        const struct {
            const sheet::Sheet& sheet;
            const char* text;  // empty: the first run of the colour
            int color;
            double zoom;
            bool prepared;  // texts kept ready, as a window paints them
        } cases[] = {
            {structural, "qw", 9, 1, false},
            {structural, "取得熱量", 2, 2, false},
            {structural, "北", 0, 1, true},
            {structural, "", 5, 2, true},
            {structural, "壁窓合計負荷", 13, 1, false},
            {internal, "人数", 2, 1, true},
            {internal, "[kcal/h]", 0, 2, false},
            {internal, "換気損失熱量", 13, 1, true},
        };
        const QPoint at(30, 40);
        for (const auto& c : cases) {
            const sheet::Sheet& s = c.sheet;
            const sheet::TextRun* run = nullptr;
            for (const sheet::TextRun& r : s.runs) {
                if (r.color == c.color && (*c.text == 0 || r.text == c.text)) {
                    run = &r;
                    break;
                }
            }
            QVERIFY2(run != nullptr, c.text);
            const QImage page = Band(s, run->row, run->row + 1, at, c.zoom, c.prepared);
            const auto z = [&](int twips) { return static_cast<int>(c.zoom * Px(twips)); };
            const QRect band(0, at.y(), page.width(), z(s.lineHeight));
            const QRect box(at.x() + z(run->x), at.y(), z(run->width), z(s.lineHeight));
            const Ink ink = InkIn(page, box, sheet::PaletteRgb(c.color));
            QVERIFY2(ink.count > 5 && ink.wrongColour == 0, c.text);
            QVERIFY2(ink.left <= box.left() + z(s.columnUnit) / 2, c.text);
            QVERIFY2(ink.right >= box.right() - z(s.columnUnit) / 2 && ink.right <= box.right() + 1,
                     c.text);
            // Nothing of the sheet outside the band of its row.
            QVERIFY2(InkIn(page, page.rect()).count == InkIn(page, band).count, c.text);
        }

        // The heading of the glass table: its box from half a column left of
        // column 0 to column 52, a black rule down both rows at column 10.
        int heading = -1;
        for (const sheet::TextRun& r : structural.runs) {
            heading = r.text == "K×⊿t" ? r.row - 1 : heading;
        }
        const QImage page = Band(structural, heading, heading + 2, at, 1, false);
        const int height = 2 * Px(structural.lineHeight);
        const Ink all = InkIn(page, page.rect());
        const int left = at.x() + Px(sheet::kLeftMargin - structural.columnUnit / 2);
        const int right = at.x() + Px(sheet::kLeftMargin + 52 * structural.columnUnit);
        QVERIFY(std::abs(all.left - left) <= 1 && std::abs(all.right - right) <= 1);
        QVERIFY(std::abs(all.top - at.y()) <= 1 && std::abs(all.bottom - (at.y() + height)) <= 1);
        const int rule = at.x() + Px(sheet::kLeftMargin + 10 * structural.columnUnit);
        const Ink ruled = InkIn(page, QRect(rule, at.y() + 1, 1, height - 2));
        QVERIFY(ruled.count == height - 2 && ruled.wrongColour == 0);
    }
};

QTEST_MAIN(SheetPainterTest)
#include "sheet_painter_test.moc"
