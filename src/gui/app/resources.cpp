#include "app/resources.h"

#include <QString>

// The resources live in the static GUI library; referencing their
// initialiser keeps the linker from dropping them.
static void InitKarumoaResources() {
    Q_INIT_RESOURCE(karumoa);
}

namespace karumoa::gui::Resources {
namespace {

QString Path(const char* name) {
    static const bool initialised = [] {
        InitKarumoaResources();
        return true;
    }();
    (void)initialised;
    return QStringLiteral(":/karumoa/") + QString::fromLatin1(name);
}

}  // namespace

QIcon ToolbarImage(int index) {
    switch (index) {
        case 1:
            return QIcon(Path("new.png"));
        case 2:
            return QIcon(Path("open.png"));
        case 3:
            return QIcon(Path("save.png"));
        case 4:
            return QIcon(Path("wall.png"));
        default:
            return QIcon();
    }
}

QPixmap Logo() {
    return QPixmap(Path("logo.png"));
}

}  // namespace karumoa::gui::Resources
