#pragma once

#include "excel/ComValue.h"

#include <map>
#include <utility>
#include <vector>

namespace standin::excel {

class Application;

// Told of what the automation clients did to the spreadsheet.
class ExcelObserver {
  public:
    virtual ~ExcelObserver() = default;
    // A value was written into a cell; `written` as it crossed the boundary.
    virtual void CellWritten(TextView workbook, TextView sheet, std::int32_t row,
                             std::int32_t column, const ComValue& written) = 0;
    // A call was refused; the message as the CAD reports it.
    virtual void CallRefused(TextView message) = 0;
};

// An automation object of the spreadsheet. Member names are matched
// without regard to case, as IDispatch::GetIDsOfNames does.
class Dispatch {
  public:
    Dispatch(Application& application, std::uint32_t serial);
    virtual ~Dispatch() = default;
    Dispatch(const Dispatch&) = delete;
    Dispatch& operator=(const Dispatch&) = delete;

    // The interface name AutoLISP prints in #<VLA-OBJECT ...>.
    [[nodiscard]] virtual Text InterfaceName() const = 0;
    // A property get or a method call (the double's members answer both).
    [[nodiscard]] virtual ComResult Get(const Text& upperName,
                                        const std::vector<ComValue>& args) = 0;
    // A property put. By default no member can be written: a known one is
    // refused as not found for writing, an unknown one by its name.
    virtual void Put(const Text& upperName, const std::vector<ComValue>& args,
                     const ComValue& value);
    // Whether the object has a member of that name.
    [[nodiscard]] virtual bool Knows(const Text& upperName) const = 0;

    [[nodiscard]] std::uint32_t Serial() const { return serial_; }
    [[nodiscard]] Application& Owner() { return application_; }

  protected:
    [[noreturn]] void Unknown(const Text& upperName) const;

  private:
    Application& application_;
    std::uint32_t serial_;
};

// The cells of a worksheet: numbers are doubles, as the spreadsheet keeps
// them; every cell is locked until told otherwise, as in a new sheet.
struct Cell {
    ComValue value; // Empty, Double, String or Boolean
    bool locked = true;
};

class Workbook;

class Worksheet final : public Dispatch {
  public:
    Worksheet(Application& application, Workbook& workbook, Text name, bool protectedContents);
    [[nodiscard]] Text InterfaceName() const override { return u"_Worksheet"; }
    [[nodiscard]] ComResult Get(const Text& upperName, const std::vector<ComValue>& args) override;
    [[nodiscard]] bool Knows(const Text& upperName) const override;

    [[nodiscard]] const Text& Name() const { return name_; }
    [[nodiscard]] Workbook& Book() { return workbook_; }
    [[nodiscard]] bool ProtectContents() const { return protected_; }
    [[nodiscard]] std::map<std::pair<std::int32_t, std::int32_t>, Cell>& Cells() { return cells_; }

  private:
    Workbook& workbook_;
    Text name_;
    bool protected_;
    std::map<std::pair<std::int32_t, std::int32_t>, Cell> cells_; // by (row, column)
};

class Workbook final : public Dispatch {
  public:
    Workbook(Application& application, Text fullName, bool readOnly);
    [[nodiscard]] Text InterfaceName() const override { return u"_Workbook"; }
    [[nodiscard]] ComResult Get(const Text& upperName, const std::vector<ComValue>& args) override;
    [[nodiscard]] bool Knows(const Text& upperName) const override;

    void AddSheet(Text name, bool protectedContents);
    [[nodiscard]] const Text& FullName() const { return fullName_; }
    [[nodiscard]] Text Name() const; // after the last backslash
    [[nodiscard]] Text Path() const; // before it, without it
    [[nodiscard]] std::vector<std::shared_ptr<Worksheet>>& Sheets() { return sheets_; }

  private:
    Text fullName_;
    bool readOnly_;
    std::vector<std::shared_ptr<Worksheet>> sheets_;
};

// The spreadsheet program as a running instance of it shows itself.
class Application final : public Dispatch {
  public:
    Application();
    [[nodiscard]] Text InterfaceName() const override { return u"_Application"; }
    [[nodiscard]] ComResult Get(const Text& upperName, const std::vector<ComValue>& args) override;
    [[nodiscard]] bool Knows(const Text& upperName) const override;

    // A workbook opened, with one worksheet; it becomes the active one.
    Workbook& Open(Text fullName, Text sheetName, bool readOnly, bool protectedSheet);
    [[nodiscard]] std::vector<std::shared_ptr<Workbook>>& Workbooks() { return workbooks_; }

    void SetObserver(ExcelObserver* observer) { observer_ = observer; }
    [[nodiscard]] ExcelObserver* Observer() const { return observer_; }

    // The calls from a client, each counted; a refused one is reported to
    // the observer before it is thrown on.
    [[nodiscard]] ComResult CallGet(Dispatch& target, TextView name,
                                    const std::vector<ComValue>& args);
    void CallPut(Dispatch& target, TextView name, const std::vector<ComValue>& args,
                 const ComValue& value);
    // Reports a refusal decided outside the calls (a released object).
    void Refused(TextView message);
    [[nodiscard]] long long Calls() const { return calls_; }

    // References handed to clients and not yet released.
    void Obtained() { ++unreleased_; }
    void Released() { // a release reaches the server: it counts as a call
        --unreleased_;
        ++calls_;
    }
    [[nodiscard]] long long Unreleased() const { return unreleased_; }

    [[nodiscard]] std::uint32_t NextSerial() { return ++serials_; }

  private:
    void Refusing(AutomationError& error, TextView name);

    std::vector<std::shared_ptr<Workbook>> workbooks_;
    ExcelObserver* observer_ = nullptr;
    long long calls_ = 0;
    long long unreleased_ = 0;
    std::uint32_t serials_ = 1; // the application itself is the first
};

// The cell count of a sheet: rows 1..1048576, columns 1..16384 (A..XFD).
inline constexpr std::int32_t kMaxRows = 1'048'576;
inline constexpr std::int32_t kMaxColumns = 16'384;

} // namespace standin::excel
