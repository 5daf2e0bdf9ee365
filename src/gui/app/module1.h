#pragma once

// Program-wide globals and the start-up sequence.

#include <QString>
#include <cstdint>

class QApplication;
class QElapsedTimer;

namespace karumoa::gui {
class AppContext;
}

namespace karumoa::gui::Module1 {

// The folder of the program file, without a trailing separator. The
// reference tables and the help file are addressed from it.
extern QString App_Path;

// Which element the next construction or window dialog works on: 0 wall or
// wall windows, 1 roof or skylight, 2 floor, 10 set by the ventilation
// command. Commands set it just before they open the dialog.
extern std::uint8_t Settei_Mode;

// The application's title: names the settings store and the frame.
QString AppTitle();

// "ﾊﾞｰｼﾞｮﾝ 1.0.0": the version text of the splash and About windows.
QString VersionText();

// Start-up initialisation: App_Path, and the remembered city and room
// temperature into the room model's Basyo and Situon.
void Kankyou_SyokiKa(AppContext& context);

// Loads the reference tables from App_Path into the context. Returns the
// Japanese message to show when they could not be loaded, else empty.
QString LoadReferenceTables(AppContext& context);

// Loads the Qt translations for Japanese, so that the standard buttons of
// message boxes read はい, いいえ, キャンセル.
void LoadTranslations(QApplication& app);

// Processes window events until `ms` milliseconds have passed on `since`
// (an elapsed-time clock, so the wait also ends across midnight).
void WaitEvents(const QElapsedTimer& since, int ms);

// The start-up wait while the splash window is shown.
constexpr int kSplashMilliseconds = 3000;

// The whole start-up: Kankyou_SyokiKa, the reference tables, the frame
// (maximised, no room), the splash window for three seconds. Returns when
// the program is ready for the user; the caller runs the event loop.
void StartUp(QApplication& app, AppContext& context);

// The program: start-up, then the frame's event loop until the frame has
// closed. The frame may be closed (Exit, its close button) already during
// the start-up wait; the program then ends there. Returns the exit code.
int Run(QApplication& app, AppContext& context);

}  // namespace karumoa::gui::Module1
