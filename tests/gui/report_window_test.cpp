// The two report windows in the frame: what they show after the refresh
// chains and on activation (the room's last results, where the reports put
// them), their life behind the frame's commands, and scrolling: the bars
// fitted to every drawing, the wheel and the keys.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QWheelEvent>
#include <functional>

#include "../core/sheet/sheet_test_util.h"
#include "app/twips.h"
#include "edit_test_support.h"
#include "envelope/kouzou_keisan_form.h"
#include "internal/situnai_keisan_form.h"
#include "report/sheet_surface.h"
#include "sheet/report_sheets.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

using RoomSetUp = std::function<void(model::RoomModel&)>;

Kouzou_Keisan_Form& Kouzou(test::Program& p) {
    return p.forms().Get<Kouzou_Keisan_Form>(FormId::Kouzou_Keisan_Form);
}
Situnai_Keisan_Form& Situnai(test::Program& p) {
    return p.forms().Get<Situnai_Keisan_Form>(FormId::Situnai_Keisan_Form);
}
void Trigger(test::Program& p, FrameItem item) {
    p.frame().Item(item)->trigger();
}
int Twips(int pixels) {
    return static_cast<int>(std::lround(ToTwips(pixels)));
}

int RowOf(const sheet::Sheet& s, const char* text) {
    for (const sheet::TextRun& run : s.runs) {
        if (run.text == text) {
            return run.row;
        }
    }
    return -1;
}

// Both windows show the sheets built from the room's last results.
bool ShowTheLastResults(test::Program& p) {
    const report::FontTextMetrics metrics(report::ReportFont(), &Kouzou(p));
    const calc::RoomResults& r = p.ctx().results();
    return Kouzou(p).LastSheet().runs == sheet::BuildStructuralSheet(r.structural, metrics).runs &&
           Situnai(p).LastSheet().runs == sheet::BuildInternalSheet(r.internal, metrics).runs;
}

}  // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() { test::ClearSettings(); }

    void structuralRowsStandWhereTheReportPutsThem() {
        const struct {
            const char* name;
            RoomSetUp fill;
            QStringList elements;  // the orientation opening each of the six rows
            QStringList glass;
        } cases[] = {
            {"four walls, roof and floor fill the six rows; the west wall has no windows and "
             "the skylight follows the last wall glass row",
             test::FillFullRoom,
             {"北", "東", "南", "西", "屋根", "床"},
             {"北", "東", "南", "屋根"}},
            {"with two walls the sums stay six rows below the first",
             [](model::RoomModel& room) {
                 test::AddWall(room, 1, 8000, 2700, {150}, {{2, 1200, 1800}}, 4.32f);
                 test::AddWall(room, 3, 4000, 2700);
             },
             {"北", "東"},
             {"北"}},
        };
        for (const auto& c : cases) {
            test::Program p;
            test::OpenNewRoom(p);
            c.fill(p.room());
            p.forms().mainForm().Kabe_Seisaku();
            QVERIFY2(ShowTheLastResults(p), c.name);
            const sheet::Sheet& s = Kouzou(p).LastSheet();
            for (const auto& [heading, rows, sums] :
                 {std::tuple{"ｍ×ｍ", c.elements, 6}, std::tuple{"K×⊿t", c.glass, 5}}) {
                const int first = RowOf(s, heading) + 1;
                for (int i = 0; i < sums; ++i) {
                    const auto runs = s.RowRuns(first + i);
                    const QString opening =
                        runs.empty() ? QString() : QString::fromStdString(runs.front()->text);
                    QVERIFY2(opening == rows.value(i), c.name);
                }
                // Four hourly sums (and the glass conduction total), magenta.
                const auto sumRow = s.RowRuns(first + sums);
                const auto magenta = std::count_if(sumRow.begin(), sumRow.end(), [](auto* run) {
                    return run->color == sheet::kMagenta;
                });
                QVERIFY2(magenta == (sums == 6 ? 4 : 5), c.name);
            }
        }
    }

    void internalLinesAfterActivation() {
        const auto threeWalls = [](model::RoomModel& room) {
            for (std::int16_t h : {1, 3, 5}) {
                test::AddWall(room, h, 4000, 2700);
            }
        };
        const auto incandescent = [](model::RoomModel& room) { room.Syoumei_Syurui = false; };
        const struct {
            const char* name;
            RoomSetUp set;
            const char* find;  // the run opening the row above or at the one checked
            int offset;
            std::string runs;
        } cases[] = {
            {"three walls: A = 0", threeWalls, "qp: ", 2,
             "            NP@9| = 面積当たり @0|0.2 人@9| × @0|0.00@9| ㎡@0"},
            {"a head count ends after 実人数",
             [](model::RoomModel& room) {
                 room.Tatemono_Syurui = 9;
                 room.Ninzuu_Flag = false;
                 room.Jitu_Ninzuu = 12;
             },
             "qp: ", 2, "            NP@9| = 実人数@0"},
            {"incandescent by illuminance", incandescent, "K: ", 1,
             "W@9| = @0|(@0|(@0|1@9| × @0|1@9|)@0| ÷ @0|(@0|0.8@9| × @0|20@9|)@0|)@0| × @0|750@9"},
            {"incandescent heat factor", incandescent, "pe", 0,
             "pe@9| = @0|0.86@9| × @0|46.88@9| × @0|0.00@9"},
        };
        for (const auto& c : cases) {
            test::Program p;
            test::OpenNewRoom(p);
            Trigger(p, FrameItem::Mnu_Situnai_Keisan);
            QMdiArea* area = p.frame().mdiArea();
            area->setActiveSubWindow(p.forms().mainForm().subWindow());
            c.set(p.room());
            // Recalculated without a refresh chain: only the activation draws it.
            p.ctx().RecalculateRoom();
            area->setActiveSubWindow(Situnai(p).subWindow());
            const sheet::Sheet& s = Situnai(p).LastSheet();
            QVERIFY2(sheet::test::Runs(s, RowOf(s, c.find) + c.offset) == c.runs, c.name);
        }
    }

    void menuCommandsShowTheWindowsAndCloseHidesThem() {
        test::Program p;
        test::OpenNewRoom(p);
        QWidget* const windows[] = {&Kouzou(p), &Situnai(p)};
        const FrameItem items[] = {FrameItem::Mnu_Kouzou_Keisan, FrameItem::Mnu_Situnai_Keisan};
        auto close = [&](int w) {
            qobject_cast<QMdiSubWindow*>(windows[w]->parentWidget())->close();
        };
        const struct {
            const char* name;
            std::function<void()> act;
            bool shown[2];  // and so their commands off
        } steps[] = {
            {"new room: loaded hidden", [] {}, {false, false}},
            {"構造体負荷", [&] { Trigger(p, items[0]); }, {true, false}},
            {"室内、換気負荷", [&] { Trigger(p, items[1]); }, {true, true}},
            {"structural closed", [&] { close(0); }, {false, true}},
            {"internal closed", [&] { close(1); }, {false, false}},
            {"構造体負荷 again", [&] { Trigger(p, items[0]); }, {true, false}},
        };
        // Both at the frame's top + 50 twips, left 0.
        const QPoint place(0, ToPixels(ToTwips(p.frame().y()) + 50));
        QCOMPARE(Kouzou(p).subWindow()->pos(), place);
        QCOMPARE(Situnai(p).subWindow()->pos(), place);
        for (const auto& step : steps) {
            step.act();
            for (int w = 0; w < 2; ++w) {
                QVERIFY2(windows[w]->parentWidget()->isVisible() == step.shown[w], step.name);
                QVERIFY2(p.frame().IsEnabled(items[w]) == !step.shown[w], step.name);
            }
            // Always the same two windows: closing only hid them.
            QVERIFY2(&Kouzou(p) == windows[0] && &Situnai(p) == windows[1], step.name);
        }
        QCOMPARE(p.frame().mdiArea()->activeSubWindow(), Kouzou(p).subWindow());

        // Closing puts a maximised plan window back to its normal state.
        p.forms().mainForm().subWindow()->showMaximized();
        close(0);
        QVERIFY(!p.forms().mainForm().subWindow()->isMaximized());
        // Shown again, with the room as it is now.
        test::FillFullRoom(p.room());
        p.forms().mainForm().Kabe_Seisaku();
        Trigger(p, items[0]);
        QVERIFY(ShowTheLastResults(p));

        // Closed for real with the room: the commands on again.
        p.room().Hozon_Flag = false;
        QVERIFY(p.frame().commands().CloseRoom());
        for (int w = 0; w < 2; ++w) {
            QVERIFY(!p.forms().IsLoaded(w == 0 ? FormId::Kouzou_Keisan_Form
                                               : FormId::Situnai_Keisan_Form));
            QVERIFY(p.frame().IsEnabled(items[w]));
        }
    }

    // Wider than the window: HScroll1 at its maximum shifts the surface by
    // maximum - minimum; the cascade brings it back. Taller after a
    // drawing: VScroll1 at once, and a redraw keeps the place. The wheel
    // and the keys move the bars.
    void theBarsFitEveryDrawing() {
        test::Program p;
        test::OpenNewRoom(p);
        test::FillFullRoom(p.room());
        p.forms().mainForm().Kabe_Seisaku();
        Trigger(p, FrameItem::Mnu_Kouzou_Keisan);
        Kouzou_Keisan_Form& k = Kouzou(p);
        k.subWindow()->resize(300, 400);
        QScrollBar* h = k.HScroll1();
        QVERIFY(h->isEnabled());
        QCOMPARE(h->minimum(), Twips(k.width()));
        QCOMPARE(h->maximum(), k.LastSheet().widestX + Twips(k.VScroll1()->width()));
        h->setValue(h->maximum());
        QCOMPARE(k.Sagyou_Eria()->x(), -ToPixels(h->maximum() - h->minimum()));
        Trigger(p, FrameItem::Mnu_Kasanete);
        QCOMPARE(h->value(), h->minimum());
        QCOMPARE(k.Sagyou_Eria()->x(), 0);

        model::RoomModel& room = p.room();
        room.Syoudo_Syurui = 7;  // lamps by total output: a short lighting section
        room.Syoudo_Jidou_Tekigou = false;
        room.Syuturyoku_Nyuuryoku = true;
        p.forms().ConditionsEdited();
        Trigger(p, FrameItem::Mnu_Situnai_Keisan);
        Situnai_Keisan_Form& s = Situnai(p);
        const sheet::Sheet& sheet = s.LastSheet();
        auto bottom = [&] { return sheet.lineHeight * (sheet.lastRow + 1); };
        const int inner = ToPixels(bottom()) + s.HScroll1()->height() + 2;  // just fits
        s.subWindow()->resize(s.subWindow()->width(), s.subWindow()->height() - s.height() + inner);
        QVERIFY(!s.VScroll1()->isEnabled());
        room.Syoudo_Syurui = 1;  // by illuminance: eight more lines
        p.forms().ConditionsEdited();
        QVERIFY(ShowTheLastResults(p));
        QVERIFY(s.VScroll1()->isEnabled());
        QCOMPARE(s.VScroll1()->maximum(), bottom() + Twips(s.HScroll1()->height()));
        s.VScroll1()->setValue(s.VScroll1()->maximum());
        const int shifted = s.Sagyou_Eria()->y();
        QVERIFY(shifted < 0);
        p.forms().ConditionsEdited();
        QCOMPARE(s.Sagyou_Eria()->y(), shifted);

        // The wheel and the keys, by lines, pages and columns.
        QScrollBar* v = s.VScroll1();
        const int line = sheet.lineHeight;
        const int top = v->minimum();
        v->setValue(top);
        QWheelEvent notch(QPointF(10, 10), s.mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(s.Sagyou_Eria(), &notch);
        const int wheeled = top + QApplication::wheelScrollLines() * line;
        QCOMPARE(v->value(), wheeled);
        QCOMPARE(s.Sagyou_Eria()->y(), ToPixels(v->minimum() - wheeled));
        QTest::keyClick(&s, Qt::Key_PageUp);  // the window's height less a line
        QCOMPARE(v->value(), std::max(v->minimum(), wheeled - (s.Layout().hBar.top - line)));
        QTest::keyClick(&s, Qt::Key_End);
        QCOMPARE(v->value(), v->maximum());
        QTest::keyClick(&s, Qt::Key_Home);
        QCOMPARE(v->value(), v->minimum());
    }
};

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
