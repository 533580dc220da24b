#include "tools/content/how_to_play_text.h"

#include "shell/cp932.h"

#include <stdexcept>

namespace content {

// Only characters of code page 932: full-width ～ and － (the wave dash and minus of other
// tables have no code there), arrows and ％ from JIS X 0208.
QStringList howToPlayLines() {
    return {
        QStringLiteral("【漢字○×クイズの遊び方】"),
        QString(),
        QStringLiteral("へん（部首）と右側の部分を組み合わせた字が出ます。"),
        QStringLiteral("その字が本当にある漢字か、ない字かを当てましょう。"),
        QStringLiteral("１回のゲームは１００問です。"),
        QString(),
        QStringLiteral("■ へんを選ぶ"),
        QStringLiteral("　メニューで六つのへんから一つを選びます。"),
        QStringLiteral("　ごんべん（話）・にんべん（休）・てへん（持）"),
        QStringLiteral("　いとへん（紙）・きへん（林）・さんずい（海）"),
        QString(),
        QStringLiteral("■ モードを選ぶ"),
        QStringLiteral("　じっくりモード：答えるまで待ってくれます。"),
        QStringLiteral("　スピードモード：３・２・１の合図で始まり、"),
        QStringLiteral("　　１問２秒で次々に判定されます。"),
        QStringLiteral("　　答えないと不正解。最後に押したほうが答えです。"),
        QString(),
        QStringLiteral("■ 答え方"),
        QStringLiteral("　「ある」…本当にある漢字だと思ったら"),
        QStringLiteral("　「ない」…ない字（作り物）だと思ったら"),
        QStringLiteral("　「再挑戦」…終わったあと、もう一度遊びます。"),
        QStringLiteral("　「メニュー」…メニューに戻ります。"),
        QString(),
        QStringLiteral("■ ゲージと成績"),
        QStringLiteral("　正解すると下から緑、不正解だと上から赤のマスが"),
        QStringLiteral("　一つずつ塗られます。"),
        QStringLiteral("　画面には何問目かと正解率（％）が出ます。"),
        QStringLiteral("　１００問終わると正解率で成績が決まります。"),
        QStringLiteral("　　９５％以上　　金メダル"),
        QStringLiteral("　　８５～９４％　銀メダル"),
        QStringLiteral("　　７５～８４％　銅メダル"),
        QStringLiteral("　　７５％未満　　カラスが鳴いて、もう一息！"),
        QString(),
        QStringLiteral("■ ふりかえり"),
        QStringLiteral("　終わったら Ｖ キーか、メダル（カラス）のクリックで、"),
        QStringLiteral("　全問の答えと、漢字の読み・意味が見られます。"),
        QStringLiteral("　まちがえた問題だけを出すこともできます。"),
        QStringLiteral("　ゲージのマスを指しても、その問題が出ます。"),
        QString(),
        QStringLiteral("■ キーボード"),
        QStringLiteral("　メニュー：１～６ へんを選ぶ　Ｓ スピードモード"),
        QStringLiteral("　　　　　　Ｊ じっくりモード　Ｈ 遊び方"),
        QStringLiteral("　ゲーム中：Ｏ か ← で「ある」、Ｘ か → で「ない」"),
        QStringLiteral("　終わったら：Ｒ で再挑戦、Ｖ でふりかえり"),
        QStringLiteral("　遊び方：Esc でメニューに戻ります。"),
        QString(),
        QStringLiteral("楽しみながら、漢字の形に強くなりましょう！"),
        QString(),
        QStringLiteral("読みと意味：KANJIDIC2（EDRDG、CC BY-SA 3.0）"),
    };
}

QByteArray howToPlayBytes() {
    QByteArray bytes;
    int lineNo = 0;
    for (const QString& line : howToPlayLines()) {
        ++lineNo;
        const std::optional<QByteArray> encoded = encodeCp932(line);
        if (!encoded)
            throw std::runtime_error(QStringLiteral("how-to-play line %1 is not code page 932: %2")
                                         .arg(lineNo)
                                         .arg(line)
                                         .toStdString());
        bytes += *encoded + QByteArrayLiteral("\r\n");
    }
    return bytes;
}

} // namespace content
