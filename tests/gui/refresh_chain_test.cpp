// The refresh chains that follow a change of the room: every edit leaves
// the kept result of the room equal to a fresh calculation (so no report
// can show numbers older than the room), the room's stored totals and the
// load total window agree with it, and only the edits that change the
// room mark it unsaved.

#include <QTreeWidget>
#include <functional>

#include "calc/room_results.h"
#include "edit_test_support.h"
#include "summary/goukei_hyouji_form.h"
#include "summary/settei_hyouji_form.h"
#include "text/number_text.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

struct Edit {
    const char* name;
    std::function<void(test::Program&)> apply;
    bool unsaved;  // Hozon_Flag afterwards
};

PopUp_Form& PopUp(test::Program& p) {
    return p.forms().popUpForm();
}

const Edit kEdits[] = {
    {"wall attribute",
     [](test::Program& p) {
         p.room().Kabe_Bangou = 1;
         PopUp(p).Kabe_Zokusei_Kousin(model::kZokuseiMufuka);
     },
     true},
    {"roof attribute", [](test::Program& p) { PopUp(p).Yane_Zokusei_Kousin(1); }, true},
    {"floor attribute", [](test::Program& p) { PopUp(p).Yuka_Zokusei_Check(1); }, true},
    {"blinds of a wall",
     [](test::Program& p) {
         p.room().Kabe_Bangou = 3;  // south
         PopUp(p).Item(QStringLiteral("Mnu_Braindo_Nasi"))->trigger();
     },
     true},
    {"skylight blinds",
     [](test::Program& p) {
         PopUp(p).Item(QStringLiteral("Mnu_Yane_Mado_Braindo_Nasi"))->trigger();
     },
     true},
    {"windows of a wall deleted",
     [](test::Program& p) {
         p.room().Kabe_Bangou = 3;
         p.prompts.AnswerNext(PromptAnswer::Yes);
         p.forms().mainForm().Mado_Sakujyo();
     },
     true},
    {"roof deleted",
     [](test::Program& p) {
         p.prompts.AnswerNext(PromptAnswer::Yes);
         p.forms().mainForm().Yane_Sakujyo();
     },
     true},
    {"wall deleted with roof and floor",
     [](test::Program& p) {
         p.room().Kabe_Bangou = 2;
         p.prompts.AnswerNext(PromptAnswer::Yes);
         p.prompts.AnswerNext(PromptAnswer::Ok);
         p.forms().mainForm().Kabe_Sakujyo();
     },
     true},
    {"indoor temperature registered",
     [](test::Program& p) {
         p.room().Situon = 280;
         p.forms().ConditionsRegistered();
     },
     false},
    {"city registered",
     [](test::Program& p) {
         p.room().Basyo = 12;
         p.forms().ConditionsRegistered();
     },
     false},
    {"occupants registered",
     [](test::Program& p) {
         p.room().Tatemono_Syurui = 9;
         p.room().Ninzuu_Flag = false;
         p.room().Jitu_Ninzuu = 12;
         p.forms().ConditionsEdited();
     },
     true},
    {"new room after closing",
     [](test::Program& p) {
         QVERIFY(p.frame().commands().CloseRoom());
         p.frame().commands().Sinki_Ryouiki();
     },
     false},
};

}  // namespace

class RefreshChainTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() { test::ClearSettings(); }

    void everyEditLeavesTheKeptResultCurrent() {
        for (const Edit& edit : kEdits) {
            const QByteArray row(edit.name);
            test::Program program;
            test::OpenNewRoom(program);
            test::FillFullRoom(program.room());
            program.forms().mainForm().Kabe_Seisaku();
            program.room().Hozon_Flag = false;
            const calc::RoomResults before = program.ctx().results();
            QVERIFY2(before.totals.Sum() > 0.0f, row);

            edit.apply(program);

            model::RoomModel copy = program.room();
            const calc::RoomResults fresh =
                calc::ComputeRoomResults(copy, *program.ctx().referenceData());
            const calc::RoomResults& kept = program.ctx().results();
            // The edit changed the loads, so an old result would show.
            QVERIFY2(!(fresh.totals == before.totals) || fresh.structural.H != before.structural.H,
                     row);
            QVERIFY2(kept.totals == fresh.totals, row);
            QVERIFY2(kept.to == fresh.to, row);
            QVERIFY2(kept.structural.opaqueCount == fresh.structural.opaqueCount, row);
            QVERIFY2(kept.structural.glassCount == fresh.structural.glassCount, row);
            QVERIFY2(kept.structural.H == fresh.structural.H, row);
            QVERIFY2(kept.internal.occupant.NP == fresh.internal.occupant.NP, row);
            QVERIFY2(kept.internal.ventilation.V == fresh.internal.ventilation.V, row);
            QVERIFY2(calc::StoredTotals(program.room()) == fresh.totals, row);
            QCOMPARE(program.forms().goukeiHyouji().Panel1Text(),
                     QString::fromStdString(text::FormatFixed(fresh.totals.Sum(), 2)) +
                         QStringLiteral("kcal/h"));
            QVERIFY2(program.room().Hozon_Flag == edit.unsaved, row);
            QVERIFY2(program.prompts.AllAnswersUsed(), row);
        }
    }

    // The register chain refreshes the settings summary it finds open, and
    // loads (hidden) the summaries it does not find.
    void registerChainReachesTheSummaries() {
        test::Program program;
        test::OpenNewRoom(program);
        Settei_Hyouji_Form& settei = program.forms().setteiHyouji();
        QVERIFY(settei.isVisible());
        program.room().Situon = 265;
        program.forms().ConditionsRegistered();
        QCOMPARE(settei.ListView1()->topLevelItem(1)->text(1), QStringLiteral("26.5℃"));

        program.forms().Unload(FormId::Settei_Hyouji_Form, true);
        program.forms().Unload(FormId::Goukei_Hyouji_Form, true);
        program.forms().ConditionsRegistered();
        for (FormId id : {FormId::Settei_Hyouji_Form, FormId::Goukei_Hyouji_Form}) {
            QVERIFY(program.forms().IsLoaded(id));
            QVERIFY(!program.forms().IfLoaded(id)->isVisible());
        }
        QVERIFY(!program.room().Hozon_Flag);
    }
};

QTEST_MAIN(RefreshChainTest)
#include "refresh_chain_test.moc"
