#pragma once

// The Save and Open commands of the frame, with the file dialog, the
// unsaved-changes question and the frame title.

#include <QString>

namespace karumoa::gui {

class AppContext;
class MDIForm1;

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

private:
    AppContext& context_;
    MDIForm1& frame_;
    QString savedPath_;  // the file the last successful Save wrote
};

}  // namespace karumoa::gui
