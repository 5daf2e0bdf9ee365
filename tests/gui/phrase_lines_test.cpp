// Japanese texts broken into lines at the ends of phrases.

#include <QTest>

#include "app/phrase_lines.h"

using namespace karumoa::gui;

class PhraseLinesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void linesEndWherePhrasesEnd_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("lines");
        QTest::newRow("fits: as it is") << "負いません。" << 20 << "負いません。";
        QTest::newRow("after 、 and a particle")
            << "計算結果、作成者はいかなる責任も負いません。" << 12
            << "計算結果、\n作成者はいかなる責任も\n負いません。";
        QTest::newRow("a phrase wider than the line stays whole")
            << "詳細は、オンライン ヘルプをご覧ください。" << 12
            << "詳細は、\nオンライン ヘルプをご覧ください。";
        QTest::newRow("particles and the te-form") << "単位はmmです、正しい幅を入力して下さい" << 10
                                                   << "単位はmmです、\n正しい幅を入力して\n下さい";
        QTest::newRow("line breaks kept, a long path on its own")
            << "「/very/long/path/file.kmd」を開けませんでした。\n3 行目: 壁の数が多すぎます。"
            << 12
            << "「/very/long/path/file.kmd」を\n開けませんでした。\n3 行目: 壁の数が\n多すぎます。";
        QTest::newRow("no line starts with a closing mark")
            << "「保存しますか。」と聞く" << 3 << "「保存しますか。」と\n聞く";
        QTest::newRow("not inside words with okurigana") << "使い方の説明" << 2 << "使い方の\n説明";
    }
    void linesEndWherePhrasesEnd() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, lines);
        // One unit per character.
        const auto length = [](const QString& s) { return static_cast<int>(s.size()); };
        QCOMPARE(BreakAtPhrases(text, width, length), lines);
    }
};

QTEST_MAIN(PhraseLinesTest)
#include "phrase_lines_test.moc"
