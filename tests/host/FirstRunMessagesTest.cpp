// The messages of a first run that does not fit the CAD, word for word.
#include "messages/FirstRunMessages.h"
#include "TestText.h"

#include <gtest/gtest.h>

namespace vr {
namespace {

const ReportPlace kReport{u"C:\\ExcelCAD\\cadwindows.txt"};
const ReportPlace kUnwritten{u"C:\\ExcelCAD\\cadwindows.txt", false};

constexpr TextView kReportEnd = u"\n\nCADのウィンドウの一覧を次のファイルに書き出しました"
                                u"（お問い合わせの際はこのファイルをお送りください）。\n"
                                u"C:\\ExcelCAD\\cadwindows.txt";

Text WithReport(TextView text) {
    return Text(text) + Text(kReportEnd);
}

TEST(FirstRunMessages, NoCadNamesTheCloseProcessesAndTheLineToWrite) {
    struct Case {
        const char* name;
        Text message;
        Text expected;
    };
    const Case cases[] = {
        {"nothing close", NoCadFoundFirstRunMessage(u"acad", {}, {}, kReport),
         WithReport(u"CADが見つかりません。CADを起動してから、もう一度実行してください。\n"
                    u"（ZuDuv.ini の ACADName: 「acad」）")},
        {"same name in another case",
         NoCadFoundFirstRunMessage(u"acad", {u"ACAD.EXE"}, {{u"ACADName", u"ACAD"}}, kReport),
         WithReport(u"ZuDuv.ini の ACADName「acad」という名前のCADが実行されていません。\n"
                    u"実行中のプログラムのうちCADと思われるもの: 「ACAD.EXE」\n"
                    u"名前は大文字と小文字も区別されます。\n"
                    u"ZuDuv.ini の [Main] "
                    u"で、次の行のとおりに書き換えてください（ない行は書き足します）。\n"
                    u"ACADName=ACAD")},
        {"two known CADs",
         NoCadFoundFirstRunMessage(u"acad", {u"gcad.exe", u"icad.exe"}, {{u"ACADName", u"gcad"}},
                                   kReport),
         WithReport(u"ZuDuv.ini の ACADName「acad」という名前のCADが実行されていません。\n"
                    u"実行中のプログラムのうちCADと思われるもの: 「gcad.exe」「icad.exe」\n"
                    u"名前は大文字と小文字も区別されます。\n"
                    u"ZuDuv.ini の [Main] "
                    u"で、次の行のとおりに書き換えてください（ない行は書き足します）。\n"
                    u"ACADName=gcad")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.message, c.expected) << c.name;
    }
}

TEST(FirstRunMessages, NoMainWindowQuotesTheTitlesAndProposesThePrefix) {
    EXPECT_EQ(NoMainWindowFirstRunMessage(
                  u"acad", u"AutoCAD",
                  {u"Autodesk AutoCAD 2024 - [図面1.dwg]", u"AutoCAD テキスト ウィンドウ"},
                  {{u"MainCaption", u"Autodesk AutoCAD 2024"}}, kReport),
              WithReport(u"CAD（acad）のメインウィンドウが見つかりません。ZuDuv.ini の "
                         u"MainCaption「AutoCAD」で始まるタイトルのウィンドウがありません。\n"
                         u"このCADのウィンドウのタイトル: 「Autodesk AutoCAD 2024 - [図面1.dwg]」"
                         u"「AutoCAD テキスト ウィンドウ」\n"
                         u"ZuDuv.ini の [Main] "
                         u"で、次の行のとおりに書き換えてください（ない行は書き足します）。\n"
                         u"MainCaption=Autodesk AutoCAD 2024"));
    EXPECT_EQ(NoMainWindowFirstRunMessage(u"acad", u"AutoCAD", {u"Drawing1"}, {}, kReport),
              WithReport(u"CAD（acad）のメインウィンドウが見つかりません。ZuDuv.ini の "
                         u"MainCaption「AutoCAD」で始まるタイトルのウィンドウがありません。\n"
                         u"このCADのウィンドウのタイトル: 「Drawing1」\n"
                         u"ZuDuv.ini の MainCaption に、メインウィンドウのタイトルの始めの部分を"
                         u"書いてください。"));
    EXPECT_EQ(NoMainWindowFirstRunMessage(u"gcad", u"IJCAD", {}, {}, kReport),
              WithReport(u"CAD（gcad）のメインウィンドウが見つかりません。ZuDuv.ini の "
                         u"MainCaption「IJCAD」で始まるタイトルのウィンドウがありません。\n"
                         u"このCADにはタイトルのあるウィンドウがありません。"
                         u"CADの起動が終わってから、もう一度実行してください。"));
}

TEST(FirstRunMessages, NoCommandAreaQuotesTheCandidatesAndProposesCaptionOrClass) {
    EXPECT_EQ(NoCommandAreaFirstRunMessage(u"コマンド ライン", u"",
                                           {u"（タイトルなし、クラス AcEdCommandLine）"},
                                           {{u"CommandClass", u"AcEdCommandLine"}}, kReport),
              WithReport(u"CADのコマンド ラインが見つかりません（ZuDuv.ini の CommandCaption"
                         u"「コマンド ライン」）。\n"
                         u"コマンド ラインと思われるウィンドウ: "
                         u"「（タイトルなし、クラス AcEdCommandLine）」\n"
                         u"ZuDuv.ini の [Main] "
                         u"で、次の行のとおりに書き換えてください（ない行は書き足します）。\n"
                         u"CommandClass=AcEdCommandLine"));
    EXPECT_EQ(NoCommandAreaFirstRunMessage(u"Command Line", u"AcEdCommandLine",
                                           {u"コマンド", u"プロパティ"},
                                           {{u"CommandCaption", u"コマンド"}}, kReport),
              WithReport(u"CADのコマンド ラインが見つかりません（ZuDuv.ini の CommandCaption"
                         u"「Command Line」、CommandClass「AcEdCommandLine」）。\n"
                         u"コマンド ラインと思われるウィンドウ: 「コマンド」「プロパティ」\n"
                         u"ZuDuv.ini の [Main] "
                         u"で、次の行のとおりに書き換えてください（ない行は書き足します）。\n"
                         u"CommandCaption=コマンド"));
    EXPECT_EQ(NoCommandAreaFirstRunMessage(u"Command Line", u"", {}, {}, kReport),
              WithReport(u"CADのコマンド ラインが見つかりません（ZuDuv.ini の CommandCaption"
                         u"「Command Line」）。\n"
                         u"コマンド ラインと思われるウィンドウはありませんでした。\n"
                         u"ZuDuv.ini の CommandCaption（コマンド ラインのタイトル）か CommandClass"
                         u"（コマンド ラインのクラス名）を、下のファイルのウィンドウの一覧を見て"
                         u"書いてください。"));
}

TEST(FirstRunMessages, EveryMessageEndsWithTheReportPathWrittenOrNot) {
    const Text messages[] = {
        NoCadFoundFirstRunMessage(u"acad", {}, {}, kUnwritten),
        NoMainWindowFirstRunMessage(u"acad", u"AutoCAD", {}, {}, kUnwritten),
        NoCommandAreaFirstRunMessage(u"x", u"", {}, {}, kUnwritten),
    };
    const Text end = u"\n\nCADのウィンドウの一覧を次のファイルに書き込めませんでした。\n"
                     u"C:\\ExcelCAD\\cadwindows.txt";
    for (const Text& message : messages) {
        ASSERT_GE(message.size(), end.size());
        EXPECT_EQ(message.substr(message.size() - end.size()), end);
    }
}

TEST(FirstRunMessages, LongListsAreCutAndCountedAndLongTitlesShortened) {
    std::vector<Text> titles;
    for (char16_t c = u'A'; c < u'A' + 10; ++c) {
        titles.push_back(Text(1, c));
    }
    titles[0] = Text(70, u'長');
    const Text message = NoMainWindowFirstRunMessage(u"acad", u"AutoCAD", titles, {}, kReport);
    EXPECT_NE(
        message.find(u"「" + Text(60, u'長') + u"…」「B」「C」「D」「E」「F」「G」「H」ほか2件"),
        Text::npos);
    EXPECT_EQ(message.find(u"「I」"), Text::npos);
}

TEST(FirstRunMessages, ElevatedCadSaysToStartBothTheSameWay) {
    EXPECT_EQ(ElevatedCadMessage(u"acad"),
              u"CAD（acad）が管理者として実行されているため、ツールからCADを操作できません。\n"
              u"CADとExcelを同じ方法で起動してください（どちらも通常どおりに起動するか、"
              u"どちらも「管理者として実行」で起動します）。");
}

} // namespace
} // namespace vr
