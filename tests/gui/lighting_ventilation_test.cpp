// The lighting and ventilation dialogs: the loads that follow what a user
// sets in them, also as karumoa-calc reports them for the room saved; the
// lamp panel's rules, the total-output checks, the lists that move
// together, what cancel puts back, the ventilation checks and its rate
// menu.

#include <QDir>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstring>
#include <functional>

#include "edit_test_support.h"
#include "internal/kanki_form.h"
#include "internal/syoumei_form.h"
#include "project/project_commands.h"
#include "summary/settei_hyouji_form.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

using Room = model::RoomModel;
using Step = std::function<void(Syoumei_Form&)>;
using KankiStep = std::function<void(Kanki_Form&)>;

// Four walls of 5 m and 4 m: 20 m², 4 persons in an office; or three.
void OpenRoom(test::Program& program, int walls = 4) {
    test::OpenNewRoom(program);
    const std::array<std::pair<std::int16_t, std::int32_t>, 4> sides{
        {{1, 5000}, {3, 4000}, {5, 5000}, {7, 4000}}};
    for (int w = 0; w < walls; ++w) {
        test::AddWall(program.room(), sides[w].first, sides[w].second, 2700);
    }
    program.forms().mainForm().Kabe_Seisaku();
    program.room().Hozon_Flag = false;
}

Syoumei_Form& Syoumei(test::Program& p) {
    return p.forms().Get<Syoumei_Form>(FormId::Syoumei_Form);
}
Kanki_Form& Kanki(test::Program& p) {
    return p.forms().Get<Kanki_Form>(FormId::Kanki_Form);
}

// Shown over the frame and made the active window, as the command does,
// so that focus moves between its controls (a value counts once the focus
// leaves it).
template <class Dialog>
Dialog& Show(Dialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog)) {
        qFatal("the dialog did not become active");
    }
    return dialog;
}

// A user's choice in a combo box: the value counts once the focus leaves.
void Choose(QComboBox* combo, int index) {
    combo->setFocus();
    combo->setCurrentIndex(index);
}
void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}
void ClickTab(QTabBar* tabs, int tab) {
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab - 1).center());
}

// The lamp panel: tab 7, the lamp type, then the given entries.
Step Lamps(bool fluorescent, bool mixed, bool output, std::function<void(Syoumei_Form&)> entries) {
    return [=](Syoumei_Form& s) {
        ClickTab(s.Sentaku_Tab(), Syoumei_Form::kSyoudoNyuuryoku);
        test::ClickOption(fluorescent ? s.Keikoutou_Option() : s.Hakunetutou_Option());
        if (mixed) {
            test::ClickOption(s.Konzai_Check());
        }
        if (output) {
            test::ClickOption(s.Syuturyoku_Check());
        }
        entries(s);
    };
}
// A level of an illuminance tab, a method and a lamp type.
Step Level(int tab, int row, int method, bool fluorescent) {
    return [=](Syoumei_Form& s) {
        ClickTab(s.Sentaku_Tab(), tab);
        ClickRow(s.List1(), row);
        Choose(s.Housiki_Combo(), method);
        test::ClickOption(fluorescent ? s.Keikoutou_Option() : s.Hakunetutou_Option());
    };
}

QString SummaryCell(test::Program& p, int row, int column) {
    return p.forms().setteiHyouji().ListView1()->topLevelItem(row)->text(column);
}

}  // namespace

class LightingVentilationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() { test::ClearSettings(); }

    // Each way of giving the lighting and the ventilation, set in the
    // dialogs and registered, gives the worked examples' loads, and the same
    // loads as karumoa-calc reports for the room saved.
    void loadsMatchTheWorkedExamplesAndTheCommandLine() {
        struct Case {
            const char* name;
            int walls;
            std::function<void(Room&)> stored;
            Step lighting;
            KankiStep ventilation;
            float qe;
            float V;        // air volume, m³/h
            double factor;  // qv / (1.2 V Δi)
            // Registered as the access key does, the button pressed without
            // taking the focus from the field being typed in.
            bool accessKey = false;
        };
        const auto none = [](Room&) {};
        const KankiStep keep = [](Kanki_Form&) {};
        const KankiStep ordinary500 = [](Kanki_Form& k) {
            test::ClickOption(k.Futuu_Kanki_Option());
            test::ClickOption(k.Fuuryou_Check());
            test::Type(k.Fuuryou_Edit(), "500");
        };
        // Office: 4 persons of 30 m³/h on 20 m², exchange 0.6.
        const Case cases[] = {
            {"fluorescent, 直接, 750 lx; ordinary, 500 typed", 4, none, Level(1, 3, 0, true),
             ordinary500, 562.5f, 500.0f, 1.0},
            {"incandescent, 直接, 750 lx; exchange, standard", 4, none, Level(1, 3, 0, false),
             [](Kanki_Form& k) {
                 Choose(k.Entarupi_Combo(), 0);
                 test::ClickOption(k.Hyoujyun_Check());
             },
             806.25f, 120.0f, 0.4},
            {"mixed output 1000 W at 7 : 3; 劇場's recommended rate", 4, none,
             Lamps(true, true, true,
                   [](Syoumei_Form& s) {
                       test::Type(s.ZenSyuturyoku_Edit(), "1000");
                       Choose(s.Wariai_Combo(), 1);
                   }),
             [](Kanki_Form& k) {
                 test::ClickOption(k.Jidou_Tekigou_Check());
                 ClickRow(k.List1(), 5);
                 k.Mnu_Suisyou()->trigger();
             },
             958.0f, 102.0f, 0.4},
            {"ten 40W×2", 4, none,
             Lamps(true, false, false,
                   [](Syoumei_Form& s) {
                       Choose(s.Keikoutou_Combo(), 0);
                       test::Type(s.Keikoutou_Edit(), "10");
                   }),
             keep, 800.0f, 120.0f, 0.4, true},
            {"five 40W×1 and three 100W", 4, none,
             Lamps(false, true, false,
                   [](Syoumei_Form& s) {
                       Choose(s.Keikoutou_Combo(), 1);
                       test::Type(s.Keikoutou_Edit(), "5");
                       test::Type(s.Hakunetutou_Edit(), "3");
                   }),
             keep, 458.0f, 120.0f, 0.4},
            {"incandescent output 2000 W", 4, none,
             Lamps(false, false, true,
                   [](Syoumei_Form& s) { test::Type(s.ZenSyuturyoku_Edit(), "2000"); }),
             keep, 1720.0f, 120.0f, 0.4},
            {"自動適合 over the stored lamp tab: the office's 750 lx", 4,
             [](Room& r) {
                 r.Syoudo_Syurui = 7;
                 r.Keikoutou_Kazu = 10;
             },
             [](Syoumei_Form& s) { test::ClickOption(s.Jidou_Check()); }, keep, 562.5f, 120.0f,
             0.4},
            {"no area, no persons", 3, none, Level(1, 3, 0, true), keep, 0.0f, 0.0f, 0.4},
            {"no area, ten 40W×2, 500 typed", 3, none,
             Lamps(true, false, false,
                   [](Syoumei_Form& s) { test::Type(s.Keikoutou_Edit(), "10"); }),
             ordinary500, 800.0f, 500.0f, 1.0},
        };
        QTemporaryDir dir;
        for (const Case& c : cases) {
            const QByteArray row(c.name);
            test::Program program;
            OpenRoom(program, c.walls);
            program.room().Syoudo_Jidou_Tekigou = false;
            c.stored(program.room());
            Syoumei_Form& syoumei = Show(Syoumei(program));
            c.lighting(syoumei);
            if (c.accessKey) {
                syoumei.Touroku_Button()->click();
            } else {
                QTest::mouseClick(syoumei.Touroku_Button(), Qt::LeftButton);
            }
            Kanki_Form& kanki = Show(Kanki(program));
            c.ventilation(kanki);
            QTest::mouseClick(kanki.Touroku_Button(), Qt::LeftButton);
            QVERIFY2(program.prompts.messages.empty(), row);
            QVERIFY2(syoumei.isHidden() && kanki.isHidden() && program.room().Hozon_Flag, row);

            const Room& room = program.room();
            const calc::VentilationLoad& v = program.ctx().results().internal.ventilation;
            QVERIFY2(qFuzzyCompare(1.0f + room.Syoumei_Goukei, 1.0f + c.qe), row);
            QVERIFY2(v.V == c.V, row);
            const double qv = 1.2 * c.V * static_cast<double>(v.di) * c.factor;
            QVERIFY2(qAbs(room.Kanki_Goukei - qv) < 1e-3, row);

            const QString path = QDir(dir.path()).filePath(QString::number(&c - cases) + ".kmd");
            program.prompts.ChooseNextFile(path);
            QVERIFY2(program.frame().commands().project().Save_Us(), row);
            QProcess calc;
            calc.start(KARUMOA_BIN_DIR "/karumoa-calc", {"--format", "json", path});
            QVERIFY2(calc.waitForFinished(30000) && calc.exitCode() == 0, row);
            const QJsonObject report =
                QJsonDocument::fromJson(calc.readAllStandardOutput()).object();
            const QJsonObject totals = report["totals"].toObject();
            QVERIFY2(static_cast<float>(totals["lighting"].toDouble()) == room.Syoumei_Goukei, row);
            QVERIFY2(static_cast<float>(totals["ventilation"].toDouble()) == room.Kanki_Goukei,
                     row);
        }
    }

    // The total output is checked on tab 7 only, ticked or not.
    void totalOutputChecks() {
        const QString q99 =
            QStringLiteral(" 全出力は Kw で入力ではありません、99Wでよろしいですか？");
        const QString over = QStringLiteral("全出力の入力は 25000W までです");
        struct Case {
            int tab;
            bool ticked;
            const char* typed;
            std::optional<PromptAnswer> answer;
            QStringList messages;
            bool registered;
        };
        const Case cases[] = {
            {7, true, "99", PromptAnswer::No, {q99}, false},
            {7, false, "99", PromptAnswer::Yes, {q99}, true},
            {7, true, "100", {}, {}, true},
            {7, true, "25000", {}, {}, true},
            {7, false, "25001", {}, {over}, false},
            {1, true, "25001", {}, {}, true},
        };
        for (const Case& c : cases) {
            const QByteArray row = QByteArray::number(c.tab) + ' ' + c.typed;
            test::Program program;
            OpenRoom(program);
            program.room().Syoudo_Jidou_Tekigou = false;
            program.room().Syuturyoku_Nyuuryoku = c.ticked;
            program.room().Syoudo_Syurui = 7;
            // The field is open only when ticked; otherwise its value was
            // typed earlier.
            if (!c.ticked) {
                program.room().Syoumei_Syuturyoku = QByteArray(c.typed).toInt();
            }
            Syoumei_Form& syoumei = Show(Syoumei(program));
            if (c.ticked) {
                test::Type(syoumei.ZenSyuturyoku_Edit(), QString::fromLatin1(c.typed));
            }
            ClickTab(syoumei.Sentaku_Tab(), c.tab);
            if (c.answer) {
                program.prompts.AnswerNext(*c.answer);
            }
            QTest::mouseClick(syoumei.Touroku_Button(), Qt::LeftButton);
            QVERIFY2(test::MessageTexts(program.prompts) == c.messages, row);
            for (const auto& m : program.prompts.messages) {
                QVERIFY2(m.title == "確認", row);
                QVERIFY2(m.buttons == PromptButtons::YesNo ? m.icon == PromptIcon::Question
                                                           : m.icon == PromptIcon::Warning,
                         row);
            }
            QVERIFY2(syoumei.isHidden() == c.registered, row);
            QVERIFY2(c.registered || !c.ticked || syoumei.ZenSyuturyoku_Edit()->hasFocus(), row);
            // Stored as typed when the field was left, refused or not.
            QVERIFY2(program.room().Syoumei_Syuturyoku == QByteArray(c.typed).toInt(), row);
            QVERIFY2(program.room().Syoudo_Syurui == (c.registered ? c.tab : 7), row);
        }
    }

    // Which controls of the lamp panel and the method row are on, for the
    // lamp type, the ticks, the tab and the occupants; the combo boxes wear
    // the colour of their state. Letters: k h the fluorescent and the
    // incandescent row, z the total output, w the share, o both lamp
    // types, j 自動適合, m the method, t the tabs and levels.
    void panelRules() {
        struct Case {
            bool fluorescent, mixed, output;
            int tab;
            std::int16_t tatemono;
            bool jidou;  // stored automatic fitting
            const char* on;
        };
        const Case cases[] = {
            {true, false, false, 7, 1, false, "kojt"},
            {false, false, false, 7, 1, false, "hojt"},
            {true, true, false, 7, 1, false, "khjt"},
            {false, false, true, 7, 1, false, "zojt"},
            {true, true, true, 7, 9, false, "zwt"},
            {true, true, true, 2, 1, false, "zwojmt"},
            // 自動適合: tab 1, the levels and tabs off; for direct occupant
            // input it stays ticked but cannot be changed.
            {true, false, false, 7, 1, true, "kojm"},
            {true, false, false, 7, 9, true, "kom"},
        };
        for (const Case& c : cases) {
            const QByteArray row = QByteArray::number(&c - cases);
            test::Program program;
            OpenRoom(program);
            Room& room = program.room();
            room.Syoumei_Syurui = c.fluorescent;
            room.Syoumei_Konzai = c.mixed;
            room.Syuturyoku_Nyuuryoku = c.output;
            room.Syoudo_Syurui = static_cast<std::int16_t>(c.tab);
            room.Tatemono_Syurui = c.tatemono;
            room.Syoudo_Jidou_Tekigou = c.jidou;
            Syoumei_Form& s = Show(Syoumei(program));
            const std::vector<std::pair<char, std::vector<QWidget*>>> groups{
                {'k', {s.Keikoutou_Combo(), s.Keikoutou_Edit()}},
                {'h', {s.Hakunetutou_Combo(), s.Hakunetutou_Edit()}},
                {'z', {s.ZenSyuturyoku_Edit()}},
                {'w', {s.Wariai_Combo()}},
                {'o', {s.Keikoutou_Option(), s.Hakunetutou_Option()}},
                {'j', {s.Jidou_Check()}},
                {'m', {s.Housiki_Combo()}},
                {'t', {s.Sentaku_Tab(), s.List1(), s.List2()}}};
            for (const auto& [letter, widgets] : groups) {
                for (QWidget* w : widgets) {
                    QVERIFY2(w->isEnabled() == (std::strchr(c.on, letter) != nullptr),
                             row + ' ' + letter);
                }
            }
            QVERIFY2(s.Jidou_Check()->isChecked() == c.jidou, row);
            QVERIFY2(s.Frame1()->isVisible() == (c.tab == 7 && !c.jidou), row);
            for (QComboBox* combo : {s.Wariai_Combo(), s.Housiki_Combo(), s.Hakunetutou_Combo()}) {
                const QPalette::ColorRole back =
                    combo->isEnabled() ? QPalette::Base : QPalette::Window;
                QVERIFY2(combo->palette().color(QPalette::Disabled, QPalette::Button) ==
                             QApplication::palette(combo).color(QPalette::Active, back),
                         row);
            }
        }
    }

    // The two lists show one level; a level is needed unless 自動適合 or the
    // lamps apply, and none chosen never replaces the stored one.
    void levelsAndPlaces() {
        test::Program program;
        OpenRoom(program);
        program.room().Syoudo_Jidou_Tekigou = false;
        Syoumei_Form& syoumei = Syoumei(program);
        Show(syoumei);
        QCOMPARE(syoumei.List1()->currentRow(), 1);
        ClickRow(syoumei.List2(), 4);
        QCOMPARE(syoumei.List1()->currentRow(), 4);
        ClickTab(syoumei.Sentaku_Tab(), 2);
        QCOMPARE(syoumei.List2()->currentItem()->text(), QStringLiteral("診察室、救急室、分娩室"));
        QTest::mouseClick(syoumei.Text3(), Qt::LeftButton);
        QVERIFY(syoumei.Sentaku_Tab()->hasFocus());
        syoumei.List1()->setCurrentRow(-1);
        QTest::mouseClick(syoumei.Touroku_Button(), Qt::LeftButton);
        QCOMPARE(test::MessageTexts(program.prompts), QStringList{"照度を選択して下さい"});
        test::ClickOption(syoumei.Jidou_Check());
        QTest::mouseClick(syoumei.Touroku_Button(), Qt::LeftButton);
        QVERIFY(syoumei.isHidden());
        const Room& room = program.room();
        QVERIFY(room.Syoudo == 1 && room.Syoudo_Syurui == 1 && room.Syoudo_Jidou_Tekigou);
        QCOMPARE(syoumei.Syoudo_Kaesi(), std::int16_t{1500});
    }

    // Cancel (here by Escape) puts back what the controls wrote and unloads
    // the dialog, without the ventilation command's notice.
    void lightingCancelRestores() {
        test::Program program;
        OpenRoom(program);
        program.ctx().Settei_Mode = 10;
        program.room().Keikoutou_Kazu = 4;
        program.room().Syoudo_Jidou_Tekigou = false;
        const Room before = program.room();
        Syoumei_Form& syoumei = Show(Syoumei(program));
        ClickTab(syoumei.Sentaku_Tab(), Syoumei_Form::kSyoudoNyuuryoku);
        test::ClickOption(syoumei.Konzai_Check());
        Choose(syoumei.Keikoutou_Combo(), 2);
        test::Type(syoumei.Keikoutou_Edit(), "12");
        test::ClickOption(syoumei.Syuturyoku_Check());
        test::Type(syoumei.ZenSyuturyoku_Edit(), "300");
        Choose(syoumei.Wariai_Combo(), 3);
        test::ClickOption(syoumei.Syuturyoku_Check());
        test::ClickOption(syoumei.Jidou_Check());
        const Room& room = program.room();
        QVERIFY(room.Keikoutou_Kazu == 12 && room.Syoumei_Syuturyoku == 300 &&
                room.Keikoutou_wariai == 3 && room.Keikoutou_Syurui == 2 && room.Syoumei_Konzai &&
                !room.Syuturyoku_Nyuuryoku && room.Syoudo_Jidou_Tekigou);
        QTest::keyClick(&syoumei, Qt::Key_Escape);
        QVERIFY(room == before && !program.forms().IsLoaded(FormId::Syoumei_Form));
        QVERIFY(program.prompts.messages.empty());
    }

    // Registration's checks and what it stores.
    void ventilationRegistered() {
        struct Case {
            const char* name;
            bool direct;  // 風量入力 ticked
            const char* typed;
            bool jidou;
            int place;  // -1 none
            std::optional<PromptAnswer> answer;
            QStringList messages;
            bool registered;
        };
        const QString zero = QStringLiteral("0 でよろしいですか？");
        const QString none = QStringLiteral("必要換気量を選択して下さい");
        const Case cases[] = {
            {"typed 0 confirmed", true, "", false, 2, PromptAnswer::Yes, {zero}, true},
            {"typed 0 declined", true, "0", false, 2, PromptAnswer::No, {zero}, false},
            {"0 not typed in", false, "", false, 2, {}, {}, true},
            {"no place", false, "", false, -1, {}, {none}, false},
            {"no place, automatic", false, "", true, -1, {}, {}, true},
            {"no place, typed", true, "650", false, -1, {}, {}, true},
        };
        for (const Case& c : cases) {
            const QByteArray row(c.name);
            test::Program program;
            OpenRoom(program);
            program.room().Kanki_Fuuryou = 300.0f;
            Kanki_Form& kanki = Show(Kanki(program));
            QCOMPARE(kanki.Fuuryou_Edit()->text(), QStringLiteral("300__"));
            if (kanki.Jidou_Tekigou_Check()->isChecked() != c.jidou) {
                test::ClickOption(kanki.Jidou_Tekigou_Check());
            }
            kanki.List1()->setCurrentRow(c.place);
            if (c.direct) {
                test::ClickOption(kanki.Fuuryou_Check());
                test::Type(kanki.Fuuryou_Edit(), QString::fromLatin1(c.typed));
            }
            if (c.answer) {
                program.prompts.AnswerNext(*c.answer);
            }
            QTest::mouseClick(kanki.Touroku_Button(), Qt::LeftButton);
            QVERIFY2(test::MessageTexts(program.prompts) == c.messages, row);
            for (const auto& m : program.prompts.messages) {
                QVERIFY2(m.title == "確認" && m.icon == PromptIcon::Warning, row);
            }
            QVERIFY2(kanki.isHidden() == c.registered && program.room().Hozon_Flag == c.registered,
                     row);
            QVERIFY2(program.room().Kanki_Nyuuryoku == c.direct, row);
            if (c.registered) {
                const Room& room = program.room();
                QVERIFY2(room.Kanki_Basyo == c.place && room.Kanki_Jidou_Tekigou == c.jidou, row);
                QVERIFY2(room.Kanki_Fuuryou == (c.direct ? QByteArray(c.typed).toFloat() : 300.0f),
                         row);
            }
        }
    }

    // The right button on the rate list opens the menu without choosing a
    // place; a choice refills the list and its heading, and is stored.
    void rateMenu() {
        test::Program program;
        OpenRoom(program);
        program.room().Kanki_Jidou_Tekigou = false;
        Kanki_Form& kanki = Show(Kanki(program));
        QListWidget* rates = kanki.List2();
        QCOMPARE(kanki.Label3()->text(), QStringLiteral("最小値(㎡/h)/人"));
        QCOMPARE(rates->item(2)->text(), QStringLiteral("17"));
        QCOMPARE(rates->toolTip(), QStringLiteral("右ボタンで違う換気量を選べます"));
        QTest::mousePress(rates->viewport(), Qt::RightButton, {},
                          rates->visualItemRect(rates->item(5)).center());
        QVERIFY(kanki.Mnu_Atai()->isVisible());
        QVERIFY(kanki.Mnu_Saisyou()->isChecked() && !kanki.Mnu_Suisyou()->isChecked());
        QCOMPARE(kanki.List1()->currentRow(), 2);
        kanki.Mnu_Suisyou()->trigger();
        kanki.Mnu_Atai()->hide();
        QVERIFY(!kanki.Mnu_Saisyou()->isChecked() && kanki.Mnu_Suisyou()->isChecked());
        QCOMPARE(kanki.Label3()->text(), QStringLiteral("推奨値(㎡/h)/人"));
        QCOMPARE(rates->item(2)->text(), QStringLiteral("25.5"));
        QCOMPARE(rates->currentRow(), 2);
        ClickRow(rates, 5);
        QCOMPARE(kanki.List1()->currentRow(), 5);
        QTest::mouseClick(kanki.Touroku_Button(), Qt::LeftButton);
        QVERIFY(!program.room().Kanki_Saisyouti && program.room().Kanki_Basyo == 5);
        QCOMPARE(kanki.Kanki_kaesi(), 25.5f);
        QCOMPARE(SummaryCell(program, 4, 3), QStringLiteral("25.5 (㎡/h)/h"));
    }

    // Cancel hides the dialog and puts back the direct-input flag, so no
    // unregistered volume is used; the dialog shows it as it was.
    void ventilationCancelRestoresDirectInput() {
        for (const bool stored : {false, true}) {
            test::Program program;
            OpenRoom(program);
            program.ctx().Settei_Mode = 10;
            program.room().Kanki_Nyuuryoku = stored;
            Kanki_Form& kanki = Show(Kanki(program));
            QCOMPARE(kanki.Frame2()->isVisible(), stored);
            test::ClickOption(kanki.Fuuryou_Check());
            QCOMPARE(program.room().Kanki_Nyuuryoku, !stored);
            QVERIFY(kanki.Frame2()->isVisible() == !stored &&
                    kanki.Jidou_Tekigou_Check()->isVisible() == stored);
            QTest::mouseClick(kanki.Cansel_Button(), Qt::LeftButton);
            QVERIFY(kanki.isHidden() && program.prompts.messages.empty());
            QCOMPARE(program.room().Kanki_Nyuuryoku, stored);
            Show(kanki);
            QVERIFY(kanki.Fuuryou_Check()->isChecked() == stored &&
                    kanki.Frame2()->isVisible() == stored);
        }
    }
};

QTEST_MAIN(LightingVentilationTest)
#include "lighting_ventilation_test.moc"
