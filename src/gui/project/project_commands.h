#pragma once

// The Save and Open commands of the frame, with the file dialog, the
// unsaved-changes question and the frame title.

#include <QPointer>
#include <QString>

namespace karumoa::gui {

class AppContext;
class MDIForm1;
class Main_Form;

class ProjectCommands {
public:
    ProjectCommands(AppContext& context, MDIForm1& frame);

    // Save: asks for a file name and writes the room. Returns true when the
    // room was written (Hozon_Flag is then false and the title names the
    // file); false when there is no wall, the dialog was cancelled or the
    // file could not be written (reported), leaving title and flag as
    // they were.
    bool Save_Us();

    // Open: asks for a file, reads and checks it, and only then replaces
    // the current room (asking about unsaved changes first). A refused
    // file, a cancelled dialog or a room the user keeps leaves everything
    // as it was.
    void File_Open();

    // Open without the dialog, for a file named on the command line or
    // dropped on the frame: the same checks, messages and question.
    void OpenFile(const QString& path);

    // The file the open room was read from or last saved to; empty for a
    // room never saved, and when no room is open.
    QString RoomFile() const;

    // Where the file dialogs start: the folder of the open room's file, else
    // the folder used last (remembered), else the home folder.
    QString StartFolder() const;

private:
    // The folder of a file chosen in a dialog, remembered as the one used last.
    void RememberFolder(const QString& path);
    // `path` is now the open room's file.
    void SetRoomFile(const QString& path);

    AppContext& context_;
    MDIForm1& frame_;
    QString savedPath_;  // the file the last successful Save wrote
    // The file the open room was read from or last saved to; it counts only
    // while that room's plan window is the one loaded.
    QString roomFile_;
    QPointer<Main_Form> roomFileOwner_;
};

}  // namespace karumoa::gui
