#include "app/controls.h"

#include <QLabel>
#include <QPushButton>

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

}  // namespace karumoa::gui
