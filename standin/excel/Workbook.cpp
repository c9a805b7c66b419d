// A workbook and its worksheets: their names, their cells, their members.
#include "excel/Excel.h"

#include "excel/Collection.h"
#include "excel/DispatchMembers.h"
#include "excel/Range.h"

namespace standin::excel {
namespace {

using namespace members;

} // namespace

// ---- Worksheet ----

Worksheet::Worksheet(Application& application, Workbook& workbook, Text name,
                     bool protectedContents)
    : Dispatch(application, application.NextSerial()), workbook_(workbook), name_(std::move(name)),
      protected_(protectedContents) {}

bool Worksheet::Knows(const Text& n) const {
    return InList(n, {u"NAME", u"CELLS", u"PROTECTCONTENTS", u"INDEX", u"PARENT"});
}

ComResult Worksheet::Get(const Text& n, const std::vector<ComValue>& args) {
    std::shared_ptr<Worksheet> self;
    std::int32_t index = 0;
    for (const auto& sheet : workbook_.Sheets()) {
        ++index;
        if (sheet.get() == this) {
            self = sheet;
            break;
        }
    }
    if (n == u"CELLS") {
        const std::shared_ptr<Dispatch> cells = SheetCells(Owner(), self);
        if (args.empty()) {
            return Typed(ComValue::Object(cells));
        }
        // Cells(row, column): the default member, Item, of the range; the
        // property itself is typed as a Range.
        return Typed(cells->Get(u"ITEM", args).value);
    }
    if (n == u"NAME") {
        CountArgs(args, 0);
        return Typed(ComValue::String(name_));
    }
    if (n == u"PROTECTCONTENTS") {
        CountArgs(args, 0);
        return Typed(ComValue::Boolean(protected_));
    }
    if (n == u"INDEX") {
        CountArgs(args, 0);
        return Typed(ComValue::Long(index));
    }
    if (n == u"PARENT") {
        CountArgs(args, 0);
        for (const auto& book : Owner().Workbooks()) {
            if (book.get() == &workbook_) {
                return Typed(ComValue::Object(book));
            }
        }
    }
    Unknown(n);
}

// ---- Workbook ----

Workbook::Workbook(Application& application, Text fullName, bool readOnly)
    : Dispatch(application, application.NextSerial()), fullName_(std::move(fullName)),
      readOnly_(readOnly) {
    for (char16_t& c : fullName_) {
        if (c == u'/') {
            c = u'\\';
        }
    }
}

Text Workbook::Name() const {
    const std::size_t slash = fullName_.rfind(u'\\');
    return slash == Text::npos ? fullName_ : fullName_.substr(slash + 1);
}

Text Workbook::Path() const {
    const std::size_t slash = fullName_.rfind(u'\\');
    return slash == Text::npos ? Text() : fullName_.substr(0, slash);
}

void Workbook::AddSheet(Text name, bool protectedContents) {
    sheets_.push_back(
        std::make_shared<Worksheet>(Owner(), *this, std::move(name), protectedContents));
}

bool Workbook::Knows(const Text& n) const {
    return InList(
        n, {u"FULLNAME", u"NAME", u"PATH", u"READONLY", u"ACTIVESHEET", u"WORKSHEETS", u"SHEETS"});
}

ComResult Workbook::Get(const Text& n, const std::vector<ComValue>& args) {
    if (!Knows(n)) {
        Unknown(n);
    }
    CountArgs(args, 0);
    if (n == u"FULLNAME") {
        return Typed(ComValue::String(fullName_));
    }
    if (n == u"NAME") {
        return Typed(ComValue::String(Name()));
    }
    if (n == u"PATH") {
        return Typed(ComValue::String(Path()));
    }
    if (n == u"READONLY") {
        return Typed(ComValue::Boolean(readOnly_));
    }
    if (n == u"ACTIVESHEET") {
        return Typed(ComValue::Object(sheets_.empty() ? nullptr : sheets_.front()));
    }
    return Typed(ComValue::Object(
        MakeCollection(Owner(), u"Sheets", DispatchList(sheets_.begin(), sheets_.end()))));
}

} // namespace standin::excel
