#include "messages/ToolMessages.h"

#include "messages/MessageText.h"

#include <initializer_list>
#include <string>

namespace vr {
namespace {

Text Quoted(TextView text) {
    return QuotedValue(text);
}

// A path is quoted whole: cut, it would no longer say which file.
Text QuotedPath(TextView path) {
    return Join({u"「", path, u"」"});
}

} // namespace

Text QuotedValue(TextView value) {
    // A message box grows with its text until its button leaves the screen:
    // a quoted value keeps its head and says that more followed.
    if (value.size() > kMaxQuotedLength) {
        std::size_t cut = kMaxQuotedLength;
        if (cut > 0 && value[cut - 1] >= 0xD800 && value[cut - 1] <= 0xDBFF) {
            --cut; // never split a surrogate pair
        }
        return Join({u"「", value.substr(0, cut), u"…」"});
    }
    return Join({u"「", value, u"」"});
}

Text SettingOutOfRangeMessage(TextView settingsPath, TextView section, TextView key,
                              TextView value) {
    return Join({u"設定ファイル", QuotedPath(settingsPath), u"の [", section, u"] にある ", key,
                 u" の値", Quoted(value),
                 u"が範囲外です。-2147483648\uFF5E2147483647 の整数を指定してください。"});
}

Text CadWindowGoneMessage() {
    return u"CADのウィンドウが閉じられました。CADを確認して、もう一度実行してください。";
}

Text CommandAreaUnreadableMessage(TextView commandCaption) {
    return Join({u"CADのコマンド ライン", Quoted(commandCaption),
                 u"の位置を読み取れませんでした。\nCADを確認して、もう一度実行してください。"});
}

Text CadNotRespondingMessage(TextView operation) {
    return Join({u"CADの操作が時間内に終わりませんでした（", operation,
                 u"）。\nCADが応答しているか確認して、もう一度実行してください。"});
}

Text ClipboardBusyMessage(TextView holderTitle) {
    const Text holder = holderTitle.empty() ? Text() : Join({u"（", Quoted(holderTitle), u"）"});
    return Join({u"クリップボードを使えませんでした。ほかのプログラムがクリップボードを使用中です",
                 holder, u"。\nしばらく待ってから、もう一度実行してください。"});
}

Text AnotherToolRunningMessage() {
    return u"別のツール（pinmark・labelpen・gaugeread）が実行中のため、開始できませんでした。\n"
           u"しばらく待ってから、もう一度実行してください。";
}

Text InputFileUnreadableMessage(TextView fileName, TextView path) {
    return Join({fileName, u" が見つからないか、読み込めません。\n", path});
}

Text InputFileEmptyMessage(TextView fileName, TextView firstLineHint, TextView path) {
    return Join({fileName, u" が空です（", firstLineHint, u"）。\n", path});
}

Text InputFileTooLongMessage(TextView fileName, std::size_t maxDataLines, TextView path) {
    const Text limit = Number(maxDataLines);
    return Join({fileName, u" のデータが", limit, u"行を超えています（", Number(maxDataLines + 2),
                 u"行目）。データは", limit, u"行までにしてください。\n", path});
}

Text OutputFileUnwritableMessage(TextView fileName, TextView path, TextView reason) {
    const Text why = reason.empty() ? Text() : Join({u"（", reason, u"）"});
    return Join({fileName, u" を書き込めませんでした", why, u"。\n", path});
}

Text InputFileTooLargeMessage(TextView fileName, std::uint64_t size, TextView path) {
    return Join({fileName, u" が大きすぎます（", Number(size), u"バイト）。",
                 Number(kMaxInputFileBytes), u"バイトまでのファイルにしてください。\n", path});
}

Text InputFileNotAnsiMessage(TextView fileName, TextView encoding, TextView path) {
    return Join({fileName, u" が ", encoding,
                 u" で保存されています。ANSI（Shift-JIS）で保存し直してください。\n", path});
}

namespace {

// A hint as a sentence of its own after the message's first one.
Text HintSentence(TextView hint) {
    return hint.empty() ? Text() : Join({hint, u"。"});
}

} // namespace

Text InputValueNotNumberMessage(TextView fileName, std::size_t lineNumber, TextView what,
                                TextView value, TextView path, TextView hint) {
    return Join({fileName, u" の", Number(lineNumber), u"行目の", what, Quoted(value),
                 u"は数値ではありません（例: 12.5、-3、1.5e3）。", HintSentence(hint), u"\n",
                 path});
}

Text InputLineEndsMessage(TextView fileName, std::size_t lineNumber, TextView path) {
    return Join({fileName, u" の", Number(lineNumber),
                 u"行目に改行コード LF だけの改行があります。改行コードを CR LF にして"
                 u"保存し直してください。\n",
                 path});
}

Text LineBreakInCellMessage(TextView fileName, std::size_t lineNumber, TextView path) {
    return Join({fileName, u" の", Number(lineNumber),
                 u"行目に LF だけの改行があります。セルの中の改行（Alt+Enter）は文字に"
                 u"入れられません。セルから改行を取り除いてください。\n",
                 path});
}

Text PointLineFieldCountMessage(std::size_t lineNumber, TextView line, TextView path,
                                TextView hint) {
    return Join({u"senten.txt の", Number(lineNumber), u"行目", Quoted(line),
                 u"は座標ではありません。x,y または x,y,z の形で書いてください。",
                 HintSentence(hint), u"\n", path});
}

Text EmptyPointLineMessage(std::size_t lineNumber, TextView path) {
    return Join({u"senten.txt の", Number(lineNumber),
                 u"行目が空の行です。点と点の間に空の行は置けません。座標を書くか、"
                 u"行を詰めてください。\n",
                 path});
}

Text ModeLineLikeNodeMessage(TextView line, TextView path) {
    return Join({u"senten.txt の1行目", Quoted(line),
                 u"は node と読めません。点を描くときは1行目をちょうど node（小文字、"
                 u"前後の空白や引用符なし）に、線を描くときは line にしてください。\n",
                 path});
}

TextView NumberSlipHint(NumberSlip slip) {
    switch (slip) {
    case NumberSlip::FullWidth:
        return kHintFullWidth;
    case NumberSlip::LeadingPoint:
        return kHintLeadingPoint;
    case NumberSlip::Tab:
        return kHintTab;
    case NumberSlip::Thousands:
        return kHintThousands;
    case NumberSlip::None:
        break;
    }
    return {};
}

Text ProgramFolderUnusableMessage(TextView folder, TextView character) {
    return Join({u"ツールのフォルダーの名前に、Windows の文字コード（Shift-JIS）で書けない文字「",
                 character,
                 u"」があるため、このフォルダーでは設定ファイル ZuDuv.ini "
                 u"などのファイルを読めません。\nこの文字を含まない名前のフォルダーにツールを入れ直"
                 u"してください。\n",
                 folder});
}

Text SettingsFileMissingMessage(TextView path) {
    return Join(
        {u"設定ファイル ZuDuv.ini がありません。ツールと同じフォルダーに置いてください。\n", path});
}

Text RequestNotWritableMessage(TextView value) {
    return Join(
        {u"gaugeread に渡された値", Quoted(value),
         u"に、Shift-JIS で書けない文字があります。その文字を使わない名前にしてください。"});
}

Text CadLostFocusMessage() {
    return u"CADが閉じられたか、ほかのウィンドウが前面に出たため、中止しました。"
           u"キー入力はしていません。\nCADを確認して、もう一度実行してください。";
}

Text CadDialogOpenMessage() {
    return u"CADでダイアログが開いているため、中止しました。クリックもキー入力もしていません。\n"
           u"CADのダイアログを閉じてから、もう一度実行してください。";
}

Text CommandLineHiddenMessage() {
    return u"CADのコマンド ラインが表示されていないため、中止しました。"
           u"クリックもキー入力もしていません。\n"
           u"コマンド ラインを表示してから（AutoCAD では Ctrl+9）、もう一度実行してください。";
}

Text CommandLineCoveredMessage(TextView title, TextView program) {
    return Join({u"CADのコマンド ラインがほかのウィンドウ",
                 title.empty() ? Text(u"（タイトルなし）") : Quoted(title), u"（プログラム ",
                 program.empty() ? TextView(u"不明") : program,
                 u"）に隠れているため、中止しました。クリックもキー入力もしていません。\n"
                 u"そのウィンドウを閉じるか、コマンド ラインに重ならない場所に移動してから、"
                 u"もう一度実行してください。"});
}

Text CommandLineOffScreenMessage() {
    return u"CADのコマンド ラインの中央が画面の外にあるため、中止しました。"
           u"クリックもキー入力もしていません。\n"
           u"CADのウィンドウを画面の中に移動してから、もう一度実行してください。";
}

Text CommandLineFocusNotTakenMessage(TextView className, TextView title) {
    const Text focused = className.empty() && title.empty()
                             ? Text(u"どのウィンドウにもありません")
                             : Join({u"クラス", Quoted(className), u" タイトル", Quoted(title),
                                     u" のウィンドウにあります"});
    return Join({u"CADのコマンド ラインをクリックしましたが、入力先になりませんでした。"
                 u"キー入力はしていません。\n入力先は ",
                 focused,
                 u"。\nCADがコマンドを待つ状態か確かめて、もう一度実行してください。"
                 u"続くときは、このメッセージの内容をサポートに知らせてください。"});
}

Text UnexpectedStopMessage(TextView what) {
    return Join({u"予期しないエラーのため中止しました（", what,
                 u"）。カーソルとウィンドウは元に戻しました。"});
}

Text ParameterLineMessage(TextView line, TextView path, TextView hint) {
    const bool blank = line.find_first_not_of(u" \t") == TextView::npos;
    const Text what = blank ? Text(u"が空です。文字の高さと角度の")
                            : Join({Quoted(line), u"は文字の高さと角度ではありません。"});
    return Join({u"mojidata.txt の1行目", what,
                 u"2つの数値を半角の空白で区切って書いてください（例: 2.5 0）。",
                 HintSentence(hint), u"\n", path});
}

Text RequestTooShortMessage(TextView arguments) {
    return Join({u"gaugeread に渡された値が足りません。式・行・列・ブックのパスの4つを"
                 u"空白で区切って指定してください。\n受け取った値: ",
                 Quoted(arguments)});
}

} // namespace vr
