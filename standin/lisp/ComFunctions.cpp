// The ActiveX functions of the CAD's AutoLISP (vl-load-com, vlax-*) over the
// automation objects the CAD can reach: the spreadsheet's, when it runs.
#include "excel/Excel.h"
#include "lisp/Interpreter.h"
#include "text/AsciiCase.h"

#include <cmath>
#include <cstdio>

namespace standin::lisp {
namespace {

using Args = std::vector<ValuePtr>;
using excel::ComResult;
using excel::ComValue;
using excel::VarType;

// One reference to an automation object that AutoLISP holds: counted by
// the server from the moment it is handed over until vlax-release-object.
class ComObject final : public ForeignObject {
  public:
    explicit ComObject(std::shared_ptr<excel::Dispatch> object) : object_(std::move(object)) {
        object_->Owner().Obtained();
    }
    [[nodiscard]] Text PrintedForm() const override {
        char address[16];
        std::snprintf(address, sizeof address, "%08x", 0x0a3c0000U + object_->Serial() * 0x30U);
        const std::string digits = address;
        return u"#<VLA-OBJECT " + object_->InterfaceName() + u" " +
               Text(digits.begin(), digits.end()) + u">";
    }
    [[nodiscard]] bool Released() const { return released_; }
    void Release() {
        released_ = true;
        object_->Owner().Released();
    }
    [[nodiscard]] excel::Dispatch& Object() const { return *object_; }
    [[nodiscard]] const std::shared_ptr<excel::Dispatch>& Shared() const { return object_; }

  private:
    std::shared_ptr<excel::Dispatch> object_;
    bool released_ = false;
};

void Count(const Args& args, std::size_t least, std::size_t most) {
    if (args.size() < least) {
        Interpreter::Fail(u"too few arguments");
    }
    if (args.size() > most) {
        Interpreter::Fail(u"too many arguments");
    }
}

// The object an argument names; a released one can no longer be used.
ComObject& ObjectArg(const ValuePtr& value, bool mayBeReleased = false) {
    auto* object = value && value->kind == Kind::VlaObject
                       ? dynamic_cast<ComObject*>(value->foreign.get())
                       : nullptr;
    if (!object) {
        Interpreter::Fail(u"bad argument type: VLA-OBJECT " + Prin1Text(value));
    }
    if (object->Released() && !mayBeReleased) {
        const Text message = u"Automation Error. Object was released";
        object->Object().Owner().Refused(message);
        Interpreter::Fail(message);
    }
    return *object;
}

// A member's name: a symbol's (in upper case, as AutoLISP reads it) or a
// string as written.
Text MemberName(const ValuePtr& value) {
    if (value && (value->kind == Kind::Symbol || value->kind == Kind::String)) {
        return value->text;
    }
    Interpreter::Fail(u"bad argument type: symbolp " + Prin1Text(value));
}

bool IsVlaxTrue(const ValuePtr& value) {
    return IsSymbol(value, u":VLAX-TRUE") || IsSymbol(value, u"T");
}

// An AutoLISP value as the CAD hands it to the server: integers as VT_I4,
// reals as VT_R8, strings as VT_BSTR, :vlax-true and :vlax-false as
// VT_BOOL, a variant as the value it carries with its type.
ComValue ToCom(const ValuePtr& value) {
    if (!value) {
        return {};
    }
    switch (value->kind) {
    case Kind::Integer:
        return ComValue::Long(value->integer);
    case Kind::Real:
        return ComValue::Double(value->real);
    case Kind::String:
        return ComValue::String(value->text);
    case Kind::VlaObject:
        return ComValue::Object(ObjectArg(value).Shared());
    case Kind::Symbol:
        if (IsVlaxTrue(value) || IsSymbol(value, u":VLAX-FALSE")) {
            return ComValue::Boolean(IsVlaxTrue(value));
        }
        break;
    case Kind::Variant:
        if (value->integer == static_cast<std::int32_t>(VarType::Boolean)) {
            return ComValue::Boolean(IsVlaxTrue(value->car));
        }
        return ToCom(value->car);
    default:
        break;
    }
    Interpreter::Fail(u"lisp value has no coercion to VARIANT with this type: " + Prin1Text(value));
}

// A value from the server as AutoLISP receives it. `oldForm`: as vlax-get
// gives it, booleans as -1 and 0.
ValuePtr FromCom(const ComValue& value, bool oldForm) {
    switch (value.type) {
    case VarType::Empty:
        return nullptr;
    case VarType::Long:
        return MakeInteger(value.integer);
    case VarType::Double:
        return MakeReal(value.real);
    case VarType::String:
        return MakeString(value.text);
    case VarType::Boolean:
        if (oldForm) {
            return MakeInteger(value.boolean ? -1 : 0);
        }
        return MakeSymbol(value.boolean ? u":vlax-true" : u":vlax-false");
    case VarType::Object:
        return value.object
                   ? MakeForeign(Kind::VlaObject, std::make_shared<ComObject>(value.object))
                   : nullptr;
    }
    return nullptr;
}

// vlax-get-property and vlax-invoke-method hand a member declared as VARIANT
// back in a variant; vlax-get unwraps it.
ValuePtr Returned(const ComResult& result, bool oldForm) {
    ValuePtr plain = FromCom(result.value, oldForm);
    if (result.declaredVariant && !oldForm) {
        return MakeVariant(static_cast<std::int32_t>(result.value.type), plain);
    }
    return plain;
}

// Runs a call on the server, turning its refusal into the CAD's error.
template <typename Call> auto Calling(Call call) -> decltype(call()) {
    try {
        return call();
    } catch (const excel::AutomationError& error) {
        Interpreter::Fail(error.CadMessage());
    }
}

std::vector<ComValue> ComArgs(const Args& a, std::size_t from, std::size_t to) {
    std::vector<ComValue> args;
    for (std::size_t i = from; i < to; ++i) {
        args.push_back(ToCom(a[i]));
    }
    return args;
}

ValuePtr GetMember(const Args& a, bool oldForm) {
    Count(a, 2, oldForm ? 2 : SIZE_MAX);
    ComObject& object = ObjectArg(a[0]);
    const Text name = MemberName(a[1]);
    const std::vector<ComValue> args = ComArgs(a, 2, a.size());
    return Returned(
        Calling([&] { return object.Object().Owner().CallGet(object.Object(), name, args); }),
        oldForm);
}

ValuePtr PutMember(const Args& a, bool oldForm) {
    Count(a, 3, oldForm ? 3 : SIZE_MAX);
    ComObject& object = ObjectArg(a[0]);
    const Text name = MemberName(a[1]);
    const std::vector<ComValue> args = ComArgs(a, 2, a.size() - 1);
    const ComValue value = ToCom(a.back());
    Calling([&] { object.Object().Owner().CallPut(object.Object(), name, args, value); });
    return nullptr;
}

bool IsExcelProgId(const ValuePtr& value) {
    if (!value || value->kind != Kind::String) {
        Interpreter::Fail(u"bad argument type: stringp " + Prin1Text(value));
    }
    Text upper = vr::AsciiUpper(value->text);
    // The version-independent id, or one with a version: "Excel.Application.16".
    const Text id = u"EXCEL.APPLICATION";
    return upper == id || (upper.size() > id.size() + 1 && upper.compare(0, id.size(), id) == 0 &&
                           upper[id.size()] == u'.');
}

ValuePtr Variant(const Args& a) {
    Count(a, 1, 1);
    if (!a[0] || a[0]->kind != Kind::Variant) {
        Interpreter::Fail(u"bad argument type: variantp " + Prin1Text(a[0]));
    }
    return a[0];
}

// vlax-make-variant: the type given, or the one the value's kind implies.
ValuePtr MakeVariantOf(const Args& a) {
    Count(a, 0, 2);
    const ValuePtr value = a.empty() ? nullptr : a[0];
    std::int32_t type = 0;
    if (a.size() == 2) {
        if (!a[1] || a[1]->kind != Kind::Integer) {
            Interpreter::Fail(u"bad argument type: fixnump: " + Prin1Text(a[1]));
        }
        type = a[1]->integer;
    } else if (value && value->kind == Kind::Integer) {
        type = 3;
    } else if (value && value->kind == Kind::Real) {
        type = 5;
    } else if (value && value->kind == Kind::String) {
        type = 8;
    } else if (value && value->kind == Kind::VlaObject) {
        type = 9;
    } else if (IsVlaxTrue(value) || IsSymbol(value, u":VLAX-FALSE")) {
        type = 11;
    } else if (value) {
        Interpreter::Fail(u"lisp value has no coercion to VARIANT with this type: " +
                          Prin1Text(value));
    }
    switch (type) {
    case 0:
    case 1:
        return MakeVariant(type, nullptr);
    case 2:
    case 3:
        if (IsNumber(value)) {
            return MakeVariant(type, MakeInteger(static_cast<std::int32_t>(NumberOf(value))));
        }
        break;
    case 4:
    case 5:
        if (IsNumber(value)) {
            return MakeVariant(type, MakeReal(NumberOf(value)));
        }
        break;
    case 8:
        if (value && value->kind == Kind::String) {
            return MakeVariant(type, value);
        }
        break;
    case 9:
        if (value && value->kind == Kind::VlaObject) {
            return MakeVariant(type, value);
        }
        break;
    case 11:
        return MakeVariant(type,
                           MakeSymbol(IsVlaxTrue(value) || (IsNumber(value) && NumberOf(value) != 0)
                                          ? u":vlax-true"
                                          : u":vlax-false"));
    default:
        break;
    }
    Interpreter::Fail(u"lisp value has no coercion to VARIANT with this type: " + Prin1Text(value));
}

} // namespace

void DefineComFunctions(Interpreter& lisp) {
    // The constants vl-load-com brings; they are there from the start here.
    for (const TextView constant : {u":vlax-true", u":vlax-false", u":vlax-null"}) {
        const ValuePtr symbol = MakeSymbol(constant);
        lisp.Set(symbol->text, symbol);
    }
    const std::pair<TextView, std::int32_t> types[] = {
        {u"vlax-vbEmpty", 0},   {u"vlax-vbNull", 1},   {u"vlax-vbInteger", 2},
        {u"vlax-vbLong", 3},    {u"vlax-vbSingle", 4}, {u"vlax-vbDouble", 5},
        {u"vlax-vbString", 8},  {u"vlax-vbObject", 9}, {u"vlax-vbBoolean", 11},
        {u"vlax-vbVariant", 12}};
    for (const auto& [name, type] : types) {
        lisp.Set(MakeSymbol(name)->text, MakeInteger(type));
    }
    lisp.Define(u"vl-load-com", [](Interpreter&, const Args&) -> ValuePtr { return nullptr; });
    lisp.Define(u"vlax-get-object", [](Interpreter& l, const Args& a) -> ValuePtr {
        Count(a, 1, 1);
        if (!IsExcelProgId(a[0])) {
            return nullptr;
        }
        excel::Application* excel = l.Host().RunningExcel();
        if (!excel) {
            return nullptr;
        }
        return MakeForeign(Kind::VlaObject,
                           std::make_shared<ComObject>(std::shared_ptr<excel::Dispatch>(
                               std::shared_ptr<excel::Dispatch>(), excel)));
    });
    // The stand-in starts no program: creating an object gives nil, as the
    // CAD does when the server cannot be started.
    for (const TextView name : {u"vlax-create-object", u"vlax-get-or-create-object"}) {
        const bool orCreate = name == u"vlax-get-or-create-object";
        lisp.Define(name, [orCreate](Interpreter& l, const Args& a) -> ValuePtr {
            Count(a, 1, 1);
            if (orCreate && IsExcelProgId(a[0]) && l.Host().RunningExcel()) {
                return l.Apply(l.Get(u"VLAX-GET-OBJECT"), a, u"VLAX-GET-OBJECT");
            }
            (void)IsExcelProgId(a[0]);
            return nullptr;
        });
    }
    lisp.Define(u"vlax-get-property",
                [](Interpreter&, const Args& a) { return GetMember(a, false); });
    lisp.Define(u"vlax-invoke-method",
                [](Interpreter&, const Args& a) { return GetMember(a, false); });
    lisp.Define(u"vlax-get", [](Interpreter&, const Args& a) { return GetMember(a, true); });
    lisp.Define(u"vlax-put-property",
                [](Interpreter&, const Args& a) { return PutMember(a, false); });
    lisp.Define(u"vlax-put", [](Interpreter&, const Args& a) { return PutMember(a, true); });
    lisp.Define(u"vlax-release-object", [](Interpreter&, const Args& a) -> ValuePtr {
        Count(a, 1, 1);
        ObjectArg(a[0]).Release(); // a second release is an error
        return MakeInteger(0);
    });
    lisp.Define(u"vlax-object-released-p", [](Interpreter&, const Args& a) -> ValuePtr {
        Count(a, 1, 1);
        return ObjectArg(a[0], true).Released() ? True() : nullptr;
    });
    lisp.Define(u"vlax-variant-value", [](Interpreter&, const Args& a) { return Variant(a)->car; });
    lisp.Define(u"vlax-variant-type",
                [](Interpreter&, const Args& a) { return MakeInteger(Variant(a)->integer); });
    lisp.Define(u"vlax-make-variant", [](Interpreter&, const Args& a) { return MakeVariantOf(a); });
}

// AutoCAD LT runs AutoLISP without the functions that reach another
// program's automation objects. Whether a call then finds no function or
// raises an error is not documented, so both can be imitated.
void SetProduct(Interpreter& lisp, Product product) {
    lisp.SetSystemVariable(u"PROGRAM",
                           MakeString(product == Product::AutoCad ? u"acad" : u"acadlt"));
    if (product == Product::AutoCad) {
        return;
    }
    for (const TextView name :
         {u"vlax-get-object", u"vlax-create-object", u"vlax-get-or-create-object"}) {
        if (product == Product::AutoCadLt) {
            lisp.Set(MakeSymbol(name)->text, nullptr);
            continue;
        }
        lisp.Define(name, [](Interpreter&, const Args&) -> ValuePtr {
            Interpreter::Fail(u"Automation Error. Not supported in AutoCAD LT");
        });
    }
}

} // namespace standin::lisp
