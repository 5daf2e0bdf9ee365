#include "plan/plan_deletions.h"

#include <QAction>

#include "app/app_context.h"
#include "app/form_registry.h"
#include "app/frame_items.h"
#include "app/mdi_form1.h"
#include "app/prompts.h"
#include "model/room_model.h"
#include "plan/main_form.h"
#include "plan/popup_form.h"

namespace karumoa::gui {
namespace {

const QString kTitle = KakuninTitle();

}  // namespace

PlanDeletions::PlanDeletions(AppContext& context, Main_Form& plan)
    : context_(context), plan_(plan) {}

bool PlanDeletions::ValidWall() const {
    const model::RoomModel& room = context_.room();
    return room.Kabe_Bangou >= 1 && room.Kabe_Bangou <= room.Kabe.Count() &&
           room.Kabe_Bangou <= room.Mado.Count();
}

void PlanDeletions::EnableSkylightCommand() {
    if (auto* popUp = context_.forms().GetIfLoaded<PopUp_Form>(FormId::PopUp_Form)) {
        popUp->Item(QStringLiteral("Mnu_Yane_Mado"))->setEnabled(true);
    }
}

void PlanDeletions::Kabe_Sakujyo() {
    model::RoomModel& room = context_.room();
    if (!ValidWall()) {
        return;
    }
    const int p = room.Kabe_Bangou;
    const QString name = plan_.Houi_Caption(room.Kabe.Item(p)->Houi);
    if (context_.prompts().Message(name + QStringLiteral("の壁を削除しますか？ "), kTitle,
                                   PromptIcon::Question,
                                   PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    if (!room.Yane.empty() || !room.Yuka.empty()) {
        // A roof and a floor need four walls.
        if (context_.prompts().Message(QStringLiteral("設定済みの屋根や床も削除されます"), kTitle,
                                       PromptIcon::Warning,
                                       PromptButtons::OkCancel) != PromptAnswer::Ok) {
            // Nothing is removed, but the answer Yes to the first question
            // counts as a change.
            room.Hozon_Flag = true;
            return;
        }
        room.Kabe.Remove(p);
        room.Mado.Remove(p);
        RemoveRoof();
        if (!room.Yuka.empty()) {
            room.Yuka.Remove(1);
            context_.forms().mdiForm().SetEnabled(FrameItem::Mnu_Yuka, true);
        }
    } else {
        room.Kabe.Remove(p);
        room.Mado.Remove(p);
    }
    context_.forms().RoomEdited();
}

void PlanDeletions::Mado_Sakujyo() {
    model::RoomModel& room = context_.room();
    if (!ValidWall()) {
        return;
    }
    const int p = room.Kabe_Bangou;
    const std::int16_t houi = room.Kabe.Item(p)->Houi;
    if (context_.prompts().Message(
            plan_.Houi_Caption(houi) + QStringLiteral("の窓を削除しますか？ "), kTitle,
            PromptIcon::Question, PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    // The set stays in its place, emptied (and without blinds).
    room.Mado.Item(p)->SetData({0, 0}, {0, 0}, {0, 0}, false, 0.0f, houi);
    context_.forms().RoomEdited();
}

void PlanDeletions::Yane_Sakujyo() {
    model::RoomModel& room = context_.room();
    if (room.Yane.empty()) {
        return;
    }
    if (context_.prompts().Message(QStringLiteral("屋根を削除しますか？ "), kTitle,
                                   PromptIcon::Question,
                                   PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    RemoveRoof();
    context_.forms().RoomEdited();
}

void PlanDeletions::Yane_Sakujyo_Kettei() {
    if (RemoveRoof()) {
        plan_.Kabe_Seisaku();
    }
}

bool PlanDeletions::RemoveRoof() {
    model::RoomModel& room = context_.room();
    if (room.Yane.empty()) {
        return false;
    }
    room.Yane.Remove(1);
    context_.forms().mdiForm().SetEnabled(FrameItem::Mnu_Yane, true);
    // No skylight without its roof.
    if (!room.Yane_Mado.empty()) {
        room.Yane_Mado.Remove(1);
    }
    EnableSkylightCommand();
    return true;
}

void PlanDeletions::Yuka_Sakujyo() {
    model::RoomModel& room = context_.room();
    if (room.Yuka.empty()) {
        return;
    }
    if (context_.prompts().Message(QStringLiteral("床を削除しますか？ "), kTitle,
                                   PromptIcon::Question,
                                   PromptButtons::YesNo) == PromptAnswer::Yes) {
        room.Yuka.Remove(1);
        context_.forms().mdiForm().SetEnabled(FrameItem::Mnu_Yuka, true);
        context_.forms().RoomEdited();
    } else {
        // Rebuilt whatever the answer.
        plan_.Kabe_Seisaku();
    }
}

void PlanDeletions::Yanemado_Sakujyo() {
    model::RoomModel& room = context_.room();
    if (room.Yane_Mado.empty()) {
        return;
    }
    if (context_.prompts().Message(QStringLiteral("屋根の窓を削除しますか？"), kTitle,
                                   PromptIcon::Warning,
                                   PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    room.Yane_Mado.Remove(1);
    EnableSkylightCommand();
    context_.forms().RoomEdited();
}

}  // namespace karumoa::gui
