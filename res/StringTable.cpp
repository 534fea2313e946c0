// The string table: every text the user sees, by its string number, in UTF-8.
#include "ZorvaVersion.h"
#include "platform/StringTableData.h"

namespace zorva {

const StringEntry kStringTable[] = {
    // Document template: title, document name, new-file name, filter, extension, type id, type name.
    {128, "ZORVA\n\n名称未設定\nZORVAﾌｧｲﾙ(*.zvf)\n.zvf\nZORVAdoc\nZORVAﾄﾞｷｭﾒﾝﾄ"},

    // Status-bar prompts of commands (the part before "\n" is the prompt, the rest the tooltip).
    {32779, "ツールボックスの表示/非表示\nツールボックス"},
    {32801, "エリアを選択して、変形したり移動したりします\n矢印ツール"},
    {32802, "矩形のエリアを作成します\n矩形ツール"},
    {32803, "楕円のエリアを作成します\n楕円ツール"},
    {32804, "多角形のエリアを作成します\n多角形ツール"},
    {32805, "線分を作成します\nラインツール"},
    {32806, "ベジェ3次曲線によるエリアを作成します\nベジェツール"},
    {32807, "自由曲線によるエリアを作成します\nフリーハンドツール"},
    {32808, "表示を拡大・縮小(ALT)します\nズーム"},
    {32781, "ガイドの表示/非表示\nガイド"},
    {32782, "プロパティダイアログの表示/非表示\nプロパティ"},
    {32785, "選択されているエリアを複製\n複製"},
    {32788, "イメージを表示\n表示"},
    {32789, "イメージの淡色表示\n淡色表示"},
    {32790, "イメージを表示しない\n非表示"},
    {32815, "エリア一覧ダイアログの表示/非表示\nエリア一覧"},
    {32830, "絵の大きさに合わせて伸び縮みするマップ (SVG) のページを書き出します\nレスポンシブHTMLの書き出し"},
    {57632, "選択範囲を消去\n消去"},
    {57634, "選択されているエリアをコピーしてクリップボードに保存\nコピー"},
    {57635, "選択されているエリアをクリップボードに保存\n切り取り"},
    {57637, "クリップボードの内容を貼り付け\n貼り付け"},
    {59392, "ツールバーの表示/非表示\nツールバー"},
    {32772, "表示倍率を50%にします\n50%"},
    {32773, "表示倍率を100%にします\n100%"},
    {32774, "表示倍率を200%にします\n200%"},
    {32777, "HTML出力の設定を変更\n環境設定"},
    {32780, "ページルーラの表示/非表示\nページルーラ"},
    {32814, "表示倍率を選択\n表示倍率"},
    {32820, "作成されるHTMLをWEBブラウザでプレビュー\nHTMLプレビュー"},
    {32823, "ディスプレイのカラーパレットを表示\nカラーパレット"},
    {57600, "イメージファイルを選択して新しいドキュメントを作成\n新規作成"},
    {57601, "既存のドキュメントを開く\n開く"},
    {57603, "ドキュメントを上書きして保存\n上書き保存"},
    {57604, "ドキュメントに名前を付けて保存\n名前を付けて保存"},
    {57616, "このドキュメントを開く"},
    {57617, "このドキュメントを開く"},
    {57618, "このドキュメントを開く"},
    {57619, "このドキュメントを開く"},
    {57633, "全ての図形を消去\n全て消去"},
    {57643, "直前の操作を取り消し\n取り消し"},
    {57644, "取り消した操作をやり直し\nやり直し"},
    {57664, "プログラムのバージョン情報を表示\nバージョン情報"},
    {57665, "ZORVAを終了\n終了"},
    {57666, "ヘルプの目次を表示\n目次"},
    {59393, "ステータスバーの表示/非表示\nステータスバー"},

    {57344, "ZORVA"},
    {57345, "ZORVA Version " ZORVA_VERSION},
    {59137, "CAP"},
    {59138, "NUM"},
    {59139, "SCRL"},
    {59142, "ｶﾅ"},

    {61204, "~zvaprvw.html"},
    {61205, "残念ながら JPEG ファイルのカラーモードが判りません"},
    {61206, "残念ながら CMYK モードまたは YCCK モードの JPEG ファイルを開くことはできません"},
    {61207, "デフォルトエリア"},
    {61208, "名称未設定"},
    {61209, "ドキュメントは変更されています。保存しますか?"},
    {61210, "イメージファイルを選択して下さい"},
    {61211, "UNISYS による特許問題を未然に回避するために\n現在GIFファイルは使用不可能にしてあります"},
    {61212, "GIF,JPEG 以外のファイル形式は開けません"},
    {61213, "指定されたファイルの形式が判りません"},
    {61214, "この処理を続けると全ての図形を消去し、取り消しもできなくなります。\nそれでも続けますか?"},
    {61215, "GIFファイル\"%s%s\"を読み込み中です"},
    {61216, "JPEG ファイルを開けません"},
    {61217, "JPEGファイル\"%s\"を読み込み中です"},
    {61218, "%sタグの%s属性の記述に誤りがあります"},
    {61219, "指定されたHTMLファイルには<IMG>タグがありません"},
    {61220, "HTMLの作成に失敗しました"},
    {61221, "WEBブラウザが見つかりません"},
    {61222, "原因不明のエラーのためにHTMLプレビューに失敗しました"},
    {61223, "GIF ファイルを開けません"},
    {61224, "画像が大きすぎるか、メモリが足りないため読み込めません"},
    {61225, "矩形は多角形以外には変更できません"},
    {61226, "楕円は多角形以外には変更できません"},
    {61227, "多角形は他の形には変更できません"},
    {61228, "ベジェは多角形以外には変更できません"},
    {61229, "エリア一覧"},
    {61230, "種類"},
    {61231, "リンク先"},
    {61232, "多角形"},
    {61233, "楕円"},
    {61234, "矩形"},
    {61235, "ベジェ"},
    {61236, "背景"},
    {61237, "指定なし"},
    {61238, "ＭＳ Ｐゴシック"},
    {61239, "プロパティ"},

    // Framework messages: documents and archives.
    {61697, "ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。"},
    {61698, "ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。"},
    {61712, "整数を入力してください。"},
    {61728, "予期しないﾌｧｲﾙ形式です。"},

    // Framework messages: file-system errors, %1 is the file name.
    {61857, "%1 へのアクセス中に予期しないエラーが発生しました。"},
    {61858, "%1 が見つかりませんでした。"},
    {61859, "%1 のパスに誤りがあります。"},
    {61860, "開いているファイルが多すぎるため %1 を開けませんでした。"},
    {61861, "%1 へのアクセスが拒否されました。"},
    {61862, "%1 は無効なファイルです。"},
    {61863, "%1 は使用中のフォルダのため削除できませんでした。"},
    {61864, "フォルダがいっぱいのため %1 を作成できませんでした。"},
    {61865, "%1 のシークに失敗しました。"},
    {61866, "%1 の読み書き中に入出力エラーが発生しました。"},
    {61867, "%1 へのアクセス中に共有違反が発生しました。"},
    {61868, "%1 へのアクセス中にロック違反が発生しました。"},
    {61869, "%1 の書き込み中にディスクがいっぱいになりました。"},
    {61870, "%1 の終わりを越えてアクセスしようとしました。"},

    // Dialog texts (numbering in html/DialogTexts.h): image selection (178),
    // the writer's two choices (180, 181), HTML output settings (191).
    {1780000, "イメージ選択"},
    {1780001, "OK"},
    {1780002, "キャンセル"},
    {1789001, "指定されたHTMLファイルには複数のイメージが存在します。対象となるイメージを選択して下さい"},
    {1789002, "USEMAP"},
    {1789003, "イメージファイル名"},
    // The rows' picture size column, and the usemap column's two answers.
    {1789004, "大きさ"},
    {1789005, "あり"},
    {1789006, "なし"},
    {1789007, "開けません"},
    {1800000, "処理の選択"},
    {1800001, "強制的に閉じる"},
    {1800002, "キャンセル"},
    {1800005, "無視する"},
    {1809001, "閉じていないエリアが見つかりました。\nどうしますか?"},
    {1810000, "処理の選択"},
    {1810001, "Polyに変換"},
    {1810002, "キャンセル"},
    {1810005, "無視する"},
    {1819001, "HTMLで定義されていない形のエリアが見つかりました。どうしますか?"},
    {1910000, "HTML出力設定"},
    {1910001, "OK"},
    {1910002, "キャンセル"},
    {1911030, "CR+LF(Windows)"},
    {1911031, "CR(Macintosh)"},
    {1911032, "LF(Unix)"},
    {1911033, "HTML 2.0"},
    {1911034, "HTML 3.2"},
    {1911035, "HTML 4.01"},
    {1911036, "Shift_JIS"},
    {1911037, "EUC-JP"},
    {1911039, "不要"},
    {1911040, "不要"},
    {1911041, "UTF-8"},
    {1911042, "HTML5"},
    {1911063, "要素大文字/属性小文字"},
    {1911064, "全て大文字"},
    {1911065, "全て小文字"},
    {1919001, "改行コード"},
    {1919002, "DOCTYPE指定"},
    {1919003, "文字コード指定"},
    {1919004, "大文字/小文字"},
    {1911066, "クラシック (MAP/AREA)"},
    {1911067, "レスポンシブ (SVG)"},
    {1911068, "マウスが乗ったエリアを強調する"},
    {1919005, "マップの形式"},
    // The interface's language: the group, its first choice (the others are
    // the languages' own names), and when a change takes effect.
    {1919006, "表示言語"},
    {1911071, "システムの設定に従う"},
    {1919007, "次回の起動から有効になります"},
    // The greeting at start-up (dialog 182).
    {1820000, "ZORVA"},
    {1820001, "OK"},
    {1820002, "キャンセル"},
    {1821027, "新規作成"},
    {1821028, "既存のファイルを開く"},
    {1829001, "Welcome to ZORVA\nThe Clickable Map Editor"},
    // The About box (dialog 100): its caption, OK and the line under the version.
    {1000000, "ZORVAのバージョン情報"},
    {1000001, "OK"},
    {1009001, "The Clickable Map Editor for Linux"},
    // The palette chart (dialog 203), and what it says without a picture.
    {2030000, "カラーパレット"},
    {2030002, "閉じる"},
    {2039001, "イメージが読み込まれていないため、表示するパレットがありません"},
    // The property panel (dialog 140): check boxes, labels in their order, the
    // type list's items (type codes 0 to 3) and the script menus' empty entry.
    {1401022, "クローズドパス"},
    {1401029, "JavaScriptを使用する"},
    {1409001, "スタイル"},
    {1409002, "ポイント"},
    {1409003, "URL"},
    {1409004, "ターゲット"},
    {1409005, "ALT"},
    {1409006, "コメント"},
    {1409007, "OnClick"},
    {1409008, "OnMouseOver"},
    {1409009, "OnMouseOut"},
    {1409010, "矩形(rect)"},
    {1409011, "楕円(circle)"},
    {1409012, "多角形(poly)"},
    {1409013, "ベジェ(bezier)"},
    {1409014, "なし"},
    {1409015, "その他の属性"},
    // The coordinate dialog (dialog 176).
    {1760000, "座標値変更"},
    {1760001, "OK"},
    {1760002, "キャンセル"},
    {1769001, "ポイント"},
    {1769002, "ハンドル1"},
    {1769003, "ハンドル2"},
    {1769004, "X"},
    {1769005, "Y"},

    {65001, "PNGﾌｧｲﾙ\"%s\"を読み込み中です"},
    {65002, "PNGファイルを開けません"},
    {65003, "減色処理中　"},
    {65004, "X:0    Y:0     "},
    // %1: the character the document's charset, or that of the page a
    // comment will be written into, cannot hold.
    {65010, "「%1」はこのドキュメントか書き出すページの文字コードで表せないため、入力を取り消しました"},
    {65011, "このページの文字コード「%1」には対応していません。テキストは Shift_JIS として表示します"},
    // The property panel's other attributes, refused (%1: where the fault
    // begins, or the attribute's name).
    {65012, "その他の属性の書き方に誤りがあります（「%1」）。\n名前=\"値\" の形で、空白で区切って書いてください"},
    {65013, "属性「%1」はパネルの欄で設定します。その他の属性には書けません"},
    {65014, "属性「%1」が二度書かれています"},
    // %1: the area list's numbers of the areas left out of the page.
    {65015, "HTMLで定義されていない形に変換できないエリアがあるため、出力しませんでした（エリア %1）"},
    // %1: the preview page's path.
    {65016, "WEBブラウザが見つかりません\nプレビューのページは書き出してあります:\n%1"},
    // %1: the picture's file name; the library's words may follow on a second line.
    {65017, "JPEGファイル「%1」を開けません"},
    {65018, "PNGファイル「%1」を開けません"},
    // %1: the area's number in the area list, %2: the character, %3: the
    // page's charset.
    {65019, "エリア %1 のコメントの「%2」はページの文字コード（%3）で表せないため、ページを書き出しませんでした"},
    // The map check's findings, one an area (the area list's tooltip,
    // zorva-cli check). %1 of 65034: the number of the area above.
    {65030, "リンクがあるのにALTテキストがありません（読み上げでは行き先がわかりません）"},
    {65031, "面積がないため、ブラウザではクリックできません（線や閉じていない形は多角形として書き出されます）"},
    {65032, "画像の外にあるため、クリックできません"},
    {65033, "一部が画像の外にはみ出しています"},
    {65034, "上にあるエリア %1 に完全に覆われているため、クリックできません"},
    {65035, "リンク先が空です（空白か「#」だけ）"},
    {65036, "javascript: のリンクですが、このエリアのスクリプトはオフです"},

    // File commands: the file dialogs' titles and filters ("|"-separated:
    // description, patterns, ..., ending in "||"), and their refusals.
    {65020, "開く"},
    {65021, "名前を付けて保存"},
    {65022, "ZVF,HTML,HTM 以外のファイル形式では保存できません"},
    {65023, "HTMLﾌｧｲﾙ (*.html,*.htm)|*.html;*.htm|ZORVAﾌｧｲﾙ (*.zvf)|*.zvf|全てのﾌｧｲﾙ (*.*)|*.*||"},
    {65024, "ZORVAﾌｧｲﾙ (*.zvf)|*.zvf|HTMLﾌｧｲﾙ (*.html,*.htm)|*.html;*.htm|全てのﾌｧｲﾙ (*.*)|*.*||"},
    {65025, "JPEGﾌｧｲﾙ (*.jpg)|*.jpg|PNGﾌｧｲﾙ (*.png)|*.png|Compuserve GIFﾌｧｲﾙ (*.gif)|*.gif|全てのﾌｧｲﾙ (*.*)|*.*||"},
    // %1: the first character of the file name that cannot be handled.
    {65026, "ファイル名の「%1」はこのプログラムでは扱えません"},
    // The Help menu's contents while no help file is installed (%s: the file's path).
    {65040, "Not Exist Html Help File\n\n   File Path [ %s ]"},
    {65041, "カラーパレット(&C)..."},
    // F1 over a window none of whose context ids has a topic in the help
    // (%s: the file's path, the id's base and its low 16 bits in hex and decimal).
    {65042, "Error Context ID\n\n   File Path [ %s ]\n  ContextID [0x%s + 0x%s(%s)]"},
    // The help window: its title and its three tabs.
    {65043, "ZORVA ヘルプ"},
    {65044, "目次"},
    {65045, "キーワード"},
    {65046, "検索"},
    // The search tab: its field's hint, and the note when no page holds the
    // text (%1: the text).
    {65047, "探す言葉を入力"},
    {65048, "「%1」を含むページはありません"},
    // The responsive page (an SVG map over the picture).
    {65060, "絵の大きさが分からないため、レスポンシブHTMLを書き出せません。絵のファイルを確かめてください"},
    {65061, "レスポンシブHTMLの書き出し"},
    {65062, "HTMLﾌｧｲﾙ (*.html,*.htm)|*.html;*.htm|全てのﾌｧｲﾙ (*.*)|*.*||"},

    // The menus (ui/FrameMenus): their titles (3000001-3000004) and each
    // command's item, 3000000 + the command id.
    {3000001, "ファイル(&F)"},
    {3000002, "編集(&E)"},
    {3000003, "表示(&V)"},
    {3000004, "ヘルプ(&H)"},
    {3057600, "新規作成(&N)"},  // ID_FILE_NEW
    {3057601, "開く(&O)..."},  // ID_FILE_OPEN
    {3057603, "上書き保存(&S)"},  // ID_FILE_SAVE
    {3057604, "名前を付けて保存(&A)..."},  // ID_FILE_SAVE_AS
    {3032830, "レスポンシブHTMLの書き出し(&R)..."},  // ID_FILE_EXPORT_SVG
    {3057643, "取り消し(&U)"},  // ID_EDIT_UNDO
    {3057644, "やり直し(&R)"},  // ID_EDIT_REDO
    {3057635, "切り取り(&T)"},  // ID_EDIT_CUT
    {3057634, "コピー(&C)"},  // ID_EDIT_COPY
    {3057637, "貼り付け(&P)"},  // ID_EDIT_PASTE
    {3057632, "消去(&D)"},  // ID_EDIT_CLEAR
    {3032785, "複製(&L)"},  // ID_EDIT_DUPLICATE
    {3057633, "全て消去"},  // ID_EDIT_CLEAR_ALL
    {3032777, "環境設定(&F)..."},  // ID_EDIT_PREFERENCES
    {3059392, "ツールバー(&T)"},  // ID_VIEW_TOOLBAR
    {3032779, "ツールボックス(&B)"},  // ID_VIEW_TOOLBOX
    {3032782, "プロパティ(&P)"},  // ID_VIEW_PROPERTY
    {3032815, "エリア一覧(&A)"},  // ID_VIEW_AREALIST
    {3059393, "ステータスバー(&S)"},  // ID_VIEW_STATUS_BAR
    {3032780, "ページルーラ(&R)"},  // ID_VIEW_RULER
    {3032781, "ガイド(&G)"},  // ID_VIEW_GUIDE
    {3032772, "50%(&5)"},  // ID_VIEW_ZOOM50
    {3032773, "100%(&1)"},  // ID_VIEW_ZOOM100
    {3032774, "200%(&2)"},  // ID_VIEW_ZOOM200
    {3032788, "表示(&I)\tCtrl+T"},  // ID_IMAGE_SHOW
    {3032789, "淡色表示(&L)\tCtrl+T"},  // ID_IMAGE_LIGHT
    {3032790, "非表示(&H)\tCtrl+T"},  // ID_IMAGE_HIDE
    {3032820, "HTMLプレビュー(&W)..."},  // ID_HTML_PREVIEW
    {3057666, "目次(&C)"},  // ID_HELP_CONTENTS
    {3057664, "ZORVAのバージョン情報 (&A)..."},  // ID_APP_ABOUT
    {3057665, "ZORVAの終了(&X)"},  // ID_APP_EXIT
};

const size_t kStringTableSize = sizeof(kStringTable) / sizeof(kStringTable[0]);

}  // namespace zorva
