#include "excel/Excel.h"

#include "text/AsciiCase.h"

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

namespace standin::excel {
namespace {

using Kind = AutomationError::Kind;
using Args = std::vector<ComValue>;

bool SameName(TextView a, TextView b) {
    return vr::AsciiUpper(a) == vr::AsciiUpper(b);
}

// A number as the spreadsheet reads one typed or given as text: digits,
// sign, point and exponent, with spaces around.
std::optional<double> NumberInText(TextView text) {
    std::string ascii;
    for (const char16_t c : text) {
        if (c >= 0x80) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c));
    }
    const std::size_t first = ascii.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::nullopt;
    }
    ascii = ascii.substr(first, ascii.find_last_not_of(' ') - first + 1);
    if (ascii.find_first_not_of("0123456789+-.eE") != std::string::npos) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(ascii.c_str(), &end);
    if (end != ascii.c_str() + ascii.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The coercion of a VARIANT to a long: reals round half to even, text is
// read as a number, a boolean is -1 or 0.
std::optional<std::int32_t> LongOf(const ComValue& value) {
    double number = 0;
    switch (value.type) {
    case VarType::Long:
        return value.integer;
    case VarType::Boolean:
        return value.boolean ? -1 : 0;
    case VarType::Double:
        number = value.real;
        break;
    case VarType::String: {
        const auto parsed = NumberInText(value.text);
        if (!parsed) {
            return std::nullopt;
        }
        number = *parsed;
        break;
    }
    default:
        return std::nullopt;
    }
    const double rounded = std::nearbyint(number); // the default mode: half to even
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

// "A".."XFD" as a column number; 0 when the text is no column's letters.
std::int32_t ColumnOfLetters(TextView letters) {
    if (letters.empty() || letters.size() > 3) {
        return 0;
    }
    std::int32_t column = 0;
    for (char16_t c : vr::AsciiUpper(letters)) {
        if (c < u'A' || c > u'Z') {
            return 0;
        }
        column = column * 26 + (c - u'A' + 1);
    }
    return column <= kMaxColumns ? column : 0;
}

void CountArgs(const Args& args, std::size_t count) {
    if (args.size() != count) {
        Refuse(Kind::BadParamCount);
    }
}

ComResult Typed(ComValue value) {
    return ComResult{std::move(value), false};
}

ComResult AsVariant(ComValue value) {
    return ComResult{std::move(value), true};
}

// Item of a collection: a text is a name, compared without case; anything
// else an index from 1.
template <typename T, typename NameOf>
std::shared_ptr<T> ItemOf(const std::vector<std::shared_ptr<T>>& items, const Args& args,
                          NameOf nameOf) {
    CountArgs(args, 1);
    if (args[0].type == VarType::String) {
        for (const auto& item : items) {
            if (SameName(nameOf(*item), args[0].text)) {
                return item;
            }
        }
        Refuse(Kind::BadIndex);
    }
    const auto index = LongOf(args[0]);
    if (!index) {
        Refuse(Kind::TypeMismatch);
    }
    if (*index < 1 || static_cast<std::size_t>(*index) > items.size()) {
        Refuse(Kind::BadIndex);
    }
    return items[static_cast<std::size_t>(*index - 1)];
}

bool InList(const Text& upperName, std::initializer_list<const char16_t*> names) {
    for (const char16_t* name : names) {
        if (upperName == name) {
            return true;
        }
    }
    return false;
}

// A range: all the cells of a sheet (Worksheet.Cells) or one of them.
class Range final : public Dispatch {
  public:
    Range(Application& application, std::shared_ptr<Worksheet> sheet, std::int32_t row,
          std::int32_t column, bool wholeSheet)
        : Dispatch(application, application.NextSerial()), sheet_(std::move(sheet)), row_(row),
          column_(column), wholeSheet_(wholeSheet) {}

    Text InterfaceName() const override { return u"Range"; }

    bool Knows(const Text& n) const override {
        return InList(n,
                      {u"ITEM", u"VALUE", u"VALUE2", u"ROW", u"COLUMN", u"LOCKED", u"WORKSHEET"});
    }

    ComResult Get(const Text& n, const Args& args) override {
        if (n == u"ITEM") {
            return AsVariant(ComValue::Object(Item(args)));
        }
        if (n == u"ROW") {
            CountArgs(args, 0);
            return Typed(ComValue::Long(row_));
        }
        if (n == u"COLUMN") {
            CountArgs(args, 0);
            return Typed(ComValue::Long(column_));
        }
        if (n == u"WORKSHEET") {
            CountArgs(args, 0);
            return Typed(ComValue::Object(sheet_));
        }
        if (n == u"VALUE" || n == u"VALUE2" || n == u"LOCKED") {
            if (args.size() > (n == u"VALUE" ? 1U : 0U)) {
                Refuse(Kind::BadParamCount);
            }
            if (wholeSheet_) {
                Refuse(Kind::Exception); // the double reads single cells only
            }
            const auto found = sheet_->Cells().find({row_, column_});
            if (n == u"LOCKED") {
                return AsVariant(
                    ComValue::Boolean(found == sheet_->Cells().end() || found->second.locked));
            }
            return AsVariant(found == sheet_->Cells().end() ? ComValue{} : found->second.value);
        }
        Unknown(n);
    }

    void Put(const Text& n, const Args& args, const ComValue& value) override {
        if (n == u"VALUE" || n == u"VALUE2") {
            if (args.size() > (n == u"VALUE" ? 1U : 0U)) {
                Refuse(Kind::BadParamCount);
            }
            PutValue(value);
            return;
        }
        if (n == u"LOCKED") {
            CountArgs(args, 0);
            if (sheet_->ProtectContents()) {
                Refuse(Kind::Exception, u"Unable to set the Locked property of the Range class");
            }
            const auto locked = LongOf(value);
            if (!locked) {
                Refuse(Kind::TypeMismatch);
            }
            if (!wholeSheet_) {
                sheet_->Cells()[{row_, column_}].locked = *locked != 0;
            }
            return;
        }
        Dispatch::Put(n, args, value);
    }

  private:
    // Item(row, column) counts from the range's first cell; rows and
    // columns past the sheet's edges are the server's error 1004, which
    // comes without a description.
    std::shared_ptr<Dispatch> Item(const Args& args) {
        CountArgs(args, 2);
        if (args[0].type == VarType::Object || args[1].type == VarType::Object) {
            Refuse(Kind::TypeMismatch);
        }
        const auto row = LongOf(args[0]);
        std::optional<std::int32_t> column;
        if (args[1].type == VarType::String && ColumnOfLetters(args[1].text) != 0) {
            column = ColumnOfLetters(args[1].text);
        } else {
            column = LongOf(args[1]);
        }
        if (!row || !column) {
            Refuse(Kind::Exception);
        }
        const long long r = static_cast<long long>(row_) + *row - 1;
        const long long c = static_cast<long long>(column_) + *column - 1;
        if (r < 1 || r > kMaxRows || c < 1 || c > kMaxColumns) {
            Refuse(Kind::Exception);
        }
        return std::make_shared<Range>(Owner(), sheet_, static_cast<std::int32_t>(r),
                                       static_cast<std::int32_t>(c), false);
    }

    void PutValue(const ComValue& written) {
        if (wholeSheet_) {
            Refuse(Kind::Exception); // the double writes single cells only
        }
        auto& cells = sheet_->Cells();
        const auto found = cells.find({row_, column_});
        if (sheet_->ProtectContents() && (found == cells.end() || found->second.locked)) {
            Refuse(Kind::Exception,
                   u"The cell or chart you're trying to change is on a protected sheet. To "
                   u"make a change, unprotect the sheet. You might be requested to enter a "
                   u"password.");
        }
        ComValue stored;
        switch (written.type) {
        case VarType::Empty:
            break;
        case VarType::Long:
            stored = ComValue::Double(written.integer);
            break;
        case VarType::Double:
            stored = written;
            break;
        case VarType::Boolean:
            stored = written;
            break;
        case VarType::String:
            // Text is read as if typed: a number becomes a number, an empty
            // text leaves the cell empty.
            if (const auto number = NumberInText(written.text)) {
                stored = ComValue::Double(*number);
            } else if (!written.text.empty()) {
                stored = written;
            }
            break;
        case VarType::Object:
            Refuse(Kind::TypeMismatch);
        }
        Cell& cell = cells[{row_, column_}];
        cell.value = stored;
        if (stored.type == VarType::Empty && cell.locked) {
            cells.erase({row_, column_});
        }
        if (ExcelObserver* observer = Owner().Observer()) {
            observer->CellWritten(sheet_->Book().FullName(), sheet_->Name(), row_, column_,
                                  written);
        }
    }

    std::shared_ptr<Worksheet> sheet_;
    std::int32_t row_, column_;
    bool wholeSheet_;
};

class Collection final : public Dispatch {
  public:
    using Items = std::vector<std::shared_ptr<Dispatch>>;
    Collection(Application& application, Text interfaceName, Items items)
        : Dispatch(application, application.NextSerial()), interfaceName_(std::move(interfaceName)),
          items_(std::move(items)) {}

    Text InterfaceName() const override { return interfaceName_; }
    bool Knows(const Text& n) const override { return InList(n, {u"COUNT", u"ITEM"}); }

    ComResult Get(const Text& n, const Args& args) override {
        if (n == u"COUNT") {
            CountArgs(args, 0);
            return Typed(ComValue::Long(static_cast<std::int32_t>(items_.size())));
        }
        if (n == u"ITEM") {
            return Typed(ComValue::Object(ItemOf(items_, args, [](Dispatch& item) {
                if (auto* book = dynamic_cast<Workbook*>(&item)) {
                    return book->Name();
                }
                return static_cast<Worksheet&>(item).Name();
            })));
        }
        Unknown(n);
    }

  private:
    Text interfaceName_;
    Items items_;
};

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
        auto cells = std::make_shared<Range>(Owner(), self, 1, 1, true);
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
    return Typed(ComValue::Object(std::make_shared<Collection>(
        Owner(), u"Sheets", Collection::Items(sheets_.begin(), sheets_.end()))));
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
        return Typed(ComValue::Object(std::make_shared<Collection>(
            *this, u"Workbooks", Collection::Items(workbooks_.begin(), workbooks_.end()))));
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
