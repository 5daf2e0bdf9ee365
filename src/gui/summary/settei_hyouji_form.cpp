#include "summary/settei_hyouji_form.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>

#include "app/app_context.h"
#include "app/mdi_form1.h"
#include "app/twips.h"
#include "summary/settei_rows.h"
#include "summary/tool_window.h"

namespace karumoa::gui {
namespace {

constexpr double kMaxClientHeight = 1800;  // twips
constexpr double kMaxClientWidth = 5208;
constexpr int kRows = 5;

struct Column {
    const char* header;
    double width;  // twips
    Qt::Alignment alignment;
};
constexpr Column kColumns[] = {
    {"項目", 1000, Qt::AlignLeft},
    {"設定", 1400, Qt::AlignLeft},
    {"条件", 1000, Qt::AlignLeft},
    {"設定値", 1200, Qt::AlignRight},
};

}  // namespace

Settei_Hyouji_Form::Settei_Hyouji_Form(AppContext& context)
    : SummaryWindow(context, FrameItem::Mnu_Settei_Jyouken) {
    setObjectName("Settei_Hyouji_Form");
    setWindowTitle(QStringLiteral("現在の設定条件"));

    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    listView_ = new QTreeWidget(this);
    listView_->setObjectName("ListView1");
    listView_->setRootIsDecorated(false);
    listView_->setUniformRowHeights(true);
    listView_->setSelectionMode(QAbstractItemView::SingleSelection);
    listView_->header()->setStretchLastSection(false);
    listView_->setPalette(white);
    listView_->viewport()->installEventFilter(this);
}

Settei_Hyouji_Form::~Settei_Hyouji_Form() = default;

void Settei_Hyouji_Form::Form_Load() {
    Form_Resize();
    listView_->setColumnCount(static_cast<int>(std::size(kColumns)));
    QStringList headers;
    for (const Column& column : kColumns) {
        headers.append(QString::fromUtf8(column.header));
    }
    listView_->setHeaderLabels(headers);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
        const Column& column = kColumns[i];
        listView_->headerItem()->setTextAlignment(i, column.alignment | Qt::AlignVCenter);
        listView_->header()->resizeSection(i, ToPixels(column.width));
    }
    // The smallest window that still shows the headers and one row: a
    // remembered size below it (a damaged store) is brought up to it.
    const int frame = 2 * listView_->frameWidth();
    setMinimumSize(ToPixels(kColumns[0].width) + frame,
                   frame + listView_->header()->sizeHint().height() + RowHeight());
    FitLastColumn();
}

int Settei_Hyouji_Form::RowHeight() const {
    if (listView_->topLevelItemCount() > 0) {
        return listView_->sizeHintForRow(0);
    }
    // The list is empty until it is first shown: measure a row of the same font.
    QTreeWidgetItem probe(listView_, {QStringLiteral("項目")});
    const int height = listView_->sizeHintForRow(0);
    listView_->takeTopLevelItem(0);
    return height;
}

QSize Settei_Hyouji_Form::FullListClientSize() const {
    const int height = 2 * listView_->frameWidth() + listView_->header()->sizeHint().height() +
                       kRows * RowHeight();
    return QSize(ToPixels(kMaxClientWidth), std::min(height, ToPixels(kMaxClientHeight)));
}

void Settei_Hyouji_Form::FitLastColumn() {
    const int last = static_cast<int>(std::size(kColumns)) - 1;
    int others = 0;
    for (int i = 0; i < last; ++i) {
        others += listView_->header()->sectionSize(i);
    }
    const int width =
        std::max(ToPixels(kColumns[last].width), listView_->viewport()->width() - others);
    if (listView_->header()->sectionSize(last) != width) {
        listView_->header()->resizeSection(last, width);
    }
}

bool Settei_Hyouji_Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == listView_->viewport() && event->type() == QEvent::Resize) {
        FitLastColumn();
    }
    return SummaryWindow::eventFilter(watched, event);
}

void Settei_Hyouji_Form::List_Hyouji() {
    if (!isVisible()) {
        return;
    }
    listView_->clear();
    for (const SetteiRow& row : SetteiRows(context_.room(), context_.referenceData())) {
        auto* item =
            new QTreeWidgetItem(listView_, {row.item, row.setting, row.condition, row.value});
        for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
            item->setTextAlignment(i, kColumns[i].alignment | Qt::AlignVCenter);
        }
    }
}

void Settei_Hyouji_Form::Form_Resize() {
    if (inResize_) {
        return;
    }
    inResize_ = true;
    for (int pass = 0; pass < 3; ++pass) {
        double width = ToolWindow::OuterWidth(*this);
        double height = ToolWindow::OuterHeight(*this);
        if (ToolWindow::ClientHeight(*this) > kMaxClientHeight) {
            height = kMaxClientHeight;
        }
        if (ToolWindow::ClientWidth(*this) > kMaxClientWidth) {
            width = kMaxClientWidth;
        }
        if (width == ToolWindow::OuterWidth(*this) && height == ToolWindow::OuterHeight(*this)) {
            break;
        }
        ToolWindow::SetOuterSize(*this, width, height);
    }
    listView_->setGeometry(rect());
    inResize_ = false;
}

void Settei_Hyouji_Form::Form_Unload() {
    WindowPlacement placement;
    placement.top = ToolWindow::Top(*this);
    placement.left = ToolWindow::Left(*this);
    placement.width = ToolWindow::OuterWidth(*this);
    placement.height = ToolWindow::OuterHeight(*this);
    context_.settings().WriteSet_Form(placement);
}

}  // namespace karumoa::gui
