// The outdoor and indoor condition dialogs, and what every condition
// dialog shares: the city chosen, cancelled and registered with the loads
// that follow; the indoor temperature stepped, reset and cancelled; the tab
// order; the register chain reaching the summaries in order; and a room set
// up through the dialogs, saved and reopened, showing the loads
// karumoa-calc computes from the file.

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
void ChooseCity(test::Program& p, int city) {
    Gaiki(p).Gaiki_Combo()->setCurrentIndex(city);
    emit Gaiki(p).Gaiki_Combo()->activated(city);
}

// Ends a dialog: 'c' its cancel button, 'e' the Escape key, 'r' register.
void Finish(ConditionDialog& dialog, char how) {
    if (how == 'e') {
        QTest::keyClick(&dialog, Qt::Key_Escape);
    } else {
        QTest::mouseClick(how == 'r' ? dialog.Touroku_Button() : dialog.Cansel_Button(),
                          Qt::LeftButton);
    }
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
        struct Case {
            const char* name;
            std::uint8_t setteiMode;
            int city;
            char end;
            int basyo;  // afterwards
            bool unsaved;
        };
        const Case cases[] = {
            {"札幌 cancelled", 0, kSapporo, 'c', kTokyo, false},
            {"札幌 left with Escape", 0, kSapporo, 'e', kTokyo, false},
            {"札幌 registered", 0, kSapporo, 'r', kSapporo, true},
            {"the same city registered", 0, kTokyo, 'r', kTokyo, false},
            {"cancelled after the ventilation command", 10, kSapporo, 'c', kTokyo, false},
        };
        for (const Case& c : cases) {
            const QByteArray row(c.name);
            test::Program program;
            OpenFullRoom(program);
            const double tokyo = program.ctx().results().to;
            program.ctx().Settei_Mode = c.setteiMode;
            Gaiki_Jyouken_Form& gaiki = Gaiki(program);
            gaiki.show();
            QCOMPARE(gaiki.Gaiki_Combo()->currentText(), QStringLiteral("東京"));
            QCOMPARE((QStringList{gaiki.Kan_0_Text()->text(), gaiki.Kan_8_Text()->text(),
                                  gaiki.Ro_0_Text()->text(), gaiki.Ro_8_Text()->text()}),
                     (QStringList{"31.9", "32.6", "24.6", "24.6"}));
            ChooseCity(program, c.city);
            QVERIFY2(program.room().Basyo == c.city, row);
            QVERIFY2(c.city != kSapporo || gaiki.Kan_8_Text()->text() == "28.8", row);
            Finish(gaiki, c.end);

            QVERIFY2(gaiki.isHidden() && program.room().Basyo == c.basyo, row);
            QVERIFY2(program.room().Hozon_Flag == c.unsaved, row);
            const double to = program.ctx().results().to;
            QVERIFY2(to == program.ctx().referenceData()->OutdoorDryBulb(c.basyo), row);
            QVERIFY2((to == tokyo) == (c.basyo == kTokyo), row);
            QVERIFY2(SummaryCell(program, 0, 1) == ConditionTexts::CityName(c.basyo), row);
            QVERIFY2(c.end != 'r' || program.ctx().Settei_Mode == 1, row);
            if (c.setteiMode == 10) {
                QCOMPARE(program.prompts.messages.size(), std::size_t{1});
                const auto& m = program.prompts.messages.front();
                QCOMPARE(m.text, QStringLiteral("設定は変更されませんでした。"));
                QCOMPARE(m.title, QStringLiteral("カルモア"));
                QVERIFY(m.icon == PromptIcon::Warning && m.buttons == PromptButtons::Ok);
            } else {
                QVERIFY2(program.prompts.messages.empty(), row);
            }
            gaiki.show();
            QVERIFY2(gaiki.Gaiki_Combo()->currentIndex() == c.basyo, row);
        }
    }

    void indoorTemperatureStepped() {
        // b the standard box clicked, + and - the arrow keys on the
        // spinner, c e r the dialog ended (see Finish), o shown again.
        struct Case {
            const char* name;
            std::int16_t start;
            QString steps;
            std::int16_t situon;
            const char* shown;
            bool ticked;
        };
        const Case cases[] = {
            {"standard when shown", 260, "", 260, "26", true},
            {"half a degree up", 260, "b+", 265, "26.5", false},
            {"a whole degree up", 260, "b++", 270, "27", false},
            {"stops at 32", 300, QString(12, '+'), 320, "32", false},
            {"stops at 22", 240, QString(12, '-'), 220, "22", false},
            {"the box resets 28.5", 260, "b+++++b", 260, "26", true},
            {"cleared, the spinner goes on from its value", 260, "b+++++bb+", 290, "29", false},
            {"cancel restores, shown next time", 275, "--+-co", 275, "27.5", false},
            {"Escape restores", 275, QString(12, '+') + "eo", 275, "27.5", false},
            {"registered, shown next time", 260, "b+ro", 265, "26.5", false},
        };
        for (const Case& c : cases) {
            const QByteArray row(c.name);
            test::Program program;
            program.room().Situon = c.start;
            OpenFullRoom(program);
            Situnai_Jyouken_Form& situnai = Situnai(program);
            situnai.show();
            for (const QChar step : c.steps) {
                const char s = step.toLatin1();
                if (s == 'b') {
                    test::ClickOption(situnai.Hyoujyun_Check());
                } else if (s == '+' || s == '-') {
                    QVERIFY2(situnai.UpDown_Ondo()->isEnabled(), row);
                    QTest::keyClick(situnai.UpDown_Ondo(), s == '+' ? Qt::Key_Up : Qt::Key_Down);
                } else if (s == 'o') {
                    QVERIFY2(situnai.isHidden(), row);
                    situnai.show();
                } else {
                    Finish(situnai, s);
                }
            }
            QVERIFY2(program.room().Situon == c.situon, row);
            QVERIFY2(situnai.Ondo_Text()->text() == QString::fromUtf8(c.shown), row);
            QVERIFY2(situnai.Hyoujyun_Check()->isChecked() == c.ticked, row);
            QVERIFY2(situnai.UpDown_Ondo()->isEnabled() == !c.ticked, row);
            if (c.steps.contains('r')) {
                QVERIFY2(SummaryCell(program, 1, 1) == QString::fromUtf8(c.shown) + "℃", row);
            }
            // Situon is not in the project file.
            QVERIFY2(!program.room().Hozon_Flag && program.prompts.messages.empty(), row);
        }
    }

    // Each dialog opens on its first control; Tab ends on the buttons.
    void tabOrder() {
        struct Case {
            FormId dialog;
            std::function<void(model::RoomModel&)> prepare;
            QStringList order;
        };
        const Case cases[] = {
            {FormId::Gaiki_Jyouken_Form, [](model::RoomModel&) {}, {"Gaiki_Combo"}},
            {FormId::Situnai_Jyouken_Form, [](model::RoomModel&) {}, {"Hyoujyun_Check"}},
            {FormId::Situnai_Jyouken_Form,
             [](model::RoomModel& r) { r.Situon = 275; },
             {"UpDown_Ondo", "Hyoujyun_Check"}},
            {FormId::Jintai_Form, [](model::RoomModel&) {}, {"Sentaku_Tab", "ListView1"}},
            {FormId::Jintai_Form,
             [](model::RoomModel& r) { r.Tatemono_Syurui = 9; },
             {"Sentaku_Tab", "Jituninzu_Option", "Menseki_Option", "MaskEdBox1", "List1"}},
            {FormId::Syoumei_Form,
             [](model::RoomModel& r) { r.Syoudo_Jidou_Tekigou = false; },
             {"Sentaku_Tab", "List1", "List2", "Housiki_Combo", "Keikoutou_Option",
              "Hakunetutou_Option", "Jidou_Check"}},
            {FormId::Syoumei_Form,
             [](model::RoomModel& r) {
                 r.Syoudo_Jidou_Tekigou = false;
                 r.Syoudo_Syurui = 7;
             },
             {"Sentaku_Tab", "Keikoutou_Combo", "Keikoutou_Edit", "Syuturyoku_Check",
              "Konzai_Check", "Keikoutou_Option", "Hakunetutou_Option", "Jidou_Check"}},
            {FormId::Kanki_Form,
             [](model::RoomModel& r) { r.Kanki_Jidou_Tekigou = false; },
             {"Futuu_Kanki_Option", "Kuutyou_Kanki_Option", "Hyoujyun_Check", "Entarupi_Combo",
              "List1", "List2", "Fuuryou_Check", "Jidou_Tekigou_Check"}},
        };
        for (const Case& c : cases) {
            test::Program program;
            test::OpenNewRoom(program);
            c.prepare(program.room());
            QWidget* dialog = program.forms().Load(c.dialog);
            dialog->show();
            const QStringList expected = c.order + QStringList{"Touroku_Button", "Cansel_Button"};
            QCOMPARE(TabOrder(dialog), expected);
        }
    }

    // Each registration refreshes the settings summary while the load total
    // still shows the old loads, after Settei_Mode became 1; the total then
    // shows the recalculated loads.
    void registerChainInOrder() {
        struct Case {
            FormId dialog;
            std::function<void(test::Program&)> change;
            int summaryRow;
            const char* summaryText;
            bool unsaved;
        };
        const Case cases[] = {
            {FormId::Gaiki_Jyouken_Form, [](test::Program& p) { ChooseCity(p, kSapporo); }, 0,
             "札幌", true},
            {FormId::Situnai_Jyouken_Form,
             [](test::Program& p) {
                 test::ClickOption(Situnai(p).Hyoujyun_Check());
                 QTest::keyClick(Situnai(p).UpDown_Ondo(), Qt::Key_PageUp);
             },
             1, "31℃", false},
            {FormId::Jintai_Form,
             [](test::Program& p) {
                 Jintai_Form& jintai = p.forms().jintaiForm();
                 jintai.Sentaku_Tab()->setCurrentIndex(1);
                 jintai.ListView1()->setCurrentItem(jintai.ListView1()->topLevelItem(1));
             },
             2, "学校", true},
        };
        for (const Case& c : cases) {
            test::Program program;
            OpenFullRoom(program);
            Goukei_Hyouji_Form& goukei = program.forms().goukeiHyouji();
            const QString before = goukei.Panel1Text();
            QStringList seen;  // the total and Settei_Mode when the summary refreshed
            connect(program.forms().setteiHyouji().ListView1()->model(),
                    &QAbstractItemModel::rowsInserted, this, [&] {
                        if (seen.isEmpty()) {
                            seen << goukei.Panel1Text()
                                 << QString::number(program.ctx().Settei_Mode);
                        }
                    });
            auto* dialog = qobject_cast<ConditionDialog*>(program.forms().Load(c.dialog));
            dialog->show();
            c.change(program);
            Finish(*dialog, 'r');
            QCOMPARE(seen, (QStringList{before, "1"}));
            QCOMPARE(SummaryCell(program, c.summaryRow, 1), QString::fromUtf8(c.summaryText));
            const float sum = program.ctx().results().totals.Sum();
            QCOMPARE(goukei.Panel1Text(),
                     QString::fromStdString(text::FormatFixed(sum, 2)) + QStringLiteral("kcal/h"));
            QVERIFY(goukei.Panel1Text() != before);
            QCOMPARE(program.room().Hozon_Flag, c.unsaved);
        }
    }

    // A fixture room set to 札幌, 28.5 ℃ and 12 persons counted directly in
    // the equivalent place 事務所: the load total and the summary are what
    // karumoa-calc computes for the saved file, which reopens with the city
    // and the occupants.
    void conditionsSavedMatchTheCommandLine() {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("conditions.kmd"));
        test::Program program;
        program.ctx().setReferenceData(test::ShippedReferenceData());
        program.frame().show();
        ProjectCommands& project = program.frame().commands().project();
        program.prompts.ChooseNextFile(KARUMOA_TEST_DATA_DIR "/rooms/attributes-blinds.kmd");
        project.File_Open();

        Gaiki(program).show();
        ChooseCity(program, kSapporo);
        Finish(Gaiki(program), 'r');
        Situnai(program).show();
        Situnai(program).UpDown_Ondo()->setValue(285);
        Finish(Situnai(program), 'r');
        Jintai_Form& jintai = program.forms().jintaiForm();
        jintai.show();
        jintai.Sentaku_Tab()->setCurrentIndex(Jintai_Form::kJitusuuNyuuryoku - 1);
        test::ClickOption(jintai.Jituninzu_Option());
        test::Type(jintai.MaskEdBox1(), QStringLiteral("12"));
        jintai.List1()->setCurrentRow(0);
        Finish(jintai, 'r');
        QVERIFY(program.prompts.messages.empty());
        QCOMPARE((QStringList{SummaryCell(program, 0, 1), SummaryCell(program, 1, 1),
                              SummaryCell(program, 2, 1), SummaryCell(program, 2, 2),
                              SummaryCell(program, 2, 3)}),
                 (QStringList{"札幌", "28.5℃", "実数入力", "実人数", "12人"}));
        const QString shown = program.forms().goukeiHyouji().Panel1Text();
        const float occupants = program.room().Jintai_Goukei;
        QVERIFY(occupants > 0.0f);

        program.prompts.ChooseNextFile(path);
        project.Save_Us();
        QProcess calc;
        calc.start(KARUMOA_BIN_DIR "/karumoa-calc",
                   {"--format", "json", "--indoor-temp", "28.5", path});
        QVERIFY(calc.waitForFinished(30000) && calc.exitCode() == 0);
        const QJsonObject report = QJsonDocument::fromJson(calc.readAllStandardOutput()).object();
        QCOMPARE(report["city"].toString(), QStringLiteral("札幌"));
        const QJsonObject totals = report["totals"].toObject();
        QCOMPARE(static_cast<float>(totals["occupant"].toDouble()), occupants);
        const auto sum = static_cast<float>(totals["sum"].toDouble());
        QCOMPARE(QString::fromStdString(text::FormatFixed(sum, 2)) + "kcal/h", shown);

        QVERIFY(program.frame().commands().CloseRoom());
        program.room().Basyo = kTokyo;
        program.prompts.ChooseNextFile(path);
        project.File_Open();
        const model::RoomModel& room = program.room();
        QCOMPARE(room.Basyo, std::uint8_t{kSapporo});
        QVERIFY(room.Tatemono_Syurui == 9 && !room.Ninzuu_Flag && room.Jitu_Ninzuu == 12);
        QCOMPARE(room.Soutou_Basyo, std::int16_t{0});
        QCOMPARE(program.forms().goukeiHyouji().Panel1Text(), shown);
    }
};

QTEST_MAIN(ConditionDialogsTest)
#include "condition_dialogs_test.moc"
