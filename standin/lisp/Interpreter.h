#pragma once

#include "lisp/CadHost.h"
#include "lisp/Value.h"

#include <map>
#include <optional>

namespace standin::lisp {

// An error that ends the evaluation of a command-line line or a load, as the
// CAD reports it: "; error: <message>".
struct LispError {
    Text message;
    // Set once the user's *error* function has been called with it: the
    // frames it passes on their way out do not call it again.
    bool handled = false;
    ValuePtr handlerResult;        // what *error* returned
    bool fromErrorHandler = false; // raised inside *error*: not handed to it again
};

// The AutoLISP that the tools and the CAD-side routines use, evaluated the
// way the CAD does: dynamic scope, unbound symbols are nil, integers of 32
// bits, loads that run form by form.
class Interpreter {
  public:
    // The steps one evaluation may take before it stops with an error: a
    // step is one evaluated form or one turn of a loop, so that no source,
    // not even (while T) or (repeat N) with an empty body, runs for ever.
    static constexpr long long kDefaultMaxSteps = 20'000'000;

    explicit Interpreter(CadHost& host, long long maxSteps = kDefaultMaxSteps);

    // Reads and evaluates every form of the text. Returns the last value, or
    // the error that stopped it (forms before the error have run).
    struct Outcome {
        ValuePtr value;
        std::optional<Text> error;
        // The error went to the user's *error* function, which returned
        // value: the CAD then prints that value instead of "; error: ...".
        bool handled = false;
    };
    [[nodiscard]] Outcome EvaluateText(TextView source);

    [[nodiscard]] ValuePtr Eval(const ValuePtr& form);
    [[nodiscard]] ValuePtr Apply(const ValuePtr& function, const std::vector<ValuePtr>& args,
                                 TextView name);
    [[nodiscard]] ValuePtr Load(TextView name, const ValuePtr& onFailure, bool hasOnFailure);
    // vl-catch-all-apply: the result, or the error as a catch-all error
    // value, without a call of *error*.
    [[nodiscard]] ValuePtr ApplyCatchingAll(const ValuePtr& function,
                                            const std::vector<ValuePtr>& args, TextView name);

    [[nodiscard]] ValuePtr Get(TextView upperName) const;
    void Set(TextView upperName, ValuePtr value);
    void Define(TextView name, Builtin builtin);

    [[nodiscard]] CadHost& Host() { return host_; }

    // Counts work of a built-in function that grows with its data (the
    // cells it walks or copies, the characters it copies or prints) against
    // the step bound, so that a few steps cannot double a list or a string
    // forty times over, or walk a long list in every turn of a loop.
    void Charge(std::size_t work);

    [[noreturn]] static void Fail(Text message);

    // System variables that getvar reads and setvar and the CAD's functions
    // set (ERRNO, DIMZIN, LUNITS, LUPREC, ...), by upper-case name; nil for
    // a name the CAD does not know.
    [[nodiscard]] ValuePtr SystemVariable(TextView upperName) const;
    void SetSystemVariable(TextView upperName, ValuePtr value);

  private:
    [[nodiscard]] ValuePtr EvalForm(const ValuePtr& form);
    [[nodiscard]] ValuePtr EvalKeywordForm(const Text& name, const ValuePtr& args, bool& handled);
    [[nodiscard]] ValuePtr EvalBody(const ValuePtr& forms);
    [[nodiscard]] ValuePtr CallUser(const UserFunction& function,
                                    const std::vector<ValuePtr>& args);
    [[nodiscard]] Outcome EvaluateForms(TextView source, bool nested);
    void Step();
    void CallErrorHandler(LispError& error);

    CadHost& host_;
    std::map<Text, ValuePtr> globals_;
    int depth_ = 0;
    long long maxSteps_;
    long long steps_ = 0;
    int loadDepth_ = 0;
    int catchAllDepth_ = 0;       // inside vl-catch-all-apply: *error* is not called
    bool inErrorHandler_ = false; // an error inside *error* goes to the CAD
    std::map<Text, ValuePtr> systemVariables_;
};

// The built-in functions: numbers, lists and strings; and the CAD's own
// (entmake, command, getpoint, princ, load, findfile).
void DefineBasicFunctions(Interpreter& interpreter);
void DefineCadFunctions(Interpreter& interpreter);
// exit, quit and the vl-catch-all functions.
void DefineErrorFunctions(Interpreter& interpreter);
// The ActiveX functions (vl-load-com, vlax-*) over the CAD's automation
// objects.
void DefineComFunctions(Interpreter& interpreter);
// The CAD release the interpreter answers as: PROGRAM ("acad" or "acadlt"),
// and in AutoCAD LT the functions that reach other programs' automation
// objects, missing or raising an error on each call.
enum class Product { AutoCad, AutoCadLt, AutoCadLtRaising };
void SetProduct(Interpreter& interpreter, Product product);
// Files (open, read-line, write-line, close) and DCL dialogs.
void DefineFileFunctions(Interpreter& interpreter);
void DefineDialogFunctions(Interpreter& interpreter);
// Strings, numbers and lists as the CAD-side routines read values out of text;
// getvar and setvar; entity names, entget and entsel.
void DefineStringFunctions(Interpreter& interpreter);
void DefineNumberFunctions(Interpreter& interpreter);
void DefineListFunctions(Interpreter& interpreter);
void DefineSystemVariables(Interpreter& interpreter);
void DefineEntityFunctions(Interpreter& interpreter);

} // namespace standin::lisp
