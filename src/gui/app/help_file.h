#pragma once

// The help file "Karumoa.hlp" beside the program: pages of HTML with index
// entries, in one UTF-8 text file.
//
// Format, line by line:
//   %% ...                      a comment (anywhere)
//   @@karumoa-help 1            the first line that is not a comment
//   @@page <id> <title>         starts a page; the id is [a-z0-9-]+, the
//                               title the rest of the line
//   @@index <reading> <word>    an index entry for the current page: the
//                               reading in kana (it orders the index), then
//                               the word as shown (the rest of the line)
//   anything else               HTML of the current page; a line break
//                               next to a Japanese character is dropped,
//                               so that it does not show as a blank
// A page links to another with <a href="help:<id>">. The page "contents" is
// the contents page; "index" is the index, built from the entries, and is
// not a page of the file.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace karumoa::gui {

struct HelpPage {
    QString id;
    QString title;
    QString html;  // the page's HTML as written
};

struct HelpIndexEntry {
    QString reading;
    QString word;
    QString pageId;
};

class HelpFile {
public:
    static inline const QString kContents = QStringLiteral("contents");
    static inline const QString kIndex = QStringLiteral("index");
    static inline const QString kScheme = QStringLiteral("help");

    // Reads and parses the file. On failure `error` gets a Japanese
    // sentence naming the path and the fault.
    static std::optional<HelpFile> Load(const QString& path, QString* error);
    // Parses the text of a help file; `error` names the line at fault.
    static std::optional<HelpFile> Parse(const QString& text, QString* error);

    const std::vector<HelpPage>& Pages() const { return pages_; }
    // The index entries, ordered by reading.
    const std::vector<HelpIndexEntry>& Index() const { return index_; }
    const HelpPage* Page(const QString& id) const;

    // The whole HTML document shown for page `id` (the contents, the index
    // or any page), or nullopt for an id the file does not have.
    std::optional<QString> DocumentFor(const QString& id) const;

    // Links to pages the file does not have, as "page -> target".
    QStringList BrokenLinks() const;

private:
    QString IndexDocument() const;

    std::vector<HelpPage> pages_;
    std::vector<HelpIndexEntry> index_;
};

// An HTML document with a heading and a paragraph: what the viewer shows
// in place of a page it cannot show.
QString HelpMessageDocument(const QString& heading, const QString& text);

}  // namespace karumoa::gui
