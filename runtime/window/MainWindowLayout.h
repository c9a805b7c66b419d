#pragma once

#include "text/Text.h"

#include <array>

namespace vr {

enum class ControlKind { DropDownList, Label, TextBox, Button };

// One control of frmMain as designed: positions and sizes in twips, and its
// place in the keyboard's tab order.
struct ControlDesign {
    const char* name;
    ControlKind kind;
    TextView text;
    int left, top, width, height;
    int tabOrder;
    int id;
};

enum MainWindowControlId {
    kIdCmbFileName = 100,
    kIdLabel2,
    kIdTxtGet,
    kIdLabel3,
    kIdTxtPut,
    kIdCmdHistory1,
    kIdCmdHistory2,
    kIdCmdGet,
    kIdCmdPut,
    kIdMnuCadSearch = 200,
    kIdMnuEnd,
};

inline constexpr int kMainClientWidthTwips = 4740;
inline constexpr int kMainClientHeightTwips = 3120;
inline constexpr int kTextBoxLeftTwips = 720;

inline constexpr std::array<ControlDesign, 9> kMainWindowControls{{
    {"cmbFileName", ControlKind::DropDownList, u"", 0, 0, 4695, 300, 7, kIdCmbFileName},
    {"Label2", ControlKind::Label, u"ｺﾏﾝﾄﾞ", 0, 2040, 615, 255, 4, kIdLabel2},
    {"txtGet", ControlKind::TextBox, u"txtGet", 720, 2025, 3975, 270, 2, kIdTxtGet},
    {"Label3", ControlKind::Label, u"入力値", 120, 2400, 495, 255, 5, kIdLabel3},
    {"txtPut", ControlKind::TextBox, u"txtPut", 720, 2400, 3975, 270, 1, kIdTxtPut},
    {"cmdHistory1", ControlKind::Button, u"History1", 0, 2760, 975, 375, 6, kIdCmdHistory1},
    {"cmdHistory2", ControlKind::Button, u"History2", 1080, 2760, 975, 375, 8, kIdCmdHistory2},
    {"cmdGet", ControlKind::Button, u"Get", 2160, 2760, 1215, 375, 0, kIdCmdGet},
    {"cmdPut", ControlKind::Button, u"Put", 3480, 2760, 1215, 375, 3, kIdCmdPut},
}};

// frmHistory and its one text box.
inline constexpr int kHistoryClientWidthTwips = 6150;
inline constexpr int kHistoryClientHeightTwips = 4485;
inline constexpr int kHistoryTextWidthTwips = 6135;
inline constexpr int kHistoryTextHeightTwips = 4455;

// The widths after a size change: the list follows the client width, the
// two text boxes the width right of their left edge; never below zero.
struct MainWindowWidths {
    int cmbFileName;
    int txtGet;
    int txtPut;
    friend bool operator==(const MainWindowWidths&, const MainWindowWidths&) = default;
};
[[nodiscard]] MainWindowWidths LayoutMainWindow(int clientWidthTwips);

// The width a label is given: its designed width, or the width of its text
// when that is wider (「入力値」 in a Japanese form font is), but never into the
// text boxes beside the labels.
[[nodiscard]] int LabelWidthTwips(const ControlDesign& label, int textWidthTwips);

} // namespace vr
