#include "summary/goukei_hyouji_form.h"

#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTreeWidget>
#include <array>

#include "app/app_context.h"
#include "app/controls.h"
#include "app/mdi_form1.h"
#include "app/twips.h"
#include "calc/load_totals.h"
#include "sheet/summary_rows.h"
#include "summary/goukei_menu.h"
#include "summary/tool_window.h"
#include "text/number_text.h"

namespace karumoa::gui {
namespace {

constexpr double kMaxClientHeight = 1800;  // twips
constexpr double kMaxClientWidth = 3000;
constexpr double kSaisyouWidth = 2000;
constexpr double kSaisyouExtra = 100;  // minimal display: status bar + 100
constexpr double kFitExtra = 260;      // too small for the list: status bar + 260
constexpr double kColumnWidth = 1000;

QString Fixed2(float value) {
    return QString::fromStdString(text::FormatFixed(value, 2));
}

}  // namespace

Goukei_Hyouji_Form::Goukei_Hyouji_Form(AppContext& context)
    : SummaryWindow(context, FrameItem::Mnu_Fuka_Goukei) {
    setObjectName("Goukei_Hyouji_Form");
    setWindowTitle(QStringLiteral("負荷合計"));

    listView_ = new QTreeWidget(this);
    listView_->setObjectName("ListView1");
    listView_->setRootIsDecorated(false);
    listView_->setUniformRowHeights(true);
    listView_->setSelectionMode(QAbstractItemView::SingleSelection);
    listView_->header()->setStretchLastSection(false);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName("StatusBar1");
    statusBar_->setSizeGripEnabled(false);
    panel1_ = new QLabel(statusBar_);
    panel1_->setObjectName("StatusBar1_Panel1");
    statusBar_->addWidget(panel1_, 1);
    statusBar_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(statusBar_, &QStatusBar::customContextMenuRequested, this,
            [this](const QPoint& pos) { StatusBar1_ContextMenu(statusBar_->mapToGlobal(pos)); });

    menu_ = new Goukei_Menu(context_, this);
}

Goukei_Hyouji_Form::~Goukei_Hyouji_Form() = default;

void Goukei_Hyouji_Form::Form_Load() {
    Form_Resize();
    Saisyou_Hyouji();
    listView_->setColumnCount(2);
    listView_->setHeaderLabels({QStringLiteral("項目"), QStringLiteral("負荷")});
    listView_->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    listView_->header()->resizeSection(0, ToPixels(kColumnWidth));
    listView_->header()->resizeSection(1, ToPixels(kColumnWidth));
}

QString Goukei_Hyouji_Form::Panel1Text() const {
    return panel1_->text();
}

double Goukei_Hyouji_Form::StatusHeight() const {
    return ToTwips(statusBar_->sizeHint().height());
}

void Goukei_Hyouji_Form::List_Hyouji() {
    const calc::LoadTotals totals = calc::StoredTotals(context_.room());
    if (isVisible()) {
        listView_->clear();
        for (const sheet::GoukeiRow& row : sheet::GoukeiRows(totals)) {
            auto* item = new QTreeWidgetItem(listView_, {FromUtf8(row.item), Fixed2(row.value)});
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    // The sum is written whether or not the window is visible, so that the
    // status bar never shows a stale or zero total when it is shown again.
    panel1_->setText(Fixed2(totals.Sum()) + QStringLiteral("kcal/h"));
}

void Goukei_Hyouji_Form::Saisyou_Hyouji() {
    ToolWindow::SetOuterSize(*this, kSaisyouWidth, StatusHeight() + kSaisyouExtra);
    listView_->hide();
    Form_Resize();
}

void Goukei_Hyouji_Form::Form_Resize() {
    if (inResize_) {
        return;
    }
    inResize_ = true;
    // Each size change runs the layout again, as the window's own resize
    // would; a few passes always settle it.
    for (int pass = 0; pass < 4; ++pass) {
        const double status = StatusHeight();
        double width = ToolWindow::OuterWidth(*this);
        double height = ToolWindow::OuterHeight(*this);
        if (ToolWindow::ClientHeight(*this) > kMaxClientHeight) {
            height = kMaxClientHeight;
        }
        if (ToolWindow::ClientWidth(*this) > kMaxClientWidth) {
            width = kMaxClientWidth;
        }
        if (width != ToolWindow::OuterWidth(*this) || height != ToolWindow::OuterHeight(*this)) {
            ToolWindow::SetOuterSize(*this, width, height);
            continue;
        }
        const int statusPixels = ToPixels(status);
        statusBar_->setGeometry(0, this->height() - statusPixels, this->width(), statusPixels);
        if (status > ToolWindow::ClientHeight(*this)) {
            listView_->hide();
            if (height != status + kFitExtra) {
                ToolWindow::SetOuterSize(*this, width, status + kFitExtra);
                continue;
            }
            break;
        }
        // The list above the status bar; a list without any height (the
        // settled minimal display) is hidden rather than shown empty.
        const int listPixels = this->height() - statusPixels;
        listView_->setGeometry(0, 0, this->width(), listPixels);
        listView_->setVisible(listPixels > 0);
        break;
    }
    inResize_ = false;
}

void Goukei_Hyouji_Form::StatusBar1_ContextMenu(const QPoint& globalPos) {
    menu_->exec(globalPos);
}

void Goukei_Hyouji_Form::Form_Unload() {
    context_.settings().WriteGoukei_Form(ToolWindow::Top(*this), ToolWindow::Left(*this));
}

}  // namespace karumoa::gui
