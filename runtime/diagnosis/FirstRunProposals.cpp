#include "diagnosis/FirstRunProposals.h"

#include "discovery/BaseNameOf.h"
#include "text/AnsiText.h"

#include <algorithm>
#include <span>

namespace vr {
namespace {

bool SameAscii(TextView a, TextView b) {
    const auto lower = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

bool IsEditClass(TextView className) {
    return SameAscii(className, u"Edit") ||
           (className.size() >= 8 && SameAscii(className.substr(0, 8), u"RichEdit"));
}

// Windows every program has or that hold no command: input-method windows,
// labels and buttons.
bool IsInputMethodClass(TextView className) {
    return SameAscii(className, u"IME") || SameAscii(className, u"MSCTFIME UI");
}

bool IsLabelOrButtonClass(TextView className) {
    return SameAscii(className, u"Static") || SameAscii(className, u"Button");
}

// The CAD's text window (the history window F2 opens) holds an edit control
// too, but typing there is no use: it is known by the settings' TextCaption
// or by the name AutoCAD and IJCAD give it.
bool IsTextWindowTitle(TextView title, TextView textCaption) {
    return (!textCaption.empty() && title.starts_with(textCaption)) ||
           title.find(u"テキスト ウィンドウ") != TextView::npos ||
           title.find(u"Text Window") != TextView::npos;
}

bool IsKnownCommandLineClass(TextView className) {
    return std::find(std::begin(kKnownCommandLineClasses), std::end(kKnownCommandLineClasses),
                     className) != std::end(kKnownCommandLineClasses);
}

// The windows of one top-level window: it and the descendants after it.
std::span<const SurveyedWindow> TreeAt(const std::vector<SurveyedWindow>& windows,
                                       std::size_t top) {
    std::size_t end = top + 1;
    while (end < windows.size() && windows[end].depth > 0) {
        ++end;
    }
    return std::span<const SurveyedWindow>(windows).subspan(top, end - top);
}

bool HoldsEdit(std::span<const SurveyedWindow> tree, std::size_t at) {
    for (std::size_t i = at + 1; i < tree.size() && tree[i].depth > tree[at].depth; ++i) {
        if (IsEditClass(tree[i].className)) {
            return true;
        }
    }
    return false;
}

// The nearest titled ancestor (below the top-level window) of the first
// edit control that has one: the command area to click.
const SurveyedWindow* TitledAreaAroundEdit(std::span<const SurveyedWindow> tree) {
    for (std::size_t i = 1; i < tree.size(); ++i) {
        if (!IsEditClass(tree[i].className)) {
            continue;
        }
        int depth = tree[i].depth;
        for (std::size_t j = i; j-- > 1;) {
            if (tree[j].depth >= depth) {
                continue;
            }
            depth = tree[j].depth;
            if (!tree[j].title.empty()) {
                return &tree[j];
            }
        }
    }
    return nullptr;
}

void AddOnce(std::vector<Text>& list, const Text& value) {
    if (std::find(list.begin(), list.end(), value) == list.end()) {
        list.push_back(value);
    }
}

// "<product> - [<drawing>]" as the discovery reads a main window title:
// the product before the first "-", then a blank and the bracketed name.
std::optional<Text> ProductOfMainTitle(TextView title) {
    const std::size_t dash = title.find(u'-');
    if (dash == TextView::npos || title.substr(dash, 3) != u"- [" || title.back() != u']') {
        return std::nullopt;
    }
    TextView product = title.substr(0, dash);
    while (!product.empty() && product.back() == u' ') {
        product.remove_suffix(1);
    }
    if (product.empty()) {
        return std::nullopt;
    }
    return Text(product);
}

// The main window discovery takes: the last titled top-level window whose
// title starts with MainCaption.
const SurveyedWindow* MainWindowAsDiscovered(const SurveyedProcess& process, TextView mainCaption) {
    const SurveyedWindow* main = nullptr;
    for (const SurveyedWindow& window : process.windows) {
        if (window.depth == 0 && !window.title.empty() && window.title.starts_with(mainCaption)) {
            main = &window;
        }
    }
    return main;
}

// Whether discovery, with the settings as they stand, finds a command line
// for this main window: a descendant titled CommandCaption, else a window of
// class CommandClass among its descendants and then in the process's other
// top-level windows.
bool CommandLineWouldBeFound(const SurveyedProcess& process, Hwnd mainWindow,
                             const ToolSettings& settings) {
    const auto& windows = process.windows;
    const auto top = std::find_if(windows.begin(), windows.end(), [&](const auto& window) {
        return window.depth == 0 && window.handle == mainWindow;
    });
    if (top == windows.end()) {
        return false;
    }
    const auto mainTree = TreeAt(windows, static_cast<std::size_t>(top - windows.begin()));
    const auto below = mainTree.subspan(1);
    if (std::any_of(below.begin(), below.end(),
                    [&](const auto& window) { return window.title == settings.CommandCaption; })) {
        return true;
    }
    return !settings.CommandClass.empty() &&
           std::any_of(windows.begin(), windows.end(), [&](const auto& window) {
               return window.handle != mainWindow && window.className == settings.CommandClass;
           });
}

void Append(FirstRunFindings& into, FirstRunFindings&& next) {
    into.proposal.insert(into.proposal.end(), next.proposal.begin(), next.proposal.end());
    into.sources.insert(into.sources.end(), next.sources.begin(), next.sources.end());
    if (next.candidates) {
        into.candidates = std::move(next.candidates);
    }
}

void ContinueAtCommandArea(FirstRunFindings& into, const SurveyedProcess& process, Hwnd mainWindow,
                           const ToolSettings& settings) {
    if (!CommandLineWouldBeFound(process, mainWindow, settings)) {
        Append(into, FindCommandLineCandidates(process, mainWindow, settings.TextCaption));
    }
}

void ContinueAtMainWindow(FirstRunFindings& into, const SurveyedProcess& process,
                          const ToolSettings& settings) {
    if (const SurveyedWindow* main = MainWindowAsDiscovered(process, settings.MainCaption)) {
        ContinueAtCommandArea(into, process, main->handle, settings);
        return;
    }
    FirstRunFindings next = FindMainWindowTitles(process);
    if (next.sources.empty()) {
        return; // no title to propose from: the next run says what it sees
    }
    const Hwnd proposedMain = next.sources.front().window;
    Append(into, std::move(next));
    ContinueAtCommandArea(into, process, proposedMain, settings);
}

} // namespace

FirstRunFindings FindCloseProcesses(const std::vector<SurveyedProcess>& processes,
                                    TextView acadName) {
    FirstRunFindings findings;
    std::optional<Text> sameName, knownName;
    for (const SurveyedProcess& process : processes) {
        if (process.namedAsSet) {
            continue;
        }
        AddOnce(findings.quoted, process.exeFile);
        const Text baseName = BaseNameOf(process.exeFile);
        if (SameAscii(baseName, acadName)) {
            sameName = sameName ? sameName : baseName;
        } else {
            knownName = knownName ? knownName : baseName;
        }
    }
    if (const auto& name = sameName ? sameName : knownName) {
        findings.proposal.push_back({u"ACADName", *name});
    }
    return findings;
}

FirstRunFindings FindMainWindowTitles(const SurveyedProcess& process) {
    FirstRunFindings findings;
    for (const SurveyedWindow& window : process.windows) {
        if (window.depth != 0 || window.title.empty() || IsInputMethodClass(window.className)) {
            continue;
        }
        AddOnce(findings.quoted, OnOneLine(window.title));
        if (findings.proposal.empty()) {
            // A value the settings file (ANSI code page) cannot hold is
            // never proposed: no line written there could match it.
            if (const auto product = ProductOfMainTitle(window.title);
                product && IsAnsiEncodable(*product)) {
                findings.proposal.push_back({u"MainCaption", *product});
                findings.sources.push_back({process.processId, window.handle, u"MainCaption"});
            }
        }
    }
    return findings;
}

FirstRunFindings FindCommandLineCandidates(const SurveyedProcess& process, Hwnd mainWindow,
                                           TextView textCaption) {
    FirstRunFindings findings;
    findings.candidates.emplace();
    const SurveyedWindow* knownClass = nullptr;
    const SurveyedWindow* caption = nullptr;
    const auto& windows = process.windows;
    for (std::size_t top = 0; top < windows.size(); ++top) {
        if (windows[top].depth != 0) {
            continue;
        }
        const auto tree = TreeAt(windows, top);
        const bool isMain = windows[top].handle == mainWindow;
        if (!isMain && IsTextWindowTitle(windows[top].title, textCaption)) {
            continue;
        }
        for (std::size_t i = 0; i < tree.size(); ++i) {
            const SurveyedWindow& window = tree[i];
            if (IsLabelOrButtonClass(window.className) || IsInputMethodClass(window.className)) {
                continue;
            }
            const bool known = IsKnownCommandLineClass(window.className);
            if (known && !knownClass) {
                knownClass = &window;
            }
            const bool titledDescendant = isMain && i > 0 && !window.title.empty();
            const bool titledHoldingEdit = !isMain && !window.title.empty() && HoldsEdit(tree, i);
            if (titledDescendant || titledHoldingEdit || known) {
                findings.candidates->push_back(window);
            }
            if (titledDescendant || titledHoldingEdit || (known && !window.title.empty())) {
                AddOnce(findings.quoted, OnOneLine(window.title));
            } else if (known) {
                // Untitled, it is named by its class.
                Text named = u"（タイトルなし、クラス ";
                named += window.className;
                named += u"）";
                AddOnce(findings.quoted, named);
            }
        }
        if (isMain && !caption) {
            caption = TitledAreaAroundEdit(tree);
        }
    }
    if (knownClass) {
        findings.proposal.push_back({u"CommandClass", knownClass->className});
        findings.sources.push_back({process.processId, knownClass->handle, u"CommandClass"});
    } else if (caption && IsAnsiEncodable(caption->title)) {
        findings.proposal.push_back({u"CommandCaption", caption->title});
        findings.sources.push_back({process.processId, caption->handle, u"CommandCaption"});
    }
    return findings;
}

FirstRunFindings ProposeAfterNoCad(const std::vector<SurveyedProcess>& processes,
                                   const ToolSettings& settings) {
    FirstRunFindings findings = FindCloseProcesses(processes, settings.ACADName);
    if (findings.proposal.empty()) {
        return findings;
    }
    const Text& proposedName = findings.proposal.front().value;
    const auto process = std::find_if(processes.begin(), processes.end(), [&](const auto& p) {
        return BaseNameOf(p.exeFile) == proposedName;
    });
    if (process != processes.end()) {
        findings.sources.push_back({process->processId, 0, u"ACADName"});
        ContinueAtMainWindow(findings, *process, settings);
    }
    return findings;
}

FirstRunFindings ProposeAfterNoMainWindow(const SurveyedProcess& process,
                                          const ToolSettings& settings) {
    FirstRunFindings findings = FindMainWindowTitles(process);
    if (!findings.sources.empty()) {
        ContinueAtCommandArea(findings, process, findings.sources.front().window, settings);
    }
    return findings;
}

FirstRunFindings ProposeAfterNoCommandArea(const SurveyedProcess& process, Hwnd mainWindow,
                                           const ToolSettings& settings) {
    return FindCommandLineCandidates(process, mainWindow, settings.TextCaption);
}

} // namespace vr
