#include "job/JobMessages.h"

namespace vr {

Text NoCadFoundMessage(TextView acadName) {
    return u"CADが見つかりません。CADを起動してから、もう一度実行してください。\n"
           u"（ZuDuv.ini の ACADName: 「" +
           Text(acadName) + u"」）";
}

Text NoMainWindowMessage(TextView acadName, TextView mainCaption) {
    return u"CAD（" + Text(acadName) +
           u"）のメインウィンドウが見つかりません。\n"
           u"ZuDuv.ini の MainCaption「" +
           Text(mainCaption) + u"」を確認してください。";
}

Text NoCommandAreaMessage(TextView commandCaption) {
    return u"CADのコマンドラインが見つかりません。\n"
           u"ZuDuv.ini の CommandCaption「" +
           Text(commandCaption) + u"」を確認してください。";
}

Text CadWindowGoneMessage() {
    return u"CADのウィンドウが閉じられました。CADを確認して、もう一度実行してください。";
}

Text CadNotRespondingMessage(TextView operation) {
    return u"CADの操作が時間内に終わりませんでした（" + Text(operation) +
           u"）。\nCADが応答しているか確認して、もう一度実行してください。";
}

Text ClipboardBusyMessage() {
    return u"クリップボードを使えませんでした。ほかのプログラムがクリップボードを使用中です。\n"
           u"しばらく待ってから、もう一度実行してください。";
}

Text AnotherToolRunningMessage() {
    return u"別のツール（pinmark・labelpen・gaugeread）が実行中のため、開始できませんでした。\n"
           u"しばらく待ってから、もう一度実行してください。";
}

} // namespace vr
