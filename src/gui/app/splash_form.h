#pragma once

#include <QDialog>

class QFrame;

namespace karumoa::gui {

// The start-up window: product name, version and notices. A key press or
// a click closes it at once; otherwise start-up closes it after its wait.
class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFrame* frame_;
};

}  // namespace karumoa::gui
