// The AutoLISP dialog functions over DCL files. No dialog is drawn: what the
// user does in each dialog comes from the host's scripted answers, which
// type into edit boxes and press buttons, running the actions the routine
// attached as the CAD runs them.
#include "cad/DclFile.h"
#include "lisp/Interpreter.h"
#include "lisp/Reader.h"

#include <deque>
#include <map>

namespace standin::lisp {
namespace {

using Args = std::vector<ValuePtr>;

// The callback reasons the CAD passes in $reason.
constexpr std::int32_t kReasonSelected = 1;   // a button pressed
constexpr std::int32_t kReasonEditExited = 2; // an edit box left with a new text

// The statuses start_dialog returns by default.
constexpr std::int32_t kStatusOk = 1;
constexpr std::int32_t kStatusCancel = 0;

struct TileState {
    Text type;
    Text value;
    Text action;
    std::int32_t mode = 0; // mode_tile's last mode: 1 disables the tile
};

struct ActiveDialog {
    Text name;
    std::map<Text, TileState> tiles;
    Text defaultAction;
    ValuePtr position;
    bool done = false;
    std::int32_t status = kStatusCancel;
};

struct DialogState {
    std::map<std::int32_t, std::shared_ptr<const DclFile>> loaded;
    std::int32_t nextId = 1;
    std::deque<ActiveDialog> active; // the innermost last
};

void Count(const Args& args, std::size_t least, std::size_t most) {
    if (args.size() < least) {
        Interpreter::Fail(u"too few arguments");
    }
    if (args.size() > most) {
        Interpreter::Fail(u"too many arguments");
    }
}

const Text& StringArg(const ValuePtr& value) {
    if (!value || value->kind != Kind::String) {
        Interpreter::Fail(u"bad argument type: stringp " + Prin1Text(value));
    }
    return value->text;
}

std::int32_t IntegerArg(const ValuePtr& value) {
    if (!value || value->kind != Kind::Integer) {
        Interpreter::Fail(u"bad argument type: fixnump: " + Prin1Text(value));
    }
    return value->integer;
}

Text WithDclExtension(TextView name) {
    Text fileName(name);
    const std::size_t slash = fileName.find_last_of(u"\\/");
    const std::size_t dot = fileName.rfind(u'.');
    if (dot == Text::npos || (slash != Text::npos && dot < slash)) {
        fileName += u".dcl";
    }
    return fileName;
}

// The tile of the current dialog with that key, or null.
TileState* FindTile(DialogState& state, const ValuePtr& key) {
    const Text& name = StringArg(key);
    if (state.active.empty()) {
        return nullptr;
    }
    const auto found = state.active.back().tiles.find(name);
    return found == state.active.back().tiles.end() ? nullptr : &found->second;
}

// Evaluates an action expression with $key, $value and $reason bound as the
// CAD binds them for the time of the action.
void RunAction(Interpreter& lisp, const Text& expression, const Text& key, const Text& value,
               std::int32_t reason) {
    const std::pair<const char16_t*, ValuePtr> bound[] = {
        {u"$KEY", MakeString(key)},
        {u"$VALUE", MakeString(value)},
        {u"$REASON", MakeInteger(reason)},
        {u"$DATA", nullptr},
    };
    std::vector<std::pair<Text, ValuePtr>> saved;
    for (const auto& [name, newValue] : bound) {
        saved.emplace_back(name, lisp.Get(name));
        lisp.Set(name, newValue);
    }
    struct Restore {
        Interpreter& lisp;
        std::vector<std::pair<Text, ValuePtr>>& saved;
        ~Restore() {
            for (auto& [name, oldValue] : saved) {
                lisp.Set(name, oldValue);
            }
        }
    } restore{lisp, saved};
    Reader reader(expression);
    for (;;) {
        const Reader::Result read = reader.Next();
        if (read.status == Reader::Status::End) {
            return;
        }
        if (read.status == Reader::Status::Error) {
            Interpreter::Fail(read.error.message);
        }
        (void)lisp.Eval(read.form);
    }
}

// One scripted answer: types into an edit box ("key=value") or presses a
// button (a bare key). False when the dialog has no such tile or the tile is
// disabled, as the user cannot reach it.
bool ApplyAnswer(Interpreter& lisp, DialogState& state, std::size_t index, const Text& answer) {
    const std::size_t equals = answer.find(u'=');
    const Text key = answer.substr(0, equals);
    const auto found = state.active[index].tiles.find(key);
    if (found == state.active[index].tiles.end() || found->second.mode == 1) {
        return false;
    }
    TileState& tile = found->second;
    if (equals != Text::npos) {
        tile.value = answer.substr(equals + 1);
    }
    const Text action = tile.action.empty() ? state.active[index].defaultAction : Text(tile.action);
    if (!tile.action.empty() || (key != u"accept" && key != u"cancel")) {
        if (!action.empty()) {
            RunAction(lisp, action, key, tile.value,
                      equals == Text::npos ? kReasonSelected : kReasonEditExited);
        }
        return true;
    }
    if (equals == Text::npos) { // the standard exit buttons close the dialog themselves
        state.active[index].done = true;
        state.active[index].status = key == u"accept" ? kStatusOk : kStatusCancel;
    }
    return true;
}

std::int32_t StartDialog(Interpreter& lisp, DialogState& state) {
    const std::size_t index = state.active.size() - 1;
    const std::optional<std::vector<Text>> answers = lisp.Host().NextDialogAnswers();
    std::vector<Text> applied;
    struct Pop {
        DialogState& state;
        ~Pop() { state.active.pop_back(); }
    } pop{state};
    for (const Text& answer : answers.value_or(std::vector<Text>())) {
        if (state.active[index].done) {
            break;
        }
        if (ApplyAnswer(lisp, state, index, answer)) {
            applied.push_back(answer);
        }
    }
    // Answers that run out leave the dialog as the user's cancel does.
    const ActiveDialog& dialog = state.active[index];
    const std::int32_t status = dialog.done ? dialog.status : kStatusCancel;
    lisp.Host().DialogEnded(dialog.name, applied, status);
    return status;
}

} // namespace

void DefineDialogFunctions(Interpreter& lisp) {
    auto state = std::make_shared<DialogState>();
    lisp.Define(u"load_dialog", [state](Interpreter& l, const Args& a) -> ValuePtr {
        Count(a, 1, 1);
        const Text fileName = WithDclExtension(StringArg(a[0]));
        const std::optional<Text> path = l.Host().FindFile(fileName);
        const std::optional<Text> source = path ? l.Host().ReadSource(*path) : std::nullopt;
        if (!source) {
            return MakeInteger(-1);
        }
        l.Charge(source->size());
        auto file = std::make_shared<DclFile>(ReadDcl(*source));
        if (file->error) {
            return MakeInteger(-1);
        }
        const std::int32_t id = state->nextId++;
        state->loaded[id] = std::move(file);
        return MakeInteger(id);
    });
    lisp.Define(u"unload_dialog", [state](Interpreter&, const Args& a) -> ValuePtr {
        Count(a, 1, 1);
        state->loaded.erase(IntegerArg(a[0]));
        return nullptr;
    });
    lisp.Define(u"new_dialog", [state](Interpreter&, const Args& a) -> ValuePtr {
        Count(a, 2, 4);
        const Text& name = StringArg(a[0]);
        const auto file = state->loaded.find(IntegerArg(a[1]));
        const DclDialog* definition =
            file == state->loaded.end() ? nullptr : file->second->Find(name);
        if (!definition) {
            return nullptr;
        }
        ActiveDialog dialog;
        dialog.name = name;
        for (const DclTile& tile : definition->tiles) {
            dialog.tiles[tile.key] = TileState{tile.type, tile.value, tile.action};
        }
        if (a.size() >= 3) {
            dialog.defaultAction = StringArg(a[2]);
        }
        dialog.position = a.size() == 4 ? a[3] : MakeList({MakeInteger(-1), MakeInteger(-1)});
        state->active.push_back(std::move(dialog));
        return True();
    });
    lisp.Define(u"start_dialog", [state](Interpreter& l, const Args& a) -> ValuePtr {
        Count(a, 0, 0);
        if (state->active.empty()) {
            return nullptr; // no new_dialog succeeded: nothing to show
        }
        return MakeInteger(StartDialog(l, *state));
    });
    lisp.Define(u"done_dialog", [state](Interpreter&, const Args& a) -> ValuePtr {
        Count(a, 0, 1);
        // Without a status an explicit action ends the dialog as cancelled.
        const std::int32_t status = a.empty() ? kStatusCancel : IntegerArg(a[0]);
        if (state->active.empty()) {
            return nullptr;
        }
        ActiveDialog& dialog = state->active.back();
        dialog.done = true;
        dialog.status = status;
        return dialog.position;
    });
    lisp.Define(u"set_tile", [state](Interpreter&, const Args& a) -> ValuePtr {
        Count(a, 2, 2);
        const Text& value = StringArg(a[1]);
        TileState* tile = FindTile(*state, a[0]);
        if (!tile) {
            return nullptr;
        }
        tile->value = value;
        return a[1];
    });
    lisp.Define(u"get_tile", [state](Interpreter&, const Args& a) -> ValuePtr {
        Count(a, 1, 1);
        const TileState* tile = FindTile(*state, a[0]);
        return tile ? MakeString(tile->value) : nullptr;
    });
    lisp.Define(u"action_tile", [state](Interpreter&, const Args& a) -> ValuePtr {
        Count(a, 2, 2);
        const Text& expression = StringArg(a[1]);
        TileState* tile = FindTile(*state, a[0]);
        if (!tile) {
            return nullptr;
        }
        tile->action = expression;
        return True();
    });
    lisp.Define(u"mode_tile", [state](Interpreter&, const Args& a) -> ValuePtr {
        Count(a, 2, 2);
        const std::int32_t mode = IntegerArg(a[1]);
        if (TileState* tile = FindTile(*state, a[0])) {
            // 0 enables and 1 disables; focus, selection and flipping leave
            // the tile as it is.
            if (mode == 0 || mode == 1) {
                tile->mode = mode;
            }
        }
        return nullptr;
    });
}

} // namespace standin::lisp
