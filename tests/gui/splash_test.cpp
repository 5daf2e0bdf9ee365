// The splash window: its labels, and closing it with a key or a click
// while start-up still waits out its three seconds.

#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "app/module1.h"
#include "app/splash_form.h"

using namespace karumoa::gui;

class SplashTest : public QObject {
    Q_OBJECT

    // Runs the start-up wait with the splash shown; `act` runs 300 ms in.
    // Returns {ms until the splash was gone, ms the wait took}.
    template <class Act>
    std::pair<qint64, qint64> WaitWith(frmSplash& splash, Act act) {
        splash.show();
        QElapsedTimer started;
        started.start();
        qint64 closedAt = -1;
        QTimer poll;
        QTimer::singleShot(300, &splash, [&] { act(); });
        connect(&poll, &QTimer::timeout, &splash, [&] {
            if (closedAt < 0 && !splash.isVisible()) {
                closedAt = started.elapsed();
            }
        });
        poll.start(20);
        Module1::WaitEvents(started, Module1::kSplashMilliseconds);
        return {closedAt, started.elapsed()};
    }

private Q_SLOTS:
    void labels() {
        frmSplash splash;
        QCOMPARE(splash.findChild<QLabel*>("lblProductName")->text(), QStringLiteral("カルモア"));
        const QString version = splash.findChild<QLabel*>("lblVersion")->text();
        QCOMPARE(version, Module1::VersionText());
        QVERIFY(QRegularExpression(QStringLiteral("^ﾊﾞｰｼﾞｮﾝ \\d+\\.\\d+\\.\\d+$"))
                    .match(version)
                    .hasMatch());
        QVERIFY(!splash.findChild<QLabel*>("Label1")->text().isEmpty());
        QVERIFY(splash.findChild<QLabel*>("lblPlatform")->text().isEmpty());
        QVERIFY(splash.findChild<QLabel*>("lblWarning")->text().contains(QStringLiteral("ヘルプ")));
        QVERIFY(!splash.findChild<QLabel*>("imgLogo")->pixmap().isNull());
        QVERIFY(splash.findChild<QFrame*>("Frame1") != nullptr);
        QCOMPARE(splash.windowTitle(), QStringLiteral("カルモア"));
        QVERIFY(!(splash.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(splash.windowFlags() & Qt::WindowSystemMenuHint));
        QCOMPARE(splash.minimumSize(), splash.maximumSize());
    }

    void keyClosesAtOnceWhileStartUpWaits() {
        frmSplash splash;
        const auto [closedAt, waited] =
            WaitWith(splash, [&] { QTest::keyClick(&splash, Qt::Key_A); });
        QVERIFY2(closedAt >= 300 && closedAt < 1500, QByteArray::number(closedAt));
        QVERIFY(waited >= Module1::kSplashMilliseconds);
        QVERIFY(waited < Module1::kSplashMilliseconds + 1000);
    }

    void clickOnTheFrameClosesAtOnce() {
        frmSplash splash;
        const auto [closedAt, waited] = WaitWith(splash, [&] {
            QTest::mouseClick(splash.findChild<QLabel*>("lblWarning"), Qt::LeftButton);
        });
        QVERIFY2(closedAt >= 300 && closedAt < 1500, QByteArray::number(closedAt));
        QVERIFY(waited >= Module1::kSplashMilliseconds);
    }

    void waitEndsByElapsedTime() {
        QElapsedTimer started;
        started.start();
        Module1::WaitEvents(started, 50);
        QVERIFY(started.elapsed() >= 50);
        // A wait whose time is already over returns at once.
        QElapsedTimer again;
        again.start();
        Module1::WaitEvents(started, 10);
        QVERIFY(again.elapsed() < 10);
    }
};

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
