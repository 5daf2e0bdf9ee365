// The plan window's rebuild after a change: Kabe_Seisaku with the
// recalculation for a full room (four walls with windows, roof, floor,
// skylight), offscreen; the same followed by painting the plan window,
// which is what the user waits for; and the same with both report windows
// shown, drawn anew by the rebuild and their sheets painted as far as the
// windows show them (a change repaints the sheet; the scroll bars stay as
// they are unless the sheet's extent changed).

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
#include "envelope/kouzou_keisan_form.h"
#include "internal/situnai_keisan_form.h"
#include "plan/main_form.h"
#include "project/project_file.h"
#include "refdb/reference_data.h"
#include "report/sheet_surface.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_plan";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

enum class Paint { Nothing, Plan, Reports };

// Each change is followed by painting what `paint` names: nothing, the
// whole plan window, or both report windows, shown.
void RebuildFullRoom(benchmark::State& state, Paint paint) {
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
    if (paint == Paint::Reports) {
        frame.commands().Mnu_Kouzou_Keisan_Click();
        frame.commands().Mnu_Situnai_Keisan_Click();
    }
    QWidget& kouzou = *context.forms()
                           .Get<gui::Kouzou_Keisan_Form>(gui::FormId::Kouzou_Keisan_Form)
                           .Sagyou_Eria();
    QWidget& situnai = *context.forms()
                            .Get<gui::Situnai_Keisan_Form>(gui::FormId::Situnai_Keisan_Form)
                            .Sagyou_Eria();
    QImage kouzouCanvas(kouzou.size(), QImage::Format_ARGB32_Premultiplied);
    QImage situnaiCanvas(situnai.size(), QImage::Format_ARGB32_Premultiplied);
    std::int16_t attribute = 0;
    for (auto _ : state) {
        // A change as a context-menu command makes it: one wall's attribute.
        attribute = static_cast<std::int16_t>((attribute + 1) % 4);
        room.Kabe.Item(1)->Zokusei = attribute;
        plan.Kabe_Seisaku();
        benchmark::DoNotOptimize(room.Kouzou_Goukei);
        if (paint == Paint::Plan) {
            plan.render(&canvas);
        } else if (paint == Paint::Reports) {
            kouzou.render(&kouzouCanvas, QPoint(), kouzou.visibleRegion());
            situnai.render(&situnaiCanvas, QPoint(), situnai.visibleRegion());
        }
    }
    state.counters["walls"] = room.Kabe.Count();
}

void BM_KabeSeisaku_FullRoom(benchmark::State& state) {
    RebuildFullRoom(state, Paint::Nothing);
}
BENCHMARK(BM_KabeSeisaku_FullRoom)->Unit(benchmark::kMicrosecond);

void BM_KabeSeisaku_FullRoom_Painted(benchmark::State& state) {
    RebuildFullRoom(state, Paint::Plan);
}
BENCHMARK(BM_KabeSeisaku_FullRoom_Painted)->Unit(benchmark::kMicrosecond);

void BM_KabeSeisaku_FullRoom_ReportsPainted(benchmark::State& state) {
    RebuildFullRoom(state, Paint::Reports);
}
BENCHMARK(BM_KabeSeisaku_FullRoom_ReportsPainted)->Unit(benchmark::kMicrosecond);

}  // namespace
