#include "excel/ComValue.h"

namespace standin::excel {

ComValue ComValue::Long(std::int32_t value) {
    ComValue made;
    made.type = VarType::Long;
    made.integer = value;
    return made;
}

ComValue ComValue::Double(double value) {
    ComValue made;
    made.type = VarType::Double;
    made.real = value;
    return made;
}

ComValue ComValue::String(Text value) {
    ComValue made;
    made.type = VarType::String;
    made.text = std::move(value);
    return made;
}

ComValue ComValue::Boolean(bool value) {
    ComValue made;
    made.type = VarType::Boolean;
    made.boolean = value;
    return made;
}

ComValue ComValue::Object(std::shared_ptr<Dispatch> value) {
    ComValue made;
    made.type = VarType::Object;
    made.object = std::move(value);
    return made;
}

Text AutomationError::CadMessage() const {
    // AutoLISP names an unknown member as it was asked for; it reports other
    // failures of IDispatch::Invoke by the system's text for the HRESULT
    // without its full stop, and an exception of the server by the
    // description the server gave.
    switch (kind) {
    case Kind::UnknownName:
        return u"ActiveX Server returned the error: unknown name: " + detail;
    case Kind::MemberNotFound:
        return u"ActiveX Server returned an error: Member not found";
    case Kind::BadIndex:
        return u"ActiveX Server returned an error: Invalid index";
    case Kind::TypeMismatch:
        return u"ActiveX Server returned an error: Type mismatch";
    case Kind::BadParamCount:
        return u"ActiveX Server returned an error: Invalid number of parameters";
    case Kind::Exception:
        break;
    }
    return u"Automation Error. " +
           (detail.empty() ? Text(u"Description was not provided.") : detail);
}

void Refuse(AutomationError::Kind kind, Text detail) {
    throw AutomationError{kind, std::move(detail)};
}

} // namespace standin::excel
