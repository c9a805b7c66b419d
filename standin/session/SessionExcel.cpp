// The spreadsheet as the routines reach it, and its calls journaled.
#include "session/CommandSession.h"

#include <string>

namespace standin {

excel::Application* CommandSession::RunningExcel() {
    excelReached_ = true;
    return excel_.get();
}

namespace {

// A cell's value as JSON with the name of its kind.
std::pair<std::string, TextView> JsonValue(const excel::ComValue& value) {
    switch (value.type) {
    case excel::VarType::Long:
        return {std::to_string(value.integer), u"integer"};
    case excel::VarType::Double:
        return {JsonNumber(value.real), u"real"};
    case excel::VarType::String:
        return {JsonString(value.text), u"string"};
    case excel::VarType::Boolean:
        return {value.boolean ? "true" : "false", u"boolean"};
    case excel::VarType::Object:
        return {"null", u"object"};
    case excel::VarType::Empty:
        break;
    }
    return {"null", u"empty"};
}

} // namespace

void CommandSession::CellWritten(TextView workbook, TextView sheet, std::int32_t row,
                                 std::int32_t column, const excel::ComValue& written) {
    const auto [json, kind] = JsonValue(written);
    journal_.Write(JsonLine("excel-write")
                       .Add("workbook", workbook)
                       .Add("sheet", sheet)
                       .Add("row", static_cast<long long>(row))
                       .Add("col", static_cast<long long>(column))
                       .AddRaw("value", json)
                       .Add("kind", kind));
}

void CommandSession::CallRefused(TextView message) {
    journal_.Write(JsonLine("excel-error").Add("message", message));
}

// What each workbook holds at the end, cell by cell in row order.
void CommandSession::JournalExcelCells() {
    if (!excel_) {
        return;
    }
    for (const auto& book : excel_->Workbooks()) {
        std::string cells = "[";
        for (const auto& sheet : book->Sheets()) {
            for (const auto& [at, cell] : sheet->Cells()) {
                if (cell.value.type == excel::VarType::Empty) {
                    continue;
                }
                const auto [json, kind] = JsonValue(cell.value);
                cells += cells.size() > 1 ? "," : "";
                cells += "{\"sheet\":" + JsonString(sheet->Name()) +
                         ",\"row\":" + std::to_string(at.first) +
                         ",\"col\":" + std::to_string(at.second) + ",\"value\":" + json +
                         ",\"kind\":" + JsonString(kind) + "}";
            }
        }
        cells += "]";
        journal_.Write(JsonLine("excel-cells")
                           .Add("workbook", TextView(book->FullName()))
                           .AddRaw("cells", cells));
    }
}

} // namespace standin
