#pragma once

// Every message box and file dialog of the program goes through one Prompts
// object, so that tests can script the answers and record exactly what was
// asked. The real implementation (QtPrompts) uses QMessageBox and
// QFileDialog; tests install a ScriptedPrompts.

#include <QString>
#include <optional>

class QWidget;

namespace karumoa::gui {

enum class PromptIcon { None, Information, Warning, Critical, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    // "description|pattern", as "カルモア標準ファイル|*.kmd"; several
    // entries follow each other: "A|*.kmd|B|*".
    QString filter;
    QString initialName;
    QString initialFolder;         // empty: the platform's default
    bool overwritePrompt = false;  // ask before replacing an existing file
    bool hideReadOnly = false;     // no read-only check box
    bool pathMustExist = false;    // the chosen folder must exist
    bool fileMustExist = false;    // the chosen file must exist
};

struct FileChoice {
    QString path;       // full path of the chosen file, exactly as chosen
    QString fileTitle;  // its name without the folder
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // Shows a message and returns the button pressed. Closing the box
    // without a button counts as Cancel where there is one, else as No or Ok.
    virtual PromptAnswer Message(const QString& text, const QString& title, PromptIcon icon,
                                 PromptButtons buttons) = 0;

    // Shows an open or save dialog; nullopt when the user cancels.
    virtual std::optional<FileChoice> FileDialog(const FileDialogRequest& request) = 0;
};

// The title of the program's questions and of the dialogs' input errors.
inline QString KakuninTitle() {
    return QStringLiteral("確認");
}

// An input error of a dialog: `text` with the title "確認", the warning icon
// and an OK button.
inline void KakuninWarning(Prompts& prompts, const QString& text) {
    prompts.Message(text, KakuninTitle(), PromptIcon::Warning, PromptButtons::Ok);
}

// The real dialogs, parented to the window given by `parent` (may be null).
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    PromptAnswer Message(const QString& text, const QString& title, PromptIcon icon,
                         PromptButtons buttons) override;
    std::optional<FileChoice> FileDialog(const FileDialogRequest& request) override;

    // The Qt name filter for a "description|pattern" filter:
    // "カルモア標準ファイル (*.kmd)"; several entries are joined by ";;".
    static QString QtNameFilter(const QString& filter);

private:
    QWidget* parent_;
};

}  // namespace karumoa::gui
