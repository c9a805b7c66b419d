#include "lisp/Value.h"

#include "text/AsciiCase.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

namespace standin::lisp {
namespace {

Text Ascii(const std::string& text) {
    return Text(text.begin(), text.end());
}

Text RealText(double value) {
    // As the CAD prints reals by default: up to six significant digits.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    std::string text = buffer;
    if (text.find_first_of(".e") == std::string::npos && std::isfinite(value)) {
        text += ".0";
    }
    return Ascii(text);
}

Text Quoted(const Text& text) {
    Text out = u"\"";
    for (const char16_t c : text) {
        switch (c) {
        case u'"':
            out += u"\\\"";
            break;
        case u'\\':
            out += u"\\\\";
            break;
        case u'\n':
            out += u"\\n";
            break;
        case u'\r':
            out += u"\\r";
            break;
        case u'\t':
            out += u"\\t";
            break;
        case u'\x1b':
            out += u"\\e";
            break;
        default:
            out.push_back(c);
        }
    }
    out.push_back(u'"');
    return out;
}

// Lower-case hexadecimal digits, as the CAD prints entity names.
Text HexText(std::uint32_t number) {
    Text digits;
    do {
        digits.insert(digits.begin(), u"0123456789abcdef"[number % 16]);
        number /= 16;
    } while (number != 0);
    return digits;
}

Text AtomText(const Value& value, bool quoteStrings) {
    switch (value.kind) {
    case Kind::Integer:
        return Ascii(std::to_string(value.integer));
    case Kind::Real:
        return RealText(value.real);
    case Kind::String:
        return quoteStrings ? Quoted(value.text) : value.text;
    case Kind::Symbol:
        return value.text;
    case Kind::Subr:
        return u"<Subr>";
    case Kind::Function:
        return u"<USUBR>";
    case Kind::Ename:
        return u"<Entity name: " +
               HexText(0x6000'0000U + static_cast<std::uint32_t>(value.integer)) + u">";
    case Kind::VlaObject:
    case Kind::File:
        return value.foreign ? value.foreign->PrintedForm() : u"#<released>";
    case Kind::Variant:
        return u"#<variant " + Ascii(std::to_string(value.integer)) + u" " +
               (value.car ? AtomText(*value.car, true) : Text(u"nil")) + u">";
    case Kind::CatchAllError:
        return u"#<%catch-all-apply-error%>";
    case Kind::Cons:
        break;
    }
    return u"";
}

// Prints with a stack of its own rather than by recursion, so that a deeply
// nested list cannot overflow the machine's stack, and stops at
// kMaxPrintedLength characters: a list that shares its parts, (list a a)
// taken forty times over, would otherwise print 2^40 atoms.
Text Printed(const ValuePtr& root, bool quoteStrings) {
    // What is still to print: a value, the rest of a list after its first
    // item, or a closing parenthesis.
    enum class Part { Value, Rest, Close };
    struct Pending {
        Part part;
        const Value* value;
    };
    Text out;
    std::vector<Pending> pending{{Part::Value, root.get()}};
    while (!pending.empty()) {
        if (out.size() > kMaxPrintedLength) {
            out.resize(kMaxPrintedLength);
            out += u"...";
            break;
        }
        const Pending next = pending.back();
        pending.pop_back();
        if (next.part == Part::Close) {
            out.push_back(u')');
        } else if (next.part == Part::Value) {
            if (!next.value) {
                out += u"nil";
            } else if (next.value->kind != Kind::Cons) {
                out += AtomText(*next.value, quoteStrings);
            } else {
                out.push_back(u'(');
                pending.push_back({Part::Rest, next.value->cdr.get()});
                pending.push_back({Part::Value, next.value->car.get()});
            }
        } else if (!next.value) {
            out.push_back(u')');
        } else if (next.value->kind == Kind::Cons) {
            out.push_back(u' ');
            pending.push_back({Part::Rest, next.value->cdr.get()});
            pending.push_back({Part::Value, next.value->car.get()});
        } else {
            out += u" . ";
            pending.push_back({Part::Close, nullptr});
            pending.push_back({Part::Value, next.value});
        }
    }
    return out;
}

// Values are allocated non-const, so that ~Value may take them apart.
std::shared_ptr<Value> NewValue(Kind kind) {
    auto value = std::make_shared<Value>();
    value->kind = kind;
    return value;
}

} // namespace

Value::~Value() {
    if (!car && !cdr) {
        return;
    }
    std::vector<ValuePtr> pending;
    pending.push_back(std::move(car));
    pending.push_back(std::move(cdr));
    while (!pending.empty()) {
        ValuePtr value = std::move(pending.back());
        pending.pop_back();
        if (value && value.use_count() == 1 && (value->car || value->cdr)) {
            // The last owner: its parts go on the list before it is destroyed,
            // so that its own destructor finds nothing left to destroy.
            auto& owned = const_cast<Value&>(*value);
            pending.push_back(std::move(owned.car));
            pending.push_back(std::move(owned.cdr));
        }
    }
}

ValuePtr MakeInteger(std::int32_t value) {
    auto made = NewValue(Kind::Integer);
    made->integer = value;
    return made;
}

ValuePtr MakeReal(double value) {
    auto made = NewValue(Kind::Real);
    made->real = value;
    return made;
}

ValuePtr MakeString(Text text) {
    auto made = NewValue(Kind::String);
    made->text = std::move(text);
    return made;
}

ValuePtr MakeSymbol(TextView name) {
    Text upper = vr::AsciiUpper(name);
    if (upper == u"NIL") {
        return nullptr;
    }
    auto made = NewValue(Kind::Symbol);
    made->text = std::move(upper);
    return made;
}

ValuePtr MakeCons(ValuePtr car, ValuePtr cdr) {
    auto made = NewValue(Kind::Cons);
    made->car = std::move(car);
    made->cdr = std::move(cdr);
    return made;
}

ValuePtr MakeSubr(Builtin builtin) {
    auto made = NewValue(Kind::Subr);
    made->builtin = std::move(builtin);
    return made;
}

ValuePtr MakeFunction(std::shared_ptr<const UserFunction> function) {
    auto made = NewValue(Kind::Function);
    made->function = std::move(function);
    return made;
}

ValuePtr MakeEname(std::int32_t entityNumber) {
    auto made = NewValue(Kind::Ename);
    made->integer = entityNumber;
    return made;
}

ValuePtr MakeForeign(Kind kind, std::shared_ptr<ForeignObject> object) {
    auto made = NewValue(kind);
    made->foreign = std::move(object);
    return made;
}

ValuePtr MakeVariant(std::int32_t variantType, ValuePtr value) {
    auto made = NewValue(Kind::Variant);
    made->integer = variantType;
    made->car = std::move(value);
    return made;
}

ValuePtr MakeCatchAllError(Text message) {
    auto made = NewValue(Kind::CatchAllError);
    made->text = std::move(message);
    return made;
}

ValuePtr MakeList(const std::vector<ValuePtr>& items) {
    ValuePtr list;
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        list = MakeCons(*it, list);
    }
    return list;
}

ValuePtr True() {
    return MakeSymbol(u"T");
}

bool IsSymbol(const ValuePtr& value, TextView upperName) {
    return value && value->kind == Kind::Symbol && value->text == upperName;
}

bool IsNumber(const ValuePtr& value) {
    return value && (value->kind == Kind::Integer || value->kind == Kind::Real);
}

double NumberOf(const ValuePtr& value) {
    return value->kind == Kind::Integer ? value->integer : value->real;
}

bool IsList(const ValuePtr& value) {
    return !value || value->kind == Kind::Cons;
}

std::vector<ValuePtr> ListItems(const ValuePtr& list) {
    std::vector<ValuePtr> items;
    for (ValuePtr cell = list; cell && cell->kind == Kind::Cons; cell = cell->cdr) {
        items.push_back(cell->car);
    }
    return items;
}

Text PrincText(const ValuePtr& value) {
    return Printed(value, false);
}

Text Prin1Text(const ValuePtr& value) {
    return Printed(value, true);
}

bool Equal(const ValuePtr& a, const ValuePtr& b) {
    std::size_t compared = 0;
    return Equal(a, b, compared);
}

bool Equal(const ValuePtr& a, const ValuePtr& b, std::size_t& compared) {
    // A stack of its own, not recursion: long and deep lists compare too.
    std::vector<std::pair<const Value*, const Value*>> pending{{a.get(), b.get()}};
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        ++compared;
        if (!x || !y) {
            if (x || y) {
                return false;
            }
            continue;
        }
        if ((x->kind == Kind::Integer || x->kind == Kind::Real) &&
            (y->kind == Kind::Integer || y->kind == Kind::Real)) {
            const double first = x->kind == Kind::Integer ? x->integer : x->real;
            const double second = y->kind == Kind::Integer ? y->integer : y->real;
            if (first != second) {
                return false;
            }
            continue;
        }
        if (x->kind != y->kind) {
            return false;
        }
        switch (x->kind) {
        case Kind::String:
        case Kind::Symbol:
            if (x->text != y->text) {
                return false;
            }
            break;
        case Kind::Ename:
            if (x->integer != y->integer) {
                return false;
            }
            break;
        case Kind::VlaObject:
        case Kind::File:
            if (x->foreign != y->foreign) {
                return false;
            }
            break;
        case Kind::Cons:
            if (x != y) { // the same cell is equal to itself without a look inside
                pending.emplace_back(x->cdr.get(), y->cdr.get());
                pending.emplace_back(x->car.get(), y->car.get());
            }
            break;
        default:
            if (x != y) {
                return false;
            }
        }
    }
    return true;
}

} // namespace standin::lisp
