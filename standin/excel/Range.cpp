#include "excel/Range.h"

#include "excel/DispatchMembers.h"
#include "excel/VariantCoercion.h"
#include "text/AsciiCase.h"

namespace standin::excel {
namespace {

using Kind = AutomationError::Kind;
using namespace members;

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

} // namespace

std::shared_ptr<Dispatch> SheetCells(Application& application, std::shared_ptr<Worksheet> sheet) {
    return std::make_shared<Range>(application, std::move(sheet), 1, 1, true);
}

} // namespace standin::excel
