#include "diagnosis/WindowSurvey.h"

#include "discovery/BaseNameOf.h"
#include "discovery/CadInstances.h"
#include "text/AnsiText.h"
#include "text/AsciiCase.h"

#include <map>

namespace vr {
namespace {

class ProcessSurvey {
  public:
    ProcessSurvey(const Desktop& desktop, SurveyedProcess& process)
        : desktop_(desktop), process_(process) {}

    void AddTopLevel(Hwnd window) {
        SurveyedWindow& entry = Add(window, 0);
        entry.owner = desktop_.tree.GetWindowOwner(window);
        std::map<Hwnd, int> depths{{window, 0}};
        for (const Hwnd child : desktop_.tree.EnumChildWindows(window)) {
            const auto parent = depths.find(desktop_.tree.GetParentWindow(child));
            const int depth = parent == depths.end() ? 1 : parent->second + 1;
            depths[child] = depth;
            Add(child, depth).controlId = desktop_.tree.GetDlgCtrlID(child);
        }
    }

  private:
    SurveyedWindow& Add(Hwnd window, int depth) {
        SurveyedWindow entry;
        entry.handle = window;
        entry.depth = depth;
        entry.className = DecodeAnsi(desktop_.tree.GetClassNameA(window));
        ReadTitle(entry);
        if (ScreenRect rect; desktop_.windows.GetWindowRect(window, rect)) {
            entry.rect = rect;
        }
        entry.visible = desktop_.tree.IsWindowVisible(window);
        process_.windows.push_back(std::move(entry));
        return process_.windows.back();
    }

    // Another program's titles are read without a message: a program that
    // does not answer costs nothing here.
    void ReadTitle(SurveyedWindow& entry) {
        entry.title = GetWindowCaption(desktop_.tree, entry.handle);
    }

    const Desktop& desktop_;
    SurveyedProcess& process_;
};

} // namespace

Text OnOneLine(TextView title) {
    Text line;
    for (const char16_t c : title) {
        if (c == u'\r') {
            line += u"\\r";
        } else if (c == u'\n') {
            line += u"\\n";
        } else if (c == u'\t') {
            line += u"\\t";
        } else if (c < 0x20 || c == 0x7F) {
            const char16_t digits[] = u"0123456789ABCDEF";
            line += u"\\x";
            line += digits[(c >> 4) & 0xF];
            line += digits[c & 0xF];
        } else {
            line += c;
        }
    }
    return line;
}

bool CouldBeCad(TextView baseName, TextView acadName) {
    const Text lower = AsciiLower(baseName);
    if (lower == AsciiLower(acadName)) {
        return true;
    }
    for (const TextView known : kKnownCadExecutables) {
        if (lower == known) {
            return true;
        }
    }
    return false;
}

std::vector<SurveyedProcess> SurveyCadProcesses(const Desktop& desktop, TextView acadName) {
    std::vector<SurveyedProcess> found;
    const std::vector<ThreadRecord> threads = desktop.processes.ThreadSnapshot();
    for (const ProcessRecord& record : desktop.processes.ProcessSnapshot()) {
        const Text exeFile = DecodeAnsi(record.exeFile);
        const Text baseName = BaseNameOf(exeFile);
        if (!CouldBeCad(baseName, acadName)) {
            continue;
        }
        SurveyedProcess& process = found.emplace_back();
        process.processId = record.processId;
        process.exeFile = exeFile;
        process.namedAsSet = baseName == acadName;
        ProcessSurvey survey(desktop, process);
        for (const ThreadRecord& thread : threads) {
            if (thread.ownerProcessId != record.processId) {
                continue;
            }
            for (const Hwnd window : desktop.tree.EnumThreadWindows(thread.threadId)) {
                survey.AddTopLevel(window);
            }
        }
    }
    return found;
}

} // namespace vr
