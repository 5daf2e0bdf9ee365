#include "app/help_file.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <set>

namespace karumoa::gui {
namespace {

const QString kSignature = QStringLiteral("@@karumoa-help 1");
const QString kPageMarker = QStringLiteral("@@page");
const QString kIndexMarker = QStringLiteral("@@index");

// Kana, kanji, Japanese punctuation and full-width forms.
bool IsWide(QChar c) {
    return c.unicode() >= 0x2E80;
}

// Katakana read as hiragana, so that both sort together.
QString SortKey(const QString& reading) {
    QString key = reading;
    for (QChar& c : key) {
        if (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6) {
            c = QChar(static_cast<char16_t>(c.unicode() - 0x60));
        }
    }
    return key;
}

// The kana row ("あ", "か", ...) a reading files under; readings that do
// not start with kana file under "英数字", ahead of the rows.
QString RowOf(const QString& key) {
    struct Row {
        char16_t last;
        const char* name;
    };
    static constexpr std::array<Row, 10> kRows{{{0x304A, "あ"},
                                                {0x3054, "か"},
                                                {0x305E, "さ"},
                                                {0x3069, "た"},
                                                {0x306E, "な"},
                                                {0x307D, "は"},
                                                {0x3082, "ま"},
                                                {0x3088, "や"},
                                                {0x308D, "ら"},
                                                {0x3094, "わ"}}};
    const char16_t first = key.isEmpty() ? 0 : key.front().unicode();
    if (first >= 0x3041) {
        for (const Row& row : kRows) {
            if (first <= row.last) {
                return QString::fromUtf8(row.name);
            }
        }
    }
    return QStringLiteral("英数字");
}

QString Document(const QString& title, const QString& body) {
    return QStringLiteral(
               "<html><head><meta charset=\"utf-8\"><title>%1</title><style>"
               "h1 { font-size: x-large; color: #1f4e79; }"
               "h2 { font-size: large; color: #1f4e79; }"
               "p.formula { margin-left: 2em; font-weight: bold; }"
               "p.note { color: #555555; }"
               "td, th { padding: 3px; }"
               "</style></head><body><h1>%1</h1>")
               .arg(title.toHtmlEscaped()) +
           body + QStringLiteral("</body></html>");
}

QString LineError(int line, const QString& what) {
    return QStringLiteral("%1 行目: %2").arg(line).arg(what);
}

}  // namespace

QString HelpMessageDocument(const QString& heading, const QString& text) {
    return Document(heading, QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>"));
}

std::optional<HelpFile> HelpFile::Load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error != nullptr) {
            *error = QStringLiteral("ヘルプ ファイル %1 を開けません（%2）。")
                         .arg(path, file.exists() ? QStringLiteral("読み込みが許可されていません")
                                                  : QStringLiteral("ファイルがありません"));
        }
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    QString parseError;
    std::optional<HelpFile> help = Parse(QString::fromUtf8(bytes), &parseError);
    if (!help && error != nullptr) {
        *error = QStringLiteral("ヘルプ ファイル %1 を読めません。%2").arg(path, parseError);
    }
    return help;
}

std::optional<HelpFile> HelpFile::Parse(const QString& text, QString* error) {
    static const QRegularExpression kId(QStringLiteral("^[a-z0-9-]+$"));
    auto fail = [error](const QString& message) {
        if (error != nullptr) {
            *error = message;
        }
        return std::nullopt;
    };

    HelpFile help;
    std::set<QString> ids;
    bool signed_ = false;
    const QStringList lines = text.split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        const int lineNumber = n + 1;
        if (line.startsWith(QStringLiteral("%%"))) {
            continue;
        }
        if (!signed_) {
            if (line.trimmed().isEmpty()) {
                continue;
            }
            if (line.trimmed() != kSignature) {
                return fail(LineError(lineNumber,
                                      QStringLiteral("カルモアのヘルプ ファイルではありません。")));
            }
            signed_ = true;
            continue;
        }
        if (line.startsWith(kPageMarker + u' ')) {
            const QString rest = line.mid(kPageMarker.size() + 1).trimmed();
            const qsizetype blank = rest.indexOf(u' ');
            const QString id = blank < 0 ? rest : rest.left(blank);
            const QString title = blank < 0 ? QString() : rest.mid(blank + 1).trimmed();
            if (!kId.match(id).hasMatch() || title.isEmpty()) {
                return fail(
                    LineError(lineNumber, QStringLiteral("ページの名前か題名がありません。")));
            }
            if (id == kIndex || !ids.insert(id).second) {
                return fail(
                    LineError(lineNumber, QStringLiteral("ページ %1 が重複しています。").arg(id)));
            }
            help.pages_.push_back(HelpPage{id, title, QString()});
            continue;
        }
        if (line.startsWith(kIndexMarker + u' ')) {
            const QString rest = line.mid(kIndexMarker.size() + 1).trimmed();
            const qsizetype blank = rest.indexOf(u' ');
            if (help.pages_.empty() || blank < 0) {
                return fail(
                    LineError(lineNumber, QStringLiteral("索引の項目が正しくありません。")));
            }
            help.index_.push_back(HelpIndexEntry{rest.left(blank), rest.mid(blank + 1).trimmed(),
                                                 help.pages_.back().id});
            continue;
        }
        if (line.startsWith(QStringLiteral("@@"))) {
            return fail(LineError(lineNumber, QStringLiteral("不明な指定です。")));
        }
        if (help.pages_.empty()) {
            if (line.trimmed().isEmpty()) {
                continue;
            }
            return fail(LineError(lineNumber, QStringLiteral("ページの外に本文があります。")));
        }
        QString& html = help.pages_.back().html;
        // Japanese has no blanks between words: a line break next to a
        // Japanese character is dropped instead of becoming a blank.
        if (html.endsWith(u'\n') && html.size() >= 2 &&
            (IsWide(html.at(html.size() - 2)) || (!line.isEmpty() && IsWide(line.front())))) {
            html.chop(1);
        }
        html += line + u'\n';
    }
    if (!signed_) {
        return fail(QStringLiteral("カルモアのヘルプ ファイルではありません。"));
    }
    if (help.Page(kContents) == nullptr) {
        return fail(QStringLiteral("目次のページ（contents）がありません。"));
    }
    std::stable_sort(help.index_.begin(), help.index_.end(),
                     [](const HelpIndexEntry& a, const HelpIndexEntry& b) {
                         return SortKey(a.reading) < SortKey(b.reading);
                     });
    return help;
}

const HelpPage* HelpFile::Page(const QString& id) const {
    for (const HelpPage& page : pages_) {
        if (page.id == id) {
            return &page;
        }
    }
    return nullptr;
}

std::optional<QString> HelpFile::DocumentFor(const QString& id) const {
    if (id == kIndex) {
        return IndexDocument();
    }
    if (const HelpPage* page = Page(id)) {
        return Document(page->title, page->html);
    }
    return std::nullopt;
}

QString HelpFile::IndexDocument() const {
    QString body;
    QString row;
    for (const HelpIndexEntry& entry : index_) {
        const QString entryRow = RowOf(SortKey(entry.reading));
        if (entryRow != row) {
            if (!row.isEmpty()) {
                body += QStringLiteral("</p>");
            }
            row = entryRow;
            body += QStringLiteral("<h2>%1</h2><p>").arg(row);
        }
        const HelpPage* page = Page(entry.pageId);
        body += QStringLiteral(
                    "<a href=\"help:%1\">%2</a>　<span style=\"color:#777777\">（%3）</span><br>")
                    .arg(entry.pageId, entry.word.toHtmlEscaped(),
                         page != nullptr ? page->title.toHtmlEscaped() : QString());
    }
    if (!row.isEmpty()) {
        body += QStringLiteral("</p>");
    }
    return Document(QStringLiteral("索引"), body);
}

QStringList HelpFile::BrokenLinks() const {
    static const QRegularExpression kLink(QStringLiteral("href=\"help:([^\"#]*)"));
    QStringList broken;
    for (const HelpPage& page : pages_) {
        auto it = kLink.globalMatch(page.html);
        while (it.hasNext()) {
            const QString target = it.next().captured(1);
            if (target != kIndex && Page(target) == nullptr) {
                broken.append(page.id + QStringLiteral(" -> ") + target);
            }
        }
    }
    return broken;
}

}  // namespace karumoa::gui
