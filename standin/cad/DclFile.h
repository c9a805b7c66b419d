#pragma once

#include "text/Text.h"

#include <optional>
#include <vector>

namespace standin {

using vr::Text;
using vr::TextView;

// A tile of a dialog that carries a key: what the AutoLISP side can set,
// read and attach actions to.
struct DclTile {
    Text key;
    Text type;   // the tile's kind as written: edit_box, button, text, ...
    Text value;  // its "value" attribute, empty without one
    Text action; // its "action" attribute, empty without one
};

struct DclDialog {
    Text name;
    std::vector<DclTile> tiles; // in the order they appear
};

// What a DCL file defines: its dialogs, or why it could not be read, as the
// CAD refuses a file with a syntax fault as a whole.
struct DclFile {
    std::vector<DclDialog> dialogs;
    std::optional<Text> error;

    [[nodiscard]] const DclDialog* Find(TextView name) const;
};

// Reads the definitions of a DCL file: tiles with their attributes, tiles
// defined at the top level used as prototypes by name, and the standard
// exit button rows of base.dcl (ok_cancel and its kin).
[[nodiscard]] DclFile ReadDcl(TextView source);

} // namespace standin
