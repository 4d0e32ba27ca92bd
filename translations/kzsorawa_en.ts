<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>使い方: %1 [オプション]
将棋の軍勢と中国将棋の軍勢が9×9の盤で戦うゲームです。引数は要りません。

  -h, --help     この説明を表示して終わります
      --version  版を表示して終わります
</source>
        <translation>Usage: %1 [option]
A shogi army fights a Chinese-chess army on a 9×9 board. No arguments are needed.

  -h, --help     show this help and end
      --version  show the version and end
</translation>
    </message>
    <message>
        <source>%1: 不明なオプション &apos;%2&apos;
</source>
        <translation>%1: unknown option &apos;%2&apos;
</translation>
    </message>
</context>
<context>
    <name>FilePanel</name>
    <message>
        <source>ﾌｧｲﾙ名 ：</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>後    手 ：</source>
        <translation>Second:</translation>
    </message>
    <message>
        <source>先    手 ：</source>
        <translation>First:</translation>
    </message>
    <message>
        <source>対 局 名：</source>
        <translation>Game:</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>思考中</source>
        <translation>Thinking</translation>
    </message>
    <message>
        <source>よし！!</source>
        <translation>Got you!</translation>
    </message>
    <message>
        <source>詰め ?</source>
        <translation>Mate?</translation>
    </message>
    <message>
        <source>   ** 将(Jiang) **</source>
        <translation>   ** Check (Jiang) **</translation>
    </message>
    <message>
        <source>王手</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>   ** 王手 **</source>
        <translation>   ** Check **</translation>
    </message>
    <message>
        <source>先手の勝ちです</source>
        <translation>First player wins</translation>
    </message>
    <message>
        <source>後手の勝ちです</source>
        <translation>Second player wins</translation>
    </message>
    <message>
        <source>あなたの勝ちです</source>
        <translation>You win</translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀの勝ちです</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>First player to move</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>Second player to move</translation>
    </message>
    <message>
        <source>MANの番です</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>続けますか？</source>
        <translation>Play again?</translation>
    </message>
    <message>
        <source>再ゲーム</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません</source>
        <translation>Not in record mode</translation>
    </message>
    <message>
        <source>対局途中ではできません</source>
        <translation>Not during a game</translation>
    </message>
    <message>
        <source>反転後ではできません</source>
        <translation>Not after a flip</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>局面→最初にして下さい</source>
        <translation><byte value="xd"/><byte value="xd"/>Choose Position → Start first</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>対局中です。棋譜を読み込みますか？</source>
        <translation>A game is in progress. Load a record instead?</translation>
    </message>
    <message>
        <source>棋譜を &apos;進 &apos;で進めて下さい</source>
        <translation>Step through the record with &apos;Forward&apos;</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Start from the Game menu</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>マウスの右をクリックして下さい</source>
        <translation>Click with the right mouse button</translation>
    </message>
    <message>
        <source>成り</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>KZ ソラワ  Version 1.0    [2/2000]<byte value="xd"/><byte value="xd"/>KZ ソラワ 制作室<byte value="xd"/><byte value="xd"/>Home page<byte value="xd"/>https://kzsorawa.example.jp/<byte value="xd"/><byte value="xd"/>e-mail<byte value="xd"/>kzsorawa@example.jp</source>
        <translation>KZ ソラワ  Version 1.0    [2/2000]<byte value="xd"/><byte value="xd"/>KZ ソラワ Studio<byte value="xd"/><byte value="xd"/>Home page<byte value="xd"/>https://kzsorawa.example.jp/<byte value="xd"/><byte value="xd"/>e-mail<byte value="xd"/>kzsorawa@example.jp</translation>
    </message>
    <message>
        <source>これ以上記録できません</source>
        <translation>The record is full</translation>
    </message>
    <message>
        <source>できません</source>
        <translation>Not possible</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>End of the record</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip</translation>
    </message>
    <message>
        <source>棋譜保存</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation>No file name given</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名 &apos;%1&apos; は使えません</source>
        <translation>The file name &apos;%1&apos; cannot be used</translation>
    </message>
    <message>
        <source>保存するデータがありません</source>
        <translation>Nothing to save</translation>
    </message>
    <message>
        <source>棋譜を書き込みました</source>
        <translation>Record saved</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません</source>
        <translation>The record file holds no moves</translation>
    </message>
    <message>
        <source> 読み込みました</source>
        <translation> Record loaded</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>OKですか？</source>
        <translation>Ready?</translation>
    </message>
    <message>
        <source>再開(COM)</source>
        <translation>Resume (computer)</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>指せる手がありません</source>
        <translation>No move can be played</translation>
    </message>
    <message>
        <source>前回の対局を再開しますか？</source>
        <translation>Resume the last game?</translation>
    </message>
    <message>
        <source>解析中 %1 / %2</source>
        <translation>Analysing %1 / %2</translation>
    </message>
    <message>
        <source>玉取 %1手</source>
        <translation>King taken in %1</translation>
    </message>
    <message>
        <source>時間切れ</source>
        <translation>Time is up</translation>
    </message>
    <message>
        <source>画像を保存できません: %1</source>
        <translation>Cannot save the picture: %1</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>貼り付けられるのは局面の表記、棋譜の文、棋譜ﾌｧｲﾙの中身です</source>
        <translation>Only a position notation, a record text or the content of a record file can be pasted</translation>
    </message>
    <message>
        <source>対局中のゲームを終えて貼り付けますか？</source>
        <translation>End the game in progress and paste?</translation>
    </message>
    <message>
        <source>貼り付けた文</source>
        <translation>the pasted text</translation>
    </message>
    <message>
        <source>完了</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>駒の動き</source>
        <translation>How the pieces move</translation>
    </message>
    <message>
        <source>緑の点は行けるマス、赤い点は取れる駒です</source>
        <translation>A green dot is a square the piece may go to; a red dot, a piece it may take.</translation>
    </message>
    <message>
        <source>将棋の軍勢</source>
        <translation>The shogi army</translation>
    </message>
    <message>
        <source>中国将棋の軍勢</source>
        <translation>The Chinese army</translation>
    </message>
    <message>
        <source>王将</source>
        <translation>King</translation>
    </message>
    <message>
        <source>全方向に1マス</source>
        <translation>One square in any direction.</translation>
    </message>
    <message>
        <source>飛車</source>
        <translation>Rook</translation>
    </message>
    <message>
        <source>縦横に何マスでも</source>
        <translation>Any number of squares along a row or a column.</translation>
    </message>
    <message>
        <source>角行</source>
        <translation>Bishop</translation>
    </message>
    <message>
        <source>斜めに何マスでも</source>
        <translation>Any number of squares diagonally.</translation>
    </message>
    <message>
        <source>金将</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>前、斜め前、横、真後ろに1マス</source>
        <translation>One square forwards, diagonally forwards, sideways or straight back.</translation>
    </message>
    <message>
        <source>銀将</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>前、斜め前、斜め後ろに1マス</source>
        <translation>One square forwards or diagonally.</translation>
    </message>
    <message>
        <source>桂馬</source>
        <translation>Knight</translation>
    </message>
    <message>
        <source>2マス前の左右へ跳ぶ</source>
        <translation>Jumps to either square two ahead and one to the side.</translation>
    </message>
    <message>
        <source>香車</source>
        <translation>Lance</translation>
    </message>
    <message>
        <source>前に何マスでも</source>
        <translation>Any number of squares straight forwards.</translation>
    </message>
    <message>
        <source>歩兵</source>
        <translation>Pawn</translation>
    </message>
    <message>
        <source>前に1マス</source>
        <translation>One square forwards.</translation>
    </message>
    <message>
        <source>竜王</source>
        <translation>Promoted rook</translation>
    </message>
    <message>
        <source>飛車の動きと、斜めに1マス</source>
        <translation>As the rook, and one square diagonally.</translation>
    </message>
    <message>
        <source>竜馬</source>
        <translation>Promoted bishop</translation>
    </message>
    <message>
        <source>角行の動きと、縦横に1マス</source>
        <translation>As the bishop, and one square along a row or a column.</translation>
    </message>
    <message>
        <source>成銀</source>
        <translation>Promoted silver</translation>
    </message>
    <message>
        <source>金将と同じ</source>
        <translation>As the gold.</translation>
    </message>
    <message>
        <source>成桂</source>
        <translation>Promoted knight</translation>
    </message>
    <message>
        <source>成香</source>
        <translation>Promoted lance</translation>
    </message>
    <message>
        <source>と金</source>
        <translation>Promoted pawn</translation>
    </message>
    <message>
        <source>将</source>
        <translation>Marshal</translation>
    </message>
    <message>
        <source>宮の中を縦横に1マス</source>
        <translation>One square along a row or a column, inside its palace.</translation>
    </message>
    <message>
        <source>士</source>
        <translation>Advisor</translation>
    </message>
    <message>
        <source>宮の中を斜めに1マス</source>
        <translation>One square diagonally, inside its palace.</translation>
    </message>
    <message>
        <source>象</source>
        <translation>Elephant</translation>
    </message>
    <message>
        <source>斜めに2マス。間に駒があると行けず、中央の段より先へは出られない</source>
        <translation>Two squares diagonally, not over a piece in between, and never beyond the middle row.</translation>
    </message>
    <message>
        <source>馬</source>
        <translation>Horse</translation>
    </message>
    <message>
        <source>縦横に1マス進んでから外へ斜めに1マス。最初のマスに駒があると行けない</source>
        <translation>One square along a row or a column, then one diagonally outwards; a piece on the first square blocks it.</translation>
    </message>
    <message>
        <source>車</source>
        <translation>Chariot</translation>
    </message>
    <message>
        <source>砲</source>
        <translation>Cannon</translation>
    </message>
    <message>
        <source>縦横に何マスでも。取るときは駒をちょうど1つ跳び越える</source>
        <translation>Any number of squares along a row or a column; it takes a piece by jumping over exactly one piece.</translation>
    </message>
    <message>
        <source>卒</source>
        <translation>Foot soldier</translation>
    </message>
    <message>
        <source>前に1マス。相手側の3段に入ると横にも1マス</source>
        <translation>One square forwards; sideways too once in the other army&apos;s three rows.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Game (human)</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Game (computer)</translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation>Computer level</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>書込</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>背景画</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>畳</source>
        <translation>Tatami</translation>
    </message>
    <message>
        <source>竹</source>
        <translation>Bamboo</translation>
    </message>
    <message>
        <source>宇宙</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>煉瓦</source>
        <translation>Brick</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Move guide</translation>
    </message>
    <message>
        <source>経過時間</source>
        <translation>Elapsed time</translation>
    </message>
    <message>
        <source>中国側持駒OK</source>
        <translation>Chinese drops</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>About</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>棋譜一覧</source>
        <translation>Move list</translation>
    </message>
    <message>
        <source>駒の種類</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>漢字</source>
        <translation>Kanji</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>駒の動き</source>
        <translation>How the pieces move</translation>
    </message>
    <message>
        <source>棋譜解析</source>
        <translation>Analyse game</translation>
    </message>
    <message>
        <source>解析中止</source>
        <translation>Stop analysis</translation>
    </message>
    <message>
        <source>持ち時間…</source>
        <translation>Time control…</translation>
    </message>
    <message>
        <source>局面をコピー</source>
        <translation>Copy position</translation>
    </message>
    <message>
        <source>棋譜をコピー</source>
        <translation>Copy record</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>盤面画像を保存</source>
        <translation>Save board picture…</translation>
    </message>
    <message>
        <source>局面編集</source>
        <translation>Edit position</translation>
    </message>
    <message>
        <source>初期配置</source>
        <translation>Start position</translation>
    </message>
    <message>
        <source>全消去</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>手番</source>
        <translation>Side to move</translation>
    </message>
    <message>
        <source>完了</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>手</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>指し手</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>評価</source>
        <translation>Score</translation>
    </message>
</context>
<context>
    <name>Notation</name>
    <message>
        <source>局面の表記がありません</source>
        <translation>There is no position notation</translation>
    </message>
    <message>
        <source>盤面が&apos;/&apos;で区切った9段になっていません</source>
        <translation>the board is not nine rows separated by &apos;/&apos;</translation>
    </message>
    <message>
        <source>駒を表さない文字があります</source>
        <translation>a character that names no piece</translation>
    </message>
    <message>
        <source>%1段目が9マスになっていません</source>
        <translation>row %1 does not hold nine squares</translation>
    </message>
    <message>
        <source>手番は b か w で書いて下さい</source>
        <translation>the side to move must be b or w</translation>
    </message>
    <message>
        <source>持駒が正しく書かれていません</source>
        <translation>the pieces in hand are not written correctly</translation>
    </message>
    <message>
        <source>手数は1から9999までの数で書いて下さい</source>
        <translation>the move number must be a number from 1 to 9999</translation>
    </message>
    <message>
        <source>手数の後に余分な文字があります</source>
        <translation>more text after the move number</translation>
    </message>
    <message>
        <source>%1文字目: %2</source>
        <translation>character %1: %2</translation>
    </message>
</context>
<context>
    <name>Position</name>
    <message>
        <source>%1がありません</source>
        <translation>There is no %1</translation>
    </message>
    <message>
        <source>%1が二枚あります</source>
        <translation>There are two of %1</translation>
    </message>
    <message>
        <source>%2%3の将が九宮の外にあります</source>
        <translation>The 将 on %2%3 is outside its palace</translation>
    </message>
    <message>
        <source>%2%3の%4はもう動けません</source>
        <translation>The %4 on %2%3 could never move again</translation>
    </message>
    <message>
        <source>%2筋に同じ側の歩が二枚あります</source>
        <translation>Two 歩 of one army on file %2</translation>
    </message>
    <message>
        <source>%1が多すぎます（%5枚まで）</source>
        <translation>Too many of %1 (at most %5)</translation>
    </message>
    <message>
        <source>手番の側が相手の玉をすぐに取れます</source>
        <translation>The side to move could take the other king at once</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>数字でない文字があります</source>
        <translation>a character that is not a digit</translation>
    </message>
    <message>
        <source>駒の番号が正しくありません</source>
        <translation>a wrong piece number</translation>
    </message>
    <message>
        <source>持駒の数が負です</source>
        <translation>a negative count of drops</translation>
    </message>
    <message>
        <source>行が長すぎます</source>
        <translation>line too long</translation>
    </message>
    <message>
        <source>%1桁目: %2</source>
        <translation>column %1: %2</translation>
    </message>
    <message>
        <source>%1手</source>
        <translation>%1 moves</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを開けません: %1</source>
        <translation>Cannot open the record file: %1</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを作成できません: %1</source>
        <translation>Cannot create the record file: %1</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを書き込めません: %1</source>
        <translation>Cannot write the record file: %1</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙの%2行目の文字が正しくありません: %1</source>
        <translation>Line %2 of the record file has a wrong character: %1</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙの手数が%3を超えています: %1</source>
        <translation>The record file holds more than %3 moves: %1</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙの%2行目が正しくありません: %1</source>
        <translation>Line %2 of the record file is wrong: %1</translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>棋譜がありません</source>
        <translation>There is no record</translation>
    </message>
    <message>
        <source>開始局面: %1</source>
        <translation>start position: %1</translation>
    </message>
    <message>
        <source>読めない行です</source>
        <translation>a line that cannot be read</translation>
    </message>
    <message>
        <source>手数が続いていません</source>
        <translation>the move number is not the next one</translation>
    </message>
    <message>
        <source>指せない手です</source>
        <translation>a move the rules do not allow</translation>
    </message>
    <message>
        <source>玉を取った後に手があります</source>
        <translation>a move after a king was taken</translation>
    </message>
    <message>
        <source>手数が%2を超えています</source>
        <translation>more than %2 moves</translation>
    </message>
    <message>
        <source>%1行目: %2</source>
        <translation>line %1: %2</translation>
    </message>
</context>
<context>
    <name>Screen</name>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人</source>
        <translation>Handicap: master</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段</source>
        <translation>Handicap: 8 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段</source>
        <translation>Handicap: 7 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段</source>
        <translation>Handicap: 6 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段</source>
        <translation>Handicap: 5 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段</source>
        <translation>Handicap: 4 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段</source>
        <translation>Handicap: 3 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段</source>
        <translation>Handicap: 2 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段</source>
        <translation>Handicap: 1 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級</source>
        <translation>Handicap: 1 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級</source>
        <translation>Handicap: 2 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級</source>
        <translation>Handicap: 3 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級</source>
        <translation>Handicap: 4 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級</source>
        <translation>Handicap: 5 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級</source>
        <translation>Handicap: 6 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級</source>
        <translation>Handicap: 7 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級</source>
        <translation>Handicap: 8 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級</source>
        <translation>Handicap: 9 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級</source>
        <translation>Handicap: 10 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級</source>
        <translation>Handicap: 11 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級</source>
        <translation>Handicap: 12 kyu</translation>
    </message>
    <message>
        <source>手目</source>
        <translation>moves</translation>
    </message>
    <message>
        <source>%1手目</source>
        <translation>Move %1</translation>
    </message>
    <message>
        <source>後手番</source>
        <translation>second player to move</translation>
    </message>
    <message>
        <source>先手番</source>
        <translation>first player to move</translation>
    </message>
    <message>
        <source>局面編集</source>
        <translation>Editing the position</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation>Cannot open the sound device.</translation>
    </message>
</context>
<context>
    <name>TimeControl</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>切れ負け</source>
        <translation>Sudden death</translation>
    </message>
    <message>
        <source>秒読み</source>
        <translation>Byoyomi</translation>
    </message>
    <message>
        <source>加算</source>
        <translation>Increment</translation>
    </message>
    <message>
        <source>%1分</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1切れ負け</source>
        <translation>%1 sudden death</translation>
    </message>
    <message>
        <source>%1+%2秒</source>
        <translation>%1 + %2 s byoyomi</translation>
    </message>
    <message>
        <source>%1+1手%2秒加算</source>
        <translation>%1 + %2 s per move</translation>
    </message>
    <message>
        <source>持ち時間</source>
        <translation>Time control</translation>
    </message>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>1手ごとの加算</source>
        <translation>Added per move</translation>
    </message>
</context>
</TS>
