#include "app/about_form.h"

#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/module1.h"
#include "app/phrase_lines.h"
#include "app/prompts.h"
#include "app/resources.h"

namespace karumoa::gui {
namespace {

// The widest line of the notices, in pixels.
constexpr int kTextWidth = 340;

}  // namespace

About_Form::About_Form(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      context_(context) {
    setObjectName("About_Form");
    setWindowTitle(Module1::AppTitle() + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
    setModal(false);
    // OK and the close button end the window; the next command makes a new one.
    setAttribute(Qt::WA_DeleteOnClose);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setPixmap(Resources::Logo());
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* lblTitle = new QLabel(Module1::AppTitle(), this);
    lblTitle->setObjectName("lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    auto* lblVersion = new QLabel(Module1::VersionText(), this);
    lblVersion->setObjectName("lblVersion");

    auto* Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    SetPhraseText(*Label1,
                  QStringLiteral("一室の冷房負荷を、構造体・人体・照明・換気について式と数値を"
                                 "示しながら求めるプログラムです。\n参照データには推定値が"
                                 "含まれています。詳しくはヘルプの「参照データと出典」を"
                                 "ご覧ください。"),
                  kTextWidth);

    auto* Line1 = new QFrame(this);
    Line1->setObjectName("Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    auto* lblDisclaimer = new QLabel(this);
    lblDisclaimer->setObjectName("lblDisclaimer");
    SetPhraseText(*lblDisclaimer,
                  QStringLiteral("本プログラムによる計算結果、およびその結果に基づいて行われた"
                                 "設計の不具合について、作成者はいかなる責任も負いません。"
                                 "計算結果は設計者ご自身の判断で確認のうえご使用ください。"),
                  kTextWidth);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);

    auto* cmdSysInfo = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."), this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    connect(cmdSysInfo, &QPushButton::clicked, this, &About_Form::StartSysInfo);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(Label1);
    texts->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(picIcon);
    top->addSpacing(8);
    top->addLayout(texts, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch(1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addSpacing(8);
    bottom->addLayout(buttons);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(Line1);
    outer->addLayout(bottom);

    // A fixed dialog as large as its texts need.
    outer->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void About_Form::StartSysInfo() {
    if (!sysInfo_.Start()) {
        context_.prompts().Message(QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"), QString(),
                                   PromptIcon::None, PromptButtons::Ok);
    }
}

}  // namespace karumoa::gui
