<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>DistanceHistogramWindow</name>
    <message>
        <source>distance %1 to %2</source>
        <extracomment>A bar of the distance histogram, named by the distances it counts.</extracomment>
        <translation>距離 %1～%2</translation>
    </message>
    <message>
        <source>Histogram of the distance from the origin</source>
        <translation>原点からの距離のヒストグラム</translation>
    </message>
    <message>
        <source>(Horizontal axis : Distance from the origin)</source>
        <translation>（横軸：原点からの距離）</translation>
    </message>
    <message>
        <source>(Frequency)</source>
        <translation>（度数）</translation>
    </message>
</context>
<context>
    <name>Experiment</name>
    <message>
        <source>Trial %1: x %2, y %3, distance %4. Average %5.</source>
        <translation>%1回目の試行：x %2、y %3、距離 %4。平均 %5。</translation>
    </message>
    <message>
        <source>Experiment stopped.</source>
        <translation>実験を停止しました。</translation>
    </message>
    <message numerus="yes">
        <source>Experiment complete, %n trial(s), average distance %1.</source>
        <translation>
            <numerusform>実験終了：試行 %n 回、平均距離 %1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Experiment complete, %n trial(s).</source>
        <translation>
            <numerusform>実験終了：試行 %n 回。</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleared.</source>
        <translation>結果を消去しました。</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Show expected counts</source>
        <translation>期待度数を表示</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n trial(s)</source>
        <translation>
            <numerusform>%1：度数 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n trial(s), expected %2</source>
        <translation>
            <numerusform>%1：度数 %n、期待度数 %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No trials counted</source>
        <translation>集計した試行はありません</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>階級</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>度数</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>【Question】</source>
        <translation>【問題】</translation>
    </message>
    <message>
        <source>A drunk person sways indiscriminately from front to back and left and right.</source>
        <translation>酔っぱらいは前後左右にでたらめにふらつきます。</translation>
    </message>
    <message>
        <source>A drunk person may come back to the same place many times while walking </source>
        <translation>酔っぱらいは目的地へ歩く間に、同じ場所に何度も</translation>
    </message>
    <message>
        <source>around to reach his destination.</source>
        <translation>戻ってくることがあります。</translation>
    </message>
    <message>
        <source>Now the drunk person is at the origin on the xy coordinate plane.</source>
        <translation>いま、酔っぱらいがxy座標平面の原点にいます。</translation>
    </message>
    <message>
        <source>When a drunk person departs from the origin and wanders 30 times , how far</source>
        <translation>酔っぱらいが原点を出発して30回ふらつくとき、</translation>
    </message>
    <message>
        <source>is the position where he is at the 30th time from the origin ?</source>
        <translation>30回目にいる位置は原点からどれだけ離れていますか。</translation>
    </message>
    <message>
        <source>However , it is assumed that a drunk person sways in four directions , up ,</source>
        <translation>ただし、酔っぱらいは上下左右の4方向にふらつき、</translation>
    </message>
    <message>
        <source>down , left , and right , and the distance traveled by one sway is one.</source>
        <translation>1回のふらつきで動く距離は1とします。</translation>
    </message>
    <message>
        <source>Also , what if a drunk person sways in only two directions left and right , </source>
        <translation>また、酔っぱらいが左右の2方向にだけふらつき、</translation>
    </message>
    <message>
        <source>and is on the x-axis ?</source>
        <translation>x軸上にいるとしたらどうなるでしょうか。</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【操作方法】</translation>
    </message>
    <message>
        <source>■In case of wobbing in 4 directions , click the check box [Plane movement].</source>
        <translation>■4方向にふらつく場合は、チェックボックス[平面移動]をクリック。</translation>
    </message>
    <message>
        <source>■In case of wobbing in 2 directions , click the check box [Linear movement].</source>
        <translation>■2方向にふらつく場合は、チェックボックス[直線移動]をクリック。</translation>
    </message>
    <message>
        <source>(Click the [Init] button to change the 4-way wobble and the 2-way wobble.)</source>
        <translation>（4方向と2方向の切り替えは[初期化]ボタンをクリック。）</translation>
    </message>
    <message>
        <source>Click the [ExperimentStart] button to start the drunk person&apos;s wobbling.</source>
        <translation>[実験開始]ボタンで酔っぱらいがふらつき始めます。</translation>
    </message>
    <message>
        <source>  (However , it takes time to start wobbling.)</source>
        <translation>　（ただし、ふらつき始めるまで少し時間がかかります。）</translation>
    </message>
    <message>
        <source>Click the [ExperimentStop] button to stop the drunk person&apos;s wobbling.</source>
        <translation>[実験停止]ボタンで酔っぱらいのふらつきを止めます。</translation>
    </message>
    <message>
        <source>(However , it takes time to stop wobbling.)</source>
        <translation>（ただし、止まるまで少し時間がかかります。）</translation>
    </message>
    <message>
        <source>Click the [Graph display] button to display the graph.</source>
        <translation>[グラフ表示]ボタンでグラフを表示します。</translation>
    </message>
    <message>
        <source>  (However , in the case of 4-way wobbling , the horizontal axis is the distance</source>
        <translation>　（ただし、4方向の場合、横軸は酔っぱらいが30回</translation>
    </message>
    <message>
        <source>between the position where the drunk person staggers 30 times and the origin.</source>
        <translation>ふらついた位置と原点との距離です。</translation>
    </message>
    <message>
        <source>And , in the case of 2-way wobbling , the horizontal axis is the x-coordinate of</source>
        <translation>また、2方向の場合、横軸は酔っぱらいが30回ふらついた</translation>
    </message>
    <message>
        <source>the position where the drunk person staggers 30 times.)</source>
        <translation>位置のx座標です。）</translation>
    </message>
    <message>
        <source> Lurchfield＿Help（Questions and Operation method）</source>
        <translation> Lurchfield＿ヘルプ（問題と操作方法）</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>ヘルプの本文</translation>
    </message>
</context>
<context>
    <name>Lurchfield</name>
    <message>
        <source>A random walk for the mathematics class</source>
        <translation>数学の授業のためのランダムウォーク</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Walker&apos;s x coordinate</source>
        <translation>酔っぱらいのx座標</translation>
    </message>
    <message>
        <source>Walker&apos;s y coordinate</source>
        <translation>酔っぱらいのy座標</translation>
    </message>
    <message>
        <source>Trial number</source>
        <translation>試行番号</translation>
    </message>
    <message>
        <source>Coordinate plane</source>
        <translation>座標平面</translation>
    </message>
    <message>
        <source>Walker at x %1, y %2</source>
        <translation>酔っぱらいの位置 x %1、y %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>初期化</translation>
    </message>
    <message>
        <source>Number of staggers</source>
        <translation>ふらつき回数</translation>
    </message>
    <message>
        <source>Average distance</source>
        <translation>平均距離</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>グラフ表示</translation>
    </message>
    <message>
        <source>ｘ＝</source>
        <translation>ｘ＝</translation>
    </message>
    <message>
        <source>ｙ＝</source>
        <translation>ｙ＝</translation>
    </message>
    <message>
        <source>th</source>
        <extracomment>Follows the trial number, as &quot;th&quot; in &quot;5th&quot;: an ordinal ending or a word.</extracomment>
        <translation>回目</translation>
    </message>
    <message>
        <source>&#x3000;It takes a little time ...</source>
        <translation>　少々お待ちください…</translation>
    </message>
    <message>
        <source>Experiment Start</source>
        <translation>実験開始</translation>
    </message>
    <message>
        <source>Experiment Stop</source>
        <translation>実験停止</translation>
    </message>
    <message>
        <source>Plane movement</source>
        <translation>平面移動</translation>
    </message>
    <message>
        <source>Linear movement</source>
        <translation>直線移動</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>このソフトウェアを終了します。</translation>
    </message>
    <message>
        <source>Trial</source>
        <extracomment>The copied results&apos; header row.</extracomment>
        <translation>試行</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>結果をコピー</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>Number</source>
        <extracomment>Row title: the trials&apos; numbers.</extracomment>
        <translation>番号</translation>
    </message>
    <message>
        <source>y coordinate</source>
        <translation>y座標</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>ｘ coordinate</source>
        <translation>ｘ座標</translation>
    </message>
    <message>
        <source>x coordinate</source>
        <translation>x座標</translation>
    </message>
    <message>
        <source>X coordinate</source>
        <translation>X座標</translation>
    </message>
    <message>
        <source>Trial %1, x coordinate</source>
        <translation>%1回目の試行、x座標</translation>
    </message>
    <message>
        <source>Trial %1, y coordinate</source>
        <translation>%1回目の試行、y座標</translation>
    </message>
    <message>
        <source>Trial %1, distance</source>
        <translation>%1回目の試行、距離</translation>
    </message>
</context>
<context>
    <name>XHistogramWindow</name>
    <message>
        <source>x %1</source>
        <extracomment>A bar of the x histogram, named by its final x coordinate.</extracomment>
        <translation>x座標 %1</translation>
    </message>
    <message>
        <source>Histogram of the final x coordinate</source>
        <translation>最終的なx座標のヒストグラム</translation>
    </message>
    <message>
        <source>(Frecuency)</source>
        <translation>（度数）</translation>
    </message>
    <message>
        <source>(Horizontal axis : x coordinate)</source>
        <translation>（横軸：x座標）</translation>
    </message>
</context>
<context>
    <name>platform::SurfaceWindow</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
