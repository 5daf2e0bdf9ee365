// What the desktop program does with what it cannot trust: loads that are
// not finite numbers, reference tables that cannot be loaded, and a
// settings store with values no dialog writes.

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "app/module1.h"
#include "app/remembered_settings.h"
#include "edit_test_support.h"
#include "summary/goukei_hyouji_form.h"
#include "summary/settei_hyouji_form.h"
#include "summary/tool_window.h"

using namespace karumoa;
using namespace karumoa::gui;

class HardeningTest : public QObject {
    Q_OBJECT

    static QStringList ListTexts(Goukei_Hyouji_Form& goukei) {
        QStringList texts;
        for (int i = 0; i < goukei.ListView1()->topLevelItemCount(); ++i) {
            texts << goukei.ListView1()->topLevelItem(i)->text(1);
        }
        return texts;
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() { test::ClearSettings(); }

    // A wall whose K overflows every load: the load total shows dashes,
    // one message names the term, and the refreshes that follow do not
    // repeat it until another term goes wrong.
    void aLoadThatIsNotFiniteIsSaidOnceAndShownAsADash() {
        test::Program program;
        test::OpenNewRoom(program);
        Goukei_Hyouji_Form& goukei = program.forms().goukeiHyouji();
        ToolWindow::SetOuterSize(goukei, 3000, 1800);
        test::FillFullRoom(program.room());
        program.forms().mainForm().Kabe_Seisaku();
        QVERIFY(program.prompts.messages.empty());

        program.room().Kabe.Item(1)->Netukanryuu = 3.4e38f;
        program.forms().mainForm().Kabe_Seisaku();
        QCOMPARE(program.prompts.messages.size(), std::size_t{1});
        const ScriptedPrompts::MessageCall& said = program.prompts.messages.back();
        QVERIFY2(said.text.contains(QStringLiteral("北の壁の qw (10時) が有限の数になりません")),
                 qPrintable(said.text));
        QCOMPARE(said.title, QStringLiteral("確認"));
        QCOMPARE(said.icon, PromptIcon::Warning);
        QCOMPARE(goukei.Panel1Text(), QStringLiteral("—kcal/h"));
        QCOMPARE(ListTexts(goukei).last(), QStringLiteral("—"));

        // The plan rebuild and the register chain refresh again: no second box.
        program.forms().mainForm().Kabe_Seisaku();
        program.forms().ConditionsRegistered();
        QCOMPARE(program.prompts.messages.size(), std::size_t{1});

        // Mended, the numbers come back; broken again, it is said again.
        program.room().Kabe.Item(1)->Netukanryuu = 2.5f;
        program.forms().mainForm().Kabe_Seisaku();
        QVERIFY(!goukei.Panel1Text().contains(QStringLiteral("—")));
        program.room().Kanki_Jidou_Tekigou = false;
        program.room().Kanki_Nyuuryoku = true;
        program.room().Kanki_Fuuryou = 3e38f;
        program.forms().ConditionsRegistered();
        QCOMPARE(program.prompts.messages.size(), std::size_t{2});
        QVERIFY(program.prompts.messages.back().text.contains(QStringLiteral("換気熱量 qv")));
        QCOMPARE(ListTexts(goukei).at(2), QStringLiteral("—"));
        QCOMPARE(program.prompts.unscripted, 2);
    }

    // Without the tables the frame keeps saying that the loads cannot be
    // computed, and the load total shows no number.
    void withoutTablesTheFrameKeepsASignAndNoLoadIsShown() {
        test::Program program;
        QTemporaryDir empty;
        program.ctx().App_Path = empty.path();
        const QString message = Module1::LoadReferenceTables(program.ctx());
        QVERIFY(message.contains(QStringLiteral("Gaiki.sqlite")));
        QVERIFY(message.contains(QStringLiteral("負荷は計算できません")));
        program.frame().resize(1000, 700);
        program.frame().show();
        auto* sign = program.frame().findChild<QLabel*>("Keisan_Fuka_Label");
        QVERIFY(sign != nullptr);
        QVERIFY(sign->isVisible());
        QCOMPARE(sign->text(), MDIForm1::LoadsNotComputableText());

        program.frame().commands().Sinki_Ryouiki();
        test::FillFullRoom(program.room());
        program.forms().mainForm().Kabe_Seisaku();
        Goukei_Hyouji_Form& goukei = program.forms().goukeiHyouji();
        ToolWindow::SetOuterSize(goukei, 3000, 1800);
        goukei.List_Hyouji();
        QCOMPARE(goukei.Panel1Text(), QStringLiteral("—kcal/h"));
        QCOMPARE(ListTexts(goukei), QStringList(4, QStringLiteral("—")));
        QVERIFY(sign->isVisible());
        QVERIFY(program.prompts.messages.empty());
    }

    // Settings no dialog writes: each falls back to its default, and the
    // tool windows always come up on the screen with a usable size.
    void hostileSettingsFallBackAndKeepTheWindowsOnScreen_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("toti");
        QTest::addColumn<int>("heyaOndo");
        QTest::newRow("not a number")
            << QByteArray("[Kihon]\nToti=NaN\nHeya_Ondo=nan\n[Set_Form]\nTop=nan\nWidth=NaN\n") << 0
            << 260;
        QTest::newRow("infinite")
            << QByteArray("[Kihon]\nToti=inf\nHeya_Ondo=1e400\n[Goukei_Form]\nTop=1e400\n") << 0
            << 260;
        QTest::newRow("huge") << QByteArray(
                                     "[Kihon]\nToti=99999999999999999999\nHeya_Ondo=-1e300\n"
                                     "[Set_Form]\nWidth=1000000\nHeight=1000000\n")
                              << 5 << 260;
        QTest::newRow("out of range")
            << QByteArray("[Kihon]\nToti=14\nHeya_Ondo=321\n[Set_Form]\nWidth=-4164\n") << 5 << 260;
        QTest::newRow("off screen") << QByteArray(
                                           "[Set_Form]\nTop=-999999\nLeft=999999\n"
                                           "[Goukei_Form]\nTop=999999\nLeft=-999999\n")
                                    << 5 << 260;
        QTest::newRow("tiny sizes")
            << QByteArray("[Set_Form]\nWidth=1E-300\nHeight=0.001\n") << 5 << 260;
        QTest::newRow("text and blanks")
            << QByteArray("[Kihon]\nToti=\" 7 \"\nHeya_Ondo=\"abc\"\n[Set_Form]\nTop=\"\"\n") << 7
            << 260;
    }
    void hostileSettingsFallBackAndKeepTheWindowsOnScreen() {
        QFETCH(QByteArray, ini);
        QFETCH(int, toti);
        QFETCH(int, heyaOndo);
        {
            QFile file(RememberedSettings().FileName());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(ini);
        }
        test::Program program;
        Module1::Kankyou_SyokiKa(program.ctx());
        QCOMPARE(int(program.room().Basyo), toti);
        QCOMPARE(int(program.room().Situon), heyaOndo);
        // The frame within the screen, as the program shows it maximised.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        program.ctx().setReferenceData(test::ShippedReferenceData());
        program.frame().setGeometry(screen.adjusted(0, 0, -20, -20));
        program.frame().show();
        program.frame().commands().Sinki_Ryouiki();
        for (QWidget* window : {static_cast<QWidget*>(&program.forms().setteiHyouji()),
                                static_cast<QWidget*>(&program.forms().goukeiHyouji())}) {
            QVERIFY2(window->isVisible(), qPrintable(window->objectName()));
            QVERIFY2(screen.intersects(window->geometry()), qPrintable(window->objectName()));
            QVERIFY(window->width() >= 1 && window->width() <= screen.width());
            QVERIFY(window->height() >= 1 && window->height() <= screen.height());
        }
    }
};

QTEST_MAIN(HardeningTest)
#include "hardening_test.moc"
