<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>使い方: %1 [オプション]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>
オプション:
</source>
        <translation>
Options:
</translation>
    </message>
    <message>
        <source>RC電動カーのギア比確認ツール ZELTAN を起動します。</source>
        <translation>Starts ZELTAN, the gear ratio tool for electric RC cars.</translation>
    </message>
    <message>
        <source>この説明を表示して終了します</source>
        <translation>Show this help and exit</translation>
    </message>
    <message>
        <source>バージョンを表示して終了します</source>
        <translation>Show the version and exit</translation>
    </message>
    <message>
        <source>データファイルを置くフォルダ（無ければ作成）。
既定は $XDG_DATA_HOME/zeltan
（通常 ~/.local/share/zeltan）</source>
        <translation>Folder for the data files (created if missing).
Default: $XDG_DATA_HOME/zeltan
(usually ~/.local/share/zeltan)</translation>
    </message>
    <message>
        <source>
使い方は「%1 --help」で表示されます</source>
        <translation>
Run &quot;%1 --help&quot; to see how to use it</translation>
    </message>
    <message>
        <source>--data-dir の後にフォルダを指定してください</source>
        <translation>Give a folder after --data-dir</translation>
    </message>
    <message>
        <source>不明なオプション「%1」です</source>
        <translation>Unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>余分な引数「%1」があります</source>
        <translation>Unexpected argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--data-dir は1回だけ指定してください</source>
        <translation>Give --data-dir only once</translation>
    </message>
    <message>
        <source>画面がありません：ZELTAN はデスクトップ（X11 または Wayland）の上で動きます（DISPLAY も WAYLAND_DISPLAY も設定されていません）</source>
        <translation>No display: ZELTAN runs on a desktop (X11 or Wayland), but neither DISPLAY nor WAYLAND_DISPLAY is set</translation>
    </message>
    <message>
        <source>画面の言語：ja（日本語）または en（英語）。
既定はツールメニューで選んだ言語、なければシステムの言語</source>
        <translation>Language of the windows: ja (Japanese) or en (English).
By default the one chosen in the Tools menu, else the system&apos;s</translation>
    </message>
    <message>
        <source>--lang には ja か en を指定してください</source>
        <translation>--lang takes ja or en</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>ギア比確認</source>
        <translation>Gear Ratio Checker</translation>
    </message>
    <message>
        <source>〒150-0002 東京都渋谷区渋谷9-99-9 テルン株式会社&#x3000;TEL 03-0000-0000&#x3000;FAX 03-0000-0001&#x3000;E-mail info@terrun.example&#x3000;http://www.terrun.example/</source>
        <translation>Terrun Corporation, 9-99-9 Shibuya, Shibuya-ku, Tokyo 150-0002, Japan   TEL 03-0000-0000   FAX 03-0000-0001   E-mail info@terrun.example   http://www.terrun.example/</translation>
    </message>
    <message>
        <source>ギア比確認ツール</source>
        <translation>Gear Ratio Tool</translation>
    </message>
    <message>
        <source>マシン名の表示</source>
        <translation>Car name display</translation>
    </message>
    <message>
        <source>２次減速比</source>
        <translation>Internal ratio</translation>
    </message>
    <message>
        <source>２次減速比の見出し</source>
        <translation>Internal ratio heading</translation>
    </message>
    <message>
        <source>２次減速比を計算</source>
        <translation>Solve for the internal ratio</translation>
    </message>
    <message>
        <source>２次減速比 SET</source>
        <translation>Internal ratio SET</translation>
    </message>
    <message>
        <source>スパーギア歯数</source>
        <translation>Spur teeth</translation>
    </message>
    <message>
        <source>スパーギア歯数の見出し</source>
        <translation>Spur teeth heading</translation>
    </message>
    <message>
        <source>スパーギア歯数を計算</source>
        <translation>Solve for the spur teeth</translation>
    </message>
    <message>
        <source>スパーギア歯数 SET</source>
        <translation>Spur teeth SET</translation>
    </message>
    <message>
        <source>ピニオンギア歯数</source>
        <translation>Pinion teeth</translation>
    </message>
    <message>
        <source>ピニオンギア歯数の見出し</source>
        <translation>Pinion teeth heading</translation>
    </message>
    <message>
        <source>ピニオンギア歯数を計算</source>
        <translation>Solve for the pinion teeth</translation>
    </message>
    <message>
        <source>ピニオンギア歯数 SET</source>
        <translation>Pinion teeth SET</translation>
    </message>
    <message>
        <source>減速比</source>
        <translation>Final ratio</translation>
    </message>
    <message>
        <source>減速比の見出し</source>
        <translation>Final ratio heading</translation>
    </message>
    <message>
        <source>減速比を計算</source>
        <translation>Solve for the final ratio</translation>
    </message>
    <message>
        <source>減速比 SET</source>
        <translation>Final ratio SET</translation>
    </message>
    <message>
        <source>キーパッドの入力</source>
        <translation>Keypad entry</translation>
    </message>
    <message>
        <source>・</source>
        <translation>.</translation>
    </message>
    <message>
        <source>小数点</source>
        <translation>Decimal point</translation>
    </message>
    <message>
        <source>入力のクリア</source>
        <translation>Clear entry</translation>
    </message>
    <message>
        <source>減速比を計算表示します</source>
        <translation>Solving for final ratio</translation>
    </message>
    <message>
        <source>状況表示</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>指定減速比調査</source>
        <translation>Ratio search</translation>
    </message>
    <message>
        <source>スパー、ピニオンの計算実行時に一方のギア数を変更しない</source>
        <translation>Keep the other gear fixed when solving</translation>
    </message>
    <message>
        <source>計算時に一方のギア数を変更しない</source>
        <translation>Keep the other gear fixed when solving for spur or pinion</translation>
    </message>
    <message>
        <source>表再作成</source>
        <translation>Rebuild table</translation>
    </message>
    <message>
        <source>指定減速比調査時のパラメータ</source>
        <translation>Ratio search settings</translation>
    </message>
    <message>
        <source>XXモジュールを選択した場合表再作成で新しいモジュールを作れます</source>
        <translation>XX module + Rebuild table: new module</translation>
    </message>
    <message>
        <source>新しいモジュールの説明</source>
        <translation>How to add a new module</translation>
    </message>
    <message>
        <source>??モジュール</source>
        <translation>?? module</translation>
    </message>
    <message>
        <source>新しいモジュール名</source>
        <translation>New module name</translation>
    </message>
    <message>
        <source>モジュール選択</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>モジュール選択の見出し</source>
        <translation>Module heading</translation>
    </message>
    <message>
        <source>スパー範囲</source>
        <translation>Spur range</translation>
    </message>
    <message>
        <source>スパー範囲の表示</source>
        <translation>Spur range readout</translation>
    </message>
    <message>
        <source>ピニオン範囲</source>
        <translation>Pinion range</translation>
    </message>
    <message>
        <source>ピニオン範囲の表示</source>
        <translation>Pinion range readout</translation>
    </message>
    <message>
        <source>スパー範囲の開始</source>
        <translation>Spur range start</translation>
    </message>
    <message>
        <source>＋</source>
        <translation>+</translation>
    </message>
    <message>
        <source>スパー範囲の＋</source>
        <translation>Spur range plus sign</translation>
    </message>
    <message>
        <source>スパー範囲の幅</source>
        <translation>Spur range width</translation>
    </message>
    <message>
        <source>計算間隔</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>スパーの計算間隔の見出し</source>
        <translation>Spur step heading</translation>
    </message>
    <message>
        <source>スパーの計算間隔</source>
        <translation>Spur step</translation>
    </message>
    <message>
        <source>ピニオン範囲の開始</source>
        <translation>Pinion range start</translation>
    </message>
    <message>
        <source>ピニオン範囲の＋</source>
        <translation>Pinion range plus sign</translation>
    </message>
    <message>
        <source>ピニオン範囲の幅</source>
        <translation>Pinion range width</translation>
    </message>
    <message>
        <source>ピニオンの計算間隔の見出し</source>
        <translation>Pinion step heading</translation>
    </message>
    <message>
        <source>ピニオンの計算間隔</source>
        <translation>Pinion step</translation>
    </message>
    <message>
        <source>マシン登録＆選択</source>
        <translation>Register and choose cars</translation>
    </message>
    <message>
        <source>登録マシン一覧（選択で上部に転記します）</source>
        <translation>Registered cars (pick to load)</translation>
    </message>
    <message>
        <source>登録マシン一覧の見出し</source>
        <translation>Registered cars heading</translation>
    </message>
    <message>
        <source>登録マシン一覧</source>
        <translation>Registered cars</translation>
    </message>
    <message>
        <source>マシン名</source>
        <translation>Car name</translation>
    </message>
    <message>
        <source>マシン名の見出し</source>
        <translation>Car name heading</translation>
    </message>
    <message>
        <source>登録する２次減速比の見出し</source>
        <translation>Heading of the internal ratio to register</translation>
    </message>
    <message>
        <source>登録する２次減速比</source>
        <translation>Internal ratio to register</translation>
    </message>
    <message>
        <source>モジュール設定</source>
        <translation>Module setting</translation>
    </message>
    <message>
        <source>モジュール設定の見出し</source>
        <translation>Module setting heading</translation>
    </message>
    <message>
        <source>登録するモジュール</source>
        <translation>Module to register</translation>
    </message>
    <message>
        <source>登録するスパー範囲の見出し</source>
        <translation>Heading of the spur range to register</translation>
    </message>
    <message>
        <source>登録するスパー範囲の開始</source>
        <translation>Spur range start to register</translation>
    </message>
    <message>
        <source>登録するスパー範囲の幅</source>
        <translation>Spur range width to register</translation>
    </message>
    <message>
        <source>登録するスパーの計算間隔</source>
        <translation>Spur step to register</translation>
    </message>
    <message>
        <source>登録するピニオン範囲の見出し</source>
        <translation>Heading of the pinion range to register</translation>
    </message>
    <message>
        <source>登録するピニオン範囲の開始</source>
        <translation>Pinion range start to register</translation>
    </message>
    <message>
        <source>登録するピニオン範囲の幅</source>
        <translation>Pinion range width to register</translation>
    </message>
    <message>
        <source>登録するピニオンの計算間隔</source>
        <translation>Pinion step to register</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>マシンを登録</source>
        <translation>Register the car</translation>
    </message>
    <message>
        <source>上部データから該当全数値転記する</source>
        <translation>Copy all values from above</translation>
    </message>
    <message>
        <source>上部データから全数値を転記</source>
        <translation>Copy all values from above</translation>
    </message>
    <message>
        <source>2次減速</source>
        <translation>Int.</translation>
    </message>
    <message>
        <source>２次減速比を転記</source>
        <translation>Copy the internal ratio</translation>
    </message>
    <message>
        <source>スパー</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>スパー範囲を転記</source>
        <translation>Copy the spur range</translation>
    </message>
    <message>
        <source>ピニオン</source>
        <translation>Pinion</translation>
    </message>
    <message>
        <source>ピニオン範囲を転記</source>
        <translation>Copy the pinion range</translation>
    </message>
    <message>
        <source>ﾓｼﾞｭｰﾙ</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>モジュールを転記</source>
        <translation>Copy the module</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>マシンを削除</source>
        <translation>Delete the car</translation>
    </message>
    <message>
        <source>減速比表</source>
        <translation>Final ratio table</translation>
    </message>
    <message>
        <source>取り扱い説明</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>取り扱い説明を閉じる</source>
        <translation>Close the manual</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>２次減速比計算方法</source>
        <translation>Finding the internal ratio</translation>
    </message>
    <message>
        <source>スパーギア数計算方法</source>
        <translation>Finding the spur</translation>
    </message>
    <message>
        <source>ピニオンギア数計算方法</source>
        <translation>Finding the pinion</translation>
    </message>
    <message>
        <source>減速比の計算方法</source>
        <translation>Finding the final ratio</translation>
    </message>
    <message>
        <source>指定減速比調査方法</source>
        <translation>Finding pairs for a wanted ratio</translation>
    </message>
    <message>
        <source>指定減速比パラメータ設定方法</source>
        <translation>Ratio search settings</translation>
    </message>
    <message>
        <source>マシンの指定＆登録方法</source>
        <translation>Choosing and registering cars</translation>
    </message>
    <message>
        <source>プリントの方法</source>
        <translation>Printing the results</translation>
    </message>
    <message>
        <source>取り扱い説明閉じる</source>
        <translation>Close manual</translation>
    </message>
    <message>
        <source>前回の取説を開く</source>
        <translation>Reopen last topic</translation>
    </message>
    <message>
        <source>プリント</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About ZELTAN</translation>
    </message>
    <message>
        <source>ツール</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>走行計算</source>
        <translation>Drive calculator</translation>
    </message>
    <message>
        <source>印刷プレビュー</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>印刷…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>PDFに保存…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>CSVで保存…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>セッティング記録</source>
        <translation>Setup notebook</translation>
    </message>
    <message>
        <source>ツールの説明</source>
        <translation>Tools help</translation>
    </message>
    <message>
        <source>ツールメニュー</source>
        <translation>The Tools menu</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>Keyboard controls</translation>
    </message>
</context>
<context>
    <name>Drive</name>
    <message>
        <source>タイヤ径</source>
        <translation>Tire diameter</translation>
    </message>
    <message>
        <source>モーターKV値</source>
        <translation>Motor kV</translation>
    </message>
    <message>
        <source>バッテリー電圧</source>
        <translation>Battery voltage</translation>
    </message>
    <message>
        <source>モーター回転数</source>
        <translation>Motor rpm</translation>
    </message>
    <message>
        <source>モジュール</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>２次減速比</source>
        <translation>Internal ratio</translation>
    </message>
    <message>
        <source>スパーギア歯数</source>
        <translation>Spur teeth</translation>
    </message>
    <message>
        <source>ピニオンギア歯数</source>
        <translation>Pinion teeth</translation>
    </message>
    <message>
        <source>基準の２次減速比</source>
        <translation>Baseline internal ratio</translation>
    </message>
    <message>
        <source>基準のスパーギア歯数</source>
        <translation>Baseline spur teeth</translation>
    </message>
    <message>
        <source>基準のピニオンギア歯数</source>
        <translation>Baseline pinion teeth</translation>
    </message>
    <message>
        <source>基準の減速比</source>
        <translation>Baseline final ratio</translation>
    </message>
    <message>
        <source>基準のロールアウト</source>
        <translation>Baseline rollout</translation>
    </message>
    <message>
        <source>基準のタイヤ回転数</source>
        <translation>Baseline wheel rpm</translation>
    </message>
    <message>
        <source>基準の最高速度</source>
        <translation>Baseline top speed</translation>
    </message>
    <message>
        <source>指定ロールアウト</source>
        <translation>Target rollout</translation>
    </message>
    <message>
        <source>指定最高速度</source>
        <translation>Target top speed</translation>
    </message>
    <message>
        <source>指定タイヤ回転数</source>
        <translation>Target wheel rpm</translation>
    </message>
    <message>
        <source>減速比</source>
        <translation>Final ratio</translation>
    </message>
    <message>
        <source>ロールアウト</source>
        <translation>Rollout</translation>
    </message>
    <message>
        <source>タイヤ回転数</source>
        <translation>Wheel rpm</translation>
    </message>
    <message>
        <source>最高速度</source>
        <translation>Top speed</translation>
    </message>
    <message>
        <source>ピッチ円直径</source>
        <translation>Pitch diameter</translation>
    </message>
    <message>
        <source>中心距離</source>
        <translation>Center distance</translation>
    </message>
    <message>
        <source>減速比の変化率</source>
        <translation>Final ratio change</translation>
    </message>
    <message>
        <source>ロールアウトの変化率</source>
        <translation>Rollout change</translation>
    </message>
    <message>
        <source>タイヤ回転数の変化率</source>
        <translation>Wheel rpm change</translation>
    </message>
    <message>
        <source>最高速度の変化率</source>
        <translation>Top speed change</translation>
    </message>
</context>
<context>
    <name>DrivePrintOut</name>
    <message>
        <source>（表はスパー%1～%2、ピニオン%3～%4を印刷）</source>
        <translation>(Table printed for spur %1–%2, pinion %3–%4)</translation>
    </message>
    <message>
        <source>ロールアウト表（%1）&#x3000;赤：指定減速比の%2以内&#x3000;青：最も近い組合せ（メイン画面の調査と同じ）</source>
        <translation>Rollout table (%1)   Red: within %2 of the wanted ratio   Blue: closest pair (same as the main window&apos;s ratio search)</translation>
    </message>
</context>
<context>
    <name>DriveSheet</name>
    <message>
        <source>最高速度（理論値・無負荷）</source>
        <translation>Top speed (theoretical, no load)</translation>
    </message>
    <message>
        <source>現在のセッティング（メイン画面）</source>
        <translation>Current setup (main window)</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>モジュール m</source>
        <translation>Module m</translation>
    </message>
    <message>
        <source>スパー ピッチ円直径</source>
        <translation>Spur pitch diameter</translation>
    </message>
    <message>
        <source>ピニオン ピッチ円直径</source>
        <translation>Pinion pitch diameter</translation>
    </message>
    <message>
        <source>%1（m %2）</source>
        <translation>%1 (m %2)</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation> · </translation>
    </message>
    <message>
        <source>１歯の変更</source>
        <translation>One tooth up or down</translation>
    </message>
    <message>
        <source>変更</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>スパー/ピニオン</source>
        <translation>Spur/pinion</translation>
    </message>
    <message>
        <source>最高速度</source>
        <translation>Top speed</translation>
    </message>
    <message>
        <source>変化率</source>
        <translation>Change (%)</translation>
    </message>
    <message>
        <source>ピニオン</source>
        <translation>Pinion</translation>
    </message>
    <message>
        <source>スパー</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>基準との比較</source>
        <translation>Compared with the baseline</translation>
    </message>
    <message>
        <source>基準</source>
        <translation>Baseline</translation>
    </message>
    <message>
        <source>現在</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>基準なし</source>
        <translation>No baseline</translation>
    </message>
    <message>
        <source>「基準にする」で現在の設定を基準にします</source>
        <translation>“Set as baseline” takes the current setup</translation>
    </message>
    <message>
        <source>比較できません</source>
        <translation>Can&apos;t compare</translation>
    </message>
    <message>
        <source>他のピッチでの相当</source>
        <translation>Equivalent in other pitches</translation>
    </message>
    <message>
        <source>ピッチ</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>減速比が近い組合せ</source>
        <translation>Pair with the closest ratio</translation>
    </message>
    <message>
        <source>中心距離が近い組合せ</source>
        <translation>Pair with the closest center distance</translation>
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
        <translation>Drive calculator formulas

Final ratio = spur teeth ÷ pinion teeth × internal ratio
Rollout (mm) = tire diameter × π ÷ final ratio (distance per motor turn)
Motor rpm = motor kV × battery voltage
   (or the motor rpm you entered)
Wheel rpm = motor rpm ÷ final ratio
Top speed (km/h) = wheel rpm × tire diameter × π × 60 ÷ 1000000
Module m (mm) = 25.4 ÷ pitch (48P etc.); for 0.5M etc. the value itself
Pitch diameter = m × teeth
Center distance = m × (spur teeth + pinion teeth) ÷ 2
Final ratio from a target = tire diameter × π ÷ target rollout,
   motor rpm × tire diameter × π × 60 ÷ 1000000 ÷ target top speed,
   or motor rpm ÷ target wheel rpm
   The main window&apos;s ratio search is then run for this final ratio.

Top speed is a theoretical figure with no load and no slip. On track it changes with load, voltage sag, tire ballooning and wheelspin.</translation>
    </message>
    <message>
        <source>最高速度は無負荷・スリップなしの理論値です。</source>
        <translation>Top speed is a theoretical figure with no load and no slip.</translation>
    </message>
</context>
<context>
    <name>DriveTool</name>
    <message>
        <source>メイン画面のモジュール %1：m %2</source>
        <translation>Main window module %1: m %2</translation>
    </message>
    <message>
        <source>走行計算&#x3000;%1</source>
        <translation>Drive calculator – %1</translation>
    </message>
    <message>
        <source>基準比 ロールアウト %1</source>
        <translation>vs. baseline: rollout %1</translation>
    </message>
    <message>
        <source>速度 %1</source>
        <translation>speed %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 %2 → 減速比 %3 で指定減速比調査しました</source>
        <translation>%1 %2 → ratio search run for final ratio %3</translation>
    </message>
    <message>
        <source>ロールアウト %1</source>
        <translation>Rollout %1</translation>
    </message>
    <message>
        <source>最高速度 %1</source>
        <translation>Top speed %1</translation>
    </message>
</context>
<context>
    <name>DriveWindow</name>
    <message>
        <source>走行計算</source>
        <translation>Drive calculator</translation>
    </message>
    <message>
        <source>メイン画面のセッティングから計算しています</source>
        <translation>Calculated from the setup in the main window</translation>
    </message>
    <message>
        <source>メイン画面のモジュールがピッチ（48P・0.5M など）でないときに入力します</source>
        <translation>Enter this when the main window&apos;s module is not a pitch (48P, 0.5M etc.)</translation>
    </message>
    <message>
        <source>走行計算の状況表示</source>
        <translation>Drive calculator status</translation>
    </message>
    <message>
        <source>指定減速比調査の結果</source>
        <translation>Ratio search result</translation>
    </message>
    <message>
        <source>モジュールの出どころ</source>
        <translation>Where the module comes from</translation>
    </message>
    <message>
        <source>基準にする</source>
        <translation>Set as baseline</translation>
    </message>
    <message>
        <source>現在のセッティングを基準にする</source>
        <translation>Make the current setup the baseline</translation>
    </message>
    <message>
        <source>ロールアウト表</source>
        <translation>Rollout table</translation>
    </message>
    <message>
        <source>赤：指定減速比の%1以内&#x3000;青：最も近い組合せ（メイン画面の調査と同じ）</source>
        <translation>Red: within %1 of the wanted ratio   Blue: closest pair</translation>
    </message>
    <message>
        <source>走行条件</source>
        <translation>Running conditions</translation>
    </message>
    <message>
        <source>rpm（入力するとKV値×電圧より優先）</source>
        <translation>rpm (overrides kV × V)</translation>
    </message>
    <message>
        <source>目標から減速比を調べる</source>
        <translation>Find the ratio from a target</translation>
    </message>
    <message>
        <source>指定ロールアウトで指定減速比調査</source>
        <translation>Ratio search for the target rollout</translation>
    </message>
    <message>
        <source>指定最高速度で指定減速比調査</source>
        <translation>Ratio search for the target top speed</translation>
    </message>
    <message>
        <source>指定タイヤ回転数で指定減速比調査</source>
        <translation>Ratio search for the target wheel rpm</translation>
    </message>
    <message>
        <source>調査</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>走行計算を印刷</source>
        <translation>Print the drive calculator</translation>
    </message>
    <message>
        <source>計算式の説明</source>
        <translation>Formulas</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>走行計算を閉じる</source>
        <translation>Close the drive calculator</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>手持ちのギアで調べた結果</source>
        <translation>Owned-gear search result</translation>
    </message>
    <message>
        <source>手持ちのギアだけ</source>
        <translation>Owned gears only</translation>
    </message>
    <message>
        <source>指定減速比調査で手持ちのギアだけを調べる</source>
        <translation>Ratio search over owned gears only</translation>
    </message>
    <message>
        <source>ロールアウトを保つ</source>
        <translation>Keep rollout</translation>
    </message>
    <message>
        <source>今のタイヤ径でロールアウトを保つ手持ちの組合せ</source>
        <translation>Owned pairs that keep the rollout at the current tire diameter</translation>
    </message>
    <message>
        <source>手持ちギア…</source>
        <translation>Owned gears…</translation>
    </message>
    <message>
        <source>手持ちギアとマウントを登録する</source>
        <translation>Register owned gears and motor mounts</translation>
    </message>
    <message>
        <source>手持ちの組合せ（近い順）</source>
        <translation>Owned pairs (closest first)</translation>
    </message>
    <message>
        <source>ロールアウト表（%1）</source>
        <translation>Rollout table (%1)</translation>
    </message>
</context>
<context>
    <name>FieldAccessible</name>
    <message>
        <source>%1、空欄</source>
        <translation>%1, blank</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 のリンク先が見つからないため書き込めませんでした</source>
        <translation>Couldn&apos;t write %1: the file it links to is missing</translation>
    </message>
    <message>
        <source>「%1」はファイルに保存できない文字です。別の文字に置き換えて下さい</source>
        <translation>“%1” is a character that can&apos;t be saved to the file. Please use another one</translation>
    </message>
    <message>
        <source>%1 が見つかりません</source>
        <translation>Can&apos;t find %1</translation>
    </message>
    <message>
        <source>%1 が大きすぎるため読み込めませんでした</source>
        <translation>%1 is too large to read</translation>
    </message>
    <message>
        <source>%1 はリンク先が見つかりません</source>
        <translation>%1 links to a file that is missing</translation>
    </message>
    <message>
        <source>%1 は別のZELTANが書き換え中です。しばらくしてからやり直して下さい</source>
        <translation>Another ZELTAN is writing %1. Please try again in a moment</translation>
    </message>
    <message>
        <source>フォルダ %1 に書き込めません。書き込み権限と空き容量を確認して下さい</source>
        <translation>Can&apos;t write to folder %1. Check the write permission and the free space</translation>
    </message>
    <message>
        <source>フォルダ名「%1」には、このシステムの文字コードで読めないバイトがあります</source>
        <translation>The folder name “%1” has bytes that this system&apos;s encoding can&apos;t read</translation>
    </message>
    <message>
        <source>HOME が設定されていないため、データフォルダの場所を決められません</source>
        <translation>HOME is not set, so the data folder can&apos;t be located</translation>
    </message>
    <message>
        <source>データフォルダ「%1」はフォルダではありません</source>
        <translation>The data folder “%1” is not a folder</translation>
    </message>
    <message>
        <source>データフォルダ「%1」を作成できません</source>
        <translation>Can&apos;t create the data folder “%1”</translation>
    </message>
    <message>
        <source>データフォルダ「%1」に書き込めません</source>
        <translation>Can&apos;t write to the data folder “%1”</translation>
    </message>
    <message>
        <source>データフォルダ %1 を作成できませんでした</source>
        <translation>Couldn&apos;t create the data folder %1</translation>
    </message>
    <message>
        <source>%1 を作成できませんでした</source>
        <translation>Couldn&apos;t create %1</translation>
    </message>
</context>
<context>
    <name>GearBoxWindow</name>
    <message>
        <source>手持ちギアの状況表示</source>
        <translation>Owned gears status</translation>
    </message>
    <message>
        <source>モジュールごとの手持ちギア</source>
        <translation>Owned gears by module</translation>
    </message>
    <message>
        <source>手持ちギアのモジュール</source>
        <translation>Module of the owned gears</translation>
    </message>
    <message>
        <source>モジュール</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>スパー</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>ピニオン</source>
        <translation>Pinion</translation>
    </message>
    <message>
        <source>マシンのモーターマウント</source>
        <translation>Motor mount per car</translation>
    </message>
    <message>
        <source>マウントのマシン名</source>
        <translation>Car name for the mount</translation>
    </message>
    <message>
        <source>マシン名</source>
        <translation>Car name</translation>
    </message>
    <message>
        <source>マウントが載せられる歯数の和の最小</source>
        <translation>Smallest tooth sum the mount takes</translation>
    </message>
    <message>
        <source>歯数の和（スパー＋ピニオン）の最小</source>
        <translation>Min tooth sum (spur + pinion)</translation>
    </message>
    <message>
        <source>マウントが載せられる歯数の和の最大</source>
        <translation>Largest tooth sum the mount takes</translation>
    </message>
    <message>
        <source>歯数の和（スパー＋ピニオン）の最大</source>
        <translation>Max tooth sum (spur + pinion)</translation>
    </message>
    <message>
        <source>「27.5mm」のように中心距離でも入力できます（歯数の和にして保存します）。空欄ならどの組合せも載るものとします。両方を消すと登録を消します。</source>
        <translation>You can also enter a center distance, like “27.5mm” (it is saved as a tooth sum). Blank means any pair fits. Clear both to remove the mount.</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>手持ちギアを閉じる</source>
        <translation>Close owned gears</translation>
    </message>
    <message>
        <source>例：17-25, 28（%1 は %2～%3 枚）</source>
        <translation>e.g. 17-25, 28 (%1: %2–%3 teeth)</translation>
    </message>
</context>
<context>
    <name>GearCalc</name>
    <message>
        <source>２次減速比</source>
        <translation>Internal ratio</translation>
    </message>
    <message>
        <source>2次減速比を計算表示します</source>
        <translation>Solving for internal ratio</translation>
    </message>
    <message>
        <source>２次減速比計算終了</source>
        <translation>Internal ratio done</translation>
    </message>
    <message>
        <source>スパーギア歯数</source>
        <translation>Spur teeth</translation>
    </message>
    <message>
        <source>スパー</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>ｽﾊﾟｰｷﾞｱ歯数を計算表示します</source>
        <translation>Solving for spur teeth</translation>
    </message>
    <message>
        <source>スパー計算終了</source>
        <translation>Spur done</translation>
    </message>
    <message>
        <source>スパー計算終了 ピニオンも変更</source>
        <translation>Spur done (pinion changed)</translation>
    </message>
    <message>
        <source>ピニオンギア歯数</source>
        <translation>Pinion teeth</translation>
    </message>
    <message>
        <source>ピニオン</source>
        <translation>Pinion</translation>
    </message>
    <message>
        <source>ﾋﾟﾆｵﾝｷﾞｱ歯数を計算表示します</source>
        <translation>Solving for pinion teeth</translation>
    </message>
    <message>
        <source>ピニオン計算終了</source>
        <translation>Pinion done</translation>
    </message>
    <message>
        <source>ピニオン計算終了 スパーも変更</source>
        <translation>Pinion done (spur changed)</translation>
    </message>
    <message>
        <source>減速比</source>
        <translation>Final ratio</translation>
    </message>
    <message>
        <source>減速比を計算表示します</source>
        <translation>Solving for final ratio</translation>
    </message>
    <message>
        <source>減速比計算終了</source>
        <translation>Final ratio done</translation>
    </message>
    <message>
        <source>１次減速比（スパー÷ピニオン）</source>
        <translation>Primary ratio (spur ÷ pinion)</translation>
    </message>
</context>
<context>
    <name>GearMessages</name>
    <message>
        <source>手持ちギア</source>
        <translation>Owned gears</translation>
    </message>
    <message>
        <source>手持ちのスパーギア</source>
        <translation>Owned spurs</translation>
    </message>
    <message>
        <source>手持ちのピニオンギア</source>
        <translation>Owned pinions</translation>
    </message>
    <message>
        <source>%1の「%2」は歯数でも「17-25」のような範囲でもありません</source>
        <translation>%1: “%2” is neither a tooth count nor a range like “17-25”</translation>
    </message>
    <message>
        <source>%1の「%2」は範囲が逆です（「17-25」のように小さい歯数から書いて下さい）</source>
        <translation>%1: “%2” is backwards (put the smaller tooth count first, like “17-25”)</translation>
    </message>
    <message>
        <source>%1の「%2」は、%3 で使える歯数（%4～%5）を外れています</source>
        <translation>%1: “%2” is outside the tooth counts %3 allows (%4–%5)</translation>
    </message>
    <message>
        <source>マウントの歯数の和「%1」は 1～999 の整数で、中心距離なら「27.5mm」の形で入力して下さい</source>
        <translation>Mount tooth sum “%1”: enter a whole number 1–999, or a center distance like “27.5mm”</translation>
    </message>
    <message>
        <source>%1 はピッチ（48P・0.5M など）ではないため、マウントを中心距離（mm）では登録できません。歯数の和で入力して下さい</source>
        <translation>%1 is not a pitch (48P, 0.5M etc.), so the mount can&apos;t be set as a center distance (mm). Enter a tooth sum instead</translation>
    </message>
    <message>
        <source>マウントの歯数の和の最小 %1 が最大 %2 より大きくなっています</source>
        <translation>The mount&apos;s min tooth sum %1 is larger than its max %2</translation>
    </message>
    <message>
        <source>マウントを登録するマシン名を入力して下さい</source>
        <translation>Please enter the car name for the mount</translation>
    </message>
    <message>
        <source>モジュールが選ばれていません</source>
        <translation>No module chosen</translation>
    </message>
    <message>
        <source>%1 の手持ちギアを保存しました（スパー%2枚、ピニオン%3枚）</source>
        <translation>Saved the owned gears for %1 (%2 spurs, %3 pinions)</translation>
    </message>
    <message>
        <source>%1 の %2 のマウントを保存しました（歯数の和 %3～%4）</source>
        <translation>Saved the %2 mount for %1 (tooth sum %3–%4)</translation>
    </message>
    <message>
        <source>%1 の %2 のマウントの登録を消しました（どの組合せも載るものとします）</source>
        <translation>Removed the %2 mount for %1 (any pair now fits)</translation>
    </message>
    <message>
        <source>%1 の手持ちギアが登録されていません（手持ちギア…で登録できます）</source>
        <translation>No owned gears for %1 (add them under Owned gears…)</translation>
    </message>
    <message>
        <source>%1 の手持ちギアに、%2 のマウント（歯数の和 %3～%4）に載る組合せがありません</source>
        <translation>No pair of your owned %1 gears fits the %2 mount (tooth sum %3–%4)</translation>
    </message>
    <message>
        <source>手持ちのギアだけで %1 %2 を調べましたが、%3以内の組合せはありません。最も近いのは %4 です。</source>
        <translation>Searched owned gears only for %1 %2: no pair within %3. The closest is %4.</translation>
    </message>
    <message>
        <source>基準のセッティングがありません。先に「基準にする」を押して下さい</source>
        <translation>No baseline setup. Press “Set as baseline” first</translation>
    </message>
    <message>
        <source>→ 手持ち %1/%2</source>
        <translation>→ owned %1/%2</translation>
    </message>
    <message>
        <source>→ 手持ちで収まる組合せなし</source>
        <translation>→ no owned pair fits</translation>
    </message>
    <message>
        <source>追加する記録はありませんが、手持ちギア %1 モジュール分とマウント %2 件があります。
手持ちギアに加え、マウントは同じマシンとモジュールのものを置き換えます。よろしいですか？</source>
        <translation>No runs to add, but there are owned gears for %1 modules and %2 mounts.
The gears are added to yours; each mount replaces the one for the same car and module. Go ahead?</translation>
    </message>
    <message>
        <source>ほかに手持ちギア %1 モジュール分とマウント %2 件（手持ちギアに加え、マウントは置き換えます）</source>
        <translation>Also owned gears for %1 modules and %2 mounts (gears are added, mounts replaced)</translation>
    </message>
    <message>
        <source>手持ちギア %1 モジュール分とマウント %2 件を読み込みました</source>
        <translation>Imported owned gears for %1 modules and %2 mounts</translation>
    </message>
    <message>
        <source>温度上限</source>
        <translation>Temp limit</translation>
    </message>
    <message>
        <source>ロールアウトの目安で、モーター温度をこの温度以下に収めます（℃）：</source>
        <translation>Keep the motor temp at or under this for the rollout advice (°C):</translation>
    </message>
    <message>
        <source>温度上限を設定ファイル %1 に保存できませんでした。この起動のあいだだけ使います</source>
        <translation>Couldn&apos;t save the temp limit to the settings file %1. It is used until you quit</translation>
    </message>
    <message>
        <source>ピニオン%1/スパー%2&#x3000;減速比 %3、ロールアウト %4、%5%</source>
        <translation>Pinion %1/spur %2   final ratio %3, rollout %4, %5%</translation>
    </message>
    <message>
        <source>手持ちのギアだけで %1 %2（ロールアウト %3）を調べました。%5以内の組合せは%4通りです（近い順）：</source>
        <translation>Searched owned gears only for %1 %2 (rollout %3). %4 pairs within %5 (closest first):</translation>
    </message>
    <message>
        <source>基準のロールアウト %1 をタイヤ径 %2 で保つ手持ちの組合せ（近い順）：</source>
        <translation>Owned pairs that keep the baseline rollout %1 on a %2 tire (closest first):</translation>
    </message>
    <message>
        <source>%2 の記録のロールアウト %1 をタイヤ径 %3 で保つ手持ちの組合せ（近い順）：</source>
        <translation>Owned pairs that keep the rollout %1 of the %2 run on a %3 tire (closest first):</translation>
    </message>
    <message>
        <source>ピニオン%1/スパー%2&#x3000;ロールアウト %3 → %4（%5%）</source>
        <translation>Pinion %1/spur %2   rollout %3 → %4 (%5%)</translation>
    </message>
</context>
<context>
    <name>MachineRegistry</name>
    <message>
        <source>２次減速比</source>
        <translation>Internal ratio</translation>
    </message>
    <message>
        <source>スパー範囲</source>
        <translation>Spur range</translation>
    </message>
    <message>
        <source>ピニオン範囲</source>
        <translation>Pinion range</translation>
    </message>
    <message>
        <source>モジュール</source>
        <translation>Module</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 計算する値に選ばれています</source>
        <translation>%1 marks this as the value to solve for</translation>
    </message>
    <message>
        <source>押すと計算する値に選びます</source>
        <translation>Press to solve for this value</translation>
    </message>
    <message>
        <source>%1の入力欄</source>
        <translation>%1 field</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>標準の大きさ</source>
        <translation>Normal size</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>言語（Language）</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>次回の起動から切り替わります</source>
        <translation>Takes effect at the next start</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>２次減速比の調査</source>
        <translation>Finding the internal ratio</translation>
    </message>
    <message>
        <source>スパーギア歯数の調査</source>
        <translation>Finding the spur</translation>
    </message>
    <message>
        <source>ピニオンギア歯数の調査</source>
        <translation>Finding the pinion</translation>
    </message>
    <message>
        <source>減速比の調査</source>
        <translation>Finding the final ratio</translation>
    </message>
    <message>
        <source>指定減速比の調査</source>
        <translation>Finding pairs for a wanted ratio</translation>
    </message>
    <message>
        <source>指定減速比調査時のパラメータ</source>
        <translation>Ratio search settings</translation>
    </message>
    <message>
        <source>マシンの選択＆登録</source>
        <translation>Choosing and registering cars</translation>
    </message>
    <message>
        <source>計算結果のプリント</source>
        <translation>Printing the results</translation>
    </message>
    <message>
        <source>ツールメニュー</source>
        <translation>The Tools menu</translation>
    </message>
    <message>
        <source>走行計算</source>
        <translation>Drive calculator</translation>
    </message>
    <message>
        <source>セッティング記録</source>
        <translation>Setup notebook</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>Keyboard controls</translation>
    </message>
    <message>
        <source>取り扱い説明「%1」が長すぎるため、先頭の%2行だけを表示します</source>
        <translation>The manual topic “%1” is too long, so only its first %2 lines are shown</translation>
    </message>
    <message>
        <source>取り扱い説明「%1」の終わり（end）が見つかりません</source>
        <translation>The manual topic “%1” has no closing “end” line</translation>
    </message>
    <message>
        <source>help.txt</source>
        <translation>help-en.txt</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>（-32768～32767）</source>
        <translation>(-32768–32767)</translation>
    </message>
    <message>
        <source>%1が設定されていません</source>
        <translation>%1 is not set</translation>
    </message>
    <message>
        <source>%1「%2」は数値ではありません</source>
        <translation>%1 “%2” is not a number</translation>
    </message>
    <message>
        <source>%1「%2」が範囲%3を超えています</source>
        <translation>%1 “%2” is outside the range %3</translation>
    </message>
    <message>
        <source>%1は0より大きい値を指定して下さい</source>
        <translation>%1 must be greater than 0</translation>
    </message>
    <message>
        <source>%1が0のため計算できません</source>
        <translation>%1 is 0, so no result can be calculated</translation>
    </message>
    <message>
        <source>計算した%1が大きすぎて表示できません</source>
        <translation>%1: the result is too large to show</translation>
    </message>
    <message>
        <source>計算した%1が範囲%2を超えています</source>
        <translation>%1: the result is outside the range %2</translation>
    </message>
    <message>
        <source>%1「%2」が大きすぎて計算できません</source>
        <translation>%1 “%2” is too large to calculate with</translation>
    </message>
    <message>
        <source>%1「%2」から求めた減速比が小さすぎます</source>
        <translation>%1 “%2” gives a final ratio that is too small</translation>
    </message>
    <message>
        <source>基準の%1</source>
        <translation>Baseline: %1</translation>
    </message>
    <message>
        <source>%1 指定減速比 %2</source>
        <translation>%1 wanted ratio %2</translation>
    </message>
    <message>
        <source>%1 指定減速比 %2 該当なし</source>
        <translation>%1 wanted ratio %2 – no match</translation>
    </message>
    <message>
        <source>%1 ( %2～%3 )</source>
        <translation>%1 ( %2–%3 )</translation>
    </message>
    <message>
        <source>入力「%1」が歯数の範囲%2を超えています</source>
        <translation>Entry “%1” is outside the tooth range %2</translation>
    </message>
    <message>
        <source>入力</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>記録を呼び出しました（%1/%2）</source>
        <translation>Run loaded (%1/%2)</translation>
    </message>
    <message>
        <source>モジュール「%1」はモジュール表にないため、今のモジュールのままです</source>
        <translation>Module “%1” isn&apos;t in the module table, so the current module is kept</translation>
    </message>
    <message>
        <source>%1の計算間隔は1以上にして下さい</source>
        <translation>%1 step must be 1 or more</translation>
    </message>
    <message>
        <source>%1範囲の終わり（開始＋幅）が範囲%2を超えています</source>
        <translation>%1 range end (start + width) is outside the range %2</translation>
    </message>
    <message>
        <source>%1範囲の値が多すぎます（%2個まで）。幅を小さくするか計算間隔を大きくして下さい</source>
        <translation>%1 range has too many values (%2 at most). Use a smaller width or a bigger step</translation>
    </message>
    <message>
        <source>ピニオン範囲に0が含まれているため計算できません</source>
        <translation>The pinion range includes 0, so it can&apos;t be calculated</translation>
    </message>
    <message>
        <source>%1の歯数の範囲が広すぎます（%2個まで）</source>
        <translation>%1 tooth range is too wide (%2 at most)</translation>
    </message>
    <message>
        <source>%1「%2」は整数で指定して下さい</source>
        <translation>%1 “%2” must be a whole number</translation>
    </message>
    <message>
        <source>%1「%2」が大きすぎます（32737まで）</source>
        <translation>%1 “%2” is too large (32737 at most)</translation>
    </message>
    <message>
        <source>module.dat のモジュールが多すぎるため、先頭の%1件だけを一覧に表示します</source>
        <translation>module.dat holds too many modules; only the first %1 are listed</translation>
    </message>
    <message>
        <source>モジュール名に「&quot;」は使えません</source>
        <translation>Module names can&apos;t contain the &quot; character</translation>
    </message>
    <message>
        <source>同じモジュールが有りますが、上書きしますか？</source>
        <translation>A module with this name already exists. Overwrite it?</translation>
    </message>
    <message>
        <source>同じモジュールが有りますが、削除しますか？</source>
        <translation>A module with this name already exists. Delete it?</translation>
    </message>
    <message>
        <source>マシン名を入力して下さい</source>
        <translation>Please enter a car name</translation>
    </message>
    <message>
        <source>マシン名に「&quot;」は使えません</source>
        <translation>Car names can&apos;t contain the &quot; character</translation>
    </message>
    <message>
        <source>マシン名を選択して下さい</source>
        <translation>Please pick a car</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 を読み込めませんでした</source>
        <translation>Couldn&apos;t read %1</translation>
    </message>
    <message>
        <source>%1 に書き込めませんでした</source>
        <translation>Couldn&apos;t write to %1</translation>
    </message>
    <message>
        <source>%1 を読み込めないため保存しませんでした</source>
        <translation>Not saved, because %1 can&apos;t be read</translation>
    </message>
    <message>
        <source>%1 は読み取り専用のため保存しませんでした</source>
        <translation>Not saved, because %1 is read-only</translation>
    </message>
    <message>
        <source>%1 は通常のファイルではないため使えません</source>
        <translation>%1 can&apos;t be used because it isn&apos;t a regular file</translation>
    </message>
</context>
<context>
    <name>ModuleTable</name>
    <message>
        <source>システム中に設定されたモジュールが存在しません</source>
        <translation>No modules are set up</translation>
    </message>
    <message>
        <source>スパー範囲の開始</source>
        <translation>Spur range start</translation>
    </message>
    <message>
        <source>ピニオン範囲の開始</source>
        <translation>Pinion range start</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>マシン</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>コース</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>ピニオン/スパー</source>
        <translation>Pinion/spur</translation>
    </message>
    <message>
        <source>減速比</source>
        <translation>FDR</translation>
    </message>
    <message>
        <source>ロールアウト</source>
        <translation>Rollout</translation>
    </message>
    <message>
        <source>モーター温度</source>
        <translation>Motor temp</translation>
    </message>
    <message>
        <source>ベストラップ</source>
        <translation>Best lap</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1s</translation>
    </message>
    <message>
        <source>減速比 %1</source>
        <translation>FDR %1</translation>
    </message>
    <message>
        <source>ロールアウト %1</source>
        <translation>Rollout %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1&#x3000;%2&#x3000;%3&#x3000;%4/%5</source>
        <translation>%1   %2   %3   %4/%5</translation>
    </message>
</context>
<context>
    <name>NotebookChart</name>
    <message>
        <source>ロールアウト（mm）</source>
        <translation>Rollout (mm)</translation>
    </message>
    <message>
        <source>減速比</source>
        <translation>Final ratio</translation>
    </message>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>ロールアウト</source>
        <translation>Rollout</translation>
    </message>
    <message>
        <source>モーター温度とベストラップの推移</source>
        <translation>Motor temp and best lap over time</translation>
    </message>
    <message>
        <source>モーター温度とベストラップ（%1別）</source>
        <translation>Motor temp and best lap vs. %1</translation>
    </message>
    <message>
        <source>モーター温度（℃）</source>
        <translation>Motor temp (°C)</translation>
    </message>
    <message>
        <source>ベストラップ（秒）</source>
        <translation>Best lap (s)</translation>
    </message>
    <message>
        <source>%1。記録された温度やラップがありません</source>
        <translation>%1. No temps or laps recorded</translation>
    </message>
    <message>
        <source>%1～%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1 %2点 %3%4</source>
        <translation>%1 %3%4 (%2 points)</translation>
    </message>
    <message>
        <source>温度</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>ラップ</source>
        <translation>Lap</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>。最新 %1</source>
        <translation>. Latest %1</translation>
    </message>
    <message>
        <source>、%1℃</source>
        <translation>, %1°C</translation>
    </message>
    <message>
        <source>、%1秒</source>
        <translation>, %1s</translation>
    </message>
</context>
<context>
    <name>NotebookCompare</name>
    <message>
        <source>&#x3000;</source>
        <translation> · </translation>
    </message>
    <message>
        <source>（違う）</source>
        <translation>(differs)</translation>
    </message>
    <message>
        <source>記録を比べる</source>
        <translation>Compare runs</translation>
    </message>
    <message>
        <source>左の記録</source>
        <translation>Left run</translation>
    </message>
    <message>
        <source>右の記録</source>
        <translation>Right run</translation>
    </message>
    <message>
        <source>二つの記録の比較</source>
        <translation>Comparing two runs</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>NotebookField</name>
    <message>
        <source>マシン</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>コース</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>路面・気温</source>
        <translation>Surface / air temp</translation>
    </message>
    <message>
        <source>２次減速比</source>
        <translation>Internal ratio</translation>
    </message>
    <message>
        <source>スパーギア歯数</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>ピニオンギア歯数</source>
        <translation>Pinion</translation>
    </message>
    <message>
        <source>減速比</source>
        <translation>Final ratio</translation>
    </message>
    <message>
        <source>モジュール</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>タイヤ径(mm)</source>
        <translation>Tire diameter (mm)</translation>
    </message>
    <message>
        <source>ロールアウト(mm)</source>
        <translation>Rollout (mm)</translation>
    </message>
    <message>
        <source>モーターKV値</source>
        <translation>Motor kV</translation>
    </message>
    <message>
        <source>モーター回転数</source>
        <translation>Motor rpm</translation>
    </message>
    <message>
        <source>バッテリー電圧(V)</source>
        <translation>Battery voltage (V)</translation>
    </message>
    <message>
        <source>モーター温度(℃)</source>
        <translation>Motor temp (°C)</translation>
    </message>
    <message>
        <source>ベストラップ(秒)</source>
        <translation>Best lap (s)</translation>
    </message>
    <message>
        <source>メモ</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>NotebookList</name>
    <message>
        <source>、最速</source>
        <translation>, fastest</translation>
    </message>
    <message>
        <source>、最も低い温度</source>
        <translation>, lowest temp</translation>
    </message>
    <message>
        <source>、最も高い温度</source>
        <translation>, highest temp</translation>
    </message>
</context>
<context>
    <name>NotebookMessages</name>
    <message>
        <source>セッティング記録</source>
        <translation>Setup notebook</translation>
    </message>
    <message>
        <source>セッティング記録のファイル %1 を開けませんでした：
%2</source>
        <translation>Couldn&apos;t open the setup notebook file %1:
%2</translation>
    </message>
    <message>
        <source>セッティング記録のファイル %1 は新しい版のZELTAN（形式 %2）で作られているため、この版では開けません</source>
        <translation>The setup notebook file %1 was made by a newer ZELTAN (format %2), so this version can&apos;t open it</translation>
    </message>
    <message>
        <source>セッティング記録のファイルが壊れていました。
壊れたファイルは %1 に移し、新しい記録ファイルを作りました。</source>
        <translation>The setup notebook file was damaged.
The damaged file was moved to %1 and a new notebook file was created.</translation>
    </message>
    <message>
        <source>セッティング記録のファイル %1 が壊れていますが、別の名前に移せませんでした：
%2</source>
        <translation>The setup notebook file %1 is damaged, but it couldn&apos;t be moved aside:
%2</translation>
    </message>
    <message>
        <source>セッティング記録に書き込めませんでした（何も変更していません）：
%1</source>
        <translation>Couldn&apos;t write to the setup notebook (nothing was changed):
%1</translation>
    </message>
    <message>
        <source>セッティング記録を読めませんでした：
%1</source>
        <translation>Couldn&apos;t read the setup notebook:
%1</translation>
    </message>
    <message>
        <source>%1～%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1より大きく%2以下</source>
        <translation>over %1 and up to %2</translation>
    </message>
    <message>
        <source>%1は %2 の範囲で入力して下さい</source>
        <translation>%1 must be %2</translation>
    </message>
    <message>
        <source>%1は %2 の整数で入力して下さい</source>
        <translation>%1 must be a whole number, %2</translation>
    </message>
    <message>
        <source>%1は%2文字までです（%3文字あります）</source>
        <translation>%1 can be %2 characters at most (it has %3)</translation>
    </message>
    <message>
        <source>※ 範囲外の値です（記録のまま表示し、グラフには入れません）</source>
        <translation>※ Out-of-range value (shown as recorded, left out of the chart)</translation>
    </message>
    <message>
        <source>日時は「2026/12/07 15:30」の形で入力して下さい</source>
        <translation>Enter the date as “2026/12/07 15:30”</translation>
    </message>
    <message>
        <source>記録しました</source>
        <translation>Run logged</translation>
    </message>
    <message>
        <source>保存しました</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>削除しました</source>
        <translation>Deleted</translation>
    </message>
    <message>
        <source>設定を呼び出しました</source>
        <translation>Setup loaded</translation>
    </message>
    <message>
        <source>別のプログラム（別のZELTANやsqlite3など）がセッティング記録のファイルを使っているため、書き込めませんでした。
入力した内容は残っています。少し待ってからもう一度保存して下さい。</source>
        <translation>Another program (another ZELTAN, sqlite3 or the like) is using the setup notebook file, so it couldn&apos;t be written.
What you entered is still there. Wait a moment, then save again.</translation>
    </message>
    <message>
        <source>この記録は別のZELTANで削除されています</source>
        <translation>This run was deleted by another ZELTAN</translation>
    </message>
    <message>
        <source>この記録は別のZELTANで削除されています。
入力した内容を新しい記録として保存しますか？
（「いいえ」なら入力した内容は欄に残ります）</source>
        <translation>This run was deleted by another ZELTAN.
Save what you entered as a new run?
(If you choose “No”, what you entered stays in the fields)</translation>
    </message>
    <message>
        <source>記録が選ばれていません</source>
        <translation>No run selected</translation>
    </message>
    <message>
        <source>選択した記録を削除しますか？</source>
        <translation>Delete the selected run?</translation>
    </message>
    <message>
        <source>編集中の記録を保存しますか？</source>
        <translation>Save the run you are editing?</translation>
    </message>
    <message>
        <source>比べるには記録が2件以上必要です</source>
        <translation>You need at least two runs to compare</translation>
    </message>
    <message>
        <source>マシンが選ばれていません</source>
        <translation>No car selected</translation>
    </message>
    <message>
        <source>セッティング記録のファイルが開かれていません</source>
        <translation>The setup notebook file isn&apos;t open</translation>
    </message>
    <message>
        <source>PNGファイルに保存しました：
%1</source>
        <translation>Saved as a PNG file:
%1</translation>
    </message>
    <message>
        <source>CSVファイルの%1行目：%2</source>
        <translation>CSV file, line %1: %2</translation>
    </message>
    <message>
        <source>CSVファイルの1行目がセッティング記録の見出しではありません</source>
        <translation>The first line of the CSV file isn&apos;t the setup notebook&apos;s heading</translation>
    </message>
    <message>
        <source>引用符が閉じていません</source>
        <translation>A quote isn&apos;t closed</translation>
    </message>
    <message>
        <source>項目が%1個あります（%2個のはずです）</source>
        <translation>There are %1 fields (there should be %2)</translation>
    </message>
    <message>
        <source>%1件の記録を追加します（すでにある%2件は追加しません）。
%3
追加してよろしいですか？</source>
        <translation>Adding %1 runs (%2 already there won&apos;t be added).
%3
Go ahead?</translation>
    </message>
    <message>
        <source>追加する記録はありません（%1件はすでにあります）</source>
        <translation>No runs to add (%1 are already there)</translation>
    </message>
    <message>
        <source>%1件の記録を追加しました（重複%2件は追加していません）</source>
        <translation>Added %1 runs (%2 duplicates left out)</translation>
    </message>
    <message>
        <source>ほか%1件</source>
        <translation>%1 more</translation>
    </message>
    <message>
        <source>記録なし</source>
        <translation>No runs</translation>
    </message>
    <message>
        <source>このコースのベストラップ %1（ピニオン/スパー %2、ロールアウト %3、モーター温度 %4）、最新の走行 %5、全%6回。</source>
        <translation>Best lap on this track %1 (pinion/spur %2, rollout %3, motor temp %4), latest run %5, %6 runs in all.</translation>
    </message>
    <message>
        <source>このコースのベストラップの記録はありません。最新の走行 %1、全%2回。</source>
        <translation>No best lap recorded on this track. Latest run %1, %2 runs in all.</translation>
    </message>
    <message>
        <source>%1℃以下に収まる最大のロールアウト %2 mm（予測、%3回の走行から）。</source>
        <translation>Largest rollout that keeps the motor at or under %1°C: %2 mm (predicted from %3 runs).</translation>
    </message>
    <message>
        <source>%1℃以下に収まる最大のロールアウト %2 mm（予測、%3回の走行から。試した最大の %4 mm より先で、確かではありません）。</source>
        <translation>Largest rollout that keeps the motor at or under %1°C: %2 mm (predicted from %3 runs; beyond the largest you have tried, %4 mm, so not certain).</translation>
    </message>
    <message>
        <source>%1℃以下に収まる最大のロールアウト %2 mm（予測、%3回の走行から。試した最小の %4 mm より小さく、確かではありません）。</source>
        <translation>Largest rollout that keeps the motor at or under %1°C: %2 mm (predicted from %3 runs; below the smallest you have tried, %4 mm, so not certain).</translation>
    </message>
    <message>
        <source>モーター温度のある走行が%1回のため、ロールアウトの目安はまだ出せません（%2回から出します）。</source>
        <translation>Only %1 runs have a motor temp, so there is no rollout advice yet (it needs %2).</translation>
    </message>
    <message>
        <source>どの走行も同じロールアウトのため、ロールアウトの目安は出せません。</source>
        <translation>Every run used the same rollout, so there is no rollout advice.</translation>
    </message>
    <message>
        <source>ロールアウトを大きくしてもモーター温度が上がっていないため、ロールアウトの目安は出せません。</source>
        <translation>Motor temp doesn&apos;t rise with a bigger rollout, so there is no rollout advice.</translation>
    </message>
    <message>
        <source>ロールアウトとモーター温度の関係がはっきりしないため（R² %1、0.5未満）、ロールアウトの目安は出せません。</source>
        <translation>Rollout and motor temp don&apos;t line up clearly (R² %1, under 0.5), so there is no rollout advice.</translation>
    </message>
    <message>
        <source>どのロールアウトでもモーター温度が%1℃を超える予測のため、ロールアウトの目安は出せません。</source>
        <translation>Motor temp is predicted to go over %1°C at every rollout, so there is no rollout advice.</translation>
    </message>
    <message>
        <source>グラフにする記録がありません</source>
        <translation>No runs to chart</translation>
    </message>
    <message>
        <source>最新</source>
        <translation>Latest</translation>
    </message>
</context>
<context>
    <name>NotebookSheet</name>
    <message>
        <source>ZELTAN %1&#x3000;%2</source>
        <translation>ZELTAN %1   %2</translation>
    </message>
    <message>
        <source>セッティングシート&#x3000;%1</source>
        <translation>Setup sheet   %1</translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <translation>%1   %2</translation>
    </message>
    <message>
        <source>メモ</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>セッティング履歴&#x3000;%1</source>
        <translation>Setup history   %1</translation>
    </message>
    <message>
        <source>%1件</source>
        <translation>%1 runs</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>コース</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>路面・気温</source>
        <translation>Surface / air temp</translation>
    </message>
    <message>
        <source>減速比</source>
        <translation>FDR</translation>
    </message>
    <message>
        <source>ロールアウト</source>
        <translation>Rollout</translation>
    </message>
    <message>
        <source>温度</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>ラップ</source>
        <translation>Lap</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>セッティング記録のグラフ&#x3000;マシン：%1&#x3000;コース：%2</source>
        <translation>Setup notebook chart   Car: %1   Track: %2</translation>
    </message>
</context>
<context>
    <name>NotebookStore</name>
    <message>
        <source>Qt SQL の SQLite ドライバー（libqt6sql6-sqlite）がありません</source>
        <translation>The SQLite driver for Qt SQL (libqt6sql6-sqlite) is missing</translation>
    </message>
</context>
<context>
    <name>NotebookWindow</name>
    <message>
        <source>（すべて）</source>
        <translation>(All)</translation>
    </message>
    <message>
        <source>記録の一覧</source>
        <translation>Run list</translation>
    </message>
    <message>
        <source>モーター温度とベストラップのグラフ</source>
        <translation>Motor temp and best lap chart</translation>
    </message>
    <message>
        <source>グラフの横軸</source>
        <translation>Chart x-axis</translation>
    </message>
    <message>
        <source>ロールアウト別</source>
        <translation>By rollout</translation>
    </message>
    <message>
        <source>減速比別</source>
        <translation>By final ratio</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ＷＷＷＷＷＷＷ</source>
        <translation>WWWWWWWW</translation>
    </message>
    <message>
        <source>ピニオン/スパー</source>
        <translation>Pinion/spur</translation>
    </message>
    <message>
        <source>ロールアウト</source>
        <translation>Rollout</translation>
    </message>
    <message>
        <source>モーター温度</source>
        <translation>Motor temp</translation>
    </message>
    <message>
        <source>ベストラップ</source>
        <translation>Best lap</translation>
    </message>
    <message>
        <source>マシン</source>
        <translation>Car</translation>
    </message>
    <message>
        <source>コース</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>%1で絞り込む</source>
        <translation>Filter by %1</translation>
    </message>
    <message>
        <source>選んだ記録</source>
        <translation>Selected run</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>記録する</source>
        <translation>Log run</translation>
    </message>
    <message>
        <source>この設定を呼び出す</source>
        <translation>Load this setup</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>比べる…</source>
        <translation>Compare…</translation>
    </message>
    <message>
        <source>二つの記録を比べる</source>
        <translation>Compare two runs</translation>
    </message>
    <message>
        <source>印刷・保存</source>
        <translation>Print / save</translation>
    </message>
    <message>
        <source>この記録のセッティングシートを印刷…</source>
        <translation>Print this run&apos;s setup sheet…</translation>
    </message>
    <message>
        <source>この記録のセッティングシートをPDFに保存…</source>
        <translation>Save this run&apos;s setup sheet as PDF…</translation>
    </message>
    <message>
        <source>マシンの履歴を印刷…</source>
        <translation>Print the car&apos;s history…</translation>
    </message>
    <message>
        <source>マシンの履歴をPDFに保存…</source>
        <translation>Save the car&apos;s history as PDF…</translation>
    </message>
    <message>
        <source>グラフを印刷…</source>
        <translation>Print the chart…</translation>
    </message>
    <message>
        <source>グラフをPNGで保存…</source>
        <translation>Save the chart as PNG…</translation>
    </message>
    <message>
        <source>表示中の記録をCSVで書き出す…</source>
        <translation>Export the listed runs to CSV…</translation>
    </message>
    <message>
        <source>CSVから読み込む…</source>
        <translation>Import from CSV…</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>セッティング記録を閉じる</source>
        <translation>Close the setup notebook</translation>
    </message>
    <message>
        <source>一覧</source>
        <translation>List</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>%1。%2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>このコースの記録</source>
        <translation>Runs on this track</translation>
    </message>
    <message>
        <source>手持ちギア…</source>
        <translation>Owned gears…</translation>
    </message>
    <message>
        <source>手持ちギアとマウントを登録する</source>
        <translation>Register owned gears and motor mounts</translation>
    </message>
    <message>
        <source>温度上限…</source>
        <translation>Temp limit…</translation>
    </message>
    <message>
        <source>ロールアウトの目安の温度上限を決める</source>
        <translation>Set the temp limit for the rollout advice</translation>
    </message>
</context>
<context>
    <name>PageDelivery</name>
    <message>
        <source>PRINT OUTしました</source>
        <translation>PRINT OUT done</translation>
    </message>
    <message>
        <source>プリンターが見つからないため、PDFファイルに保存しました：
%1</source>
        <translation>No printer found, so it was saved as a PDF file:
%1</translation>
    </message>
    <message>
        <source>PDFファイルに保存しました：
%1</source>
        <translation>Saved as a PDF file:
%1</translation>
    </message>
    <message>
        <source>印刷できませんでした：%1</source>
        <translation>Couldn&apos;t print: %1</translation>
    </message>
    <message>
        <source>プリンターは接続されていますか？接続されていない場合はエラー停止します。</source>
        <translation>Is a printer connected? If not, printing stops with an error.</translation>
    </message>
    <message>
        <source>CSVファイルに保存しました：
%1</source>
        <translation>Saved as a CSV file:
%1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>印刷システム（CUPS）のライブラリを読み込めません</source>
        <translation>Can&apos;t load the printing system (CUPS) library</translation>
    </message>
    <message>
        <source>印刷サーバー（%1）が応答しません</source>
        <translation>The print server (%1) isn&apos;t responding</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>印刷ジョブを受け付けていません</source>
        <translation>The printer isn&apos;t accepting print jobs</translation>
    </message>
    <message>
        <source>停止しています</source>
        <translation>The printer is stopped</translation>
    </message>
    <message>
        <source>印刷ジョブの状態を確かめられません（%1）</source>
        <translation>Can&apos;t check the print job&apos;s status (%1)</translation>
    </message>
    <message>
        <source>印刷サーバーに文書が最後まで届きませんでした（%1）</source>
        <translation>The document didn&apos;t fully reach the print server (%1)</translation>
    </message>
    <message>
        <source>印刷ジョブは取り消されました（%1）</source>
        <translation>The print job was canceled (%1)</translation>
    </message>
    <message>
        <source>印刷ジョブは止まっています（%1）</source>
        <translation>The print job is on hold (%1)</translation>
    </message>
    <message>
        <source>印刷ジョブは中止されました（%1）</source>
        <translation>The print job was aborted (%1)</translation>
    </message>
    <message>
        <source>印刷システムに接続できません（%1）</source>
        <translation>Can&apos;t connect to the printing system (%1)</translation>
    </message>
    <message>
        <source>プリンターが見つかりません</source>
        <translation>No printer found</translation>
    </message>
    <message>
        <source>プリンター「%1」
%2</source>
        <translation>Printer “%1”
%2</translation>
    </message>
    <message>
        <source>A4の用紙を設定できませんでした</source>
        <translation>Couldn&apos;t set A4 paper</translation>
    </message>
    <message>
        <source>用紙の向きを設定できませんでした</source>
        <translation>Couldn&apos;t set the page orientation</translation>
    </message>
    <message>
        <source>PDFファイルの名前が指定されていません</source>
        <translation>No PDF file name given</translation>
    </message>
    <message>
        <source>「%1」はフォルダです。PDFファイルの名前を指定してください</source>
        <translation>“%1” is a folder. Please give a PDF file name</translation>
    </message>
    <message>
        <source>PDFファイル「%1」を書き込めませんでした</source>
        <translation>Couldn&apos;t write the PDF file “%1”</translation>
    </message>
    <message>
        <source>印刷するページを作れませんでした</source>
        <translation>Couldn&apos;t make the pages to print</translation>
    </message>
    <message>
        <source>プリンターが設定されていません</source>
        <translation>No printer is set up</translation>
    </message>
    <message>
        <source>フォルダ「%1」を作成できませんでした</source>
        <translation>Couldn&apos;t create the folder “%1”</translation>
    </message>
    <message>
        <source>PDFファイル「%1」を書き込めませんでした：
%2</source>
        <translation>Couldn&apos;t write the PDF file “%1”:
%2</translation>
    </message>
</context>
<context>
    <name>Ranges</name>
    <message>
        <source>スパー範囲</source>
        <translation>Spur range</translation>
    </message>
    <message>
        <source>ピニオン範囲</source>
        <translation>Pinion range</translation>
    </message>
    <message>
        <source>スパー</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>スパー範囲の開始</source>
        <translation>Spur range start</translation>
    </message>
    <message>
        <source>スパー範囲の幅</source>
        <translation>Spur range width</translation>
    </message>
    <message>
        <source>スパーの計算間隔</source>
        <translation>Spur step</translation>
    </message>
    <message>
        <source>ピニオン</source>
        <translation>Pinion</translation>
    </message>
    <message>
        <source>ピニオン範囲の開始</source>
        <translation>Pinion range start</translation>
    </message>
    <message>
        <source>ピニオン範囲の幅</source>
        <translation>Pinion range width</translation>
    </message>
    <message>
        <source>ピニオンの計算間隔</source>
        <translation>Pinion step</translation>
    </message>
    <message>
        <source>２次減速比</source>
        <translation>Internal ratio</translation>
    </message>
</context>
<context>
    <name>RatioGrid</name>
    <message>
        <source>最適 ピニオン%1/スパー%2 減速比 %3、%4以内 %5組</source>
        <translation>Best: pinion %1 / spur %2, final ratio %3; %5 pairs within %4</translation>
    </message>
    <message>
        <source>最も近い組合せ</source>
        <translation>Closest pair</translation>
    </message>
    <message>
        <source>指定減速比の%1以内</source>
        <translation>Within %1 of the wanted ratio</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>タイヤ径</source>
        <translation>Tire diameter</translation>
    </message>
    <message>
        <source>モーターKV値</source>
        <translation>Motor kV</translation>
    </message>
    <message>
        <source>バッテリー電圧</source>
        <translation>Battery voltage</translation>
    </message>
    <message>
        <source>モーター回転数</source>
        <translation>Motor rpm</translation>
    </message>
    <message>
        <source>メイン画面のモジュール</source>
        <translation>Main window module</translation>
    </message>
    <message>
        <source>モジュール</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>２次減速比</source>
        <translation>Internal ratio</translation>
    </message>
    <message>
        <source>スパーギア歯数</source>
        <translation>Spur teeth</translation>
    </message>
    <message>
        <source>ピニオンギア歯数</source>
        <translation>Pinion teeth</translation>
    </message>
    <message>
        <source>マシン名</source>
        <translation>Car name</translation>
    </message>
    <message>
        <source>減速比</source>
        <translation>Final ratio</translation>
    </message>
    <message>
        <source>スパー範囲の開始</source>
        <translation>Spur range start</translation>
    </message>
    <message>
        <source>スパー範囲の幅</source>
        <translation>Spur range width</translation>
    </message>
    <message>
        <source>ピニオン範囲の開始</source>
        <translation>Pinion range start</translation>
    </message>
    <message>
        <source>ピニオン範囲の幅</source>
        <translation>Pinion range width</translation>
    </message>
    <message>
        <source>スパーの計算間隔</source>
        <translation>Spur step</translation>
    </message>
    <message>
        <source>ピニオンの計算間隔</source>
        <translation>Pinion step</translation>
    </message>
    <message>
        <source>モジュール名</source>
        <translation>Module name</translation>
    </message>
    <message>
        <source>スパー一覧の始め</source>
        <translation>Start of the spur list</translation>
    </message>
    <message>
        <source>スパー一覧の終わり</source>
        <translation>End of the spur list</translation>
    </message>
    <message>
        <source>ピニオン一覧の始め</source>
        <translation>Start of the pinion list</translation>
    </message>
    <message>
        <source>ピニオン一覧の終わり</source>
        <translation>End of the pinion list</translation>
    </message>
</context>
<context>
    <name>RecordSyntax</name>
    <message>
        <source>%1に改行やタブなどの制御文字は使えません</source>
        <translation>%1 can&apos;t contain line breaks, tabs or other control characters</translation>
    </message>
</context>
<context>
    <name>Survey</name>
    <message>
        <source>２次減速比</source>
        <translation>Internal ratio</translation>
    </message>
    <message>
        <source>減速比</source>
        <translation>Final ratio</translation>
    </message>
    <message>
        <source>指定減速比</source>
        <translation>Wanted ratio</translation>
    </message>
</context>
<context>
    <name>UnitChoice</name>
    <message>
        <source>単位</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>ミリメートルと km/h</source>
        <translation>Millimeters and km/h</translation>
    </message>
    <message>
        <source>インチと mph</source>
        <translation>Inches and mph</translation>
    </message>
</context>
<context>
    <name>VersionTexts</name>
    <message>
        <source>Zeltanバージョン情報</source>
        <translation>About ZELTAN</translation>
    </message>
    <message>
        <source>RCカーを愛するすべてのレーサーへ</source>
        <translation>To every racer who loves RC cars</translation>
    </message>
    <message>
        <source>RC-EPカーギア比確認&#x3000;ZELTAN</source>
        <translation>Electric RC Car Gear Ratio Checker   ZELTAN</translation>
    </message>
    <message>
        <source>開発</source>
        <translation>Developed by</translation>
    </message>
    <message>
        <source>テルン株式会社&#x3000;代表 照井 太郎</source>
        <translation>Terrun Corporation   President: Taro Terui</translation>
    </message>
    <message>
        <source>〒150-0002 東京都渋谷区渋谷9-99-9</source>
        <translation>9-99-9 Shibuya, Shibuya-ku, Tokyo 150-0002, Japan</translation>
    </message>
    <message>
        <source>TEL 03-0000-0000&#x3000;info@terrun.example</source>
        <translation>TEL 03-0000-0000   info@terrun.example</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>設定ファイル %1 は通常のファイルではないため、読み書きせずに標準の設定で起動しました</source>
        <translation>The settings file %1 isn&apos;t a regular file, so ZELTAN started with the default settings without reading or writing it</translation>
    </message>
</context>
</TS>
