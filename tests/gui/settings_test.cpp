// The remembered settings: defaults, round trip, damaged values and the
// case-insensitive lookup.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/module1.h"
#include "app/remembered_settings.h"
#include "gui_test_support.h"

using namespace karumoa::gui;

class SettingsTest : public QObject {
    Q_OBJECT

    static void WriteIni(const QByteArray& content) {
        const QString path = RememberedSettings().FileName();
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }
    void init() { test::ClearSettings(); }

    void defaultsWithNothingStored() {
        RememberedSettings s;
        QCOMPARE(s.Toti(), 5);
        QCOMPARE(s.Heya_Ondo(), 260);
        const WindowPlacement set = s.Set_Form();
        QCOMPARE(set.top, 500.0);
        QCOMPARE(set.left, 0.0);
        QCOMPARE(set.width, 4164.0);
        QCOMPARE(set.height, 1764.0);
        const WindowPlacement total = s.Goukei_Form();
        QCOMPARE(total.top, 500.0);
        QCOMPARE(total.left, 0.0);
    }

    void storeLivesUnderTheApplicationTitle() {
        QVERIFY(RememberedSettings().FileName().endsWith(QStringLiteral("カルモア/カルモア.ini")));
    }

    void roundTripAsText() {
        RememberedSettings s;
        s.WriteKihon(13, 285);
        s.WriteSet_Form({120, 3000, 5000, 1800});
        s.WriteGoukei_Form(-300, 7000.5);
        RememberedSettings again;
        QCOMPARE(again.Toti(), 13);
        QCOMPARE(again.Heya_Ondo(), 285);
        QCOMPARE(again.ReadText("Kihon", "Heya_Ondo", ""), QStringLiteral("285"));
        QCOMPARE(again.Set_Form().left, 3000.0);
        QCOMPARE(again.Set_Form().height, 1800.0);
        QCOMPARE(again.Goukei_Form().top, -300.0);
        QCOMPARE(again.Goukei_Form().left, 7000.5);
    }

    void keysAndSectionsIgnoreCase() {
        WriteIni("[KIHON]\ntoti=3\nHEYA_ONDO=270\n[set_form]\nwidth=5000\n");
        RememberedSettings s;
        QCOMPARE(s.Toti(), 3);
        QCOMPARE(s.Heya_Ondo(), 270);
        QCOMPARE(s.Set_Form().width, 5000.0);
        // Writing replaces the key in its stored case rather than adding a
        // second one.
        s.WriteKihon(7, 250);
        QCOMPARE(s.Toti(), 7);
        QSettings raw(s.FileName(), QSettings::IniFormat);
        QCOMPARE(raw.childGroups(), QStringList{"KIHON"} << "set_form");
        raw.beginGroup("KIHON");
        QCOMPARE(raw.childKeys().size(), 2);
    }

    void leadingNumberAndHalvesToEven_data() {
        QTest::addColumn<QByteArray>("toti");
        QTest::addColumn<int>("expected");
        QTest::newRow("blanks") << QByteArray(" 7") << 7;
        QTest::newRow("trailing text") << QByteArray("8abc") << 8;
        QTest::newRow("half to even down") << QByteArray("2.5") << 2;
        QTest::newRow("half to even up") << QByteArray("3.5") << 4;
        QTest::newRow("no number reads 0") << QByteArray("abc") << 0;
        QTest::newRow("empty reads 0") << QByteArray("") << 0;
    }
    void leadingNumberAndHalvesToEven() {
        QFETCH(QByteArray, toti);
        QFETCH(int, expected);
        WriteIni("[Kihon]\nToti=" + toti + "\n");
        QCOMPARE(int(RememberedSettings().Toti()), expected);
    }

    void damagedValuesFallBackToDefaults_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("toti");
        QTest::addColumn<int>("heyaOndo");
        QTest::newRow("city beyond the table") << QByteArray("Toti=14\nHeya_Ondo=219") << 5 << 260;
        QTest::newRow("negative city") << QByteArray("Toti=-1\nHeya_Ondo=321") << 5 << 260;
        QTest::newRow("beyond 8 and 16 bits")
            << QByteArray("Toti=300\nHeya_Ondo=99999") << 5 << 260;
        QTest::newRow("edges are valid") << QByteArray("Toti=13\nHeya_Ondo=220") << 13 << 220;
        QTest::newRow("upper edge") << QByteArray("Toti=0\nHeya_Ondo=320") << 0 << 320;
    }
    void damagedValuesFallBackToDefaults() {
        QFETCH(QByteArray, ini);
        QFETCH(int, toti);
        QFETCH(int, heyaOndo);
        WriteIni("[Kihon]\n" + ini + "\n");
        RememberedSettings s;
        QCOMPARE(int(s.Toti()), toti);
        QCOMPARE(int(s.Heya_Ondo()), heyaOndo);
    }

    void damagedPlacementsFallBackToDefaults() {
        WriteIni(
            "[Set_Form]\nTop=2000000\nLeft=-1000001\nWidth=0\nHeight=-5\n"
            "[Goukei_Form]\nTop=1e9\nLeft=999999\n");
        RememberedSettings s;
        const WindowPlacement set = s.Set_Form();
        QCOMPARE(set.top, 500.0);
        QCOMPARE(set.left, 0.0);
        QCOMPARE(set.width, 4164.0);
        QCOMPARE(set.height, 1764.0);
        QCOMPARE(s.Goukei_Form().top, 500.0);
        QCOMPARE(s.Goukei_Form().left, 999999.0);
    }

    void startUpReadsCityAndTemperatureIntoTheRoom() {
        WriteIni("[Kihon]\nToti=9\nHeya_Ondo=275\n");
        test::Program program;
        program.room().Basyo = 0;
        Module1::Kankyou_SyokiKa(program.ctx());
        QCOMPARE(int(program.room().Basyo), 9);
        QCOMPARE(int(program.room().Situon), 275);
        QCOMPARE(program.ctx().App_Path, QCoreApplication::applicationDirPath());
        QVERIFY(!program.ctx().App_Path.endsWith(u'/'));
    }

    void referenceTablesFromTheProgramFolder() {
        test::Program program;
        QTemporaryDir empty;
        program.ctx().App_Path = empty.path();
        const QString message = Module1::LoadReferenceTables(program.ctx());
        QVERIFY(program.ctx().referenceData() == nullptr);
        QVERIFY(message.contains(QStringLiteral("Gaiki.sqlite")));
        QVERIFY(message.contains(QStringLiteral("負荷は計算できません")));

        program.ctx().App_Path = QStringLiteral(KARUMOA_BIN_DIR);
        QVERIFY(Module1::LoadReferenceTables(program.ctx()).isEmpty());
        QVERIFY(program.ctx().referenceData() != nullptr);
        QCOMPARE(program.ctx().referenceData()->CityCount(), 14);
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
