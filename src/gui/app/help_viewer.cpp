#include "app/help_viewer.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace karumoa::gui {
namespace {

QUrl PageUrl(const QString& id) {
    QUrl url;
    url.setScheme(HelpFile::kScheme);
    url.setPath(id);
    return url;
}

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName("Help_Browser");
    // Every link is a page of the help file; nothing is handed to other
    // programs.
    setOpenExternalLinks(false);
    setOpenLinks(true);
}

void HelpBrowser::SetHelp(std::optional<HelpFile> help, const QString& error) {
    help_ = std::move(help);
    error_ = error;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::HtmlResource) {
        return QTextBrowser::loadResource(type, name);
    }
    if (!help_) {
        return HelpMessageDocument(QStringLiteral("ヘルプを表示できません"), error_);
    }
    if (name.scheme() == HelpFile::kScheme) {
        if (std::optional<QString> document = help_->DocumentFor(name.path())) {
            return *document;
        }
    }
    return HelpMessageDocument(
        QStringLiteral("ページがありません"),
        QStringLiteral("このヘルプ ファイルには %1 のページがありません。").arg(name.toString()));
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Help_Viewer");
    setWindowTitle(QStringLiteral("カルモアのヘルプ"));

    mokuji_ = new QPushButton(QStringLiteral("目次(&C)"), this);
    mokuji_->setObjectName("Mokuji_Button");
    sakuin_ = new QPushButton(QStringLiteral("索引(&I)"), this);
    sakuin_->setObjectName("Sakuin_Button");
    modoru_ = new QPushButton(QStringLiteral("< 戻る(&B)"), this);
    modoru_->setObjectName("Modoru_Button");
    susumu_ = new QPushButton(QStringLiteral("進む(&F) >"), this);
    susumu_->setObjectName("Susumu_Button");
    browser_ = new HelpBrowser(this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mokuji_);
    buttons->addWidget(sakuin_);
    buttons->addSpacing(16);
    buttons->addWidget(modoru_);
    buttons->addWidget(susumu_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    modoru_->setEnabled(false);
    susumu_->setEnabled(false);
    connect(mokuji_, &QPushButton::clicked, this, [this] { ShowPage(HelpFile::kContents); });
    connect(sakuin_, &QPushButton::clicked, this, [this] { ShowPage(HelpFile::kIndex); });
    connect(modoru_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(susumu_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, modoru_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, susumu_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { UpdateTitle(); });
    resize(720, 560);
}

HelpViewer& HelpViewer::Of(QWidget& parent) {
    if (auto* viewer = parent.findChild<HelpViewer*>(QStringLiteral("Help_Viewer"),
                                                     Qt::FindDirectChildrenOnly)) {
        return *viewer;
    }
    return *new HelpViewer(&parent);
}

void HelpViewer::Open(const QString& path) {
    QString error;
    std::optional<HelpFile> help = HelpFile::Load(path, &error);
    browser_->SetHelp(std::move(help), error);
    // A new file starts a new history.
    browser_->clearHistory();
    ShowPage(HelpFile::kContents);
}

void HelpViewer::ShowPage(const QString& id) {
    const QUrl url = PageUrl(id);
    if (browser_->source() == url) {
        browser_->reload();
    } else {
        browser_->setSource(url, QTextDocument::HtmlResource);
    }
    UpdateTitle();
}

QString HelpViewer::CurrentPage() const {
    const QUrl source = browser_->source();
    return source.scheme() == HelpFile::kScheme ? source.path() : QString();
}

void HelpViewer::UpdateTitle() {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("カルモアのヘルプ")
                                   : QStringLiteral("カルモアのヘルプ - ") + title);
}

}  // namespace karumoa::gui
