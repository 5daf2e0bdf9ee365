#include "app/splash_form.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "app/module1.h"
#include "app/phrase_lines.h"
#include "app/resources.h"

namespace karumoa::gui {
namespace {

// The widest line of the notices, in pixels.
constexpr int kTextWidth = 330;

}  // namespace

frmSplash::frmSplash(QWidget* parent)
    // No title bar and so no buttons on it; the window draws its own border
    // (paintEvent).
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("frmSplash");
    setWindowTitle(Module1::AppTitle());
    setModal(false);

    frame_ = new QFrame(this);
    frame_->setObjectName("Frame1");
    frame_->setFrameShape(QFrame::Box);
    frame_->setFrameShadow(QFrame::Sunken);

    auto* imgLogo = new QLabel(frame_);
    imgLogo->setObjectName("imgLogo");
    imgLogo->setPixmap(Resources::Logo());
    imgLogo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* lblProductName = new QLabel(frame_);
    lblProductName->setObjectName("lblProductName");
    lblProductName->setText(Module1::AppTitle());
    QFont productFont = lblProductName->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 2.4);
    productFont.setBold(true);
    lblProductName->setFont(productFont);

    auto* lblVersion = new QLabel(frame_);
    lblVersion->setObjectName("lblVersion");
    lblVersion->setText(Module1::VersionText());
    lblVersion->setAlignment(Qt::AlignRight);

    auto* label1 = new QLabel(frame_);
    label1->setObjectName("Label1");
    label1->setText(QStringLiteral("Linux (Qt 6) 版"));
    label1->setAlignment(Qt::AlignRight);

    auto* lblPlatform = new QLabel(frame_);
    lblPlatform->setObjectName("lblPlatform");
    lblPlatform->setAlignment(Qt::AlignRight);

    auto* lblWarning = new QLabel(frame_);
    lblWarning->setObjectName("lblWarning");
    SetPhraseText(*lblWarning,
                  QStringLiteral("計算の前提と使い方の詳細は、オンライン ヘルプをご覧ください。"),
                  kTextWidth);

    auto* lblCompany = new QLabel(frame_);
    lblCompany->setObjectName("lblCompany");
    SetPhraseText(
        *lblCompany,
        QStringLiteral("一室の冷房負荷計算プログラム\n本プログラムは設計の目安を求めるものです。"),
        kTextWidth);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblProductName);
    texts->addWidget(lblVersion);
    texts->addWidget(label1);
    texts->addWidget(lblPlatform);
    texts->addStretch(1);
    texts->addWidget(lblWarning);
    texts->addWidget(lblCompany);

    auto* row = new QHBoxLayout(frame_);
    row->addWidget(imgLogo);
    row->addLayout(texts, 1);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(frame_);

    for (QObject* child : frame_->children()) {
        if (child->isWidgetType()) {
            child->installEventFilter(this);
        }
    }
    frame_->installEventFilter(this);

    setFixedSize(sizeHint().expandedTo(QSize(460, 240)));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    close();
}

void frmSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
}

void frmSplash::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace karumoa::gui
