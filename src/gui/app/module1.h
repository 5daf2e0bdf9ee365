#pragma once

// The start-up sequence and the program's fixed texts. The program-wide
// App_Path and Settei_Mode live in AppContext, so that every program (and
// every test) has its own.

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

class QApplication;

namespace karumoa::gui {
class AppContext;
}

namespace karumoa::gui::Module1 {

// The application's title: names the settings store and the frame.
QString AppTitle();

// "ﾊﾞｰｼﾞｮﾝ 1.0.0": the version text of the splash and About windows.
QString VersionText();

// Start-up initialisation: App_Path, and the remembered city and room
// temperature into the room model's Basyo and Situon.
void Kankyou_SyokiKa(AppContext& context);

// Loads the reference tables from App_Path into the context. When they
// cannot be loaded, the frame keeps a sign of it (ShowLoadsNotComputable)
// and the Japanese message to show once is returned; else it is empty.
QString LoadReferenceTables(AppContext& context);

// Loads the Qt translations for Japanese, so that the standard buttons of
// message boxes read はい, いいえ, キャンセル.
void LoadTranslations(QApplication& app);

// The clock of a wait that keeps the window events running. It measures
// elapsed time, never the time of day, so a wait also ends across
// midnight.
class EventClock {
public:
    virtual ~EventClock() = default;
    // Milliseconds since the clock started; never goes back.
    virtual qint64 Elapsed() const = 0;
    // Processes window events for at most `ms` milliseconds (ms > 0).
    virtual void ProcessEvents(qint64 ms) = 0;
};

// The real clock, started when it is made.
class SteadyEventClock final : public EventClock {
public:
    SteadyEventClock() { started_.start(); }
    qint64 Elapsed() const override { return started_.elapsed(); }
    void ProcessEvents(qint64 ms) override;

private:
    QElapsedTimer started_;
};

// Processes window events until `clock` reads `until` milliseconds.
void WaitEvents(EventClock& clock, qint64 until);

// The start-up wait while the splash window is shown.
constexpr int kSplashMilliseconds = 3000;

// The whole start-up: Kankyou_SyokiKa, the reference tables, the frame
// (maximised, no room), the splash window until `clock` has run three
// seconds from the moment the frame was about to be shown. Returns when
// the program is ready for the user; the caller runs the event loop.
void StartUp(QApplication& app, AppContext& context, EventClock& clock);

// A project file named on the command line ("karumoa FILE", as the desktop
// entry and file managers start the program) is opened as the Open command
// opens a chosen file: the same checks and messages; a refused file leaves
// the frame as it was. `arguments` as QCoreApplication::arguments(), the
// program first; arguments after the file are ignored.
void OpenArguments(AppContext& context, const QStringList& arguments);

// The program: start-up, the file named on the command line, then the
// frame's event loop until the frame has closed. The frame may be closed (Exit, its close button)
// already during the start-up wait; the program then ends there. Returns the exit code.
int Run(QApplication& app, AppContext& context);

}  // namespace karumoa::gui::Module1
