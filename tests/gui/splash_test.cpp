// The splash window: its labels, and closing it with a key or a click
// while start-up still waits out its three seconds. The waits run on a
// scripted clock, so the three-second rule is checked to the millisecond
// however loaded the machine is.

#include <QFrame>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <map>

#include "app/module1.h"
#include "app/splash_form.h"
#include "gui_test_support.h"

using namespace karumoa::gui;

namespace {

// A clock whose time moves only while a wait processes events: each call
// moves it to the next scripted action or by the whole span asked for,
// whichever comes first, runs the actions that are due, lets the window
// events run and then reports the time to `watch`.
class ScriptedClock : public Module1::EventClock {
public:
    explicit ScriptedClock(qint64 start = 0) : now_(start) {}

    qint64 Elapsed() const override { return now_; }
    void ProcessEvents(qint64 ms) override {
        ++calls;
        qint64 next = now_ + ms;
        if (!actions_.empty() && actions_.begin()->first < next) {
            next = std::max(now_, actions_.begin()->first);
        }
        now_ = next;
        while (!actions_.empty() && actions_.begin()->first <= now_) {
            auto action = std::move(actions_.begin()->second);
            actions_.erase(actions_.begin());
            action();
        }
        QCoreApplication::processEvents();
        if (watch) {
            watch(now_);
        }
    }

    void At(qint64 t, std::function<void()> action) { actions_.emplace(t, std::move(action)); }

    std::function<void(qint64)> watch;
    int calls = 0;

private:
    qint64 now_;
    std::multimap<qint64, std::function<void()>> actions_;
};

}  // namespace

class SplashTest : public QObject {
    Q_OBJECT

    // Runs the start-up wait with the splash shown; `act` runs 300 ms in.
    // Returns {ms until the splash was gone, ms the wait took}.
    template <class Act>
    std::pair<qint64, qint64> WaitWith(frmSplash& splash, Act act) {
        splash.show();
        ScriptedClock clock;
        qint64 closedAt = -1;
        clock.At(300, act);
        clock.watch = [&](qint64 now) {
            if (closedAt < 0 && !splash.isVisible()) {
                closedAt = now;
            }
        };
        Module1::WaitEvents(clock, Module1::kSplashMilliseconds);
        return {closedAt, clock.Elapsed()};
    }

private Q_SLOTS:
    void initTestCase() { test::IsolateSettings(); }

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
        // No title bar, so no buttons on it whatever the window manager.
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!(splash.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(splash.windowFlags() & Qt::WindowSystemMenuHint));
        QCOMPARE(splash.minimumSize(), splash.maximumSize());
    }

    void keyClosesAtOnceWhileStartUpWaits() {
        frmSplash splash;
        const auto [closedAt, waited] =
            WaitWith(splash, [&] { QTest::keyClick(&splash, Qt::Key_A); });
        QCOMPARE(closedAt, qint64{300});
        QCOMPARE(waited, qint64{Module1::kSplashMilliseconds});
    }

    void clickOnTheFrameClosesAtOnce() {
        frmSplash splash;
        const auto [closedAt, waited] = WaitWith(splash, [&] {
            QTest::mouseClick(splash.findChild<QLabel*>("lblWarning"), Qt::LeftButton);
        });
        QCOMPARE(closedAt, qint64{300});
        QCOMPARE(waited, qint64{Module1::kSplashMilliseconds});
    }

    void waitEndsByElapsedTime() {
        ScriptedClock clock(1000);
        Module1::WaitEvents(clock, 1050);
        QCOMPARE(clock.Elapsed(), qint64{1050});
        // A wait whose time is already over returns without waiting.
        const int calls = clock.calls;
        Module1::WaitEvents(clock, 1010);
        QCOMPARE(clock.calls, calls);
        QCOMPARE(clock.Elapsed(), qint64{1050});
    }

    // The start-up itself: the frame and the splash shown, three seconds
    // counted from before the frame was shown, however early the user
    // closes the splash, then the splash unloaded.
    void startUpWaitsThreeSecondsFromShowingTheFrame() {
        test::ClearSettings();
        test::Program program;
        ScriptedClock clock(5000);
        qint64 closedAt = -1;
        clock.At(5300, [&] { QTest::keyClick(&program.forms().splash(), Qt::Key_Escape); });
        clock.watch = [&](qint64 now) {
            auto* splash = program.forms().GetIfLoaded<frmSplash>(FormId::frmSplash);
            QVERIFY(program.frame().isVisible());
            if (closedAt < 0 && (splash == nullptr || !splash->isVisible())) {
                closedAt = now;
            }
        };
        Module1::StartUp(*qApp, program.ctx(), clock);
        QCOMPARE(closedAt, qint64{5300});
        QCOMPARE(clock.Elapsed(), qint64{5000 + Module1::kSplashMilliseconds});
        QVERIFY(!program.forms().IsLoaded(FormId::frmSplash));
        QVERIFY(program.frame().isVisible());
    }
};

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
