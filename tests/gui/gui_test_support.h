#pragma once

// Shared set-up of the GUI tests: a private settings store, scripted
// prompts and a fresh program context per test.

#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "app/app_context.h"
#include "app/form_registry.h"
#include "app/mdi_form1.h"
#include "app/scripted_prompts.h"
#include "model/room_model.h"

namespace karumoa::gui::test {

// Points the per-user settings store at a temporary folder. Must run
// before the first QSettings of the process (initTestCase).
inline QTemporaryDir& IsolateSettings() {
    static QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    return dir;
}

inline void ClearSettings() {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("カルモア"),
                       QStringLiteral("カルモア"));
    settings.clear();
    settings.sync();
}

// One program: scripted prompts, the context and its frame.
struct Program {
    ScriptedPrompts prompts;
    std::unique_ptr<AppContext> context = std::make_unique<AppContext>(prompts);

    AppContext& ctx() { return *context; }
    FormRegistry& forms() { return context->forms(); }
    MDIForm1& frame() { return context->forms().mdiForm(); }
    model::RoomModel& room() { return context->room(); }
};

}  // namespace karumoa::gui::test
