// Evaluation: a text or a loaded file form by form, each form, the calls of
// functions, and an error on its way to *error*; all within the step bound.
#include "lisp/Interpreter.h"

#include "lisp/DynamicBinding.h"
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

} // namespace standin::lisp
