#include "app/prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

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
    QMessageBox box(ToQtIcon(icon), title, text, qtButtons, parent_);
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
    const qsizetype bar = filter.indexOf(u'|');
    if (bar < 0) {
        return filter;
    }
    return filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + QStringLiteral(")");
}

std::optional<FileChoice> QtPrompts::FileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(parent_);
    dialog.setNameFilter(QtNameFilter(request.filter));
    // The file is written under exactly the name typed: no default suffix.
    dialog.setDefaultSuffix(QString());
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (request.mode == FileDialogRequest::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile
                                                 : QFileDialog::AnyFile);
    }
    if (!request.initialName.isEmpty()) {
        dialog.selectFile(request.initialName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // Qt's own dialog refuses a folder that does not exist, which covers
    // pathMustExist; fileMustExist is ExistingFile above.
    const QString path = dialog.selectedFiles().constFirst();
    return FileChoice{path, QFileInfo(path).fileName()};
}

}  // namespace karumoa::gui
