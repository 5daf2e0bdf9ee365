#include "app/prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

#include "app/phrase_lines.h"

namespace karumoa::gui {
namespace {

QMessageBox::Icon ToQtIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Warning:
            return QMessageBox::Warning;
        case PromptIcon::Critical:
            return QMessageBox::Critical;
        case PromptIcon::Question:
            return QMessageBox::Question;
        case PromptIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Qt's own file dialog accepts a name in a folder that does not exist; a
// save dialog whose folder must exist stays open instead and says why, as
// it does for a file that must exist.
class KarumoaFileDialog : public QFileDialog {
public:
    KarumoaFileDialog(QWidget* parent, bool pathMustExist)
        : QFileDialog(parent), pathMustExist_(pathMustExist) {}

    void accept() override {
        const QStringList files = selectedFiles();
        if (pathMustExist_ && !files.isEmpty()) {
            const QFileInfo chosen(files.constFirst());
            if (!chosen.isDir() && !QFileInfo(chosen.absolutePath()).isDir()) {
                QMessageBox::warning(this, windowTitle(),
                                     QStringLiteral("「%1」\nこのフォルダはありません。"
                                                    "フォルダ名を確かめてください。")
                                         .arg(QDir::toNativeSeparators(chosen.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }

private:
    bool pathMustExist_;
};

}  // namespace

PromptAnswer QtPrompts::Message(const QString& text, const QString& title, PromptIcon icon,
                                PromptButtons buttons) {
    QMessageBox::StandardButtons qtButtons = QMessageBox::Ok;
    QMessageBox::StandardButton escape = QMessageBox::Ok;
    switch (buttons) {
        case PromptButtons::Ok:
            break;
        case PromptButtons::OkCancel:
            qtButtons = QMessageBox::Ok | QMessageBox::Cancel;
            escape = QMessageBox::Cancel;
            break;
        case PromptButtons::YesNo:
            qtButtons = QMessageBox::Yes | QMessageBox::No;
            escape = QMessageBox::No;
            break;
        case PromptButtons::YesNoCancel:
            qtButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            escape = QMessageBox::Cancel;
            break;
    }
    QMessageBox box(ToQtIcon(icon), title, QString(), qtButtons, parent_);
    // The box wraps a text wider than about half the screen (at most 500
    // pixels, icon and margins included) wherever its width ends; broken
    // at phrases narrower than that, it keeps the lines as they are.
    const QScreen* screen =
        parent_ != nullptr ? parent_->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen != nullptr ? screen->availableGeometry().width() : 1024;
    const QFontMetrics metrics(box.font());
    box.setText(BreakAtPhrases(
        text, std::min(screenWidth / 2, 500) - 100,
        [&metrics](const QString& line) { return metrics.horizontalAdvance(line); }));
    box.setEscapeButton(escape);
    const int result = box.exec();
    switch (result) {
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        case QMessageBox::Cancel:
            return PromptAnswer::Cancel;
        case QMessageBox::Ok:
            return PromptAnswer::Ok;
        default:
            break;
    }
    switch (escape) {
        case QMessageBox::Cancel:
            return PromptAnswer::Cancel;
        case QMessageBox::No:
            return PromptAnswer::No;
        default:
            return PromptAnswer::Ok;
    }
}

QString QtPrompts::QtNameFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    if (parts.size() < 2) {
        return filter;
    }
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters.append(parts[i] + QStringLiteral(" (") + parts[i + 1] + QStringLiteral(")"));
    }
    return filters.join(QStringLiteral(";;"));
}

std::optional<FileChoice> QtPrompts::FileDialog(const FileDialogRequest& request) {
    KarumoaFileDialog dialog(parent_, request.pathMustExist);
    dialog.setNameFilter(QtNameFilter(request.filter));
    // The file is written under exactly the name typed: no default suffix.
    // (Qt's dialog has no read-only check box to hide.)
    dialog.setDefaultSuffix(QString());
    if (request.mode == FileDialogRequest::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile
                                                 : QFileDialog::AnyFile);
    }
    if (!request.initialFolder.isEmpty()) {
        dialog.setDirectory(request.initialFolder);
    }
    if (!request.initialName.isEmpty()) {
        dialog.selectFile(request.initialName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // pathMustExist is KarumoaFileDialog::accept; fileMustExist is
    // ExistingFile above.
    const QString path = dialog.selectedFiles().constFirst();
    return FileChoice{path, QFileInfo(path).fileName()};
}

}  // namespace karumoa::gui
