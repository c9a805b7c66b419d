#include "lisp/Interpreter.h"

#include "lisp/Reader.h"

#include <algorithm>
#include <string>

namespace standin::lisp {
namespace {

constexpr int kMaxDepth = 2000;
constexpr int kMaxLoadDepth = 50;

Text Ascii(const std::string& text) {
    return Text(text.begin(), text.end());
}

// Binds symbols for the time of a call and puts the old values back, as the
// CAD's dynamic scope does.
class DynamicBinding {
  public:
    explicit DynamicBinding(Interpreter& interpreter) : interpreter_(interpreter) {}
    ~DynamicBinding() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            interpreter_.Set(it->first, it->second);
        }
    }
    DynamicBinding(const DynamicBinding&) = delete;
    DynamicBinding& operator=(const DynamicBinding&) = delete;

    void Bind(const Text& name, ValuePtr value) {
        saved_.emplace_back(name, interpreter_.Get(name));
        interpreter_.Set(name, std::move(value));
    }

  private:
    Interpreter& interpreter_;
    std::vector<std::pair<Text, ValuePtr>> saved_;
};

class DepthGuard {
  public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

  private:
    int& depth_;
};

Text ReadErrorText(const ReadError& error) {
    return error.message + u" (line " + Ascii(std::to_string(error.line)) + u", column " +
           Ascii(std::to_string(error.column)) + u")";
}

} // namespace

Interpreter::Interpreter(CadHost& host, long long maxSteps) : host_(host), maxSteps_(maxSteps) {
    DefineBasicFunctions(*this);
    DefineCadFunctions(*this);
    DefineErrorFunctions(*this);
    DefineComFunctions(*this);
    DefineFileFunctions(*this);
    DefineDialogFunctions(*this);
    DefineStringFunctions(*this);
    DefineNumberFunctions(*this);
    DefineListFunctions(*this);
    DefineSystemVariables(*this);
    DefineEntityFunctions(*this);
    // A new drawing's settings: decimal units of four places, zeros kept.
    for (const auto& [name, value] : {std::pair<TextView, std::int32_t>{u"ERRNO", 0},
                                      {u"DIMZIN", 0},
                                      {u"LUNITS", 2},
                                      {u"LUPREC", 4},
                                      {u"PICKBOX", 3},
                                      {u"CMDECHO", 1}}) {
        SetSystemVariable(name, MakeInteger(value));
    }
    SetProduct(*this, Product::AutoCad);
}

ValuePtr Interpreter::SystemVariable(TextView upperName) const {
    const auto found = systemVariables_.find(Text(upperName));
    return found == systemVariables_.end() ? nullptr : found->second;
}

void Interpreter::SetSystemVariable(TextView upperName, ValuePtr value) {
    systemVariables_[Text(upperName)] = std::move(value);
}

void Interpreter::Fail(Text message) {
    throw LispError{std::move(message)};
}

ValuePtr Interpreter::Get(TextView upperName) const {
    const auto found = globals_.find(Text(upperName));
    return found == globals_.end() ? nullptr : found->second;
}

void Interpreter::Set(TextView upperName, ValuePtr value) {
    globals_[Text(upperName)] = std::move(value);
}

void Interpreter::Define(TextView name, Builtin builtin) {
    Set(MakeSymbol(name)->text, MakeSubr(std::move(builtin)));
}

Interpreter::Outcome Interpreter::EvaluateText(TextView source) {
    steps_ = 0;
    return EvaluateForms(source, false);
}

Interpreter::Outcome Interpreter::EvaluateForms(TextView source, bool nested) {
    Reader reader(source);
    Outcome outcome;
    for (;;) {
        const Reader::Result read = reader.Next();
        if (read.status == Reader::Status::End) {
            return outcome;
        }
        try {
            if (read.status == Reader::Status::Error) {
                LispError error{ReadErrorText(read.error)};
                CallErrorHandler(error);
                throw error;
            }
            outcome.value = Eval(read.form);
        } catch (const LispError& error) {
            if (nested) {
                throw;
            }
            outcome.error = error.message;
            outcome.handled = error.handled;
            outcome.value = error.handlerResult;
            return outcome;
        }
    }
}

ValuePtr Interpreter::Load(TextView name, const ValuePtr& onFailure, bool hasOnFailure) {
    Text fileName(name);
    const std::size_t slash = fileName.find_last_of(u"\\/");
    const std::size_t dot = fileName.rfind(u'.');
    if (dot == Text::npos || (slash != Text::npos && dot < slash)) {
        fileName += u".lsp";
    }
    const std::optional<Text> path = host_.FindFile(fileName);
    host_.LoadAttempted(name, path);
    std::optional<Text> source;
    if (path) {
        source = host_.ReadSource(*path);
    }
    if (!source) {
        if (hasOnFailure) {
            return onFailure;
        }
        Fail(u"LOAD failed: \"" + Text(name) + u"\"");
    }
    if (loadDepth_ >= kMaxLoadDepth) {
        Fail(u"LOAD nested too deeply: \"" + Text(name) + u"\"");
    }
    DepthGuard guard(loadDepth_);
    return EvaluateForms(*source, true).value;
}

void Interpreter::Charge(std::size_t work) {
    if (work > static_cast<std::size_t>(maxSteps_ - std::min(steps_, maxSteps_))) {
        steps_ = maxSteps_;
        Fail(u"evaluation took too long");
    }
    steps_ += static_cast<long long>(work);
}

void Interpreter::Step() {
    if (++steps_ > maxSteps_) {
        Fail(u"evaluation took too long");
    }
}

// An error goes to the user's *error* function where it arises, before
// the frames between are left: a *error* made local to the function that
// failed is the one called, and the locals it reads still hold their values.
void Interpreter::CallErrorHandler(LispError& error) {
    if (error.handled || error.fromErrorHandler || catchAllDepth_ > 0 || inErrorHandler_) {
        return;
    }
    const ValuePtr handler = Get(u"*ERROR*");
    if (!handler || (handler->kind != Kind::Function && handler->kind != Kind::Subr)) {
        return;
    }
    error.handled = true;
    inErrorHandler_ = true;
    try {
        error.handlerResult = Apply(handler, {MakeString(error.message)}, u"*ERROR*");
    } catch (LispError& inner) {
        inErrorHandler_ = false;
        inner.fromErrorHandler = true; // the CAD reports it itself
        throw;
    } catch (...) {
        inErrorHandler_ = false;
        throw;
    }
    inErrorHandler_ = false;
}

ValuePtr Interpreter::ApplyCatchingAll(const ValuePtr& function, const std::vector<ValuePtr>& args,
                                       TextView name) {
    ++catchAllDepth_;
    try {
        ValuePtr result = Apply(function, args, name);
        --catchAllDepth_;
        return result;
    } catch (const LispError& error) {
        --catchAllDepth_;
        if (steps_ >= maxSteps_) {
            throw; // the step bound ends the evaluation whatever catches
        }
        return MakeCatchAllError(error.message);
    }
}

ValuePtr Interpreter::Eval(const ValuePtr& form) {
    try {
        return EvalForm(form);
    } catch (LispError& error) {
        CallErrorHandler(error);
        throw;
    }
}

ValuePtr Interpreter::EvalForm(const ValuePtr& form) {
    Step();
    if (!form) {
        return nullptr;
    }
    switch (form->kind) {
    case Kind::Symbol:
        return form->text == u"T" ? form : Get(form->text);
    case Kind::Cons:
        break;
    default:
        return form;
    }
    if (depth_ >= kMaxDepth) {
        Fail(u"stack overflow");
    }
    DepthGuard guard(depth_);
    const ValuePtr& head = form->car;
    Text name = u"";
    if (head && head->kind == Kind::Symbol) {
        name = head->text;
        bool handled = false;
        ValuePtr result = EvalKeywordForm(name, form->cdr, handled);
        if (handled) {
            return result;
        }
    }
    ValuePtr function = (head && head->kind == Kind::Symbol) ? Get(head->text) : Eval(head);
    std::vector<ValuePtr> args;
    for (const ValuePtr& arg : ListItems(form->cdr)) {
        args.push_back(Eval(arg));
    }
    if (name.empty()) {
        name = PrincText(head);
    }
    return Apply(function, args, name);
}

ValuePtr Interpreter::Apply(const ValuePtr& function, const std::vector<ValuePtr>& args,
                            TextView name) {
    if (function && function->kind == Kind::Subr) {
        return function->builtin(*this, args);
    }
    if (function && function->kind == Kind::Function) {
        return CallUser(*function->function, args);
    }
    Fail(u"no function definition: " + Text(name));
}

ValuePtr Interpreter::CallUser(const UserFunction& function, const std::vector<ValuePtr>& args) {
    if (args.size() < function.parameters.size()) {
        Fail(u"too few arguments");
    }
    if (args.size() > function.parameters.size()) {
        Fail(u"too many arguments");
    }
    DynamicBinding binding(*this);
    for (std::size_t i = 0; i < args.size(); ++i) {
        binding.Bind(function.parameters[i], args[i]);
    }
    for (const Text& local : function.locals) {
        binding.Bind(local, nullptr);
    }
    return EvalBody(function.body);
}

ValuePtr Interpreter::EvalBody(const ValuePtr& forms) {
    ValuePtr result;
    for (const ValuePtr& form : ListItems(forms)) {
        result = Eval(form);
    }
    return result;
}

namespace {

std::shared_ptr<const UserFunction> MakeUserFunction(const ValuePtr& parameterList,
                                                     const ValuePtr& body) {
    if (!IsList(parameterList)) {
        Interpreter::Fail(u"bad argument list");
    }
    auto function = std::make_shared<UserFunction>();
    bool locals = false;
    for (const ValuePtr& item : ListItems(parameterList)) {
        if (!item || item->kind != Kind::Symbol) {
            Interpreter::Fail(u"bad argument list");
        }
        if (item->text == u"/") {
            locals = true;
            continue;
        }
        (locals ? function->locals : function->parameters).push_back(item->text);
    }
    function->body = body;
    return function;
}

const Text& SymbolName(const ValuePtr& value, TextView context) {
    if (!value || value->kind != Kind::Symbol) {
        Interpreter::Fail(u"bad argument type: symbolp " + PrincText(value) + u" in " +
                          Text(context));
    }
    return value->text;
}

} // namespace

ValuePtr Interpreter::EvalKeywordForm(const Text& name, const ValuePtr& args, bool& handled) {
    handled = true;
    const std::vector<ValuePtr> items = ListItems(args);
    if (name == u"QUOTE" || name == u"FUNCTION") {
        if (items.size() != 1) {
            Fail(items.empty() ? u"too few arguments" : u"too many arguments");
        }
        return items[0];
    }
    if (name == u"SETQ") {
        if (items.size() % 2 != 0) {
            Fail(u"too few arguments: SETQ");
        }
        ValuePtr value;
        for (std::size_t i = 0; i < items.size(); i += 2) {
            const Text& symbol = SymbolName(items[i], u"SETQ");
            if (symbol == u"T") {
                Fail(u"attempt to set constant: T");
            }
            value = Eval(items[i + 1]);
            Set(symbol, value);
        }
        return value;
    }
    if (name == u"IF") {
        if (items.size() < 2 || items.size() > 3) {
            Fail(items.size() < 2 ? u"too few arguments" : u"too many arguments");
        }
        if (Eval(items[0])) {
            return Eval(items[1]);
        }
        return items.size() == 3 ? Eval(items[2]) : nullptr;
    }
    if (name == u"PROGN") {
        return EvalBody(args);
    }
    if (name == u"AND") {
        for (const ValuePtr& item : items) {
            if (!Eval(item)) {
                return nullptr;
            }
        }
        return True();
    }
    if (name == u"OR") {
        for (const ValuePtr& item : items) {
            if (Eval(item)) {
                return True();
            }
        }
        return nullptr;
    }
    if (name == u"COND") {
        for (const ValuePtr& clause : items) {
            if (!clause || clause->kind != Kind::Cons) {
                Fail(u"bad argument type: consp " + PrincText(clause));
            }
            ValuePtr test = Eval(clause->car);
            if (test) {
                return clause->cdr ? EvalBody(clause->cdr) : test;
            }
        }
        return nullptr;
    }
    if (name == u"WHILE") {
        if (items.empty()) {
            Fail(u"too few arguments");
        }
        ValuePtr result;
        while (Eval(items[0])) {
            Step();
            result = EvalBody(args->cdr);
        }
        return result;
    }
    if (name == u"REPEAT") {
        if (items.empty()) {
            Fail(u"too few arguments");
        }
        const ValuePtr count = Eval(items[0]);
        if (!count || count->kind != Kind::Integer) {
            Fail(u"bad argument type: fixnump " + PrincText(count));
        }
        ValuePtr result;
        for (std::int32_t i = 0; i < count->integer; ++i) {
            Step(); // a turn counts even when the body is empty
            result = EvalBody(args->cdr);
        }
        return result;
    }
    if (name == u"FOREACH") {
        if (items.size() < 2) {
            Fail(u"too few arguments");
        }
        const Text& variable = SymbolName(items[0], u"FOREACH");
        const ValuePtr list = Eval(items[1]);
        if (!IsList(list)) {
            Fail(u"bad argument type: listp " + Prin1Text(list));
        }
        DynamicBinding binding(*this);
        binding.Bind(variable, nullptr);
        ValuePtr result;
        for (const ValuePtr& element : ListItems(list)) {
            Step();
            Set(variable, element);
            result = EvalBody(args->cdr->cdr);
        }
        return result;
    }
    if (name == u"DEFUN") {
        if (items.size() < 2) {
            Fail(u"too few arguments");
        }
        const Text& functionName = SymbolName(items[0], u"DEFUN");
        Set(functionName, MakeFunction(MakeUserFunction(items[1], args->cdr->cdr)));
        return items[0];
    }
    if (name == u"LAMBDA") {
        if (items.empty()) {
            Fail(u"too few arguments");
        }
        return MakeFunction(MakeUserFunction(items[0], args->cdr));
    }
    handled = false;
    return nullptr;
}

} // namespace standin::lisp
