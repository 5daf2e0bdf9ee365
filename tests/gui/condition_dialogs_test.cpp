// The outdoor and indoor condition dialogs, and what every condition
// dialog shares: the city chosen, cancelled and registered with the loads
// that follow; the indoor temperature stepped, reset to the standard value,
// cancelled and shown again; the register chain reaching the summaries in
// order; and a room set up through the dialogs, saved and reopened,
// showing the loads the command-line tool computes from the file.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <functional>

#include "app/condition_texts.h"
#include "app/up_down.h"
#include "edit_test_support.h"
#include "envelope/gaiki_jyouken_form.h"
#include "envelope/situnai_jyouken_form.h"
#include "internal/jintai_form.h"
#include "project/project_commands.h"
#include "summary/goukei_hyouji_form.h"
#include "summary/settei_hyouji_form.h"
#include "text/number_text.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

const QString kNotice = QStringLiteral("設定は変更されませんでした。");
constexpr int kTokyo = 5;
constexpr int kSapporo = 12;

// A new room of four walls with windows, so that every load is above 0.
void OpenFullRoom(test::Program& program) {
    test::OpenNewRoom(program);
    test::FillFullRoom(program.room());
    program.forms().mainForm().Kabe_Seisaku();
    program.room().Hozon_Flag = false;
}

Gaiki_Jyouken_Form& Gaiki(test::Program& p) {
    return p.forms().Get<Gaiki_Jyouken_Form>(FormId::Gaiki_Jyouken_Form);
}
Situnai_Jyouken_Form& Situnai(test::Program& p) {
    return p.forms().Get<Situnai_Jyouken_Form>(FormId::Situnai_Jyouken_Form);
}

// The controls the Tab key reaches, in order.
QStringList TabOrder(QWidget* dialog) {
    QStringList names;
    for (QWidget* w = dialog->nextInFocusChain(); w != dialog; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisibleTo(dialog) && w->isEnabled()) {
            names << w->objectName();
        }
    }
    return names;
}

QString SummaryCell(test::Program& p, int row, int column) {
    return p.forms().setteiHyouji().ListView1()->topLevelItem(row)->text(column);
}

}  // namespace

class ConditionDialogsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() { test::ClearSettings(); }

    void cityChosenCancelledAndRegistered() {
        enum class End { Cancel, Escape, Register };
        struct Case {
            const char* name;
            std::uint8_t setteiMode;
            int city;
            End end;
            int basyo;  // afterwards
            bool unsaved;
            bool notice;
        };
        const Case cases[] = {
            {"札幌 cancelled", 0, kSapporo, End::Cancel, kTokyo, false, false},
            {"札幌 left with Escape", 0, kSapporo, End::Escape, kTokyo, false, false},
            {"札幌 registered", 0, kSapporo, End::Register, kSapporo, true, false},
            {"the same city registered", 0, kTokyo, End::Register, kTokyo, false, false},
            {"cancelled after the ventilation command", 10, kSapporo, End::Cancel, kTokyo, false,
             true},
        };
        for (const Case& c : cases) {
            const QByteArray row(c.name);
            test::Program program;
            OpenFullRoom(program);
            const double tokyo = program.ctx().results().to;
            program.ctx().Settei_Mode = c.setteiMode;
            Gaiki_Jyouken_Form& gaiki = Gaiki(program);
            gaiki.show();
            QCOMPARE(gaiki.windowTitle(), QStringLiteral("外気条件設定"));
            QCOMPARE(gaiki.Gaiki_Combo()->count(), 14);
            QCOMPARE(gaiki.Gaiki_Combo()->currentText(), QStringLiteral("東京"));
            QCOMPARE((QStringList{gaiki.Kan_0_Text()->text(), gaiki.Kan_8_Text()->text(),
                                  gaiki.Ro_0_Text()->text(), gaiki.Ro_8_Text()->text()}),
                     (QStringList{"31.9", "32.6", "24.6", "24.6"}));

            gaiki.Gaiki_Combo()->setCurrentIndex(c.city);
            emit gaiki.Gaiki_Combo()->activated(c.city);
            QVERIFY2(program.room().Basyo == c.city, row);
            if (c.city == kSapporo) {
                QCOMPARE(gaiki.Kan_8_Text()->text(), QStringLiteral("28.8"));
            }
            switch (c.end) {
                case End::Cancel:
                    QTest::mouseClick(gaiki.Cansel_Button(), Qt::LeftButton);
                    break;
                case End::Escape:
                    QTest::keyClick(&gaiki, Qt::Key_Escape);
                    break;
                case End::Register:
                    QTest::mouseClick(gaiki.Touroku_Button(), Qt::LeftButton);
                    QCOMPARE(program.ctx().Settei_Mode, std::uint8_t{1});
                    break;
            }
            QVERIFY2(gaiki.isHidden(), row);
            QVERIFY2(program.room().Basyo == c.basyo, row);
            QVERIFY2(program.room().Hozon_Flag == c.unsaved, row);
            QVERIFY2(program.ctx().results().to ==
                         program.ctx().referenceData()->OutdoorDryBulb(program.room().Basyo),
                     row);
            QVERIFY2((program.ctx().results().to == tokyo) == (c.basyo == kTokyo), row);
            QVERIFY2(SummaryCell(program, 0, 1) == ConditionTexts::CityName(c.basyo), row);
            QVERIFY2(test::MessageTexts(program.prompts) ==
                         (c.notice ? QStringList{kNotice} : QStringList{}),
                     row);
            if (c.notice) {
                const auto& m = program.prompts.messages.front();
                QCOMPARE(m.title, QStringLiteral("カルモア"));
                QCOMPARE(m.icon, PromptIcon::Warning);
                QCOMPARE(m.buttons, PromptButtons::Ok);
            }
            // Shown again, the dialog starts from the city in force.
            gaiki.show();
            QVERIFY2(gaiki.Gaiki_Combo()->currentIndex() == c.basyo, row);
            QVERIFY2(gaiki.RememberedBasyo() == c.basyo, row);
            gaiki.hide();
        }
    }

    void indoorTemperatureStepped() {
        enum Step { Box, Up, Down, Cancel, Escape, Register, Reopen };
        struct Case {
            const char* name;
            std::int16_t start;
            std::vector<Step> steps;
            std::int16_t situon;
            const char* shown;
            bool ticked;
        };
        const std::vector<Step> up12(12, Up);
        const std::vector<Step> down12(12, Down);
        auto then = [](std::vector<Step> a, std::initializer_list<Step> b) {
            a.insert(a.end(), b);
            return a;
        };
        const Case cases[] = {
            {"standard when shown", 260, {}, 260, "26", true},
            {"half a degree up", 260, {Box, Up}, 265, "26.5", false},
            {"a whole degree up", 260, {Box, Up, Up}, 270, "27", false},
            {"stops at 32", 300, up12, 320, "32", false},
            {"stops at 22", 240, down12, 220, "22", false},
            {"the box resets 28.5", 260, {Box, Up, Up, Up, Up, Up, Box}, 260, "26", true},
            {"cleared, the spinner goes on from its own value",
             260,
             {Box, Up, Up, Up, Up, Up, Box, Box, Up},
             290,
             "29",
             false},
            {"cancel restores, and is shown next time",
             275,
             {Down, Down, Up, Down, Cancel, Reopen},
             275,
             "27.5",
             false},
            {"Escape restores", 275, then(up12, {Escape, Reopen}), 275, "27.5", false},
            {"registered, and shown next time",
             260,
             {Box, Up, Register, Reopen},
             265,
             "26.5",
             false},
        };
        for (const Case& c : cases) {
            const QByteArray row(c.name);
            test::Program program;
            program.room().Situon = c.start;
            OpenFullRoom(program);
            Situnai_Jyouken_Form& situnai = Situnai(program);
            situnai.show();
            QCOMPARE(situnai.windowTitle(), QStringLiteral("室内条件設定"));
            for (Step step : c.steps) {
                switch (step) {
                    case Box:
                        test::ClickOption(situnai.Hyoujyun_Check());
                        break;
                    case Up:
                    case Down:
                        QVERIFY2(situnai.UpDown_Ondo()->isEnabled(), row);
                        QTest::keyClick(situnai.UpDown_Ondo(),
                                        step == Up ? Qt::Key_Up : Qt::Key_Down);
                        break;
                    case Cancel:
                        QTest::mouseClick(situnai.Cansel_Button(), Qt::LeftButton);
                        break;
                    case Escape:
                        QTest::keyClick(&situnai, Qt::Key_Escape);
                        break;
                    case Register:
                        QTest::mouseClick(situnai.Touroku_Button(), Qt::LeftButton);
                        QVERIFY2(situnai.isHidden(), row);
                        QVERIFY2(SummaryCell(program, 1, 1) ==
                                     QString::fromUtf8(c.shown) + QStringLiteral("℃"),
                                 row);
                        break;
                    case Reopen:
                        QVERIFY2(situnai.isHidden(), row);
                        situnai.show();
                        break;
                }
            }
            QVERIFY2(program.room().Situon == c.situon, row);
            QVERIFY2(situnai.Ondo_Text()->text() == QString::fromUtf8(c.shown), row);
            QVERIFY2(situnai.Hyoujyun_Check()->isChecked() == c.ticked, row);
            QVERIFY2(situnai.UpDown_Ondo()->isEnabled() == !c.ticked, row);
            // Situon is not in the project file.
            QVERIFY2(!program.room().Hozon_Flag, row);
            QVERIFY2(program.prompts.messages.empty(), row);
        }
    }
    // Each dialog's registration refreshes the settings summary before the
    // loads are recalculated and the load total shows them; the dialog has
    // set Settei_Mode to 1 by then.
    void registerChainInOrder() {
        struct Case {
            const char* name;
            std::function<void(test::Program&)> change;
            FormId dialog;
            int summaryRow;
            const char* summaryText;
            bool unsaved;
        };
        const Case cases[] = {
            {"outdoor",
             [](test::Program& p) {
                 Gaiki(p).Gaiki_Combo()->setCurrentIndex(kSapporo);
                 emit Gaiki(p).Gaiki_Combo()->activated(kSapporo);
             },
             FormId::Gaiki_Jyouken_Form, 0, "札幌", true},
            {"indoor",
             [](test::Program& p) {
                 test::ClickOption(Situnai(p).Hyoujyun_Check());
                 QTest::keyClick(Situnai(p).UpDown_Ondo(), Qt::Key_PageUp);
             },
             FormId::Situnai_Jyouken_Form, 1, "31℃", false},
            {"occupants",
             [](test::Program& p) {
                 Jintai_Form& jintai = p.forms().jintaiForm();
                 jintai.Sentaku_Tab()->setCurrentIndex(1);
                 jintai.ListView1()->setCurrentItem(jintai.ListView1()->topLevelItem(1));
             },
             FormId::Jintai_Form, 2, "学校", true},
        };
        for (const Case& c : cases) {
            const QByteArray row(c.name);
            test::Program program;
            OpenFullRoom(program);
            program.ctx().Settei_Mode = 0;
            Settei_Hyouji_Form& settei = program.forms().setteiHyouji();
            Goukei_Hyouji_Form& goukei = program.forms().goukeiHyouji();
            const QString before = goukei.Panel1Text();
            QStringList seen;
            connect(settei.ListView1()->model(), &QAbstractItemModel::rowsInserted, this, [&] {
                if (seen.isEmpty()) {
                    seen << goukei.Panel1Text() << QString::number(program.ctx().Settei_Mode);
                }
            });
            auto* dialog = qobject_cast<ConditionDialog*>(program.forms().Load(c.dialog));
            dialog->show();
            c.change(program);
            QTest::mouseClick(dialog->Touroku_Button(), Qt::LeftButton);
            QVERIFY2(dialog->isHidden(), row);
            QVERIFY2(seen == (QStringList{before, "1"}), row);
            QVERIFY2(SummaryCell(program, c.summaryRow, 1) == QString::fromUtf8(c.summaryText),
                     row);
            const QString after =
                QString::fromStdString(text::FormatFixed(program.ctx().results().totals.Sum(), 2)) +
                QStringLiteral("kcal/h");
            QVERIFY2(goukei.Panel1Text() == after && after != before, row);
            QVERIFY2(program.room().Hozon_Flag == c.unsaved, row);
            settei.ListView1()->model()->disconnect(this);
        }
    }

    // The Tab key goes through each dialog's controls in reading order and
    // ends on the buttons; the dialog opens on the first of them.
    void tabOrder() {
        struct Case {
            const char* name;
            FormId dialog;
            std::function<void(test::Program&)> prepare;
            QStringList order;
        };
        const QStringList buttons{"Touroku_Button", "Cansel_Button"};
        const Case cases[] = {
            {"outdoor", FormId::Gaiki_Jyouken_Form, [](test::Program&) {},
             QStringList{"Gaiki_Combo"} + buttons},
            {"indoor at the standard value", FormId::Situnai_Jyouken_Form, [](test::Program&) {},
             QStringList{"Hyoujyun_Check"} + buttons},
            {"indoor at another value", FormId::Situnai_Jyouken_Form,
             [](test::Program& p) { p.room().Situon = 275; },
             QStringList{"UpDown_Ondo", "Hyoujyun_Check"} + buttons},
            {"occupants by place", FormId::Jintai_Form, [](test::Program&) {},
             QStringList{"Sentaku_Tab", "ListView1"} + buttons},
            {"occupants typed", FormId::Jintai_Form,
             [](test::Program& p) { p.room().Tatemono_Syurui = 9; },
             QStringList{"Sentaku_Tab", "Jituninzu_Option", "Menseki_Option", "MaskEdBox1",
                         "List1"} +
                 buttons},
        };
        for (const Case& c : cases) {
            test::Program program;
            test::OpenNewRoom(program);
            c.prepare(program);
            QWidget* dialog = program.forms().Load(c.dialog);
            dialog->show();
            QVERIFY2(TabOrder(dialog) == c.order, c.name);
            dialog->hide();
        }
    }

    // The designer's session: a fixture room, 札幌, 28.5 ℃, 12 persons
    // counted directly in the equivalent place 事務所; the load total and the
    // summary are what karumoa-calc computes for the saved file, and the
    // file reopens with the city and the occupants.
    void conditionsSavedMatchTheCommandLine() {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("conditions.kmd"));
        test::Program program;
        program.ctx().setReferenceData(test::ShippedReferenceData());
        program.frame().show();
        program.prompts.ChooseNextFile(QStringLiteral(KARUMOA_TEST_DATA_DIR) +
                                       QStringLiteral("/rooms/attributes-blinds.kmd"));
        program.frame().commands().project().File_Open();
        QCOMPARE(program.room().Kabe.Count(), 4);

        Gaiki_Jyouken_Form& gaiki = Gaiki(program);
        gaiki.show();
        gaiki.Gaiki_Combo()->setCurrentIndex(kSapporo);
        emit gaiki.Gaiki_Combo()->activated(kSapporo);
        QTest::mouseClick(gaiki.Touroku_Button(), Qt::LeftButton);

        Situnai_Jyouken_Form& situnai = Situnai(program);
        situnai.show();
        if (situnai.Hyoujyun_Check()->isChecked()) {
            test::ClickOption(situnai.Hyoujyun_Check());
        }
        situnai.UpDown_Ondo()->setValue(285);
        QTest::mouseClick(situnai.Touroku_Button(), Qt::LeftButton);

        Jintai_Form& jintai = program.forms().jintaiForm();
        jintai.show();
        jintai.Sentaku_Tab()->setCurrentIndex(Jintai_Form::kJitusuuNyuuryoku - 1);
        test::ClickOption(jintai.Jituninzu_Option());
        test::Type(jintai.MaskEdBox1(), QStringLiteral("12"));
        jintai.List1()->setCurrentRow(0);
        QTest::mouseClick(jintai.Touroku_Button(), Qt::LeftButton);
        QVERIFY(program.prompts.messages.empty());

        QCOMPARE((QStringList{SummaryCell(program, 0, 1), SummaryCell(program, 1, 1),
                              SummaryCell(program, 2, 1), SummaryCell(program, 2, 2),
                              SummaryCell(program, 2, 3)}),
                 (QStringList{"札幌", "28.5℃", "実数入力", "実人数", "12人"}));
        const QString shown = program.forms().goukeiHyouji().Panel1Text();
        const float occupants = program.room().Jintai_Goukei;
        QVERIFY(occupants > 0.0f);

        program.prompts.ChooseNextFile(path);
        program.frame().commands().project().Save_Us();
        QVERIFY(!program.room().Hozon_Flag);
        QProcess calc;
        calc.start(QStringLiteral(KARUMOA_BIN_DIR "/karumoa-calc"),
                   {QStringLiteral("--format"), QStringLiteral("json"),
                    QStringLiteral("--indoor-temp"), QStringLiteral("28.5"), path});
        QVERIFY(calc.waitForFinished(30000));
        QCOMPARE(calc.exitCode(), 0);
        const QJsonObject report = QJsonDocument::fromJson(calc.readAllStandardOutput()).object();
        QCOMPARE(report["city"].toString(), QStringLiteral("札幌"));
        const QJsonObject totals = report["totals"].toObject();
        QCOMPARE(static_cast<float>(totals["occupant"].toDouble()), occupants);
        QCOMPARE(QString::fromStdString(
                     text::FormatFixed(static_cast<float>(totals["sum"].toDouble()), 2)) +
                     QStringLiteral("kcal/h"),
                 shown);

        QVERIFY(program.frame().commands().CloseRoom());
        program.room().Basyo = kTokyo;
        program.prompts.ChooseNextFile(path);
        program.frame().commands().project().File_Open();
        const model::RoomModel& room = program.room();
        QCOMPARE(room.Basyo, std::uint8_t{kSapporo});
        QCOMPARE(room.Tatemono_Syurui, std::int16_t{9});
        QVERIFY(!room.Ninzuu_Flag);
        QCOMPARE(room.Jitu_Ninzuu, std::int16_t{12});
        QCOMPARE(room.Soutou_Basyo, std::int16_t{0});
        QCOMPARE(room.Jintai_Goukei, occupants);
        QCOMPARE(program.forms().goukeiHyouji().Panel1Text(), shown);
    }
};

QTEST_MAIN(ConditionDialogsTest)
#include "condition_dialogs_test.moc"
