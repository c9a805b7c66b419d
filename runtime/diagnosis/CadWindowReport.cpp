#include "diagnosis/CadWindowReport.h"

#include "messages/MessageText.h"
#include "text/AnsiText.h"
#include "winsupport/core/DigitText.h"

#include <initializer_list>
#include <string>

namespace vr {
namespace {

Text Handle(Hwnd window) {
    return u"0x" + HexDigits(window, 8);
}

// Signed: rectangles may lie left of or above the primary monitor, and
// control IDs may be negative.
Text SignedNumber(long long value) {
    return SignedDecimalDigits(value);
}

Text Rect(const std::optional<ScreenRect>& rect) {
    if (!rect) {
        return u"位置（読めません）";
    }
    return Join({u"位置 (", SignedNumber(rect->left), u",", SignedNumber(rect->top), u")-(",
                 SignedNumber(rect->right), u",", SignedNumber(rect->bottom), u")"});
}

Text Title(const SurveyedWindow& window) {
    return Join({u"タイトル「", OnOneLine(window.title), u"」"});
}

// "  ← MainCaption の提案元" for each proposed line that came from here.
Text SourceMarks(const std::vector<ProposalSource>& sources, std::uint32_t processId, Hwnd window) {
    Text marks;
    for (const ProposalSource& source : sources) {
        if (source.processId == processId && source.window == window) {
            marks += Join({u"  ← ", source.key, u" の提案元"});
        }
    }
    return marks;
}

Text WindowLine(const SurveyedWindow& window) {
    Text line(static_cast<std::size_t>(window.depth) * 2, u' ');
    line += Join({Handle(window.handle), u" クラス「", window.className, u"」 ", Title(window)});
    if (window.depth == 0) {
        line += window.owner ? Join({u" オーナー ", Handle(window.owner)}) : Text(u" オーナーなし");
    } else {
        line += Join({u" ID ", SignedNumber(window.controlId)});
    }
    line += Join({u" ", Rect(window.rect), window.visible ? u" 表示" : u" 非表示"});
    return line;
}

} // namespace

Bytes CadWindowReportBytes(const std::vector<SurveyedProcess>& processes,
                           const FirstRunFindings& findings) {
    const std::vector<ProposedLine>& proposal = findings.proposal;
    const auto& candidates = findings.candidates;
    std::vector<Text> lines = {
        u"CADのウィンドウの一覧",
        u"（CADと思われるプロセスごとに、トップレベルのウィンドウとその子孫。字下げは深さ）",
    };
    if (processes.empty()) {
        lines.emplace_back(u"");
        lines.emplace_back(u"CADと思われるプロセスは実行されていません。");
    }
    for (const SurveyedProcess& process : processes) {
        lines.emplace_back(u"");
        lines.push_back(
            Join({u"プロセス ", process.exeFile, u"（ID ", SignedNumber(process.processId), u"）",
                  SourceMarks(findings.sources, process.processId, 0)}));
        if (process.windows.empty()) {
            lines.emplace_back(u"ウィンドウはありません。");
        }
        for (const SurveyedWindow& window : process.windows) {
            lines.push_back(WindowLine(window) +
                            SourceMarks(findings.sources, process.processId, window.handle));
        }
    }
    if (candidates) {
        lines.emplace_back(u"");
        lines.emplace_back(u"コマンド ラインの候補（非表示のものはクリックできません）");
        if (candidates->empty()) {
            lines.emplace_back(u"（候補はありません）");
        }
        for (const SurveyedWindow& window : *candidates) {
            lines.push_back(Join({Handle(window.handle), u" クラス「", window.className, u"」 ",
                                  Title(window), window.visible ? u" 表示" : u" 非表示"}));
        }
    }
    lines.emplace_back(u"");
    lines.emplace_back(u"ZuDuv.ini に書く行の提案");
    if (proposal.empty()) {
        lines.emplace_back(u"（提案できる行はありません）");
    } else {
        lines.emplace_back(u"[Main]");
        for (const ProposedLine& line : proposal) {
            lines.push_back(Join({line.key, u"=", line.value}));
        }
    }
    Bytes bytes;
    for (const Text& line : lines) {
        bytes += EncodeAnsi(line);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace vr
