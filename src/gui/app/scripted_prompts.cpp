#include "app/scripted_prompts.h"

#include <QFileInfo>

namespace karumoa::gui {

PromptAnswer ScriptedPrompts::Message(const QString& text, const QString& title, PromptIcon icon,
                                      PromptButtons buttons) {
    messages.push_back({text, title, icon, buttons});
    if (answers_.empty()) {
        ++unscripted;
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
    const PromptAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<FileChoice> ScriptedPrompts::FileDialog(const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (files_.empty()) {
        ++unscripted;
        return std::nullopt;
    }
    const QString path = files_.front();
    files_.pop_front();
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return FileChoice{path, QFileInfo(path).fileName()};
}

}  // namespace karumoa::gui
