<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>StringTable</name>
    <message>
        <source>ZORVA

名称未設定
ZORVAﾌｧｲﾙ(*.zvf)
.zvf
ZORVAdoc
ZORVAﾄﾞｷｭﾒﾝﾄ</source>
        <comment>128</comment>
        <translation>ZORVA

Untitled
ZORVA Files (*.zvf)
.zvf
ZORVAdoc
ZORVA Document</translation>
    </message>
    <message>
        <source>ツールボックスの表示/非表示
ツールボックス</source>
        <comment>32779</comment>
        <translation>Show or hide the tool box
Tool Box</translation>
    </message>
    <message>
        <source>エリアを選択して、変形したり移動したりします
矢印ツール</source>
        <comment>32801</comment>
        <translation>Select areas to reshape or move them
Arrow Tool</translation>
    </message>
    <message>
        <source>矩形のエリアを作成します
矩形ツール</source>
        <comment>32802</comment>
        <translation>Draw a rectangular area
Rectangle Tool</translation>
    </message>
    <message>
        <source>楕円のエリアを作成します
楕円ツール</source>
        <comment>32803</comment>
        <translation>Draw an elliptical area
Ellipse Tool</translation>
    </message>
    <message>
        <source>多角形のエリアを作成します
多角形ツール</source>
        <comment>32804</comment>
        <translation>Draw a polygonal area
Polygon Tool</translation>
    </message>
    <message>
        <source>線分を作成します
ラインツール</source>
        <comment>32805</comment>
        <translation>Draw a line
Line Tool</translation>
    </message>
    <message>
        <source>ベジェ3次曲線によるエリアを作成します
ベジェツール</source>
        <comment>32806</comment>
        <translation>Draw an area of cubic Bezier curves
Bezier Tool</translation>
    </message>
    <message>
        <source>自由曲線によるエリアを作成します
フリーハンドツール</source>
        <comment>32807</comment>
        <translation>Draw a freehand area
Freehand Tool</translation>
    </message>
    <message>
        <source>クリックした点と似た色の領域を多角形のエリアにします。押したまま左右にドラッグすると許容値が変わります
自動トレース</source>
        <comment>32810</comment>
        <translation>Turn the region of colors like the clicked point into a polygonal area; drag left or right with the button held to change the tolerance
Auto-Trace</translation>
    </message>
    <message>
        <source>自動トレースの許容値と輪郭の単純化を設定します
自動トレースの設定</source>
        <comment>32831</comment>
        <translation>Set the auto-trace tolerance and how much the outline is simplified
Auto-Trace Settings</translation>
    </message>
    <message>
        <source>表示を拡大・縮小(ALT)します
ズーム</source>
        <comment>32808</comment>
        <translation>Zoom in (Alt: zoom out)
Zoom</translation>
    </message>
    <message>
        <source>ガイドの表示/非表示
ガイド</source>
        <comment>32781</comment>
        <translation>Show or hide the guides
Guides</translation>
    </message>
    <message>
        <source>プロパティダイアログの表示/非表示
プロパティ</source>
        <comment>32782</comment>
        <translation>Show or hide the property panel
Properties</translation>
    </message>
    <message>
        <source>選択されているエリアを複製
複製</source>
        <comment>32785</comment>
        <translation>Duplicate the selected areas
Duplicate</translation>
    </message>
    <message>
        <source>イメージを表示
表示</source>
        <comment>32788</comment>
        <translation>Show the picture
Show Picture</translation>
    </message>
    <message>
        <source>イメージの淡色表示
淡色表示</source>
        <comment>32789</comment>
        <translation>Show the picture dimmed
Dim Picture</translation>
    </message>
    <message>
        <source>イメージを表示しない
非表示</source>
        <comment>32790</comment>
        <translation>Hide the picture
Hide Picture</translation>
    </message>
    <message>
        <source>エリア一覧ダイアログの表示/非表示
エリア一覧</source>
        <comment>32815</comment>
        <translation>Show or hide the area list
Area List</translation>
    </message>
    <message>
        <source>絵の大きさに合わせて伸び縮みするマップ (SVG) のページを書き出します
レスポンシブHTMLの書き出し</source>
        <comment>32830</comment>
        <translation>Write a page whose map (SVG) scales with the picture
Export Responsive HTML</translation>
    </message>
    <message>
        <source>選択範囲を消去
消去</source>
        <comment>57632</comment>
        <translation>Delete the selection
Delete</translation>
    </message>
    <message>
        <source>選択されているエリアをコピーしてクリップボードに保存
コピー</source>
        <comment>57634</comment>
        <translation>Copy the selected areas to the clipboard
Copy</translation>
    </message>
    <message>
        <source>選択されているエリアをクリップボードに保存
切り取り</source>
        <comment>57635</comment>
        <translation>Move the selected areas to the clipboard
Cut</translation>
    </message>
    <message>
        <source>クリップボードの内容を貼り付け
貼り付け</source>
        <comment>57637</comment>
        <translation>Paste the clipboard's contents
Paste</translation>
    </message>
    <message>
        <source>ツールバーの表示/非表示
ツールバー</source>
        <comment>59392</comment>
        <translation>Show or hide the toolbar
Toolbar</translation>
    </message>
    <message>
        <source>表示倍率を50%にします
50%</source>
        <comment>32772</comment>
        <translation>Zoom to 50%
50%</translation>
    </message>
    <message>
        <source>表示倍率を100%にします
100%</source>
        <comment>32773</comment>
        <translation>Zoom to 100%
100%</translation>
    </message>
    <message>
        <source>表示倍率を200%にします
200%</source>
        <comment>32774</comment>
        <translation>Zoom to 200%
200%</translation>
    </message>
    <message>
        <source>HTML出力の設定を変更
環境設定</source>
        <comment>32777</comment>
        <translation>Change the HTML output settings
Preferences</translation>
    </message>
    <message>
        <source>ページルーラの表示/非表示
ページルーラ</source>
        <comment>32780</comment>
        <translation>Show or hide the rulers
Rulers</translation>
    </message>
    <message>
        <source>表示倍率を選択
表示倍率</source>
        <comment>32814</comment>
        <translation>Choose the zoom
Zoom</translation>
    </message>
    <message>
        <source>作成されるHTMLをWEBブラウザでプレビュー
HTMLプレビュー</source>
        <comment>32820</comment>
        <translation>Preview the HTML in a web browser
HTML Preview</translation>
    </message>
    <message>
        <source>ディスプレイのカラーパレットを表示
カラーパレット</source>
        <comment>32823</comment>
        <translation>Show the display's color palette
Color Palette</translation>
    </message>
    <message>
        <source>イメージファイルを選択して新しいドキュメントを作成
新規作成</source>
        <comment>57600</comment>
        <translation>Choose a picture to start a new document
New</translation>
    </message>
    <message>
        <source>既存のドキュメントを開く
開く</source>
        <comment>57601</comment>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>ドキュメントを上書きして保存
上書き保存</source>
        <comment>57603</comment>
        <translation>Save the document
Save</translation>
    </message>
    <message>
        <source>ドキュメントに名前を付けて保存
名前を付けて保存</source>
        <comment>57604</comment>
        <translation>Save the document under a new name
Save As</translation>
    </message>
    <message>
        <source>このドキュメントを開く</source>
        <comment>57616</comment>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>このドキュメントを開く</source>
        <comment>57617</comment>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>このドキュメントを開く</source>
        <comment>57618</comment>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>このドキュメントを開く</source>
        <comment>57619</comment>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>全ての図形を消去
全て消去</source>
        <comment>57633</comment>
        <translation>Delete every area
Clear All</translation>
    </message>
    <message>
        <source>直前の操作を取り消し
取り消し</source>
        <comment>57643</comment>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message>
        <source>取り消した操作をやり直し
やり直し</source>
        <comment>57644</comment>
        <translation>Redo the undone action
Redo</translation>
    </message>
    <message>
        <source>プログラムのバージョン情報を表示
バージョン情報</source>
        <comment>57664</comment>
        <translation>Show the program's version
About</translation>
    </message>
    <message>
        <source>ZORVAを終了
終了</source>
        <comment>57665</comment>
        <translation>Quit ZORVA
Exit</translation>
    </message>
    <message>
        <source>ヘルプの目次を表示
目次</source>
        <comment>57666</comment>
        <translation>Show the help contents
Contents</translation>
    </message>
    <message>
        <source>ステータスバーの表示/非表示
ステータスバー</source>
        <comment>59393</comment>
        <translation>Show or hide the status bar
Status Bar</translation>
    </message>
    <message>
        <source>ZORVA</source>
        <comment>57344</comment>
        <translation>ZORVA</translation>
    </message>
    <message>
        <source>CAP</source>
        <comment>59137</comment>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <comment>59138</comment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <comment>59139</comment>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>ｶﾅ</source>
        <comment>59142</comment>
        <translation>KANA</translation>
    </message>
    <message>
        <source>~zvaprvw.html</source>
        <comment>61204</comment>
        <translation>~zvaprvw.html</translation>
    </message>
    <message>
        <source>残念ながら JPEG ファイルのカラーモードが判りません</source>
        <comment>61205</comment>
        <translation>Sorry, the color mode of this JPEG file is unknown</translation>
    </message>
    <message>
        <source>残念ながら CMYK モードまたは YCCK モードの JPEG ファイルを開くことはできません</source>
        <comment>61206</comment>
        <translation>Sorry, JPEG files in CMYK or YCCK mode cannot be opened</translation>
    </message>
    <message>
        <source>デフォルトエリア</source>
        <comment>61207</comment>
        <translation>Default area</translation>
    </message>
    <message>
        <source>名称未設定</source>
        <comment>61208</comment>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>ドキュメントは変更されています。保存しますか?</source>
        <comment>61209</comment>
        <translation>The document has changed. Save it?</translation>
    </message>
    <message>
        <source>イメージファイルを選択して下さい</source>
        <comment>61210</comment>
        <translation>Choose a picture file</translation>
    </message>
    <message>
        <source>UNISYS による特許問題を未然に回避するために
現在GIFファイルは使用不可能にしてあります</source>
        <comment>61211</comment>
        <translation>To stay clear of the UNISYS patent,
GIF files are switched off for now</translation>
    </message>
    <message>
        <source>GIF,JPEG 以外のファイル形式は開けません</source>
        <comment>61212</comment>
        <translation>Only GIF and JPEG files can be opened</translation>
    </message>
    <message>
        <source>指定されたファイルの形式が判りません</source>
        <comment>61213</comment>
        <translation>The file's format is unknown</translation>
    </message>
    <message>
        <source>この処理を続けると全ての図形を消去し、取り消しもできなくなります。
それでも続けますか?</source>
        <comment>61214</comment>
        <translation>This deletes every area and cannot be undone.
Continue anyway?</translation>
    </message>
    <message>
        <source>GIFファイル"%s%s"を読み込み中です</source>
        <comment>61215</comment>
        <translation>Reading the GIF file "%s%s"</translation>
    </message>
    <message>
        <source>JPEG ファイルを開けません</source>
        <comment>61216</comment>
        <translation>The JPEG file cannot be opened</translation>
    </message>
    <message>
        <source>JPEGファイル"%s"を読み込み中です</source>
        <comment>61217</comment>
        <translation>Reading the JPEG file "%s"</translation>
    </message>
    <message>
        <source>%sタグの%s属性の記述に誤りがあります</source>
        <comment>61218</comment>
        <translation>In the %s tag, the %s attribute is malformed</translation>
    </message>
    <message>
        <source>指定されたHTMLファイルには&lt;IMG&gt;タグがありません</source>
        <comment>61219</comment>
        <translation>The HTML file has no &lt;IMG&gt; tag</translation>
    </message>
    <message>
        <source>HTMLの作成に失敗しました</source>
        <comment>61220</comment>
        <translation>The HTML could not be written</translation>
    </message>
    <message>
        <source>WEBブラウザが見つかりません</source>
        <comment>61221</comment>
        <translation>No web browser was found</translation>
    </message>
    <message>
        <source>原因不明のエラーのためにHTMLプレビューに失敗しました</source>
        <comment>61222</comment>
        <translation>The HTML preview failed for an unknown reason</translation>
    </message>
    <message>
        <source>GIF ファイルを開けません</source>
        <comment>61223</comment>
        <translation>The GIF file cannot be opened</translation>
    </message>
    <message>
        <source>画像が大きすぎるか、メモリが足りないため読み込めません</source>
        <comment>61224</comment>
        <translation>The picture is too large, or there is not enough memory to read it</translation>
    </message>
    <message>
        <source>矩形は多角形以外には変更できません</source>
        <comment>61225</comment>
        <translation>A rectangle can only be changed into a polygon</translation>
    </message>
    <message>
        <source>楕円は多角形以外には変更できません</source>
        <comment>61226</comment>
        <translation>An ellipse can only be changed into a polygon</translation>
    </message>
    <message>
        <source>多角形は他の形には変更できません</source>
        <comment>61227</comment>
        <translation>A polygon cannot be changed into another shape</translation>
    </message>
    <message>
        <source>ベジェは多角形以外には変更できません</source>
        <comment>61228</comment>
        <translation>A Bezier area can only be changed into a polygon</translation>
    </message>
    <message>
        <source>エリア一覧</source>
        <comment>61229</comment>
        <translation>Area List</translation>
    </message>
    <message>
        <source>種類</source>
        <comment>61230</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>リンク先</source>
        <comment>61231</comment>
        <translation>Link</translation>
    </message>
    <message>
        <source>多角形</source>
        <comment>61232</comment>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>楕円</source>
        <comment>61233</comment>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>矩形</source>
        <comment>61234</comment>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>ベジェ</source>
        <comment>61235</comment>
        <translation>Bezier</translation>
    </message>
    <message>
        <source>背景</source>
        <comment>61236</comment>
        <translation>Background</translation>
    </message>
    <message>
        <source>指定なし</source>
        <comment>61237</comment>
        <translation>None</translation>
    </message>
    <message>
        <source>ＭＳ Ｐゴシック</source>
        <comment>61238</comment>
        <translation>Sans Serif</translation>
    </message>
    <message>
        <source>プロパティ</source>
        <comment>61239</comment>
        <translation>Properties</translation>
    </message>
    <message>
        <source>ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。</source>
        <comment>61697</comment>
        <translation>The document could not be opened.</translation>
    </message>
    <message>
        <source>ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。</source>
        <comment>61698</comment>
        <translation>The document could not be saved.</translation>
    </message>
    <message>
        <source>整数を入力してください。</source>
        <comment>61712</comment>
        <translation>Enter a whole number.</translation>
    </message>
    <message>
        <source>予期しないﾌｧｲﾙ形式です。</source>
        <comment>61728</comment>
        <translation>Unexpected file format.</translation>
    </message>
    <message>
        <source>%1 へのアクセス中に予期しないエラーが発生しました。</source>
        <comment>61857</comment>
        <translation>An unexpected error occurred while accessing %1.</translation>
    </message>
    <message>
        <source>%1 が見つかりませんでした。</source>
        <comment>61858</comment>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>%1 のパスに誤りがあります。</source>
        <comment>61859</comment>
        <translation>The path of %1 is not valid.</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎるため %1 を開けませんでした。</source>
        <comment>61860</comment>
        <translation>%1 could not be opened: too many files are open.</translation>
    </message>
    <message>
        <source>%1 へのアクセスが拒否されました。</source>
        <comment>61861</comment>
        <translation>Access to %1 was denied.</translation>
    </message>
    <message>
        <source>%1 は無効なファイルです。</source>
        <comment>61862</comment>
        <translation>%1 is not a valid file.</translation>
    </message>
    <message>
        <source>%1 は使用中のフォルダのため削除できませんでした。</source>
        <comment>61863</comment>
        <translation>%1 could not be deleted: it is a folder in use.</translation>
    </message>
    <message>
        <source>フォルダがいっぱいのため %1 を作成できませんでした。</source>
        <comment>61864</comment>
        <translation>%1 could not be created: the folder is full.</translation>
    </message>
    <message>
        <source>%1 のシークに失敗しました。</source>
        <comment>61865</comment>
        <translation>Seeking in %1 failed.</translation>
    </message>
    <message>
        <source>%1 の読み書き中に入出力エラーが発生しました。</source>
        <comment>61866</comment>
        <translation>An input/output error occurred while reading or writing %1.</translation>
    </message>
    <message>
        <source>%1 へのアクセス中に共有違反が発生しました。</source>
        <comment>61867</comment>
        <translation>A sharing violation occurred while accessing %1.</translation>
    </message>
    <message>
        <source>%1 へのアクセス中にロック違反が発生しました。</source>
        <comment>61868</comment>
        <translation>A lock violation occurred while accessing %1.</translation>
    </message>
    <message>
        <source>%1 の書き込み中にディスクがいっぱいになりました。</source>
        <comment>61869</comment>
        <translation>The disk became full while writing %1.</translation>
    </message>
    <message>
        <source>%1 の終わりを越えてアクセスしようとしました。</source>
        <comment>61870</comment>
        <translation>An attempt was made to access %1 past its end.</translation>
    </message>
    <message>
        <source>イメージ選択</source>
        <comment>1780000</comment>
        <translation>Choose Picture</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>1780001</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <comment>1780002</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>指定されたHTMLファイルには複数のイメージが存在します。対象となるイメージを選択して下さい</source>
        <comment>1789001</comment>
        <translation>The HTML file holds several pictures. Choose the one to work on</translation>
    </message>
    <message>
        <source>USEMAP</source>
        <comment>1789002</comment>
        <translation>USEMAP</translation>
    </message>
    <message>
        <source>イメージファイル名</source>
        <comment>1789003</comment>
        <translation>Picture file</translation>
    </message>
    <message>
        <source>大きさ</source>
        <comment>1789004</comment>
        <translation>Size</translation>
    </message>
    <message>
        <source>あり</source>
        <comment>1789005</comment>
        <translation>Yes</translation>
    </message>
    <message>
        <source>なし</source>
        <comment>1789006</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>開けません</source>
        <comment>1789007</comment>
        <translation>Cannot open</translation>
    </message>
    <message>
        <source>処理の選択</source>
        <comment>1800000</comment>
        <translation>Choose an Action</translation>
    </message>
    <message>
        <source>強制的に閉じる</source>
        <comment>1800001</comment>
        <translation>Close It</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <comment>1800002</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>無視する</source>
        <comment>1800005</comment>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>閉じていないエリアが見つかりました。
どうしますか?</source>
        <comment>1809001</comment>
        <translation>An area is not closed.
What do you want to do?</translation>
    </message>
    <message>
        <source>処理の選択</source>
        <comment>1810000</comment>
        <translation>Choose an Action</translation>
    </message>
    <message>
        <source>Polyに変換</source>
        <comment>1810001</comment>
        <translation>Convert to Polygon</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <comment>1810002</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>無視する</source>
        <comment>1810005</comment>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>HTMLで定義されていない形のエリアが見つかりました。どうしますか?</source>
        <comment>1819001</comment>
        <translation>An area has a shape that HTML does not define. What do you want to do?</translation>
    </message>
    <message>
        <source>HTML出力設定</source>
        <comment>1910000</comment>
        <translation>HTML Output Settings</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>1910001</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <comment>1910002</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>CR+LF(Windows)</source>
        <comment>1911030</comment>
        <translation>CR+LF (Windows)</translation>
    </message>
    <message>
        <source>CR(Macintosh)</source>
        <comment>1911031</comment>
        <translation>CR (Macintosh)</translation>
    </message>
    <message>
        <source>LF(Unix)</source>
        <comment>1911032</comment>
        <translation>LF (Unix)</translation>
    </message>
    <message>
        <source>HTML 2.0</source>
        <comment>1911033</comment>
        <translation>HTML 2.0</translation>
    </message>
    <message>
        <source>HTML 3.2</source>
        <comment>1911034</comment>
        <translation>HTML 3.2</translation>
    </message>
    <message>
        <source>HTML 4.01</source>
        <comment>1911035</comment>
        <translation>HTML 4.01</translation>
    </message>
    <message>
        <source>Shift_JIS</source>
        <comment>1911036</comment>
        <translation>Shift_JIS</translation>
    </message>
    <message>
        <source>EUC-JP</source>
        <comment>1911037</comment>
        <translation>EUC-JP</translation>
    </message>
    <message>
        <source>不要</source>
        <comment>1911039</comment>
        <translation>None</translation>
    </message>
    <message>
        <source>不要</source>
        <comment>1911040</comment>
        <translation>None</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <comment>1911041</comment>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>HTML5</source>
        <comment>1911042</comment>
        <translation>HTML5</translation>
    </message>
    <message>
        <source>要素大文字/属性小文字</source>
        <comment>1911063</comment>
        <translation>Upper-case elements, lower-case attributes</translation>
    </message>
    <message>
        <source>全て大文字</source>
        <comment>1911064</comment>
        <translation>All upper case</translation>
    </message>
    <message>
        <source>全て小文字</source>
        <comment>1911065</comment>
        <translation>All lower case</translation>
    </message>
    <message>
        <source>改行コード</source>
        <comment>1919001</comment>
        <translation>Line breaks</translation>
    </message>
    <message>
        <source>DOCTYPE指定</source>
        <comment>1919002</comment>
        <translation>DOCTYPE</translation>
    </message>
    <message>
        <source>文字コード指定</source>
        <comment>1919003</comment>
        <translation>Character set</translation>
    </message>
    <message>
        <source>大文字/小文字</source>
        <comment>1919004</comment>
        <translation>Letter case</translation>
    </message>
    <message>
        <source>クラシック (MAP/AREA)</source>
        <comment>1911066</comment>
        <translation>Classic (MAP/AREA)</translation>
    </message>
    <message>
        <source>レスポンシブ (SVG)</source>
        <comment>1911067</comment>
        <translation>Responsive (SVG)</translation>
    </message>
    <message>
        <source>マウスが乗ったエリアを強調する</source>
        <comment>1911068</comment>
        <translation>Highlight the area under the mouse</translation>
    </message>
    <message>
        <source>マップの形式</source>
        <comment>1919005</comment>
        <translation>Map format</translation>
    </message>
    <message>
        <source>表示言語</source>
        <comment>1919006</comment>
        <translation>Language</translation>
    </message>
    <message>
        <source>システムの設定に従う</source>
        <comment>1911071</comment>
        <translation>As the system is set</translation>
    </message>
    <message>
        <source>次回の起動から有効になります</source>
        <comment>1919007</comment>
        <translation>Takes effect at the next start</translation>
    </message>
    <message>
        <source>ZORVA</source>
        <comment>1820000</comment>
        <translation>ZORVA</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>1820001</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <comment>1820002</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>新規作成</source>
        <comment>1821027</comment>
        <translation>New from a picture</translation>
    </message>
    <message>
        <source>既存のファイルを開く</source>
        <comment>1821028</comment>
        <translation>Open an existing file</translation>
    </message>
    <message>
        <source>Welcome to ZORVA
The Clickable Map Editor</source>
        <comment>1829001</comment>
        <translation>Welcome to ZORVA
The Clickable Map Editor</translation>
    </message>
    <message>
        <source>ZORVAのバージョン情報</source>
        <comment>1000000</comment>
        <translation>About ZORVA</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>1000001</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Clickable Map Editor for Linux</source>
        <comment>1009001</comment>
        <translation>The Clickable Map Editor for Linux</translation>
    </message>
    <message>
        <source>カラーパレット</source>
        <comment>2030000</comment>
        <translation>Color Palette</translation>
    </message>
    <message>
        <source>閉じる</source>
        <comment>2030002</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>イメージが読み込まれていないため、表示するパレットがありません</source>
        <comment>2039001</comment>
        <translation>No picture is loaded, so there is no palette to show</translation>
    </message>
    <message>
        <source>クローズドパス</source>
        <comment>1401022</comment>
        <translation>Closed path</translation>
    </message>
    <message>
        <source>JavaScriptを使用する</source>
        <comment>1401029</comment>
        <translation>Use JavaScript</translation>
    </message>
    <message>
        <source>スタイル</source>
        <comment>1409001</comment>
        <translation>Style</translation>
    </message>
    <message>
        <source>ポイント</source>
        <comment>1409002</comment>
        <translation>Points</translation>
    </message>
    <message>
        <source>URL</source>
        <comment>1409003</comment>
        <translation>URL</translation>
    </message>
    <message>
        <source>ターゲット</source>
        <comment>1409004</comment>
        <translation>Target</translation>
    </message>
    <message>
        <source>ALT</source>
        <comment>1409005</comment>
        <translation>ALT</translation>
    </message>
    <message>
        <source>コメント</source>
        <comment>1409006</comment>
        <translation>Comment</translation>
    </message>
    <message>
        <source>OnClick</source>
        <comment>1409007</comment>
        <translation>OnClick</translation>
    </message>
    <message>
        <source>OnMouseOver</source>
        <comment>1409008</comment>
        <translation>OnMouseOver</translation>
    </message>
    <message>
        <source>OnMouseOut</source>
        <comment>1409009</comment>
        <translation>OnMouseOut</translation>
    </message>
    <message>
        <source>矩形(rect)</source>
        <comment>1409010</comment>
        <translation>Rectangle (rect)</translation>
    </message>
    <message>
        <source>楕円(circle)</source>
        <comment>1409011</comment>
        <translation>Ellipse (circle)</translation>
    </message>
    <message>
        <source>多角形(poly)</source>
        <comment>1409012</comment>
        <translation>Polygon (poly)</translation>
    </message>
    <message>
        <source>ベジェ(bezier)</source>
        <comment>1409013</comment>
        <translation>Bezier (bezier)</translation>
    </message>
    <message>
        <source>なし</source>
        <comment>1409014</comment>
        <translation>None</translation>
    </message>
    <message>
        <source>その他の属性</source>
        <comment>1409015</comment>
        <translation>Other attributes</translation>
    </message>
    <message>
        <source>座標値変更</source>
        <comment>1760000</comment>
        <translation>Edit Coordinates</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>1760001</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <comment>1760002</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ポイント</source>
        <comment>1769001</comment>
        <translation>Point</translation>
    </message>
    <message>
        <source>ハンドル1</source>
        <comment>1769002</comment>
        <translation>Handle 1</translation>
    </message>
    <message>
        <source>ハンドル2</source>
        <comment>1769003</comment>
        <translation>Handle 2</translation>
    </message>
    <message>
        <source>X</source>
        <comment>1769004</comment>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>1769005</comment>
        <translation>Y</translation>
    </message>
    <message>
        <source>PNGﾌｧｲﾙ"%s"を読み込み中です</source>
        <comment>65001</comment>
        <translation>Reading the PNG file "%s"</translation>
    </message>
    <message>
        <source>PNGファイルを開けません</source>
        <comment>65002</comment>
        <translation>The PNG file cannot be opened</translation>
    </message>
    <message>
        <source>減色処理中　</source>
        <comment>65003</comment>
        <translation>Reducing colors  </translation>
    </message>
    <message>
        <source>X:0    Y:0     </source>
        <comment>65004</comment>
        <translation>X:0    Y:0     </translation>
    </message>
    <message>
        <source>「%1」はこのドキュメントか書き出すページの文字コードで表せないため、入力を取り消しました</source>
        <comment>65010</comment>
        <translation>“%1” cannot be written in the character set of this document or of the page it goes into, so the entry was undone</translation>
    </message>
    <message>
        <source>このページの文字コード「%1」には対応していません。テキストは Shift_JIS として表示します</source>
        <comment>65011</comment>
        <translation>This page's character set “%1” is not supported. Its texts are shown as Shift_JIS</translation>
    </message>
    <message>
        <source>その他の属性の書き方に誤りがあります（「%1」）。
名前="値" の形で、空白で区切って書いてください</source>
        <comment>65012</comment>
        <translation>The other attributes are malformed (at “%1”).
Write them as name="value", separated by spaces</translation>
    </message>
    <message>
        <source>属性「%1」はパネルの欄で設定します。その他の属性には書けません</source>
        <comment>65013</comment>
        <translation>The attribute “%1” is set in its own field of the panel, not among the other attributes</translation>
    </message>
    <message>
        <source>属性「%1」が二度書かれています</source>
        <comment>65014</comment>
        <translation>The attribute “%1” is written twice</translation>
    </message>
    <message>
        <source>HTMLで定義されていない形に変換できないエリアがあるため、出力しませんでした（エリア %1）</source>
        <comment>65015</comment>
        <translation>Some areas have a shape that HTML does not define and cannot be converted, so they were left out (area %1)</translation>
    </message>
    <message>
        <source>WEBブラウザが見つかりません
プレビューのページは書き出してあります:
%1</source>
        <comment>65016</comment>
        <translation>No web browser was found
The preview page has been written to:
%1</translation>
    </message>
    <message>
        <source>JPEGファイル「%1」を開けません</source>
        <comment>65017</comment>
        <translation>The JPEG file “%1” cannot be opened</translation>
    </message>
    <message>
        <source>PNGファイル「%1」を開けません</source>
        <comment>65018</comment>
        <translation>The PNG file “%1” cannot be opened</translation>
    </message>
    <message>
        <source>エリア %1 のコメントの「%2」はページの文字コード（%3）で表せないため、ページを書き出しませんでした</source>
        <comment>65019</comment>
        <translation>The comment of area %1 holds “%2”, which the page's character set (%3) cannot hold, so the page was not written</translation>
    </message>
    <message>
        <source>リンクがあるのにALTテキストがありません（読み上げでは行き先がわかりません）</source>
        <comment>65030</comment>
        <translation>It has a link but no ALT text (a screen reader cannot tell where it leads)</translation>
    </message>
    <message>
        <source>面積がないため、ブラウザではクリックできません（線や閉じていない形は多角形として書き出されます）</source>
        <comment>65031</comment>
        <translation>It encloses no surface, so a browser cannot click it (lines and open outlines are written as polygons)</translation>
    </message>
    <message>
        <source>画像の外にあるため、クリックできません</source>
        <comment>65032</comment>
        <translation>It lies outside the picture, so it cannot be clicked</translation>
    </message>
    <message>
        <source>一部が画像の外にはみ出しています</source>
        <comment>65033</comment>
        <translation>Part of it lies outside the picture</translation>
    </message>
    <message>
        <source>上にあるエリア %1 に完全に覆われているため、クリックできません</source>
        <comment>65034</comment>
        <translation>Area %1 above covers it completely, so it cannot be clicked</translation>
    </message>
    <message>
        <source>リンク先が空です（空白か「#」だけ）</source>
        <comment>65035</comment>
        <translation>The link is empty (only spaces or “#”)</translation>
    </message>
    <message>
        <source>javascript: のリンクですが、このエリアのスクリプトはオフです</source>
        <comment>65036</comment>
        <translation>It is a javascript: link, but this area's scripts are off</translation>
    </message>
    <message>
        <source>開く</source>
        <comment>65020</comment>
        <translation>Open</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <comment>65021</comment>
        <translation>Save As</translation>
    </message>
    <message>
        <source>ZVF,HTML,HTM 以外のファイル形式では保存できません</source>
        <comment>65022</comment>
        <translation>Only ZVF, HTML and HTM files can be saved</translation>
    </message>
    <message>
        <source>HTMLﾌｧｲﾙ (*.html,*.htm)|*.html;*.htm|ZORVAﾌｧｲﾙ (*.zvf)|*.zvf|全てのﾌｧｲﾙ (*.*)|*.*||</source>
        <comment>65023</comment>
        <translation>HTML Files (*.html,*.htm)|*.html;*.htm|ZORVA Files (*.zvf)|*.zvf|All Files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>ZORVAﾌｧｲﾙ (*.zvf)|*.zvf|HTMLﾌｧｲﾙ (*.html,*.htm)|*.html;*.htm|全てのﾌｧｲﾙ (*.*)|*.*||</source>
        <comment>65024</comment>
        <translation>ZORVA Files (*.zvf)|*.zvf|HTML Files (*.html,*.htm)|*.html;*.htm|All Files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>JPEGﾌｧｲﾙ (*.jpg)|*.jpg|PNGﾌｧｲﾙ (*.png)|*.png|Compuserve GIFﾌｧｲﾙ (*.gif)|*.gif|全てのﾌｧｲﾙ (*.*)|*.*||</source>
        <comment>65025</comment>
        <translation>JPEG Files (*.jpg)|*.jpg|PNG Files (*.png)|*.png|CompuServe GIF Files (*.gif)|*.gif|All Files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>ファイル名の「%1」はこのプログラムでは扱えません</source>
        <comment>65026</comment>
        <translation>This program cannot handle “%1” in a file name</translation>
    </message>
    <message>
        <source>Not Exist Html Help File

   File Path [ %s ]</source>
        <comment>65040</comment>
        <translation>Not Exist Html Help File

   File Path [ %s ]</translation>
    </message>
    <message>
        <source>カラーパレット(&amp;C)...</source>
        <comment>65041</comment>
        <translation>&amp;Color Palette...</translation>
    </message>
    <message>
        <source>Error Context ID

   File Path [ %s ]
  ContextID [0x%s + 0x%s(%s)]</source>
        <comment>65042</comment>
        <translation>Error Context ID

   File Path [ %s ]
  ContextID [0x%s + 0x%s(%s)]</translation>
    </message>
    <message>
        <source>ZORVA ヘルプ</source>
        <comment>65043</comment>
        <translation>ZORVA Help</translation>
    </message>
    <message>
        <source>目次</source>
        <comment>65044</comment>
        <translation>Contents</translation>
    </message>
    <message>
        <source>キーワード</source>
        <comment>65045</comment>
        <translation>Index</translation>
    </message>
    <message>
        <source>検索</source>
        <comment>65046</comment>
        <translation>Search</translation>
    </message>
    <message>
        <source>探す言葉を入力</source>
        <comment>65047</comment>
        <translation>Type the words to find</translation>
    </message>
    <message>
        <source>「%1」を含むページはありません</source>
        <comment>65048</comment>
        <translation>No page contains “%1”</translation>
    </message>
    <message>
        <source>絵の大きさが分からないため、レスポンシブHTMLを書き出せません。絵のファイルを確かめてください</source>
        <comment>65060</comment>
        <translation>The picture's size is unknown, so no responsive HTML can be written. Check the picture file</translation>
    </message>
    <message>
        <source>レスポンシブHTMLの書き出し</source>
        <comment>65061</comment>
        <translation>Export Responsive HTML</translation>
    </message>
    <message>
        <source>HTMLﾌｧｲﾙ (*.html,*.htm)|*.html;*.htm|全てのﾌｧｲﾙ (*.*)|*.*||</source>
        <comment>65062</comment>
        <translation>HTML Files (*.html,*.htm)|*.html;*.htm|All Files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>自動トレースの設定</source>
        <comment>2040000</comment>
        <translation>Auto-Trace Settings</translation>
    </message>
    <message>
        <source>許容値(&amp;T):</source>
        <comment>2049001</comment>
        <translation>&amp;Tolerance:</translation>
    </message>
    <message>
        <source>輪郭の単純化(&amp;S):</source>
        <comment>2049002</comment>
        <translation>Outline &amp;simplification:</translation>
    </message>
    <message>
        <source>押したまま左右にドラッグすると、許容値はその場で変えられます。</source>
        <comment>2049003</comment>
        <translation>Drag left or right with the button held to change the tolerance on the spot.</translation>
    </message>
    <message>
        <source>押した点の色との差 (赤、緑、青の差の最大) がこれ以下の画素を領域に含めます</source>
        <comment>2049004</comment>
        <translation>Pixels whose color differs from the pressed point's by at most this much (the largest of the red, green and blue differences) join the region</translation>
    </message>
    <message>
        <source>輪郭がもとの画素の縁から離れてよい距離。大きいほど頂点が減ります (0: 減らさない)</source>
        <comment>2049005</comment>
        <translation>How far the outline may stray from the pixels' edges; the larger, the fewer points (0: none removed)</translation>
    </message>
    <message>
        <source> ピクセル</source>
        <comment>2049006</comment>
        <translation> pixels</translation>
    </message>
    <message>
        <source>許容値 %1 ・ 頂点 %2 (左右にドラッグで許容値を変更、右クリックか Esc で取り消し)</source>
        <comment>65090</comment>
        <translation>Tolerance %1 · %2 points (drag left or right to change the tolerance; right click or Esc cancels)</translation>
    </message>
    <message>
        <source>画像の外です。自動トレースは画像の中を押してください</source>
        <comment>65091</comment>
        <translation>Outside the picture. Press inside the picture to auto-trace</translation>
    </message>
    <message>
        <source>画像がありません。自動トレースするには画像を開いてください</source>
        <comment>65092</comment>
        <translation>No picture. Open a picture to auto-trace</translation>
    </message>
    <message>
        <source>自動トレース: 許容値 %1、頂点 %2 のエリアを追加しました</source>
        <comment>65093</comment>
        <translation>Auto-trace: added an area with tolerance %1 and %2 points</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <comment>3000001</comment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <comment>3000002</comment>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <comment>3000003</comment>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <comment>3000004</comment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <comment>3057600</comment>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <comment>3057601</comment>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <comment>3057603</comment>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <comment>3057604</comment>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>レスポンシブHTMLの書き出し(&amp;R)...</source>
        <comment>3032830</comment>
        <translation>Export &amp;Responsive HTML...</translation>
    </message>
    <message>
        <source>取り消し(&amp;U)</source>
        <comment>3057643</comment>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <comment>3057644</comment>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <comment>3057635</comment>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <comment>3057634</comment>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <comment>3057637</comment>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>消去(&amp;D)</source>
        <comment>3057632</comment>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>複製(&amp;L)</source>
        <comment>3032785</comment>
        <translation>Dup&amp;licate</translation>
    </message>
    <message>
        <source>全て消去</source>
        <comment>3057633</comment>
        <translation>Clear &amp;All</translation>
    </message>
    <message>
        <source>自動トレースの設定(&amp;A)...</source>
        <comment>3032831</comment>
        <translation>Aut&amp;o-Trace Settings...</translation>
    </message>
    <message>
        <source>環境設定(&amp;F)...</source>
        <comment>3032777</comment>
        <translation>Pre&amp;ferences...</translation>
    </message>
    <message>
        <source>ツールバー(&amp;T)</source>
        <comment>3059392</comment>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ツールボックス(&amp;B)</source>
        <comment>3032779</comment>
        <translation>Tool &amp;Box</translation>
    </message>
    <message>
        <source>プロパティ(&amp;P)</source>
        <comment>3032782</comment>
        <translation>&amp;Properties</translation>
    </message>
    <message>
        <source>エリア一覧(&amp;A)</source>
        <comment>3032815</comment>
        <translation>&amp;Area List</translation>
    </message>
    <message>
        <source>ステータスバー(&amp;S)</source>
        <comment>3059393</comment>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>ページルーラ(&amp;R)</source>
        <comment>3032780</comment>
        <translation>&amp;Rulers</translation>
    </message>
    <message>
        <source>ガイド(&amp;G)</source>
        <comment>3032781</comment>
        <translation>&amp;Guides</translation>
    </message>
    <message>
        <source>50%(&amp;5)</source>
        <comment>3032772</comment>
        <translation>&amp;50%</translation>
    </message>
    <message>
        <source>100%(&amp;1)</source>
        <comment>3032773</comment>
        <translation>&amp;100%</translation>
    </message>
    <message>
        <source>200%(&amp;2)</source>
        <comment>3032774</comment>
        <translation>&amp;200%</translation>
    </message>
    <message>
        <source>表示(&amp;I)	Ctrl+T</source>
        <comment>3032788</comment>
        <translation>Show P&amp;icture	Ctrl+T</translation>
    </message>
    <message>
        <source>淡色表示(&amp;L)	Ctrl+T</source>
        <comment>3032789</comment>
        <translation>&amp;Dim Picture	Ctrl+T</translation>
    </message>
    <message>
        <source>非表示(&amp;H)	Ctrl+T</source>
        <comment>3032790</comment>
        <translation>&amp;Hide Picture	Ctrl+T</translation>
    </message>
    <message>
        <source>HTMLプレビュー(&amp;W)...</source>
        <comment>3032820</comment>
        <translation>HTML Previe&amp;w...</translation>
    </message>
    <message>
        <source>目次(&amp;C)</source>
        <comment>3057666</comment>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>ZORVAのバージョン情報 (&amp;A)...</source>
        <comment>3057664</comment>
        <translation>&amp;About ZORVA...</translation>
    </message>
    <message>
        <source>ZORVAの終了(&amp;X)</source>
        <comment>3057665</comment>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>作業の復元</source>
        <comment>65300</comment>
        <translation>Recover Work</translation>
    </message>
    <message>
        <source>保存されないまま終わった作業があります。復元する作業を選んでください。</source>
        <comment>65301</comment>
        <translation>Some work ended without being saved. Choose the work to recover.</translation>
    </message>
    <message>
        <source>ファイル</source>
        <comment>65302</comment>
        <translation>File</translation>
    </message>
    <message>
        <source>自動保存の時刻</source>
        <comment>65303</comment>
        <translation>Autosaved at</translation>
    </message>
    <message>
        <source>エリアの数</source>
        <comment>65304</comment>
        <translation>Areas</translation>
    </message>
    <message>
        <source>復元</source>
        <comment>65305</comment>
        <translation>Recover</translation>
    </message>
    <message>
        <source>破棄</source>
        <comment>65306</comment>
        <translation>Discard</translation>
    </message>
    <message>
        <source>後で</source>
        <comment>65307</comment>
        <translation>Later</translation>
    </message>
    <message>
        <source>無題</source>
        <comment>65308</comment>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>復元用のファイル %1 は使えません（%2）。
消さずに %3 へ移しました。</source>
        <comment>65309</comment>
        <translation>The recovery file %1 cannot be used (%2).
It was moved to %3, not deleted.</translation>
    </message>
    <message>
        <source>途中で切れています</source>
        <comment>65310</comment>
        <translation>it is cut short</translation>
    </message>
    <message>
        <source>壊れています</source>
        <comment>65311</comment>
        <translation>it is damaged</translation>
    </message>
    <message>
        <source>新しい版の ZORVA が書いたものです</source>
        <comment>65312</comment>
        <translation>a newer version of ZORVA wrote it</translation>
    </message>
    <message>
        <source>大きすぎます</source>
        <comment>65313</comment>
        <translation>it is too large</translation>
    </message>
    <message>
        <source>読めません</source>
        <comment>65314</comment>
        <translation>it cannot be read</translation>
    </message>
    <message>
        <source>ファイルではなくリンクか装置です</source>
        <comment>65315</comment>
        <translation>it is a link or a device, not a file</translation>
    </message>
    <message>
        <source>自動保存できません（%1: %2）。編集はそのまま続けられます</source>
        <comment>65316</comment>
        <translation>Cannot autosave (%1: %2). You can go on editing</translation>
    </message>
    <message>
        <source>復元用のファイル %1 は使えません（%2）。
移すこともできなかったので、そのまま残してあります。</source>
        <comment>65317</comment>
        <translation>The recovery file %1 cannot be used (%2).
It could not be moved either, so it was left where it is.</translation>
    </message>
    <message>
        <source>選んだ作業を破棄します。元に戻せません。よろしいですか？</source>
        <comment>65318</comment>
        <translation>The chosen work will be discarded. This cannot be undone. Continue?</translation>
    </message>
</context>
</TS>
