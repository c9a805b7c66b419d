// The special forms, whose arguments are not evaluated before the call:
// quote, function, setq, if, progn, and, or, cond, while, repeat, foreach,
// defun and lambda.
#include "lisp/Interpreter.h"

#include "lisp/DynamicBinding.h"

namespace standin::lisp {
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
