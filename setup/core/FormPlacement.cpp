#include "FormPlacement.h"

namespace vr::setup {

FormPosition PlaceForm(std::int64_t screenWidthTwips, std::int64_t screenHeightTwips,
                       std::int64_t formWidthTwips, std::int64_t formHeightTwips) {
    return {screenWidthTwips / 2 - formWidthTwips / 2, screenHeightTwips / 3 - formHeightTwips / 2};
}

} // namespace vr::setup
