#include "project/project_commands.h"

#include "app/app_context.h"
#include "app/mdi_form1.h"
#include "app/prompts.h"

namespace karumoa::gui {

ProjectCommands::ProjectCommands(AppContext& context, MDIForm1& frame)
    : context_(context), frame_(frame) {}

bool ProjectCommands::Save_Us() {
    if (context_.room().Kabe.empty()) {
        context_.prompts().Message(QStringLiteral("壁を1つ以上登録しないと保存出来ません。"),
                                   QStringLiteral("確認"), PromptIcon::Warning,
                                   PromptButtons::Ok);
        return false;
    }
    return false;
}

void ProjectCommands::File_Open() {}

}  // namespace karumoa::gui
