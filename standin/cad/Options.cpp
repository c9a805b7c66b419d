#include "cad/Options.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <map>

namespace standin {
namespace {

std::optional<double> ParseNumber(TextView text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::string ascii;
    for (const char16_t c : text) {
        if (c >= 0x80) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c));
    }
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(ascii.c_str(), &end);
    if (errno != 0 || end != ascii.c_str() + ascii.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint32_t> ParseCount(TextView text) {
    const auto value = ParseNumber(text);
    if (!value || *value < 0 || *value > 4294967295.0 ||
        *value != static_cast<double>(static_cast<std::uint32_t>(*value))) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*value);
}

std::vector<TextView> Split(TextView text, char16_t separator) {
    std::vector<TextView> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == TextView::npos) {
            return parts;
        }
        start = end + 1;
    }
}

} // namespace

std::optional<Point3> ParsePoint(TextView text) {
    const auto parts = Split(text, u',');
    if (parts.size() < 2 || parts.size() > 3) {
        return std::nullopt;
    }
    Point3 point;
    double* fields[] = {&point.x, &point.y, &point.z};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto value = ParseNumber(parts[i]);
        if (!value) {
            return std::nullopt;
        }
        *fields[i] = *value;
    }
    return point;
}

std::optional<std::vector<Point3>> ParsePointList(TextView text) {
    std::vector<Point3> points;
    if (text.empty()) {
        return points;
    }
    for (const TextView part : Split(text, u';')) {
        const auto point = ParsePoint(part);
        if (!point) {
            return std::nullopt;
        }
        points.push_back(*point);
    }
    return points;
}

std::optional<std::vector<ScriptedPick>> ParsePickList(TextView text) {
    std::vector<ScriptedPick> picks;
    if (text.empty()) {
        return picks;
    }
    for (const TextView part : Split(text, u';')) {
        if (part == u"enter") {
            picks.push_back({ScriptedPick::Kind::Enter, {}});
        } else if (part == u"esc") {
            picks.push_back({ScriptedPick::Kind::Escape, {}});
        } else if (const auto point = ParsePoint(part)) {
            picks.push_back({ScriptedPick::Kind::Point, *point});
        } else {
            return std::nullopt;
        }
    }
    return picks;
}

bool IsFaultStep(TextView step) {
    return step == u"topmost" || step == u"click";
}

TextView OptionsUsage() {
    return u"standin [--main-caption T] [--text-caption T] [--command-caption T] "
           u"[--drawing NAME] [--main-cmd-id N] [--text-hist-id N] [--support DIR]... "
           u"[--journal FILE] [--points x,y[,z];...] [--dxf FILE] [--run LINE]... "
           u"[--minimized] [--show-text-window] [--no-text-window] [--no-command-area] "
           u"[--no-dash] [--ignore-32781] [--hang-after MS --hang-for MS] [--exit-after MS] "
           u"[--exit-on topmost|click] [--hang-on topmost|click --hang-for MS] "
           u"[--product-prefix T] [--floating-command-line CLASS [--floating-title T]] "
           u"[--docked-command-line CLASS] [--no-captions] [--picks x,y[,z]|enter|esc;...] "
           u"[--hide-command-line] [--cover-command-line] [--off-screen] [--modal-dialog] "
           u"[--excel] [--workbook PATH [--sheet NAME] [--read-only] [--protected]]... "
           u"[--dialog key=value;key...]... [--lt | --lt-automation-error]";
}

ParsedOptions ParseOptions(const std::vector<Text>& arguments) {
    ParsedOptions parsed;
    Options& o = parsed.options;
    using Setter = std::function<bool(TextView)>;
    const std::map<Text, Setter> valued = {
        {u"--main-caption",
         [&](TextView v) {
             return o.mainCaption = v, true;
         }},
        {u"--text-caption",
         [&](TextView v) {
             return o.textCaption = v, true;
         }},
        {u"--command-caption",
         [&](TextView v) {
             return o.commandCaption = v, true;
         }},
        {u"--drawing",
         [&](TextView v) {
             return o.drawing = v, true;
         }},
        {u"--journal",
         [&](TextView v) {
             return o.journal = v, true;
         }},
        {u"--dxf",
         [&](TextView v) {
             return o.dxf = v, true;
         }},
        {u"--support",
         [&](TextView v) {
             return o.supportFolders.emplace_back(v), true;
         }},
        {u"--run",
         [&](TextView v) {
             return o.runAtStart.emplace_back(v), true;
         }},
        {u"--dialog",
         [&](TextView v) {
             return o.dialogs.emplace_back(v), true;
         }},
        {u"--main-cmd-id",
         [&](TextView v) {
             const auto n = ParseNumber(v);
             return n && (o.mainCmdCtrlId = static_cast<std::int32_t>(*n), true);
         }},
        {u"--text-hist-id",
         [&](TextView v) {
             const auto n = ParseNumber(v);
             return n && (o.textHistCtrlId = static_cast<std::int32_t>(*n), true);
         }},
        {u"--points",
         [&](TextView v) {
             const auto points = ParsePointList(v);
             return points && (o.points = *points, true);
         }},
        {u"--hang-after",
         [&](TextView v) {
             const auto n = ParseCount(v);
             return n && (o.hangAfterMs = *n, true);
         }},
        {u"--hang-for",
         [&](TextView v) {
             const auto n = ParseCount(v);
             return n && (o.hangForMs = *n, true);
         }},
        {u"--exit-on",
         [&](TextView v) {
             return IsFaultStep(v) && (o.exitOn = v, true);
         }},
        {u"--hang-on",
         [&](TextView v) {
             return IsFaultStep(v) && (o.hangOn = v, true);
         }},
        {u"--product-prefix",
         [&](TextView v) {
             return o.productPrefix = v, true;
         }},
        {u"--floating-command-line",
         [&](TextView v) {
             return !v.empty() && (o.floatingCommandClass = v, true);
         }},
        {u"--floating-title",
         [&](TextView v) {
             return o.floatingCommandTitle = v, true;
         }},
        {u"--docked-command-line",
         [&](TextView v) {
             return !v.empty() && (o.dockedCommandClass = v, true);
         }},
        {u"--workbook",
         [&](TextView v) {
             o.excel = true;
             return !v.empty() && (o.workbooks.push_back({Text(v)}), true);
         }},
        {u"--sheet",
         [&](TextView v) {
             return !v.empty() && !o.workbooks.empty() && (o.workbooks.back().sheet = v, true);
         }},
        // Entity picks.
        {u"--picks",
         [&](TextView v) {
             const auto picks = ParsePickList(v);
             return picks && (o.picks = *picks, true);
         }},
        {u"--exit-after",
         [&](TextView v) {
             const auto n = ParseCount(v);
             return n && (o.exitAfterMs = *n, true);
         }},
    };
    const std::map<Text, bool*> flags = {
        {u"--minimized", &o.minimized},
        {u"--show-text-window", &o.showTextWindow},
        {u"--no-text-window", &o.noTextWindow},
        {u"--no-command-area", &o.noCommandArea},
        {u"--no-dash", &o.noDash},
        {u"--ignore-32781", &o.ignoreHistoryCommand},
        {u"--no-captions", &o.noCaptions},
        {u"--hide-command-line", &o.hideCommandLine},
        {u"--cover-command-line", &o.coverCommandLine},
        {u"--off-screen", &o.offScreen},
        {u"--modal-dialog", &o.modalDialog},
        {u"--lt", &o.lt},
        {u"--lt-automation-error", &o.ltAutomationRaises},
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const Text& name = arguments[i];
        if (name == u"--excel") {
            o.excel = true;
            continue;
        }
        // These two say how the last workbook given was opened.
        if (name == u"--read-only" || name == u"--protected") {
            if (o.workbooks.empty()) {
                parsed.error = name + u" needs a --workbook before it";
                return parsed;
            }
            (name == u"--read-only" ? o.workbooks.back().readOnly
                                    : o.workbooks.back().protectedSheet) = true;
            continue;
        }
        if (const auto flag = flags.find(name); flag != flags.end()) {
            *flag->second = true;
            continue;
        }
        const auto setter = valued.find(name);
        if (setter == valued.end()) {
            parsed.error = u"unknown option " + name;
            return parsed;
        }
        if (i + 1 >= arguments.size()) {
            parsed.error = u"missing value for " + name;
            return parsed;
        }
        if (!setter->second(arguments[++i])) {
            parsed.error = u"bad value for " + name + u": " + arguments[i];
            return parsed;
        }
    }
    if (o.ltAutomationRaises) {
        o.lt = true;
    }
    if (!o.floatingCommandClass.empty() && !o.dockedCommandClass.empty()) {
        parsed.error = u"--floating-command-line and --docked-command-line exclude each other";
    }
    return parsed;
}

} // namespace standin
