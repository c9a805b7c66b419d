#include "messages/FirstRunMessages.h"

#include "messages/MessageText.h"
#include "messages/ToolMessages.h"

#include <initializer_list>
#include <string>

namespace vr {
namespace {

// 「a」「b」… with at most kMaxListedValues values, each cut as every quoted
// value is; the rest are counted.
Text QuotedList(const std::vector<Text>& values) {
    Text list;
    for (std::size_t i = 0; i < values.size() && i < kMaxListedValues; ++i) {
        list += QuotedValue(values[i]);
    }
    if (values.size() > kMaxListedValues) {
        list += Join({u"ほか", Number(values.size() - kMaxListedValues), u"件"});
    }
    return list;
}

// The lines to write, one a line, ready to copy.
Text ProposalText(const std::vector<ProposedLine>& proposal) {
    Text text =
        u"\nZuDuv.ini の [Main] で、次の行のとおりに書き換えてください（ない行は書き足します）。";
    for (const ProposedLine& line : proposal) {
        text += Join({u"\n", line.key, u"=", line.value});
    }
    return text;
}

// Every first-run message ends with the report's path.
Text ReportText(const ReportPlace& report) {
    if (!report.written) {
        return Join(
            {u"\n\nCADのウィンドウの一覧を次のファイルに書き込めませんでした。\n", report.path});
    }
    return Join({u"\n\nCADのウィンドウの一覧を次のファイルに書き出しました"
                 u"（お問い合わせの際はこのファイルをお送りください）。\n",
                 report.path});
}

} // namespace

Text NoCadFoundFirstRunMessage(TextView acadName, const std::vector<Text>& closeNames,
                               const std::vector<ProposedLine>& proposal,
                               const ReportPlace& report) {
    Text text;
    if (closeNames.empty()) {
        text = Join({u"CADが見つかりません。CADを起動してから、もう一度実行してください。\n"
                     u"（ZuDuv.ini の ACADName: ",
                     QuotedValue(acadName), u"）"});
    } else {
        text = Join({u"ZuDuv.ini の ACADName", QuotedValue(acadName),
                     u"という名前のCADが実行されていません。\n"
                     u"実行中のプログラムのうちCADと思われるもの: ",
                     QuotedList(closeNames), u"\n名前は大文字と小文字も区別されます。"});
    }
    if (!proposal.empty()) {
        text += ProposalText(proposal);
    }
    return text + ReportText(report);
}

Text NoMainWindowFirstRunMessage(TextView acadName, TextView mainCaption,
                                 const std::vector<Text>& titles,
                                 const std::vector<ProposedLine>& proposal,
                                 const ReportPlace& report) {
    Text text =
        Join({u"CAD（", acadName, u"）のメインウィンドウが見つかりません。ZuDuv.ini の MainCaption",
              QuotedValue(mainCaption), u"で始まるタイトルのウィンドウがありません。"});
    if (titles.empty()) {
        text += u"\nこのCADにはタイトルのあるウィンドウがありません。"
                u"CADの起動が終わってから、もう一度実行してください。";
    } else {
        text += Join({u"\nこのCADのウィンドウのタイトル: ", QuotedList(titles)});
    }
    if (!proposal.empty()) {
        text += ProposalText(proposal);
    } else if (!titles.empty()) {
        text += u"\nZuDuv.ini の MainCaption に、メインウィンドウのタイトルの始めの部分を"
                u"書いてください。";
    }
    return text + ReportText(report);
}

Text NoCommandAreaFirstRunMessage(TextView commandCaption, TextView commandClass,
                                  const std::vector<Text>& candidates,
                                  const std::vector<ProposedLine>& proposal,
                                  const ReportPlace& report) {
    Text text = Join({u"CADのコマンド ラインが見つかりません（ZuDuv.ini の CommandCaption",
                      QuotedValue(commandCaption)});
    if (!commandClass.empty()) {
        text += Join({u"、CommandClass", QuotedValue(commandClass)});
    }
    text += u"）。";
    if (candidates.empty()) {
        text += u"\nコマンド ラインと思われるウィンドウはありませんでした。";
    } else {
        text += Join({u"\nコマンド ラインと思われるウィンドウ: ", QuotedList(candidates)});
    }
    if (!proposal.empty()) {
        text += ProposalText(proposal);
    } else {
        text += u"\nZuDuv.ini の CommandCaption（コマンド ラインのタイトル）か CommandClass"
                u"（コマンド "
                u"ラインのクラス名）を、下のファイルのウィンドウの一覧を見て書いてください。";
    }
    return text + ReportText(report);
}

Text ElevatedCadMessage(TextView acadName) {
    return Join({u"CAD（", acadName,
                 u"）が管理者として実行されているため、ツールからCADを操作できません。\n"
                 u"CADとExcelを同じ方法で起動してください（どちらも通常どおりに起動するか、"
                 u"どちらも「管理者として実行」で起動します）。"});
}

} // namespace vr
