// The occupant dialog: the direct input's limits, questions and messages
// in their order, with nothing written unless every check passed; the
// building types and their places; the two input modes showing their
// stored values; cancel unloading the dialog; and its look-ups, which load
// it hidden.

#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTreeWidget>
#include <optional>

#include "edit_test_support.h"
#include "internal/jintai_form.h"

using namespace karumoa;
using namespace karumoa::gui;

namespace {

const QString kWrongCount = QStringLiteral("正しい人数を入力して下さい");
const QString kNoEquivalent = QStringLiteral("相当場所を選択して下さい");

}  // namespace

class JintaiFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Program> program_;
    model::RoomModel& room() { return program_->room(); }
    Jintai_Form& jintai() { return program_->forms().jintaiForm(); }

    Jintai_Form& Show() {
        jintai().show();
        return jintai();
    }
    void ClickTab(int tab) {
        QTabBar* tabs = jintai().Sentaku_Tab();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab - 1).center());
    }
    void Register() { QTest::mouseClick(jintai().Touroku_Button(), Qt::LeftButton); }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() {
        test::ClearSettings();
        program_ = std::make_unique<test::Program>();
        test::OpenNewRoom(*program_);
        room().Hozon_Flag = false;
    }
    void cleanup() { program_.reset(); }

    void directInput() {
        struct Case {
            const char* name;
            bool perArea;
            const char* typed;
            std::optional<PromptAnswer> answer;
            bool placeChosen;
            QStringList messages;
            float soutou;  // Soutou_Ninzuu afterwards
            std::int16_t jitu;
        };
        const QString q4 = QStringLiteral("4人でよろしいですか？");
        const Case cases[] = {
            {"2.00 per m2", true, "2.00", {}, true, {}, 2.0f, 20},
            {"2.01 per m2", true, "2.01", {}, true, {kWrongCount}, 0.5f, 20},
            {"0.01 per m2", true, "0.01", {}, true, {}, 0.01f, 20},
            {"0.00 per m2", true, "0.00", {}, true, {kWrongCount}, 0.5f, 20},
            {"5 persons", false, "5", {}, true, {}, 0.5f, 5},
            {"100 persons", false, "100", {}, true, {}, 0.5f, 100},
            {"4 persons confirmed", false, "4", PromptAnswer::Yes, true, {q4}, 0.5f, 4},
            {"none confirmed",
             false,
             "",
             PromptAnswer::Yes,
             true,
             {"0人でよろしいですか？"},
             0.5f,
             0},
            {"101 persons confirmed",
             false,
             "101",
             PromptAnswer::Yes,
             true,
             {"101人でよろしいですか？"},
             0.5f,
             101},
            {"4 persons declined", false, "4", PromptAnswer::No, true, {q4}, 0.5f, 20},
            {"full-width digits", false, "１２", {}, true, {}, 0.5f, 12},
            {"a refused number and no place",
             true,
             "2.01",
             {},
             false,
             {kWrongCount, kNoEquivalent},
             0.5f,
             20},
            {"a good number and no place", true, "1.5", {}, false, {kNoEquivalent}, 0.5f, 20},
            {"a good count and no place", false, "30", {}, false, {kNoEquivalent}, 0.5f, 20},
        };
        for (const Case& c : cases) {
            const QByteArray row(c.name);
            init();
            room().Situnai_Syurui = 2;
            room().Ninzuu_Flag = !c.perArea;
            room().Soutou_Ninzuu = 0.5f;
            room().Jitu_Ninzuu = 20;
            room().Soutou_Basyo = 3;
            Jintai_Form& form = Show();
            ClickTab(Jintai_Form::kJitusuuNyuuryoku);
            QVERIFY2(form.Frame1()->isVisible() && !form.ListView1()->isVisible(), row);
            test::ClickOption(c.perArea ? form.Menseki_Option() : form.Jituninzu_Option());
            test::Type(form.MaskEdBox1(), QString::fromUtf8(c.typed));
            if (c.placeChosen) {
                form.List1()->setCurrentRow(6);  // レストラン
            } else {
                form.List1()->clearSelection();
            }
            if (c.answer) {
                program_->prompts.AnswerNext(*c.answer);
            }
            const model::RoomModel before = room();
            Register();

            QVERIFY2(test::MessageTexts(program_->prompts) == c.messages, row);
            for (const auto& m : program_->prompts.messages) {
                const bool question = m.buttons == PromptButtons::YesNo;
                QVERIFY2(m.title == QStringLiteral("確認"), row);
                QVERIFY2(question ? m.icon == PromptIcon::None
                                  : m.icon == PromptIcon::Warning && m.buttons == PromptButtons::Ok,
                         row);
            }
            QVERIFY2(program_->prompts.AllAnswersUsed(), row);
            const bool registered = c.soutou != 0.5f || c.jitu != 20;
            QVERIFY2(form.isHidden() == registered, row);
            if (!registered) {
                // A refused registration writes nothing.
                QVERIFY2(room() == before, row);
                continue;
            }
            QVERIFY2(room().Soutou_Ninzuu == c.soutou && room().Jitu_Ninzuu == c.jitu, row);
            QVERIFY2(room().Tatemono_Syurui == 9 && room().Ninzuu_Flag == c.perArea, row);
            // The place code stays: the heat per person is that place's in
            // the equivalent building type.
            QVERIFY2(room().Soutou_Basyo == 6 && room().Situnai_Syurui == 2, row);
            QVERIFY2(room().Hozon_Flag && program_->ctx().Settei_Mode == 1, row);
        }
    }

    void buildingTypesAndPlaces() {
        struct Case {
            const char* name;
            std::vector<int> tabs;  // clicked in turn
            int place;              // clicked, 0 for none
            bool registered;
            std::int16_t tatemono;
            std::int16_t situnai;
        };
        const Case cases[] = {
            {"the stored place is chosen when shown", {}, 0, true, 1, 2},
            {"a place of another type", {2}, 2, true, 2, 2},
            {"another type without a place", {3}, 0, false, 1, 2},
            {"back to the stored type", {3, 1}, 0, true, 1, 2},
        };
        for (const Case& c : cases) {
            const QByteArray row(c.name);
            init();
            room().Situnai_Syurui = 2;
            Jintai_Form& form = Show();
            QVERIFY(form.ListView1()->isVisible() && !form.Frame1()->isVisible());
            for (int tab : c.tabs) {
                ClickTab(tab);
            }
            if (c.place > 0) {
                QTreeWidget* list = form.ListView1();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->topLevelItem(c.place - 1)).center());
            }
            Register();
            QVERIFY2(test::MessageTexts(program_->prompts) ==
                         (c.registered ? QStringList{} : QStringList{"場所を選択して下さい"}),
                     row);
            QVERIFY2(room().Tatemono_Syurui == c.tatemono && room().Situnai_Syurui == c.situnai,
                     row);
            QVERIFY2(room().Hozon_Flag == c.registered, row);
        }
        // A school's places with their densities as the table holds them,
        // in columns of 0.58 and 0.2 of the list's width.
        ClickTab(2);
        const QTreeWidget* list = jintai().ListView1();
        QCOMPARE((QStringList{list->topLevelItem(0)->text(0), list->topLevelItem(0)->text(1),
                              list->topLevelItem(1)->text(0), list->topLevelItem(1)->text(1)}),
                 (QStringList{"普通教室", "0.6", "講堂", "1.0"}));
        const int inner = list->width() - 2 * list->frameWidth();
        QVERIFY(qAbs(list->columnWidth(0) - inner * 0.58) <= 1);
        QVERIFY(qAbs(list->columnWidth(1) - inner * 0.2) <= 1);
    }

    // Switching the mode shows the stored value of the new mode, never the
    // text just typed.
    void modesShowTheirStoredValues() {
        room().Tatemono_Syurui = 9;
        room().Soutou_Ninzuu = 0.5f;
        room().Jitu_Ninzuu = 12;
        room().Soutou_Basyo = 4;
        Jintai_Form& form = Show();
        QVERIFY(form.Frame1()->isVisible() && form.Menseki_Option()->isChecked());
        QCOMPARE(form.MaskEdBox1()->text(), QStringLiteral("0.50"));
        QCOMPARE(form.List1()->currentRow(), 4);
        test::Type(form.MaskEdBox1(), QStringLiteral("1.25"));
        test::ClickOption(form.Jituninzu_Option());
        QCOMPARE(form.MaskEdBox1()->text(), QStringLiteral("12__"));
        test::Type(form.MaskEdBox1(), QStringLiteral("30"));
        test::ClickOption(form.Menseki_Option());
        QCOMPARE(form.MaskEdBox1()->text(), QStringLiteral("0.50"));
        test::Type(form.MaskEdBox1(), QStringLiteral("-12.345"));
        QCOMPARE(form.MaskEdBox1()->text(), QStringLiteral("1.34"));
    }

    // Cancel (button or Escape) unloads the dialog and writes nothing; after
    // the ventilation command the notice follows.
    void cancelUnloadsWithoutWriting() {
        for (const std::uint8_t mode : {0, 10}) {
            init();
            program_->ctx().Settei_Mode = mode;
            const model::RoomModel before = room();
            Jintai_Form& form = Show();
            ClickTab(Jintai_Form::kJitusuuNyuuryoku);
            test::Type(form.MaskEdBox1(), QStringLiteral("1.5"));
            QTest::mouseClick(form.Cansel_Button(), Qt::LeftButton);
            QVERIFY(!program_->forms().IsLoaded(FormId::Jintai_Form) && room() == before);
            QCOMPARE(test::MessageTexts(program_->prompts),
                     mode == 10 ? QStringList{"設定は変更されませんでした。"} : QStringList{});
            QCOMPARE(Show().SelectedTab(), 1);
            QTest::keyClick(&jintai(), Qt::Key_Escape);
            QVERIFY(!program_->forms().IsLoaded(FormId::Jintai_Form));
        }
    }

    // The look-ups answer for the stored type and place (the equivalent
    // place's type for direct input), loading the dialog hidden.
    void lookUpsOfTheStoredPlace() {
        struct Case {
            std::int16_t tatemono, situnai, soutou;
            const char* heya;  // "-" (kept) when nothing is read
            float hito;
            std::int16_t syoudo;
            float kanki;
        };
        const Case cases[] = {
            {1, 1, 0, "事務室", 0.2f, 750, 30.0f},
            {7, 2, 0, "厨房", 0.1f, 500, 30.0f},
            {9, 2, 1, "-", -1.0f, 200, 20.0f},  // a school's place 2
            {3, 0, 0, "-", -1.0f, 0, 0.0f},
        };
        for (const Case& c : cases) {
            const QByteArray row = QByteArray::number(c.tatemono * 10 + c.situnai);
            init();
            program_->forms().Unload(FormId::Jintai_Form, true);
            room().Tatemono_Syurui = c.tatemono;
            room().Situnai_Syurui = c.situnai;
            room().Soutou_Basyo = c.soutou;
            QString heya = QStringLiteral("-");
            float hito = -1.0f;
            jintai().Basyo_Kaesi(heya, hito);
            QVERIFY2(!jintai().isVisible(), row);
            QVERIFY2(heya == QString::fromUtf8(c.heya) && hito == c.hito, row);
            QVERIFY2(jintai().Syoudo_Kaesi() == c.syoudo && jintai().Kanki_kaesi() == c.kanki, row);
        }
        std::int16_t kennetu = -1;
        std::int16_t sennetu = -1;
        room().Situnai_Syurui = 2;
        jintai().Netu_Kaesi(kennetu, sennetu, 7);  // a restaurant's kitchen
        QVERIFY(kennetu == 60 && sennetu == 129);
    }
};

QTEST_MAIN(JintaiFormTest)
#include "jintai_form_test.moc"
