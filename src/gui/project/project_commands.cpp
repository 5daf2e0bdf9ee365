#include "project/project_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/app_context.h"
#include "app/form_registry.h"
#include "app/frame_commands.h"
#include "app/mdi_form1.h"
#include "app/prompts.h"
#include "model/room_model.h"
#include "plan/main_form.h"
#include "project/project_file.h"
#include "refdb/room_check.h"

namespace karumoa::gui {
namespace {

const QString kFilter = QStringLiteral("カルモア標準ファイル|*.kmd");
// A file saved under a name without ".kmd" can be found all the same.
const QString kOpenFilter = kFilter + QStringLiteral("|すべてのファイル|*");
// The folder used last, in the remembered settings.
const QString kFolderSection = QStringLiteral("Fairu");
const QString kFolderKey = QStringLiteral("Foruda");
const QString kTitle = KakuninTitle();

std::string NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The room as read from a file, in place of the current one: the file
// holds the settings and the element lists; the room temperature, the
// computed totals and the current element stay those in force, and the
// opened room has no unsaved changes.
void AdoptReadRoom(model::RoomModel& room, model::RoomModel read) {
    read.Situon = room.Situon;
    read.Jintai_Goukei = room.Jintai_Goukei;
    read.Syoumei_Goukei = room.Syoumei_Goukei;
    read.Kanki_Goukei = room.Kanki_Goukei;
    read.Kouzou_Goukei = room.Kouzou_Goukei;
    read.Sonota_Goukei = room.Sonota_Goukei;
    read.Kabe_Bangou = room.Kabe_Bangou;
    read.Hozon_Flag = false;
    room = std::move(read);
}

}  // namespace

ProjectCommands::ProjectCommands(AppContext& context, MDIForm1& frame)
    : context_(context), frame_(frame) {}

bool ProjectCommands::Save_Us() {
    model::RoomModel& room = context_.room();
    if (room.Kabe.empty()) {
        context_.prompts().Message(QStringLiteral("壁を1つ以上登録しないと保存出来ません。"),
                                   kTitle, PromptIcon::Warning, PromptButtons::Ok);
        return false;
    }
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.filter = kFilter;
    request.overwritePrompt = true;
    request.hideReadOnly = true;
    request.pathMustExist = true;
    request.initialFolder = StartFolder();
    const std::optional<FileChoice> choice = context_.prompts().FileDialog(request);
    if (!choice) {
        return false;
    }
    RememberFolder(choice->path);
    project::SaveError error;
    if (!project::SaveProjectFile(NativePath(choice->path), room, &error)) {
        // The writer leaves an existing file as it was; the room keeps its
        // unsaved changes and the title its old name.
        context_.prompts().Message(QStringLiteral("「%1」に保存できませんでした。\n%2")
                                       .arg(choice->path, QString::fromStdString(error.Message())),
                                   kTitle, PromptIcon::Warning, PromptButtons::Ok);
        return false;
    }
    room.Hozon_Flag = false;
    savedPath_ = choice->path;
    SetRoomFile(choice->path);
    frame_.setWindowTitle(MDIForm1::TitleForFile(choice->fileTitle));
    return true;
}

QString ProjectCommands::RoomFile() const {
    if (roomFileOwner_.isNull() || roomFileOwner_ != context_.forms().mainFormIfLoaded()) {
        return QString();
    }
    return roomFile_;
}

QString ProjectCommands::StartFolder() const {
    if (const QString room = RoomFile(); !room.isEmpty()) {
        const QFileInfo file(room);
        if (file.dir().exists()) {
            return file.absolutePath();
        }
    }
    const QString last = context_.settings().ReadText(kFolderSection, kFolderKey, QString());
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    return QDir::homePath();
}

void ProjectCommands::RememberFolder(const QString& path) {
    context_.settings().WriteText(kFolderSection, kFolderKey, QFileInfo(path).absolutePath());
}

void ProjectCommands::SetRoomFile(const QString& path) {
    roomFile_ = path;
    roomFileOwner_ = context_.forms().mainFormIfLoaded();
}

void ProjectCommands::File_Open() {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.filter = kOpenFilter;
    request.hideReadOnly = true;
    request.fileMustExist = true;
    request.initialFolder = StartFolder();
    const std::optional<FileChoice> choice = context_.prompts().FileDialog(request);
    if (!choice) {
        return;
    }
    RememberFolder(choice->path);
    OpenFile(choice->path);
}

void ProjectCommands::OpenFile(const QString& path) {
    // The file is read and checked before the current room is given up, so
    // that a file that is refused costs nothing.
    model::RoomModel read;
    project::ReadError readError;
    std::optional<std::string> refused;
    if (!project::ReadProjectFile(NativePath(path), read, &readError)) {
        refused = readError.Message();
    } else if (const refdb::ReferenceData* tables = context_.referenceData()) {
        refused = refdb::CheckRoomAgainstTables(read, *tables);
    }
    if (refused) {
        context_.prompts().Message(QStringLiteral("「%1」を開けませんでした。\n%2")
                                       .arg(path, QString::fromStdString(*refused)),
                                   kTitle, PromptIcon::Warning, PromptButtons::Ok);
        return;
    }

    FrameCommands& commands = frame_.commands();
    savedPath_.clear();
    if (!commands.CloseRoom()) {
        return;  // the user kept the current room
    }
    // The room just closed may have been saved over the very file being
    // opened (Yes to the question, then that file's name): the file now
    // holds that room, so it is read again.
    if (!savedPath_.isEmpty() &&
        QFileInfo(savedPath_).canonicalFilePath() == QFileInfo(path).canonicalFilePath()) {
        model::RoomModel saved;
        if (project::ReadProjectFile(NativePath(path), saved, nullptr)) {
            read = std::move(saved);
        }
    }
    commands.Sinki_Ryouiki();
    AdoptReadRoom(context_.room(), std::move(read));
    frame_.setWindowTitle(MDIForm1::TitleForFile(QFileInfo(path).fileName()));
    SetRoomFile(path);
    context_.forms().mainForm().Kabe_Seisaku();
}

}  // namespace karumoa::gui
