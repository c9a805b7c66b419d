#pragma once

#include "text/Text.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace standin::excel {

using vr::Text;
using vr::TextView;

class Dispatch;

// The VARIANT types that cross between the CAD and the spreadsheet, by
// their numbers in the automation headers.
enum class VarType : std::int32_t {
    Empty = 0,
    Long = 3,     // VT_I4
    Double = 5,   // VT_R8
    String = 8,   // VT_BSTR
    Object = 9,   // VT_DISPATCH
    Boolean = 11, // VT_BOOL
};

// One value as it crosses the automation boundary.
struct ComValue {
    VarType type = VarType::Empty;
    std::int32_t integer = 0;
    double real = 0;
    Text text;
    bool boolean = false;
    std::shared_ptr<Dispatch> object; // null for a Nothing object

    [[nodiscard]] static ComValue Long(std::int32_t value);
    [[nodiscard]] static ComValue Double(double value);
    [[nodiscard]] static ComValue String(Text value);
    [[nodiscard]] static ComValue Boolean(bool value);
    [[nodiscard]] static ComValue Object(std::shared_ptr<Dispatch> value);
};

// What a property get or a method call gives back. A member declared in the
// type library as returning VARIANT (Range.Item, Range.Value2) comes back to
// AutoLISP wrapped in a variant; a typed one (Name, Count, Workbooks.Item)
// as the plain value.
struct ComResult {
    ComValue value;
    bool declaredVariant = false;
};

// A call the automation server refuses, by the kind of failure it returns.
struct AutomationError {
    enum class Kind {
        UnknownName,    // DISP_E_UNKNOWNNAME: no member of that name
        MemberNotFound, // DISP_E_MEMBERNOTFOUND: e.g. a put of a read-only property
        BadIndex,       // DISP_E_BADINDEX: an index out of the collection
        TypeMismatch,   // DISP_E_TYPEMISMATCH
        BadParamCount,  // DISP_E_BADPARAMCOUNT
        Exception,      // DISP_E_EXCEPTION: the server's own error, with its description
    };
    Kind kind;
    Text detail; // the unknown name, or the server's description (may be empty)

    // The message as AutoCAD's AutoLISP reports it after "; error: ".
    [[nodiscard]] Text CadMessage() const;
};

[[noreturn]] void Refuse(AutomationError::Kind kind, Text detail = {});

} // namespace standin::excel
