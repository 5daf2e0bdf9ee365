#include "app/mdi_form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>
#include <QUrl>

#include "app/app_context.h"
#include "app/frame_commands.h"
#include "app/module1.h"
#include "app/resources.h"
#include "app/window_arrangement.h"
#include "project/project_commands.h"

namespace karumoa::gui {
namespace {

std::size_t Index(FrameItem item) {
    return static_cast<std::size_t>(item);
}

QString Name(FrameItem item) {
    const std::string_view name = FrameItemName(item);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

void AddSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
}

// The one local file a drag carries, else empty.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1 || !data->urls().first().isLocalFile()) {
        return QString();
    }
    return data->urls().first().toLocalFile();
}

}  // namespace

MDIForm1::MDIForm1(AppContext& context)
    : context_(context), commands_(std::make_unique<FrameCommands>(context, *this)) {
    setObjectName("MDIForm1");
    setWindowTitle(TitleNoRoom());
    // The program's icon for the frame and for every window and dialog it
    // opens (child windows would otherwise show the toolkit's own).
    QApplication::setWindowIcon(QIcon(Resources::Logo()));

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName("MDIClient");
    setCentralWidget(mdiArea_);

    BuildMenus();
    BuildToolbar();

    setAcceptDrops(true);

    // Loading the frame: no room yet.
    for (FrameItem item :
         {FrameItem::Mnu_Hyouji, FrameItem::Mnu_Fuka, FrameItem::Mnu_Set, FrameItem::Mnu_Window,
          FrameItem::Mnu_Print, FrameItem::Toolbar1_Button3, FrameItem::Toolbar1_Button5}) {
        SetEnabled(item, false);
    }
}

MDIForm1::~MDIForm1() = default;

QAction* MDIForm1::AddItem(QMenu* menu, FrameItem item, const QString& caption,
                           void (FrameCommands::*command)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(Name(item));
    menu->addAction(action);
    if (command != nullptr) {
        connect(action, &QAction::triggered, this,
                [this, command] { (commands_.get()->*command)(); });
    }
    items_[Index(item)] = action;
    return action;
}

void MDIForm1::BuildMenus() {
    using C = FrameCommands;
    auto addMenu = [this](FrameItem item, const QString& caption) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(Name(item));
        menu->menuAction()->setObjectName(Name(item));
        items_[Index(item)] = menu->menuAction();
        return menu;
    };

    QMenu* file = addMenu(FrameItem::Mnu_File, QStringLiteral("ファイル(&F)"));
    AddItem(file, FrameItem::Mnu_Sinki_Ryouiki, QStringLiteral("新規製作(&N)"),
            &C::Mnu_Sinki_Ryouiki_Click);
    AddItem(file, FrameItem::Mnu_File_Open, QStringLiteral("ファイルを開く...(&O)"),
            &C::Mnu_File_Open_Click);
    AddSeparator(file, "Mnu_a");
    AddItem(file, FrameItem::Mnu_Save_Us, QStringLiteral("名前をつけて保存...(&S)"),
            &C::Mnu_Save_Us_Click);
    AddSeparator(file, "Mnu_aa");
    // The calculation document of the open room; off while no room is open.
    AddItem(file, FrameItem::Mnu_Print, QStringLiteral("印刷...(&P)"), &C::Mnu_Print_Click);
    AddSeparator(file, "Mnu_aaa");
    AddItem(file, FrameItem::Mnu_End, QStringLiteral("カルモアの終了(&X)"), &C::Mnu_End_Click);

    QMenu* view = addMenu(FrameItem::Mnu_Hyouji, QStringLiteral("表示(&V)"));
    AddItem(view, FrameItem::Mnu_Situnai_Keisan, QStringLiteral("室内、換気負荷(&S)"),
            &C::Mnu_Situnai_Keisan_Click);
    AddItem(view, FrameItem::Mnu_Kouzou_Keisan, QStringLiteral("構造体負荷(&K)"),
            &C::Mnu_Kouzou_Keisan_Click);
    AddItem(view, FrameItem::Mnu_Settei_Jyouken, QStringLiteral("現在の設定条件(&J)"),
            &C::Mnu_Settei_Jyouken_Click);
    AddItem(view, FrameItem::Mnu_Fuka_Goukei, QStringLiteral("負荷合計"),
            &C::Mnu_Fuka_Goukei_Click);

    QMenu* load = addMenu(FrameItem::Mnu_Fuka, QStringLiteral("負荷(&R)"));
    AddItem(load, FrameItem::Mnu_Kabe, QStringLiteral("壁(&K)..."), &C::Mnu_Kabe_Click);
    AddItem(load, FrameItem::Mnu_Yane, QStringLiteral("屋根(&Y)..."), &C::Mnu_Yane_Click);
    AddItem(load, FrameItem::Mnu_Yuka, QStringLiteral("床(&F)..."), &C::Mnu_Yuka_Click);

    QMenu* set = addMenu(FrameItem::Mnu_Set, QStringLiteral("設定(&S)"));
    AddItem(set, FrameItem::Mnu_Gaiki, QStringLiteral("外気条件(&O)..."), &C::Mnu_Gaiki_Click);
    AddItem(set, FrameItem::Mnu_Situnai, QStringLiteral("室内条件(&I)..."), &C::Mnu_Situnai_Click);
    AddItem(set, FrameItem::Mnu_Jintai, QStringLiteral("人体発生熱量(&J)..."),
            &C::Mnu_Jintai_Click);
    AddItem(set, FrameItem::mnu_Syoumei, QStringLiteral("照明発生熱量(&S)..."),
            &C::mnu_Syoumei_Click);
    AddItem(set, FrameItem::Mnu_Kanki, QStringLiteral("換気損失熱量...(&K)"), &C::Mnu_Kanki_Click);

    QMenu* window = addMenu(FrameItem::Mnu_Window, QStringLiteral("ウインドウ(&W)"));
    AddItem(window, FrameItem::Mnu_Jyouge, QStringLiteral("上下に並べて表示(&H)"),
            &C::Mnu_Jyouge_Click);
    AddItem(window, FrameItem::Mnu_sayuu, QStringLiteral("左右に並べて表示(&V)"),
            &C::Mnu_sayuu_Click);
    AddItem(window, FrameItem::Mnu_Kasanete, QStringLiteral("重ねて表示(&C)"),
            &C::Mnu_Kasanete_Click);

    QMenu* help = addMenu(FrameItem::Mnu_Help, QStringLiteral("ヘルプ(&H)"));
    AddItem(help, FrameItem::Mnu_Netu_Help, QStringLiteral("カルモアのヘルプ(&N)"),
            &C::Mnu_Netu_Help_Click)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    AddItem(help, FrameItem::Mnu_About, QStringLiteral("バージョン情報(&A)"), &C::Mnu_About_Click);
}

void MDIForm1::BuildToolbar() {
    toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolbar_->setObjectName("Toolbar1");
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(16, 16));

    auto addButton = [this](FrameItem item, int image, const QString& tip,
                            void (FrameCommands::*command)()) {
        auto* action = new QAction(Resources::ToolbarImage(image), tip, this);
        action->setObjectName(Name(item));
        action->setToolTip(tip);
        toolbar_->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, command] { (commands_.get()->*command)(); });
        items_[Index(item)] = action;
    };
    using C = FrameCommands;
    addButton(FrameItem::Toolbar1_Button1, 1, QStringLiteral("新規製作"),
              &C::Mnu_Sinki_Ryouiki_Click);
    addButton(FrameItem::Toolbar1_Button2, 2, QStringLiteral("開く"), &C::Mnu_File_Open_Click);
    addButton(FrameItem::Toolbar1_Button3, 3, QStringLiteral("保存"), &C::Mnu_Save_Us_Click);
    toolbar_->addSeparator()->setObjectName("Toolbar1_Button4");
    addButton(FrameItem::Toolbar1_Button5, 4, QStringLiteral("壁"), &C::Mnu_Kabe_Click);
}

QAction* MDIForm1::Item(FrameItem item) const {
    return items_[Index(item)];
}

void MDIForm1::SetEnabled(FrameItem item, bool enabled) {
    Item(item)->setEnabled(enabled);
}

bool MDIForm1::IsEnabled(FrameItem item) const {
    return Item(item)->isEnabled();
}

QMdiSubWindow* MDIForm1::AddChildWindow(QWidget* form) {
    auto* sub = new QMdiSubWindow;
    sub->setObjectName(form->objectName() + QStringLiteral("_Window"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWidget(form);
    sub->setWindowTitle(form->windowTitle());
    sub->setWindowIcon(form->windowIcon());
    sub->hide();
    mdiArea_->addSubWindow(sub);
    sub->resize(sub->sizeHint());
    return sub;
}

void MDIForm1::ShowChildWindow(QWidget* form) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) {
        sub->show();
        form->show();
        mdiArea_->setActiveSubWindow(sub);
    }
}

QString MDIForm1::TitleNoRoom() {
    return Module1::AppTitle();
}

QString MDIForm1::TitleUntitled() {
    return Module1::AppTitle() + QStringLiteral("  (無題)");
}

QString MDIForm1::TitleForFile(const QString& fileTitle) {
    return Module1::AppTitle() + QStringLiteral("  (") + fileTitle + QStringLiteral(")");
}

void MDIForm1::EnterNoRoomState() {
    for (FrameItem item :
         {FrameItem::Mnu_Hyouji, FrameItem::Mnu_Fuka, FrameItem::Mnu_Set, FrameItem::Mnu_Window,
          FrameItem::Mnu_Print, FrameItem::Toolbar1_Button3, FrameItem::Toolbar1_Button5}) {
        SetEnabled(item, false);
    }
    for (FrameItem item :
         {FrameItem::Toolbar1_Button1, FrameItem::Mnu_Sinki_Ryouiki, FrameItem::Mnu_Fuka_Goukei}) {
        SetEnabled(item, true);
    }
    setWindowTitle(TitleNoRoom());
}

void MDIForm1::EnterRoomOpenState() {
    for (FrameItem item :
         {FrameItem::Mnu_Hyouji, FrameItem::Mnu_Fuka, FrameItem::Mnu_Set, FrameItem::Mnu_Window,
          FrameItem::Mnu_Print, FrameItem::Toolbar1_Button3, FrameItem::Toolbar1_Button5}) {
        SetEnabled(item, true);
    }
    for (FrameItem item : {FrameItem::Mnu_Settei_Jyouken, FrameItem::Toolbar1_Button1,
                           FrameItem::Mnu_Sinki_Ryouiki, FrameItem::Mnu_Fuka_Goukei}) {
        SetEnabled(item, false);
    }
}

namespace {

QList<QMdiSubWindow*> ArrangedWindows(QMdiArea* area) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isVisible() && !sub->isMinimized()) {
            windows.append(sub);
        }
    }
    return windows;
}

void Arrange(QMdiArea* area, bool stacked) {
    const QList<QMdiSubWindow*> windows = ArrangedWindows(area);
    const std::vector<QRect> rects =
        stacked ? StackedTiles(area->viewport()->rect(), static_cast<int>(windows.size()))
                : SideBySideTiles(area->viewport()->rect(), static_cast<int>(windows.size()));
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows[i];
        if (sub->isMaximized()) {
            sub->showNormal();
        }
        sub->setGeometry(rects[static_cast<std::size_t>(i)]);
    }
}

}  // namespace

void MDIForm1::TileStacked() {
    Arrange(mdiArea_, true);
}

void MDIForm1::TileSideBySide() {
    Arrange(mdiArea_, false);
}

void MDIForm1::Cascade() {
    // QMdiArea cascades the visible child windows that are not minimised.
    mdiArea_->cascadeSubWindows();
}

void MDIForm1::EndSession() {
    sessionEnding_ = true;
    close();
}

void MDIForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MDIForm1::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop has ended: opening may ask questions, and the
    // program that started the drag should not wait on them.
    QMetaObject::invokeMethod(
        this, [this, path] { commands_->project().OpenFile(path); }, Qt::QueuedConnection);
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    if (!commands_->CloseAllForExit(sessionEnding_)) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

}  // namespace karumoa::gui
