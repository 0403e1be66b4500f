<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>使い方: %1 [オプション]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
オプション:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RC電動カーのギア比確認ツール ZELTAN を起動します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この説明を表示して終了します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョンを表示して終了します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データファイルを置くフォルダ（無ければ作成）。
既定は $XDG_DATA_HOME/zeltan
（通常 ~/.local/share/zeltan）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
使い方は「%1 --help」で表示されます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data-dir の後にフォルダを指定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不明なオプション「%1」です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>余分な引数「%1」があります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--data-dir は1回だけ指定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面がありません：ZELTAN はデスクトップ（X11 または Wayland）の上で動きます（DISPLAY も WAYLAND_DISPLAY も設定されていません）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>ギア比確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>〒150-0002 東京都渋谷区渋谷9-99-9 テルン株式会社&#x3000;TEL 03-0000-0000&#x3000;FAX 03-0000-0001&#x3000;E-mail info@terrun.example&#x3000;http://www.terrun.example/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ギア比確認ツール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシン名の表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２次減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２次減速比の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２次減速比を計算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２次減速比 SET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーギア歯数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーギア歯数の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーギア歯数を計算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーギア歯数 SET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンギア歯数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンギア歯数の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンギア歯数を計算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンギア歯数 SET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比を計算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比 SET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キーパッドの入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>・</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小数点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力のクリア</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比を計算表示します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>状況表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定減速比調査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー、ピニオンの計算実行時に一方のギア数を変更しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計算時に一方のギア数を変更しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表再作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定減速比調査時のパラメータ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XXモジュールを選択した場合表再作成で新しいモジュールを作れます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しいモジュールの説明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>??モジュール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しいモジュール名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュール選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュール選択の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー範囲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー範囲の表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲の表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー範囲の開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>＋</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー範囲の＋</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー範囲の幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計算間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーの計算間隔の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーの計算間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲の開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲の＋</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲の幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンの計算間隔の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンの計算間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシン登録＆選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録マシン一覧（選択で上部に転記します）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録マシン一覧の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録マシン一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシン名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシン名の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録する２次減速比の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録する２次減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュール設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュール設定の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録するモジュール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録するスパー範囲の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録するスパー範囲の開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録するスパー範囲の幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録するスパーの計算間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録するピニオン範囲の見出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録するピニオン範囲の開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録するピニオン範囲の幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録するピニオンの計算間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシンを登録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上部データから該当全数値転記する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上部データから全数値を転記</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2次減速</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２次減速比を転記</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー範囲を転記</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲を転記</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾓｼﾞｭｰﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュールを転記</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシンを削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り扱い説明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り扱い説明を閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２次減速比計算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーギア数計算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンギア数計算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比の計算方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定減速比調査方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定減速比パラメータ設定方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシンの指定＆登録方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリントの方法</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り扱い説明閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回の取説を開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走行計算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷プレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDFに保存…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSVで保存…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティング記録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツールの説明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツールメニュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Drive</name>
    <message>
        <source>タイヤ径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーターKV値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バッテリー電圧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーター回転数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２次減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーギア歯数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンギア歯数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準の２次減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準のスパーギア歯数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準のピニオンギア歯数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準の減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準のロールアウト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準のタイヤ回転数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準の最高速度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定ロールアウト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定最高速度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定タイヤ回転数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイヤ回転数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最高速度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピッチ円直径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中心距離</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比の変化率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウトの変化率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイヤ回転数の変化率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最高速度の変化率</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrivePrintOut</name>
    <message>
        <source>ロールアウト表（mm）&#x3000;赤：指定減速比の%1以内&#x3000;青：最も近い組合せ（メイン画面の調査と同じ）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（表はスパー%1～%2、ピニオン%3～%4を印刷）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriveSheet</name>
    <message>
        <source>最高速度（理論値・無負荷）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>現在のセッティング（メイン画面）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>項目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュール m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー ピッチ円直径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン ピッチ円直径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（m %2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１歯の変更</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変更</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー/ピニオン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最高速度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変化率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準との比較</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>現在</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「基準にする」で現在の設定を基準にします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比較できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>他のピッチでの相当</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピッチ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比が近い組合せ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中心距離が近い組合せ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走行計算の計算式

減速比 ＝ スパーギア歯数 ÷ ピニオンギア歯数 × ２次減速比
ロールアウト（mm）＝ タイヤ径 × π ÷ 減速比（モーター１回転で進む距離）
モーター回転数（rpm）＝ モーターKV値 × バッテリー電圧
&#x3000;（モーター回転数を入力した場合はその値）
タイヤ回転数（rpm）＝ モーター回転数 ÷ 減速比
最高速度（km/h）＝ タイヤ回転数 × タイヤ径 × π × 60 ÷ 1000000
モジュール m（mm）＝ 25.4 ÷ ピッチ（48P など）、0.5M などはその値
ピッチ円直径 ＝ m × 歯数
中心距離 ＝ m × （スパーギア歯数 ＋ ピニオンギア歯数）÷ 2
指定値からの減速比 ＝ タイヤ径 × π ÷ 指定ロールアウト、
&#x3000;モーター回転数 × タイヤ径 × π × 60 ÷ 1000000 ÷ 指定最高速度、
&#x3000;モーター回転数 ÷ 指定タイヤ回転数
&#x3000;この減速比でメイン画面の指定減速比調査を行います。

最高速度は無負荷・スリップなしの理論値です。実際の走行では負荷や電圧の低下、タイヤの膨らみやスリップで変わります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最高速度は無負荷・スリップなしの理論値です。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriveTool</name>
    <message>
        <source>メイン画面のモジュール %1：m %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走行計算&#x3000;%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウト %1mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最高速度 %1km/h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準比 ロールアウト %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速度 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 → 減速比 %3 で指定減速比調査しました</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriveWindow</name>
    <message>
        <source>走行計算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メイン画面のセッティングから計算しています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メイン画面のモジュールがピッチ（48P・0.5M など）でないときに入力します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走行計算の状況表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定減速比調査の結果</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュールの出どころ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準にする</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>現在のセッティングを基準にする</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウト表（mm）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウト表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>赤：指定減速比の%1以内&#x3000;青：最も近い組合せ（メイン画面の調査と同じ）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走行条件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rpm（入力するとKV値×電圧より優先）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目標から減速比を調べる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定ロールアウトで指定減速比調査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定最高速度で指定減速比調査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定タイヤ回転数で指定減速比調査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>調査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走行計算を印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計算式の説明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走行計算を閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldAccessible</name>
    <message>
        <source>%1、空欄</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 のリンク先が見つからないため書き込めませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」はファイルに保存できない文字です。別の文字に置き換えて下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 が見つかりません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 が大きすぎるため読み込めませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 はリンク先が見つかりません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 は別のZELTANが書き換え中です。しばらくしてからやり直して下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ %1 に書き込めません。書き込み権限と空き容量を確認して下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ名「%1」には、このシステムの文字コードで読めないバイトがあります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOME が設定されていないため、データフォルダの場所を決められません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データフォルダ「%1」はフォルダではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データフォルダ「%1」を作成できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データフォルダ「%1」に書き込めません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データフォルダ %1 を作成できませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 を作成できませんでした</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GearCalc</name>
    <message>
        <source>２次減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2次減速比を計算表示します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２次減速比計算終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーギア歯数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾊﾟｰｷﾞｱ歯数を計算表示します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー計算終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー計算終了 ピニオンも変更</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンギア歯数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾋﾟﾆｵﾝｷﾞｱ歯数を計算表示します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン計算終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン計算終了 スパーも変更</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比を計算表示します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比計算終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１次減速比（スパー÷ピニオン）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MachineRegistry</name>
    <message>
        <source>２次減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー範囲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュール</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 計算する値に選ばれています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>押すと計算する値に選びます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の入力欄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拡大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>縮小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準の大きさ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>２次減速比の調査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーギア歯数の調査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンギア歯数の調査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比の調査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定減速比の調査</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定減速比調査時のパラメータ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシンの選択＆登録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計算結果のプリント</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツールメニュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>走行計算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティング記録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り扱い説明「%1」が長すぎるため、先頭の%2行だけを表示します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取り扱い説明「%1」の終わり（end）が見つかりません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>（-32768～32767）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1が設定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1「%2」は数値ではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1「%2」が範囲%3を超えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1は0より大きい値を指定して下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1が0のため計算できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計算した%1が大きすぎて表示できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計算した%1が範囲%2を超えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1「%2」が大きすぎて計算できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1「%2」から求めた減速比が小さすぎます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基準の%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 指定減速比 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 指定減速比 %2 該当なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ( %2～%3 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力「%1」が歯数の範囲%2を超えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録を呼び出しました（%1/%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュール「%1」はモジュール表にないため、今のモジュールのままです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の計算間隔は1以上にして下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1範囲の終わり（開始＋幅）が範囲%2を超えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1範囲の値が多すぎます（%2個まで）。幅を小さくするか計算間隔を大きくして下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲に0が含まれているため計算できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1の歯数の範囲が広すぎます（%2個まで）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1「%2」は整数で指定して下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1「%2」が大きすぎます（32737まで）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>module.dat のモジュールが多すぎるため、先頭の%1件だけを一覧に表示します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュール名に「&quot;」は使えません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同じモジュールが有りますが、上書きしますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同じモジュールが有りますが、削除しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシン名を入力して下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシン名に「&quot;」は使えません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシン名を選択して下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 を読み込めませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 に書き込めませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 を読み込めないため保存しませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 は読み取り専用のため保存しませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 は通常のファイルではないため使えません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModuleTable</name>
    <message>
        <source>システム中に設定されたモジュールが存在しません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー範囲の開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲の開始</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>日時</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン/スパー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーター温度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ベストラップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウト %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&#x3000;%2&#x3000;%3&#x3000;%4/%5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotebookChart</name>
    <message>
        <source>グラフにする記録がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最新</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウト（mm）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーター温度とベストラップの推移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーター温度とベストラップ（%1別）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーター温度（℃）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ベストラップ（秒）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1。記録された温度やラップがありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1～%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2点 %3%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>温度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>。最新 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、%1℃</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、%1秒</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotebookCompare</name>
    <message>
        <source>&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（違う）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録を比べる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左の記録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右の記録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二つの記録の比較</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>項目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotebookField</name>
    <message>
        <source>マシン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>路面・気温</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２次減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーギア歯数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンギア歯数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイヤ径(mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウト(mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーターKV値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーター回転数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バッテリー電圧(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーター温度(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ベストラップ(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日時</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotebookList</name>
    <message>
        <source>、最速</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、最も低い温度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、最も高い温度</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotebookMessages</name>
    <message>
        <source>セッティング記録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティング記録のファイル %1 を開けませんでした：
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティング記録のファイル %1 は新しい版のZELTAN（形式 %2）で作られているため、この版では開けません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティング記録のファイルが壊れていました。
壊れたファイルは %1 に移し、新しい記録ファイルを作りました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティング記録のファイル %1 が壊れていますが、別の名前に移せませんでした：
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティング記録に書き込めませんでした（何も変更していません）：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティング記録を読めませんでした：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1～%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1より大きく%2以下</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1は %2 の範囲で入力して下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1は %2 の整数で入力して下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1は%2文字までです（%3文字あります）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>※ 範囲外の値です（記録のまま表示し、グラフには入れません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日時は「2026/12/07 15:30」の形で入力して下さい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定を呼び出しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>別のプログラム（別のZELTANやsqlite3など）がセッティング記録のファイルを使っているため、書き込めませんでした。
入力した内容は残っています。少し待ってからもう一度保存して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この記録は別のZELTANで削除されています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この記録は別のZELTANで削除されています。
入力した内容を新しい記録として保存しますか？
（「いいえ」なら入力した内容は欄に残ります）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録が選ばれていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択した記録を削除しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集中の記録を保存しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比べるには記録が2件以上必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシンが選ばれていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティング記録のファイルが開かれていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNGファイルに保存しました：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSVファイルの%1行目：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSVファイルの1行目がセッティング記録の見出しではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>引用符が閉じていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>項目が%1個あります（%2個のはずです）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1件の記録を追加します（すでにある%2件は追加しません）。
%3
追加してよろしいですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>追加する記録はありません（%1件はすでにあります）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1件の記録を追加しました（重複%2件は追加していません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ほか%1件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このコースのベストラップ %1（ピニオン/スパー %2、ロールアウト %3、モーター温度 %4）、最新の走行 %5、全%6回。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このコースのベストラップの記録はありません。最新の走行 %1、全%2回。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1℃以下に収まる最大のロールアウト %2 mm（予測、%3回の走行から）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1℃以下に収まる最大のロールアウト %2 mm（予測、%3回の走行から。試した最大の %4 mm より先で、確かではありません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1℃以下に収まる最大のロールアウト %2 mm（予測、%3回の走行から。試した最小の %4 mm より小さく、確かではありません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーター温度のある走行が%1回のため、ロールアウトの目安はまだ出せません（%2回から出します）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>どの走行も同じロールアウトのため、ロールアウトの目安は出せません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウトを大きくしてもモーター温度が上がっていないため、ロールアウトの目安は出せません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウトとモーター温度の関係がはっきりしないため（R² %1、0.5未満）、ロールアウトの目安は出せません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>どのロールアウトでもモーター温度が%1℃を超える予測のため、ロールアウトの目安は出せません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotebookSheet</name>
    <message>
        <source>ZELTAN %1&#x3000;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グラフにする記録がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最新</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティングシート&#x3000;%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティング履歴&#x3000;%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日時</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>路面・気温</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>温度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべて</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティング記録のグラフ&#x3000;マシン：%1&#x3000;コース：%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotebookStore</name>
    <message>
        <source>Qt SQL の SQLite ドライバー（libqt6sql6-sqlite）がありません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotebookWindow</name>
    <message>
        <source>（すべて）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録の一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーター温度とベストラップのグラフ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グラフの横軸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウト別</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比別</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ＷＷＷＷＷＷＷ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン/スパー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールアウト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーター温度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ベストラップ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コース</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1で絞り込む</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選んだ記録</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日時</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この設定を呼び出す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比べる…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>二つの記録を比べる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷・保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この記録のセッティングシートを印刷…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この記録のセッティングシートをPDFに保存…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシンの履歴を印刷…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシンの履歴をPDFに保存…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グラフを印刷…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グラフをPNGで保存…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示中の記録をCSVで書き出す…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSVから読み込む…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>セッティング記録を閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一覧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1。%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このコースの記録</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageDelivery</name>
    <message>
        <source>PRINT OUTしました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリンターが見つからないため、PDFファイルに保存しました：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDFファイルに保存しました：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷できませんでした：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリンターは接続されていますか？接続されていない場合はエラー停止します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSVファイルに保存しました：
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>印刷システム（CUPS）のライブラリを読み込めません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷サーバー（%1）が応答しません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷ジョブを受け付けていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止しています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷ジョブの状態を確かめられません（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷サーバーに文書が最後まで届きませんでした（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷ジョブは取り消されました（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷ジョブは止まっています（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷ジョブは中止されました（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷システムに接続できません（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリンターが見つかりません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリンター「%1」
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A4の用紙を設定できませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用紙の向きを設定できませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDFファイルの名前が指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」はフォルダです。PDFファイルの名前を指定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDFファイル「%1」を書き込めませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷するページを作れませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリンターが設定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ「%1」を作成できませんでした</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ranges</name>
    <message>
        <source>スパー範囲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー範囲の開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー範囲の幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーの計算間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲の開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲の幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンの計算間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２次減速比</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RatioGrid</name>
    <message>
        <source>最適 ピニオン%1/スパー%2 減速比 %3、%4以内 %5組</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最も近い組合せ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定減速比の%1以内</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>タイヤ径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーターKV値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バッテリー電圧</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モーター回転数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メイン画面のモジュール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>２次減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーギア歯数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンギア歯数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>マシン名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー範囲の開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー範囲の幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲の開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン範囲の幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパーの計算間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオンの計算間隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モジュール名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー一覧の始め</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スパー一覧の終わり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン一覧の始め</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピニオン一覧の終わり</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordSyntax</name>
    <message>
        <source>%1に改行やタブなどの制御文字は使えません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Survey</name>
    <message>
        <source>２次減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>減速比</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定減速比</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VersionTexts</name>
    <message>
        <source>Zeltanバージョン情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RCカーを愛するすべてのレーサーへ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RC-EPカーギア比確認&#x3000;ZELTAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開発</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>テルン株式会社&#x3000;代表 照井 太郎</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>〒150-0002 東京都渋谷区渋谷9-99-9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEL 03-0000-0000&#x3000;info@terrun.example</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>%1（%2）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>設定ファイル %1 は通常のファイルではないため、読み書きせずに標準の設定で起動しました</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
