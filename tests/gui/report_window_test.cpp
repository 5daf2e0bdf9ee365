// The two report windows in the frame: what they show after the refresh
// chains (the room's last results, row by row where the reports put
// them), their life as child windows behind the frame's commands, and
// scrolling: the bars fitted to every drawing, the wheel and the keys.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QWheelEvent>
#include <functional>

#include "app/twips.h"
#include "edit_test_support.h"
#include "envelope/kouzou_keisan_form.h"
#include "internal/situnai_keisan_form.h"
#include "report/font_text_metrics.h"
#include "report/sheet_surface.h"
#include "sheet/report_sheets.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

Kouzou_Keisan_Form& Kouzou(test::Program& p) {
    return p.forms().Get<Kouzou_Keisan_Form>(FormId::Kouzou_Keisan_Form);
}
Situnai_Keisan_Form& Situnai(test::Program& p) {
    return p.forms().Get<Situnai_Keisan_Form>(FormId::Situnai_Keisan_Form);
}

// A row of a sheet as "text@colour|text@colour", in drawing order.
QString Runs(const sheet::Sheet& s, int row) {
    QStringList parts;
    for (const sheet::TextRun* run : s.RowRuns(row)) {
        parts << QString::fromStdString(run->text) + QStringLiteral("@") +
                     QString::number(run->color);
    }
    return parts.join(QLatin1Char('|'));
}
QString FirstText(const sheet::Sheet& s, int row) {
    const auto runs = s.RowRuns(row);
    return runs.empty() ? QString() : QString::fromStdString(runs.front()->text);
}
int RowOf(const sheet::Sheet& s, const char* text) {
    for (const sheet::TextRun& run : s.runs) {
        if (run.text == text) {
            return run.row;
        }
    }
    return -1;
}

void Trigger(test::Program& p, FrameItem item) {
    p.frame().Item(item)->trigger();
}

// The whole sheets the windows would draw from the room's last results.
bool ShowsTheLastResults(test::Program& p) {
    const report::FontTextMetrics metrics(report::ReportFont(), &Kouzou(p));
    const calc::RoomResults& r = p.ctx().results();
    return Kouzou(p).LastSheet().runs == sheet::BuildStructuralSheet(r.structural, metrics).runs &&
           Situnai(p).LastSheet().runs == sheet::BuildInternalSheet(r.internal, metrics).runs;
}

struct StructuralCase {
    const char* name;
    std::function<void(model::RoomModel&)> fill;
    QStringList elementRows;  // the orientation opening each of the six rows
    QStringList glassRows;
};

const StructuralCase kStructuralCases[] = {
    {"four walls, roof and floor fill the six rows; a wall without windows has no glass row, "
     "the skylight follows the last wall glass row",
     test::FillFullRoom,
     {"北", "東", "南", "西", "屋根", "床"},
     {"北", "東", "南", "屋根"}},
    {"two walls leave four blank rows above the sums",
     [](model::RoomModel& room) {
         test::AddWall(room, 1, 8000, 2700, {150}, {{2, 1200, 1800}}, 4.32f);
         test::AddWall(room, 3, 4000, 2700);
     },
     {"北", "東", "", "", "", ""},
     {"北"}},
};

}  // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() { test::ClearSettings(); }

    void structuralRowsStandWhereTheReportPutsThem() {
        for (const StructuralCase& c : kStructuralCases) {
            test::Program p;
            test::OpenNewRoom(p);
            c.fill(p.room());
            p.forms().mainForm().Kabe_Seisaku();
            const sheet::Sheet& s = Kouzou(p).LastSheet();
            const int first = RowOf(s, "ｍ×ｍ") + 1;
            for (int i = 0; i < 6; ++i) {
                QVERIFY2(FirstText(s, first + i) == c.elementRows.value(i), c.name);
            }
            QVERIFY2(Runs(s, first + 6).count(QStringLiteral("@5")) == 4, c.name);
            const int glass = RowOf(s, "K×⊿t") + 1;
            QCOMPARE(glass, first + sheet::kGlassSectionOffset + 11);
            for (int i = 0; i < 5; ++i) {
                QVERIFY2(FirstText(s, glass + i) == c.glassRows.value(i), c.name);
            }
            QVERIFY2(Runs(s, glass + 5).count(QStringLiteral("@5")) == 5, c.name);
        }
    }

    // The texts of the internal report for rooms the occupant and lighting
    // dialogs can make, after the window was activated.
    void internalLinesAfterActivation() {
        struct Case {
            const char* name;
            std::function<void(model::RoomModel&)> set;
            const char* find;  // the run that opens the row checked
            int offset;        // rows below it
            QString runs;
        };
        const Case cases[] = {
            {"three walls: A = 0",
             [](model::RoomModel& room) {
                 for (std::int16_t h : {1, 3, 5}) {
                     test::AddWall(room, h, 4000, 2700);
                 }
             },
             "qp: ", 2, "            NP@9| = 面積当たり @0|0.2 人@9| × @0|0.00@9| ㎡@0"},
            {"three walls: qe = 0.00 by illuminance",
             [](model::RoomModel& room) {
                 for (std::int16_t h : {1, 3, 5}) {
                     test::AddWall(room, h, 4000, 2700);
                 }
             },
             "照明発生熱量", 0, "照明発生熱量@13| = @0|0.00@13|[kcal/h]@0"},
            {"a head count ends after 実人数",
             [](model::RoomModel& room) {
                 room.Tatemono_Syurui = 9;
                 room.Ninzuu_Flag = false;
                 room.Jitu_Ninzuu = 12;
             },
             "qp: ", 2, "            NP@9| = 実人数@0"},
            {"incandescent lamps by illuminance",
             [](model::RoomModel& room) { room.Syoumei_Syurui = false; }, "K: ", 1,
             "W@9| = @0|(@0|(@0|1@9| × @0|1@9|)@0| ÷ @0|(@0|0.8@9| × @0|20@9|)@0|)@0| × @0|"
             "750@9"},
            {"incandescent heat factor",
             [](model::RoomModel& room) { room.Syoumei_Syurui = false; }, "pe", 0,
             "pe@9| = @0|0.86@9| × @0|46.88@9| × @0|0.00@9"},
        };
        for (const Case& c : cases) {
            test::Program p;
            test::OpenNewRoom(p);
            c.set(p.room());
            // The change is not announced: activation alone draws it.
            p.ctx().RecalculateRoom();
            Trigger(p, FrameItem::Mnu_Situnai_Keisan);
            const sheet::Sheet& s = Situnai(p).LastSheet();
            QVERIFY2(Runs(s, RowOf(s, c.find) + c.offset) == c.runs,
                     qPrintable(QString::fromUtf8(c.name) + QStringLiteral(": ") +
                                Runs(s, RowOf(s, c.find) + c.offset)));
        }
    }

    void everyRefreshChainReachesBothWindows() {
        const std::pair<const char*, std::function<void(test::Program&)>> chains[] = {
            {"plan rebuilt",
             [](test::Program& p) {
                 test::FillFullRoom(p.room());
                 p.forms().mainForm().Kabe_Seisaku();
             }},
            {"conditions registered",
             [](test::Program& p) {
                 p.room().Situon = 280;
                 p.forms().ConditionsRegistered();
             }},
            {"occupants registered",
             [](test::Program& p) {
                 p.room().Tatemono_Syurui = 9;
                 p.room().Jitu_Ninzuu = 7;
                 p.room().Ninzuu_Flag = false;
                 p.forms().ConditionsEdited();
             }},
        };
        test::Program p;
        test::OpenNewRoom(p);
        for (const auto& [name, run] : chains) {
            run(p);
            QVERIFY2(ShowsTheLastResults(p), name);
        }
    }

    void menuCommandsShowTheWindowsAndCloseHidesThem() {
        struct Step {
            const char* name;
            std::function<void(test::Program&)> act;
            bool kouzouItem, situnaiItem;  // enabled afterwards
            bool kouzouShown, situnaiShown;
        };
        auto close = [](FormId id) {
            return [id](test::Program& p) {
                qobject_cast<QMdiSubWindow*>(p.forms().Load(id)->parentWidget())->close();
            };
        };
        const Step steps[] = {
            {"new room", [](test::Program&) {}, true, true, false, false},
            {"構造体負荷", [](test::Program& p) { Trigger(p, FrameItem::Mnu_Kouzou_Keisan); },
             false, true, true, false},
            {"室内、換気負荷", [](test::Program& p) { Trigger(p, FrameItem::Mnu_Situnai_Keisan); },
             false, false, true, true},
            {"structural closed", close(FormId::Kouzou_Keisan_Form), true, false, false, true},
            {"internal closed", close(FormId::Situnai_Keisan_Form), true, true, false, false},
            {"構造体負荷 again", [](test::Program& p) { Trigger(p, FrameItem::Mnu_Kouzou_Keisan); },
             false, true, true, false},
        };
        test::Program p;
        test::OpenNewRoom(p);
        QWidget* kouzou = &Kouzou(p);
        QWidget* situnai = &Situnai(p);
        // Both loaded hidden with the plan, at the frame's top + 50 twips, left 0.
        const QPoint place(0, ToPixels(ToTwips(p.frame().y()) + 50));
        QCOMPARE(Kouzou(p).subWindow()->pos(), place);
        QCOMPARE(Situnai(p).subWindow()->pos(), place);
        for (const Step& step : steps) {
            step.act(p);
            QVERIFY2(p.frame().IsEnabled(FrameItem::Mnu_Kouzou_Keisan) == step.kouzouItem,
                     step.name);
            QVERIFY2(p.frame().IsEnabled(FrameItem::Mnu_Situnai_Keisan) == step.situnaiItem,
                     step.name);
            QVERIFY2(Kouzou(p).subWindow()->isVisible() == step.kouzouShown, step.name);
            QVERIFY2(Situnai(p).subWindow()->isVisible() == step.situnaiShown, step.name);
            // Always the same two windows: closing only hid them.
            QVERIFY2(&Kouzou(p) == kouzou && &Situnai(p) == situnai, step.name);
        }
        QCOMPARE(p.frame().mdiArea()->activeSubWindow(), Kouzou(p).subWindow());

        // Closing puts a maximised plan window back to its normal state.
        p.forms().mainForm().subWindow()->showMaximized();
        Kouzou(p).subWindow()->close();
        QVERIFY(!p.forms().mainForm().subWindow()->isMaximized());

        // Shown again it has the room as it is now.
        test::FillFullRoom(p.room());
        p.forms().mainForm().Kabe_Seisaku();
        Trigger(p, FrameItem::Mnu_Kouzou_Keisan);
        QCOMPARE(&Kouzou(p), kouzou);
        QVERIFY(ShowsTheLastResults(p));

        // Closed for real with the room: the commands are on again.
        p.room().Hozon_Flag = false;
        QVERIFY(p.frame().commands().CloseRoom());
        QVERIFY(!p.forms().IsLoaded(FormId::Kouzou_Keisan_Form));
        QVERIFY(!p.forms().IsLoaded(FormId::Situnai_Keisan_Form));
        QVERIFY(p.frame().IsEnabled(FrameItem::Mnu_Kouzou_Keisan));
        QVERIFY(p.frame().IsEnabled(FrameItem::Mnu_Situnai_Keisan));
    }

    void aWideSheetScrollsSidewaysToItsEnd() {
        test::Program p;
        test::OpenNewRoom(p);
        test::FillFullRoom(p.room());
        p.forms().mainForm().Kabe_Seisaku();
        Trigger(p, FrameItem::Mnu_Kouzou_Keisan);
        Kouzou_Keisan_Form& k = Kouzou(p);
        k.subWindow()->resize(300, 400);
        QScrollBar* bar = k.HScroll1();
        QVERIFY(bar->isEnabled());
        QCOMPARE(bar->minimum(), static_cast<int>(std::lround(ToTwips(k.width()))));
        QCOMPARE(bar->maximum(), k.LastSheet().widestX +
                                     static_cast<int>(std::lround(ToTwips(k.VScroll1()->width()))));
        bar->setValue(bar->maximum());
        QCOMPARE(k.Sagyou_Eria()->x(), -ToPixels(bar->maximum() - bar->minimum()));

        // Cascade: Eria_Tyousei first, the sheet back at its left.
        Trigger(p, FrameItem::Mnu_Kasanete);
        QCOMPARE(bar->value(), bar->minimum());
        QCOMPARE(k.Sagyou_Eria()->x(), 0);
    }

    // A drawing that makes the sheet taller than the window fits the bar at
    // once; a redraw keeps the place scrolled to.
    void aTallerSheetGetsItsBarAtOnce() {
        test::Program p;
        test::OpenNewRoom(p);
        model::RoomModel& room = p.room();
        room.Syoudo_Syurui = 7;  // lamps, by total output: a short lighting section
        room.Syoudo_Jidou_Tekigou = false;
        room.Syuturyoku_Nyuuryoku = true;
        p.forms().ConditionsEdited();
        Trigger(p, FrameItem::Mnu_Situnai_Keisan);
        Situnai_Keisan_Form& s = Situnai(p);
        const sheet::Sheet& sheet = s.LastSheet();
        const int bottom = sheet.lineHeight * (sheet.lastRow + 1);
        // Just tall enough for the short sheet.
        const int inner = ToPixels(bottom) + s.HScroll1()->height() + 2;
        s.subWindow()->resize(s.subWindow()->width(), s.subWindow()->height() - s.height() + inner);
        QVERIFY(!s.VScroll1()->isEnabled());

        room.Syoudo_Syurui = 1;  // by illuminance: eight more lines
        p.forms().ConditionsEdited();
        QVERIFY(s.VScroll1()->isEnabled());
        const int taller = sheet.lineHeight * (sheet.lastRow + 1);
        QVERIFY(taller > bottom);
        QCOMPARE(s.VScroll1()->maximum(),
                 taller + static_cast<int>(std::lround(ToTwips(s.HScroll1()->height()))));

        s.VScroll1()->setValue(s.VScroll1()->maximum());
        const int shifted = s.Sagyou_Eria()->y();
        QVERIFY(shifted < 0);
        p.forms().ConditionsEdited();
        QCOMPARE(s.Sagyou_Eria()->y(), shifted);
    }

    void wheelAndKeysScroll() {
        test::Program p;
        test::OpenNewRoom(p);
        Trigger(p, FrameItem::Mnu_Situnai_Keisan);
        Situnai_Keisan_Form& s = Situnai(p);
        s.subWindow()->resize(500, 160);
        QScrollBar* v = s.VScroll1();
        QScrollBar* h = s.HScroll1();
        QVERIFY(v->isEnabled() && h->isEnabled());
        const int line = s.LastSheet().lineHeight;
        const int unit = s.LastSheet().columnUnit;
        const int lines = QApplication::wheelScrollLines();
        const int page = s.Layout().hBar.top - line;
        const int middle = (v->minimum() + v->maximum()) / 2;
        const int centre = (h->minimum() + h->maximum()) / 2;

        struct Case {
            const char* name;
            std::function<void()> send;
            int dv, dh;  // the bars' move; INT_MIN: to the bar's end named
        };
        auto key = [&s](int k) { return [&s, k] { QTest::keyClick(&s, Qt::Key(k)); }; };
        auto wheel = [&s](QPoint angle, Qt::KeyboardModifiers mods) {
            return [&s, angle, mods] {
                QWheelEvent e(QPointF(10, 10), s.mapToGlobal(QPointF(10, 10)), QPoint(), angle,
                              Qt::NoButton, mods, Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(s.Sagyou_Eria(), &e);
            };
        };
        const Case cases[] = {
            {"wheel down a notch", wheel({0, -120}, Qt::NoModifier), lines * line, 0},
            {"wheel up a notch", wheel({0, 120}, Qt::NoModifier), -lines * line, 0},
            {"shift + wheel: sideways", wheel({0, -120}, Qt::ShiftModifier), 0, lines * unit},
            {"down", key(Qt::Key_Down), line, 0},
            {"up", key(Qt::Key_Up), -line, 0},
            {"page down", key(Qt::Key_PageDown), page, 0},
            {"page up", key(Qt::Key_PageUp), -page, 0},
            {"right", key(Qt::Key_Right), 0, unit},
            {"left", key(Qt::Key_Left), 0, -unit},
        };
        for (const Case& c : cases) {
            v->setValue(middle);
            h->setValue(centre);
            c.send();
            QVERIFY2(v->value() == middle + c.dv, c.name);
            QVERIFY2(h->value() == centre + c.dh, c.name);
            QVERIFY2(s.Sagyou_Eria()->y() == ToPixels(-(v->value() - v->minimum())), c.name);
        }
        QTest::keyClick(&s, Qt::Key_End);
        QCOMPARE(v->value(), v->maximum());
        QTest::keyClick(&s, Qt::Key_Home);
        QCOMPARE(v->value(), v->minimum());
        QCOMPARE(h->value(), h->minimum());
    }
};

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
