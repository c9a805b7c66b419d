// The base of the automation objects and the application: the workbooks it
// opened, and every call of a client counted, a refused one reported.
#include "excel/Excel.h"

#include "excel/Collection.h"
#include "excel/DispatchMembers.h"
#include "text/AsciiCase.h"

namespace standin::excel {
namespace {

using Kind = AutomationError::Kind;
using namespace members;

} // namespace

// ---- Dispatch ----

Dispatch::Dispatch(Application& application, std::uint32_t serial)
    : application_(application), serial_(serial) {}

void Dispatch::Put(const Text& upperName, const std::vector<ComValue>&, const ComValue&) {
    if (!Knows(upperName)) {
        Unknown(upperName);
    }
    Refuse(Kind::MemberNotFound);
}

void Dispatch::Unknown(const Text& upperName) const {
    Refuse(Kind::UnknownName, upperName);
}

// ---- Application ----

Application::Application() : Dispatch(*this, 1) {}

Workbook& Application::Open(Text fullName, Text sheetName, bool readOnly, bool protectedSheet) {
    auto book = std::make_shared<Workbook>(*this, std::move(fullName), readOnly);
    book->AddSheet(std::move(sheetName), protectedSheet);
    workbooks_.push_back(book);
    return *book;
}

bool Application::Knows(const Text& n) const {
    return InList(n, {u"WORKBOOKS", u"ACTIVEWORKBOOK", u"ACTIVESHEET", u"NAME"});
}

ComResult Application::Get(const Text& n, const std::vector<ComValue>& args) {
    if (!Knows(n)) {
        Unknown(n);
    }
    CountArgs(args, 0);
    if (n == u"NAME") {
        return Typed(ComValue::String(u"Microsoft Excel"));
    }
    if (n == u"WORKBOOKS") {
        return Typed(ComValue::Object(MakeCollection(
            *this, u"Workbooks", DispatchList(workbooks_.begin(), workbooks_.end()))));
    }
    // The workbook opened last is the active one; without any there is
    // Nothing.
    if (workbooks_.empty()) {
        return Typed(ComValue::Object(nullptr));
    }
    if (n == u"ACTIVEWORKBOOK") {
        return Typed(ComValue::Object(workbooks_.back()));
    }
    return workbooks_.back()->Get(u"ACTIVESHEET", args);
}

ComResult Application::CallGet(Dispatch& target, TextView name, const std::vector<ComValue>& args) {
    ++calls_;
    try {
        return target.Get(vr::AsciiUpper(name), args);
    } catch (AutomationError& error) {
        Refusing(error, name);
        throw;
    }
}

void Application::CallPut(Dispatch& target, TextView name, const std::vector<ComValue>& args,
                          const ComValue& value) {
    ++calls_;
    try {
        target.Put(vr::AsciiUpper(name), args, value);
    } catch (AutomationError& error) {
        Refusing(error, name);
        throw;
    }
}

void Application::Refusing(AutomationError& error, TextView name) {
    if (error.kind == AutomationError::Kind::UnknownName) {
        error.detail = name; // named as the client asked for it
    }
    Refused(error.CadMessage());
}

void Application::Refused(TextView message) {
    ++calls_;
    if (observer_) {
        observer_->CallRefused(message);
    }
}

} // namespace standin::excel
