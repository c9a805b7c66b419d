#include "discovery/FirstRunProposals.h"

#include "discovery/BaseNameOf.h"

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
std::optional<Text> TitledAreaAroundEdit(std::span<const SurveyedWindow> tree) {
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
                return tree[j].title;
            }
        }
    }
    return std::nullopt;
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
        if (window.depth != 0 || window.title.empty()) {
            continue;
        }
        AddOnce(findings.quoted, OnOneLine(window.title));
        if (findings.proposal.empty()) {
            if (const auto product = ProductOfMainTitle(window.title)) {
                findings.proposal.push_back({u"MainCaption", *product});
            }
        }
    }
    return findings;
}

FirstRunFindings FindCommandLineCandidates(const SurveyedProcess& process, Hwnd mainWindow) {
    FirstRunFindings findings;
    findings.candidates.emplace();
    std::optional<Text> knownClass, caption;
    const auto& windows = process.windows;
    for (std::size_t top = 0; top < windows.size(); ++top) {
        if (windows[top].depth != 0) {
            continue;
        }
        const auto tree = TreeAt(windows, top);
        const bool isMain = windows[top].handle == mainWindow;
        for (std::size_t i = 0; i < tree.size(); ++i) {
            const SurveyedWindow& window = tree[i];
            const bool known = IsKnownCommandLineClass(window.className);
            if (known && !knownClass) {
                knownClass = window.className;
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
        findings.proposal.push_back({u"CommandClass", *knownClass});
    } else if (caption) {
        findings.proposal.push_back({u"CommandCaption", *caption});
    }
    return findings;
}

} // namespace vr
