#pragma once

// Pictures compiled into the program, looked up by name here only.

#include <QIcon>
#include <QPixmap>

namespace karumoa::gui::Resources {

// The four 16 x 16 toolbar images of ImageList2: 1 new, 2 open, 3 save,
// 4 wall. Any other index gives an empty icon.
QIcon ToolbarImage(int index);

// The program's logo (splash window, About window, window icon).
QPixmap Logo();

}  // namespace karumoa::gui::Resources
