#include "app/controls.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

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

}  // namespace karumoa::gui
