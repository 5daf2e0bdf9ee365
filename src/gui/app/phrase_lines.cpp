#include "app/phrase_lines.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

namespace karumoa::gui {
namespace {

bool EndsClause(QChar c) {
    return c == u'、' || c == u'。' || c == u'！' || c == u'？';
}

// Marks that never begin a line.
bool Closing(QChar c) {
    return EndsClause(c) || c == u'」' || c == u'』' || c == u'）' || c == u')' || c == u'ー';
}

// Particles and the te-form ending, after which a new word begins a new
// phrase ("幅を" / "入力して" / "下さい"). Other hiragana before a kanji are
// as often inside a word ("使い方", "ご使用") and are not broken after.
bool EndsPhrase(QChar c) {
    static const QString endings = QStringLiteral("はがをにでとのもへやて");
    return endings.contains(c);
}

bool SmallKana(QChar c) {
    static const QString small = QStringLiteral("ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ");
    return small.contains(c);
}

// A character with which a new word begins after a phrase ending.
bool StartsWord(QChar c) {
    const char16_t u = c.unicode();
    const bool kanji = (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF);
    const bool katakana = u >= 0x30A1 && u <= 0x30FA && !SmallKana(c);
    const bool opening = c == u'「' || c == u'『' || c == u'（' || c == u'(';
    const bool latin = u < 0x3000 && c.isLetterOrNumber();
    const bool fullWidthLatin = u >= 0xFF10 && u <= 0xFF5A;
    return kanji || katakana || opening || latin || fullWidthLatin;
}

bool BreakBefore(const QString& text, qsizetype i) {
    const QChar before = text[i - 1];
    const QChar next = text[i];
    if (EndsClause(before)) {
        return !Closing(next);
    }
    return EndsPhrase(before) && StartsWord(next);
}

// The phrases of one line of text, in order.
QStringList Phrases(const QString& line) {
    QStringList phrases;
    qsizetype start = 0;
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (BreakBefore(line, i)) {
            phrases.append(line.mid(start, i - start));
            start = i;
        }
    }
    if (start < line.size()) {
        phrases.append(line.mid(start));
    }
    return phrases;
}

}  // namespace

QString BreakAtPhrases(const QString& text, int maxWidth,
                       const std::function<int(const QString&)>& width) {
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        QString line;
        for (const QString& phrase : Phrases(paragraph)) {
            if (!line.isEmpty() && width(line + phrase) > maxWidth) {
                lines.append(line);
                line.clear();
            }
            line += phrase;
        }
        lines.append(line);
    }
    return lines.join(u'\n');
}

void SetPhraseText(QLabel& label, const QString& text, int maxWidth) {
    const QFontMetrics metrics(label.font());
    label.setWordWrap(false);
    label.setText(BreakAtPhrases(text, maxWidth, [&metrics](const QString& line) {
        return metrics.horizontalAdvance(line);
    }));
}

}  // namespace karumoa::gui
