#pragma once

// A Prompts implementation for tests: every call is recorded exactly and
// answered from a script. A call with nothing scripted is recorded and
// answered with Cancel (or a cancelled file dialog) and counted in
// `unscripted`, so a test can fail on an unexpected box without hanging.

#include <QString>
#include <deque>
#include <vector>

#include "app/prompts.h"

namespace karumoa::gui {

class ScriptedPrompts : public Prompts {
public:
    struct MessageCall {
        QString text;
        QString title;
        PromptIcon icon;
        PromptButtons buttons;
    };

    void AnswerNext(PromptAnswer answer) { answers_.push_back(answer); }
    // The next file dialog returns `path` (file title = its name), or is
    // cancelled when `path` is empty.
    void ChooseNextFile(const QString& path) { files_.push_back(path); }

    PromptAnswer Message(const QString& text, const QString& title, PromptIcon icon,
                         PromptButtons buttons) override;
    std::optional<FileChoice> FileDialog(const FileDialogRequest& request) override;

    std::vector<MessageCall> messages;
    std::vector<FileDialogRequest> fileDialogs;
    int unscripted = 0;

    bool AllAnswersUsed() const { return answers_.empty() && files_.empty(); }

private:
    std::deque<PromptAnswer> answers_;
    std::deque<QString> files_;
};

}  // namespace karumoa::gui
