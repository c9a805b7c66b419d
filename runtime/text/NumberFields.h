#pragma once

#include "text/Text.h"

#include <vector>

namespace vr {

// The numbers of a line as a macro writes them: VBA's Print # puts a blank
// before and after each number, Write # and a sheet saved as CSV put commas
// between them, and an empty cell leaves two separators in a row. The fields
// are what stands between runs of separator characters; no field is empty.
[[nodiscard]] std::vector<TextView> SplitAtSeparators(TextView line, TextView separators);

// True when the line holds nothing but the given filler characters (an empty
// row of a sheet written out: blanks, or blanks and commas).
[[nodiscard]] bool HoldsOnly(TextView line, TextView filler) noexcept;

// Why a value that the AutoLISP reader would refuse is not a number, where a
// usual slip explains it.
enum class NumberSlip {
    None,
    FullWidth,    // 「１２．５」: typed with the input method on
    LeadingPoint, // ".5": VBA's Print # and Str drop the zero before the point
    Tab,          // a tab, invisible in the message
    Thousands,    // "1,234.5": a formatted cell's .Text
};

[[nodiscard]] NumberSlip SlipInValue(TextView value) noexcept;

// A line of comma-separated numbers whose commas look like thousands
// separators: four or more fields, or a group of exactly three digits after
// a comma that follows a digit ("1,234.5").
[[nodiscard]] bool LooksLikeThousandsSeparators(TextView line, std::size_t fieldCount) noexcept;

} // namespace vr
