#include "discovery/CommandClassSearch.h"

#include "text/AnsiText.h"

namespace vr {
namespace {

bool HasClass(WindowTree& tree, Hwnd window, TextView commandClass) {
    return DecodeAnsi(tree.GetClassNameA(window)) == commandClass;
}

Hwnd FirstOfClassBelow(WindowTree& tree, Hwnd window, TextView commandClass) {
    for (const Hwnd child : tree.EnumChildWindows(window)) {
        if (HasClass(tree, child, commandClass)) {
            return child;
        }
    }
    return 0;
}

} // namespace

Hwnd FindCommandLineByClass(WindowTree& tree, Hwnd mainWindow,
                            const std::vector<Hwnd>& topLevelWindows, TextView commandClass) {
    if (const Hwnd docked = FirstOfClassBelow(tree, mainWindow, commandClass)) {
        return docked;
    }
    for (const Hwnd window : topLevelWindows) {
        if (window == mainWindow) {
            continue;
        }
        if (HasClass(tree, window, commandClass)) {
            return window;
        }
        if (const Hwnd inside = FirstOfClassBelow(tree, window, commandClass)) {
            return inside;
        }
    }
    return 0;
}

} // namespace vr
