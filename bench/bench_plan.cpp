// The plan window's rebuild after a change: Kabe_Seisaku with the
// recalculation for a full room (four walls with windows, roof, floor,
// skylight), offscreen; and the same followed by painting the plan window,
// which is what the user waits for.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>

#include "app/app_context.h"
#include "app/form_registry.h"
#include "app/frame_commands.h"
#include "app/mdi_form1.h"
#include "app/scripted_prompts.h"
#include "plan/main_form.h"
#include "project/project_file.h"
#include "refdb/reference_data.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_plan";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// `paint`: each change is followed by painting the whole plan window.
void RebuildFullRoom(benchmark::State& state, bool paint) {
    App();
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    using namespace karumoa;
    gui::ScriptedPrompts prompts;
    gui::AppContext context(prompts);
    refdb::LoadError error;
    context.setReferenceData(
        refdb::ReferenceData::Load(QCoreApplication::applicationDirPath().toStdString(), &error));
    if (context.referenceData() == nullptr) {
        // Without the tables the recalculation is skipped: nothing to time.
        state.SkipWithError(error.message.c_str());
        return;
    }
    gui::MDIForm1& frame = context.forms().mdiForm();
    frame.resize(1200, 800);
    frame.show();
    frame.commands().Sinki_Ryouiki();
    model::RoomModel& room = context.room();
    if (!project::ReadProjectFile(KARUMOA_SOURCE_DIR "/tests/data/rooms/attributes-blinds.kmd",
                                  room)) {
        state.SkipWithError("fixture room not readable");
        return;
    }
    gui::Main_Form& plan = context.forms().mainForm();
    plan.Kabe_Seisaku();
    QImage canvas(plan.size(), QImage::Format_ARGB32_Premultiplied);
    std::int16_t attribute = 0;
    for (auto _ : state) {
        // A change as a context-menu command makes it: one wall's attribute.
        attribute = static_cast<std::int16_t>((attribute + 1) % 4);
        room.Kabe.Item(1)->Zokusei = attribute;
        plan.Kabe_Seisaku();
        benchmark::DoNotOptimize(room.Kouzou_Goukei);
        if (paint) {
            plan.render(&canvas);
        }
    }
    state.counters["walls"] = room.Kabe.Count();
}

void BM_KabeSeisaku_FullRoom(benchmark::State& state) {
    RebuildFullRoom(state, false);
}
BENCHMARK(BM_KabeSeisaku_FullRoom)->Unit(benchmark::kMicrosecond);

void BM_KabeSeisaku_FullRoom_Painted(benchmark::State& state) {
    RebuildFullRoom(state, true);
}
BENCHMARK(BM_KabeSeisaku_FullRoom_Painted)->Unit(benchmark::kMicrosecond);

}  // namespace
