#pragma once

// The help viewer: a window of its own that shows the pages of the help
// file, with the contents ("目次") and the index ("索引"), links between
// pages and back and forward. A help file that is missing or cannot be read
// is reported inside the viewer, naming its path.

#include <QTextBrowser>
#include <QWidget>
#include <optional>

#include "app/help_file.h"

class QPushButton;

namespace karumoa::gui {

// The browser shows "help:<id>" pages from the help file.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent);

    // The file the pages come from; `error` is shown in its place when
    // there is none.
    void SetHelp(std::optional<HelpFile> help, const QString& error);
    const std::optional<HelpFile>& help() const { return help_; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    std::optional<HelpFile> help_;
    QString error_;
};

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // The help viewer of the frame `parent`, made on first use.
    static HelpViewer& Of(QWidget& parent);

    // Reads the help file at `path` and shows its contents page.
    void Open(const QString& path);
    // Shows page `id` ("contents", "index" or a page of the file).
    void ShowPage(const QString& id);

    HelpBrowser* Help_Browser() const { return browser_; }
    // The id of the page shown, empty before the first.
    QString CurrentPage() const;

private:
    void UpdateTitle();

    HelpBrowser* browser_ = nullptr;
    QPushButton* mokuji_ = nullptr;
    QPushButton* sakuin_ = nullptr;
    QPushButton* modoru_ = nullptr;
    QPushButton* susumu_ = nullptr;
};

}  // namespace karumoa::gui
