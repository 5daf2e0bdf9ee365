#include "app/controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTabBar>

namespace karumoa::gui {
namespace {

// Qt presses a focused button on Enter only when it may become the
// dialog's default button, which these never are.
class DialogButton : public QPushButton {
public:
    DialogButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            event->accept();
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

}  // namespace

QPushButton* MakeButton(const QString& caption, const char* objectName, QWidget* parent) {
    auto* button = new DialogButton(caption, parent);
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

void SetBackColour(QWidget* control, BackColour colour) {
    const QPalette standard = QApplication::palette(control);
    const QColor back = standard.color(
        QPalette::Active, colour == BackColour::Enabled ? QPalette::Base : QPalette::Window);
    QPalette palette = control->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        // Base fills a list, Button the face of a combo box.
        palette.setColor(group, QPalette::Base, back);
        palette.setColor(group, QPalette::Button, back);
    }
    control->setPalette(palette);
}

void EnableWithColour(QWidget* control, bool enabled) {
    control->setEnabled(enabled);
    SetBackColour(control, enabled ? BackColour::Enabled : BackColour::Disabled);
}

QListWidget* MakeChoiceList(const char* objectName, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetBackColour(list, BackColour::Enabled);
    return list;
}

void LinkRows(QListWidget* first, QListWidget* second) {
    const auto copy = [](QListWidget* to) {
        return [to](int row) {
            const QSignalBlocker quiet(to);
            SelectRow(to, row);
        };
    };
    QObject::connect(first, &QListWidget::currentRowChanged, second, copy(second));
    QObject::connect(second, &QListWidget::currentRowChanged, first, copy(first));
}

}  // namespace karumoa::gui
