#include "SetupMessages.h"

#include "InstallPayload.h"
#include "Installation.h"
#include "winsupport/core/DigitText.h"

namespace vr::setup {
namespace {

// "description（エラー 5）": how every message names the system's reason.
std::u16string SystemReason(std::u16string_view description, std::uint32_t code) {
    std::u16string text(description);
    text += u"（エラー ";
    text += DecimalDigits(code);
    text += u"）";
    return text;
}

} // namespace

std::u16string CopyFailedMessage(std::u16string_view name, const CopyFailure& failure,
                                 std::u16string_view from, std::u16string_view to) {
    std::u16string text = u"ファイル「";
    text += name;
    text += u"」をコピーできませんでした。インストールを中止します。\r\n\r\n";
    text += SystemReason(failure.description, failure.code);
    text += u"\r\n\r\nコピー元: ";
    text += from;
    text += u"\r\nコピー先: ";
    text += to;
    text += u"\r\n\r\nそれまでにコピーしたファイルはそのまま残っています。";
    return text;
}

std::u16string OwnFolderMessage(std::u16string_view folder) {
    std::u16string text = u"選んだフォルダー「";
    text += folder;
    text +=
        u"」は、このインストーラーのあるフォルダーです。ここにはインストールできません。\r\n\r\n"
        u"OK を押すとフォルダーの選択に戻ります。別のフォルダーを選んでください。\r\n"
        u"インストールをやめるときは、フォルダーの選択で「キャンセル」を押してください。";
    return text;
}

std::u16string DesktopQuestion(std::u16string_view folder) {
    std::u16string text = u"選んだフォルダー「";
    text += folder;
    text += u"」はデスクトップです。\r\nここにインストールすると、";
    text += DecimalDigits(kInstallPayload.size());
    text += u" 個のファイルがデスクトップに直接並びます。\r\n\r\n"
            u"このままデスクトップにインストールしますか？\r\n\r\n"
            u"「いいえ」を押すとフォルダーの選択に戻ります。\r\n"
            u"インストール用のフォルダー（例: C:\\ExcelCAD）を選んでください。\r\n"
            u"まだないときは、エクスプローラーで作ってから「いいえ」を押してください。";
    return text;
}

std::u16string FolderNameUnusableMessage(std::u16string_view folder,
                                         std::u16string_view character) {
    std::u16string text = u"選んだフォルダー「";
    text += folder;
    text += u"」の名前には、Windows の文字コード（Shift-JIS）で書けない文字「";
    text += character;
    text += u"」があります。\r\n"
            u"ツールはこのフォルダーの設定ファイルを読めないため、ここにはインストールできません。"
            u"\r\nOK を押すとフォルダーの選択に戻ります。"
            u"この文字を含まない名前のフォルダーを選んでください。";
    return text;
}

std::u16string GuideNotOpenedMessage(std::u16string_view guidePath) {
    std::u16string text = u"インストールは完了しましたが、ガイドを開けませんでした。\r\n"
                          u"次のファイルを開いてください。\r\n";
    text += guidePath;
    return text;
}

std::u16string FormFailedMessage(std::uint32_t code, std::u16string_view description) {
    std::u16string text(kFormFailed);
    text += u"\r\n\r\n";
    text += SystemReason(description, code);
    return text;
}

} // namespace vr::setup
