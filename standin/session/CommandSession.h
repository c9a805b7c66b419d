#pragma once

#include "cad/CommandLineInput.h"
#include "cad/Options.h"
#include "excel/Excel.h"
#include "lisp/Interpreter.h"
#include "session/JournalSink.h"
#include "session/SessionWindows.h"
#include "view/DrawingView.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace vr {
class FileAccess;
}

namespace standin {

// The CAD's side of its command line: characters typed, pasted or sent
// become lines, which run one after another, never one inside another;
// AutoLISP asks for points, which scripted answers, clicks or typed
// coordinates give; everything shown goes to the history. Every step is
// written to the journal.
class CommandSession final : public lisp::CadHost, private excel::ExcelObserver {
  public:
    CommandSession(const Options& options, JournalSink& journal, vr::FileAccess& files,
                   SessionWindows& windows);

    // Lines to run once the message loop turns, in order.
    void QueueLines(const std::vector<Text>& lines);
    // Characters as they reach the command line.
    void OnInputCharacters(TextView characters);
    // Ctrl+V: the clipboard's plain text (nullopt: it holds none) and how
    // many formats it holds, fed as typing.
    void Pasted(const std::optional<vr::Bytes>& text, std::int32_t formats);
    // The clipboard was held by another program for too long.
    void PasteRefused();
    // Ctrl+V in the drawing: the CAD's paste into the drawing (PASTECLIP),
    // the clipboard's plain text placed as an MTEXT object at the origin;
    // nothing reaches the command line. nullopt: the clipboard holds no text.
    void PasteClip(const std::optional<vr::Bytes>& text);
    // WM_COPYDATA: `byteCount` as sent, `bytes` the data (empty without any);
    // dwData 1 is command-line input up to the first NUL.
    void CopyDataReceived(std::uintptr_t dwData, std::uint32_t byteCount, vr::BytesView bytes);
    // A click into the drawing at a pixel, the world point under it, and
    // the drawing units a pixel spans there (for the pick box of entsel).
    void DrawingClicked(ClientPoint client, const Point3& world, double unitsPerPixel = 0.5);
    // Runs the queued lines, unless a line is running: that one runs the
    // rest when it ends.
    void DrainQueue();
    // Command 32781: the history in the ANSI code page for the clipboard;
    // nullopt when the command is to be ignored (--ignore-32781).
    [[nodiscard]] std::optional<vr::Bytes> HistoryForClipboard();
    // DXFOUT: the drawing written to the --dxf file.
    void SaveDxf();
    // The program ends: the drawing is saved when a file was given.
    void Exit();

    [[nodiscard]] const Text& History() const { return history_; }
    [[nodiscard]] const Text& PendingInput() const { return commandLine_.Pending(); }
    [[nodiscard]] const std::vector<Entity>& Entities() const { return entities_; }

    // CadHost
    void Print(TextView text) override;
    [[nodiscard]] std::optional<Point3> GetPoint(TextView prompt) override;
    void AddEntity(const Entity& entity) override;
    [[nodiscard]] std::optional<Text> FindFile(TextView name) override;
    [[nodiscard]] std::optional<Text> ReadSource(TextView path) override;
    void LoadAttempted(TextView name, const std::optional<Text>& path) override;
    [[nodiscard]] excel::Application* RunningExcel() override;
    [[nodiscard]] std::optional<vr::Bytes> ReadFileBytes(TextView path) override;
    [[nodiscard]] bool WriteFileBytes(TextView path, vr::BytesView bytes) override;
    [[nodiscard]] std::optional<std::vector<Text>> NextDialogAnswers() override;
    void DialogEnded(TextView name, const std::vector<Text>& applied, int status) override;
    [[nodiscard]] const std::vector<Entity>& DrawingEntities() const override { return entities_; }
    [[nodiscard]] PickAnswer PickEntity(TextView prompt) override;

  private:
    // The spreadsheet's calls, journaled.
    void CellWritten(TextView workbook, TextView sheet, std::int32_t row, std::int32_t column,
                     const excel::ComValue& written) override;
    void CallRefused(TextView message) override;
    void JournalExcelCells();

    void Execute(const Text& line);
    // Runs a command that AutoLISP defined as C:NAME; false when none is.
    bool RunLispCommand(const Text& command);
    void RunLisp(TextView source);
    void AppendHistory(TextView text);
    void AnswerTypedPoint(const Text& line);
    // A point answer to getpoint, and where it came from.
    void JournalPoint(const Point3& point, TextView source);
    // An entsel answer: the entity under the point, if any, within the pick
    // box; and the answer journaled with where it came from.
    [[nodiscard]] PickAnswer PickAt(const Point3& point, double tolerance) const;
    void JournalPick(const PickAnswer& answer, TextView source);

    const Options& options_;
    JournalSink& journal_;
    vr::FileAccess& files_;
    SessionWindows& windows_;
    CommandLineInput commandLine_;
    // Before the interpreter, whose values refer to its objects.
    std::unique_ptr<excel::Application> excel_; // null when it does not run
    bool excelReached_ = false;                 // by the line running
    lisp::Interpreter lisp_;
    std::vector<Entity> entities_;
    std::deque<Point3> scriptedPoints_;
    std::deque<Text> scriptedDialogs_;
    std::deque<Text> queuedLines_;
    Text history_; // CR LF line ends, as the history box shows it
    bool executing_ = false;
    bool awaitingPoint_ = false;
    bool pointCancelled_ = false;
    std::optional<Point3> pointAnswer_;
    // Entity picks: the scripted ones left, whether the point asked for is
    // a pick, and the answer with its source.
    std::deque<ScriptedPick> scriptedPicks_;
    bool pickRequest_ = false;
    std::optional<PickAnswer> pickAnswer_;
    Text pickSource_;
};

} // namespace standin
