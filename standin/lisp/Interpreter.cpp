// The interpreter made and its environment: the built-in functions defined,
// the global symbols and the system variables of a new drawing.
#include "lisp/Interpreter.h"

namespace standin::lisp {

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

} // namespace standin::lisp
