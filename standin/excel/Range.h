#pragma once

#include "excel/Excel.h"

#include <memory>

namespace standin::excel {

// All the cells of a sheet as a range (Worksheet.Cells): its Item(row,
// column) is one cell, whose Value, Value2 and Locked read and write the
// sheet.
[[nodiscard]] std::shared_ptr<Dispatch> SheetCells(Application& application,
                                                   std::shared_ptr<Worksheet> sheet);

} // namespace standin::excel
