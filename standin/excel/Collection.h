#pragma once

#include "excel/Excel.h"

#include <memory>
#include <vector>

namespace standin::excel {

using DispatchList = std::vector<std::shared_ptr<Dispatch>>;

// The workbooks of the application, or the sheets of a workbook, as a
// collection: Count, and Item by name or by index from 1.
[[nodiscard]] std::shared_ptr<Dispatch> MakeCollection(Application& application, Text interfaceName,
                                                       DispatchList items);

} // namespace standin::excel
