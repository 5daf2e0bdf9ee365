#include "app/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>

namespace karumoa::gui {

QPushButton* MakeButton(const QString& caption, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLabel* MakeLabel(const QString& caption, const char* objectName, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

QLineEdit* MakeDisplayBox(const char* objectName, const QString& widest, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(widest) + 12);
    return box;
}

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

void SelectRow(QListWidget* list, int row) {
    if (row < 0 || row >= list->count()) {
        if (SelectedRow(list) >= 0 || list->currentRow() >= 0) {
            list->setCurrentRow(-1);
            list->clearSelection();
        }
        return;
    }
    if (SelectedRow(list) != row || list->currentRow() != row) {
        list->setCurrentRow(row);
    }
}

QTabBar* MakeTabBar(const char* objectName, const QStringList& captions, QWidget* parent) {
    auto* tabs = new QTabBar(parent);
    tabs->setObjectName(QString::fromLatin1(objectName));
    tabs->setExpanding(false);
    tabs->setDrawBase(true);
    for (const QString& caption : captions) {
        tabs->addTab(caption);
    }
    return tabs;
}

}  // namespace karumoa::gui
