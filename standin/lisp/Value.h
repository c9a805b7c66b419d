#pragma once

#include "text/Text.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace standin::lisp {

using vr::Text;
using vr::TextView;

struct Value;
// nil is the null pointer, as the empty list.
using ValuePtr = std::shared_ptr<const Value>;

class Interpreter;
using Builtin = std::function<ValuePtr(Interpreter&, const std::vector<ValuePtr>&)>;

struct UserFunction {
    std::vector<Text> parameters;
    std::vector<Text> locals; // after "/" in the parameter list
    ValuePtr body;            // list of forms
};

// An object outside the interpreter that a value stands for: an automation
// object of another program (VLA-object), or an open file. Its printed form
// names it as the CAD prints such values.
class ForeignObject {
  public:
    virtual ~ForeignObject() = default;
    [[nodiscard]] virtual Text PrintedForm() const = 0;
};

enum class Kind {
    Integer,
    Real,
    String,
    Symbol,
    Cons,
    Subr,
    Function,
    Ename,         // an entity name: integer holds the entity's number
    VlaObject,     // foreign holds the automation object
    Variant,       // integer holds the variant type, car the value it carries
    File,          // foreign holds the open file
    CatchAllError, // what vl-catch-all-apply returns for an error: text holds its message
};

struct Value {
    Kind kind;
    std::int32_t integer = 0;
    double real = 0;
    Text text; // string contents, or the symbol's name in upper case
    ValuePtr car, cdr;
    Builtin builtin;
    std::shared_ptr<const UserFunction> function;
    std::shared_ptr<ForeignObject> foreign;

    // Takes the cells it owns apart one at a time instead of by recursion:
    // a list of a million cells would otherwise overflow the stack, each
    // cell's destructor destroying the next. Every value is made non-const
    // (only the pointers to it are to const), so this may move the parts out
    // of a cell whose last owner it is.
    ~Value();
};

[[nodiscard]] ValuePtr MakeInteger(std::int32_t value);
[[nodiscard]] ValuePtr MakeReal(double value);
[[nodiscard]] ValuePtr MakeString(Text text);
[[nodiscard]] ValuePtr MakeSymbol(TextView name); // names are case-insensitive
[[nodiscard]] ValuePtr MakeCons(ValuePtr car, ValuePtr cdr);
[[nodiscard]] ValuePtr MakeSubr(Builtin builtin);
[[nodiscard]] ValuePtr MakeFunction(std::shared_ptr<const UserFunction> function);
[[nodiscard]] ValuePtr MakeEname(std::int32_t entityNumber);
[[nodiscard]] ValuePtr MakeForeign(Kind kind, std::shared_ptr<ForeignObject> object);
[[nodiscard]] ValuePtr MakeVariant(std::int32_t variantType, ValuePtr value);
[[nodiscard]] ValuePtr MakeCatchAllError(Text message);
[[nodiscard]] ValuePtr MakeList(const std::vector<ValuePtr>& items);
[[nodiscard]] ValuePtr True();

[[nodiscard]] bool IsSymbol(const ValuePtr& value, TextView upperName);
[[nodiscard]] bool IsNumber(const ValuePtr& value);
[[nodiscard]] double NumberOf(const ValuePtr& value);
[[nodiscard]] bool IsList(const ValuePtr& value); // nil or a cons

// Items of a proper list; the tail of a dotted list is left out.
[[nodiscard]] std::vector<ValuePtr> ListItems(const ValuePtr& list);

// The printed forms: princ shows strings raw, prin1 quoted with escapes. A
// form longer than kMaxPrintedLength characters is cut there and ends in
// "...".
inline constexpr std::size_t kMaxPrintedLength = 1 << 16;
[[nodiscard]] Text PrincText(const ValuePtr& value);
[[nodiscard]] Text Prin1Text(const ValuePtr& value);

[[nodiscard]] bool Equal(const ValuePtr& a, const ValuePtr& b);
// The same, adding to compared the number of pairs of parts it looked at.
[[nodiscard]] bool Equal(const ValuePtr& a, const ValuePtr& b, std::size_t& compared);

} // namespace standin::lisp
