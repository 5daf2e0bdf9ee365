#pragma once

// Line breaks for Japanese text. Japanese has no spaces between words, so a
// label or message box that wraps at its width breaks wherever the width
// runs out, often inside a word ("くださ" / "い。"). The texts are broken
// here instead, at the ends of phrases:
// - after "、", "。", "！" and "？";
// - after a particle (は, が, を, に, で, と, の, も, へ, や) or the te-form
//   ending て where a new word begins (a kanji, a katakana word, a letter, a
//   digit or an opening bracket).
// Line breaks already in the text are kept. A phrase wider than the limit
// (a long file path) stays on one line of its own.

#include <QString>
#include <functional>

class QLabel;

namespace karumoa::gui {

// `text` with line breaks such that every line is at most `maxWidth` wide
// as measured by `width`, wherever a phrase boundary allows it.
QString BreakAtPhrases(const QString& text, int maxWidth,
                       const std::function<int(const QString&)>& width);

// Shows `text` in `label` broken at phrases for the label's font, at most
// `maxWidth` pixels wide; the label itself does not wrap.
void SetPhraseText(QLabel& label, const QString& text, int maxWidth);

}  // namespace karumoa::gui
