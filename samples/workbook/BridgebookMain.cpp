// Writes the sample workbook bridgebook.xlsm: three sheets in Japanese whose
// buttons run the macros of vba/, and the VBA project built from that
// source. Usage: bridgebook_writer VBA_FOLDER WORK_FOLDER OUTPUT.xlsm
#include "BinaryFile.h"
#include "CompoundFile.h"
#include "Cp932Text.h"
#include "VbaProject.h"

#include <xlsxwriter.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

using vr::samples::workbook::VbaModule;

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// UTF-8 with LF, as kept in the repository, to code page 932 with CR LF.
std::string StoredSource(const std::string& utf8) {
    std::string crlf;
    for (const char c : utf8) {
        if (c == '\n') {
            crlf += '\r';
        }
        crlf += c;
    }
    return vr::samples::Cp932FromUtf8(crlf);
}

void Check(lxw_error error, const char* what) {
    if (error != LXW_NO_ERROR) {
        throw std::runtime_error(std::string(what) + ": " + lxw_strerror(error));
    }
}

struct Formats {
    lxw_format* title;
    lxw_format* label;
    lxw_format* header;
    lxw_format* input;
    // An input cell whose content is text as typed: +2 stays +2, 1-2 stays
    // 1-2 (a General cell would make them a number and a date).
    lxw_format* textInput;
    lxw_format* note;
};

// Every tool run empties the clipboard; gaugeread leaves its load command there.
constexpr const char* kClipboardNote =
    "ツールを実行するたびにクリップボードの内容は消えます（gaugeread の後には "
    "CAD への読み込みコマンドが残ります）。";

lxw_worksheet* AddSheet(lxw_workbook* book, const Formats& formats, const char* name,
                        const char* codeName, const char* title, const char* note) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, name);
    Check(worksheet_set_vba_name(sheet, codeName), "sheet code name");
    worksheet_set_column(sheet, 0, 0, 16, nullptr);
    worksheet_set_column(sheet, 1, 2, 14, nullptr);
    worksheet_set_column(sheet, 3, 3, 4, nullptr);
    worksheet_write_string(sheet, 0, 0, title, formats.title);
    worksheet_write_string(sheet, 1, 0, note, formats.note);
    worksheet_write_string(sheet, 5, 4, kClipboardNote, formats.note);
    return sheet;
}

void AddButton(lxw_worksheet* sheet, const char* caption, const char* macro, lxw_row_t row = 2) {
    lxw_button_options button{};
    button.caption = const_cast<char*>(caption);
    button.macro = const_cast<char*>(macro);
    button.width = 160;
    button.height = 32;
    Check(worksheet_insert_button(sheet, row, 4, &button), "button");
}

// 「座標」: the mode cell and the bridge outline, for pinmark.
void AddCoordinatesSheet(lxw_workbook* book, const Formats& formats) {
    lxw_worksheet* points =
        AddSheet(book, formats, "座標", "Sheet1", "点・線を描く（pinmark）",
                 "モードが node なら点、line なら線を描きます。座標は 100 行まで。");
    worksheet_write_string(points, 2, 0, "モード", formats.label);
    worksheet_write_string(points, 2, 1, "line", formats.textInput);
    // A drop-down of the two modes: a typed NODE or "node " would be refused.
    char* modes[] = {const_cast<char*>("node"), const_cast<char*>("line"), nullptr};
    lxw_data_validation mode = {};
    mode.validate = LXW_VALIDATION_TYPE_LIST;
    mode.value_list = modes;
    mode.input_title = const_cast<char*>("モード");
    mode.input_message = const_cast<char*>("node（点）か line（線）を選びます。");
    mode.error_title = const_cast<char*>("モード");
    mode.error_message = const_cast<char*>("node（点）か line（線）を選んでください。");
    Check(worksheet_data_validation_cell(points, 2, 1, &mode), "mode drop-down");
    worksheet_write_string(points, 4, 0, "X", formats.header);
    worksheet_write_string(points, 4, 1, "Y", formats.header);
    worksheet_write_string(points, 4, 2, "Z", formats.header);
    const double outline[][3] = {{0, 0, 0},   {0, 8, 0},   {30, 10, 0},
                                 {70, 10, 0}, {100, 8, 0}, {100, 0, 0}};
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 3; ++j) {
            worksheet_write_number(points, static_cast<lxw_row_t>(5 + i), static_cast<lxw_col_t>(j),
                                   outline[i][j], formats.input);
        }
    }
    AddButton(points, "図面に描く", "DrawCoordinates");
}

// 「文字」: height, angle and three labels, for labelpen.
void AddTextSheet(lxw_workbook* book, const Formats& formats) {
    lxw_worksheet* texts = AddSheet(book, formats, "文字", "Sheet2", "文字を置く（labelpen）",
                                    "CAD で文字ごとに配置点をクリックします。文字は 100 行まで。");
    worksheet_write_string(texts, 2, 0, "文字の高さ", formats.label);
    worksheet_write_number(texts, 2, 1, 2.5, formats.input);
    worksheet_write_string(texts, 3, 0, "角度", formats.label);
    worksheet_write_number(texts, 3, 1, 0, formats.input);
    worksheet_write_string(texts, 4, 0, "文字", formats.header);
    const char* labels[] = {"A1橋台", "中央径間 L=40m", "A2橋台"};
    for (int i = 0; i < 3; ++i) {
        worksheet_write_string(texts, static_cast<lxw_row_t>(5 + i), 0, labels[i],
                               formats.textInput);
    }
    // Room for more labels, typed as text.
    for (lxw_row_t row = 8; row < 12; ++row) {
        worksheet_write_blank(texts, row, 0, formats.textInput);
    }
    AddButton(texts, "文字を置く", "PlaceTexts");
}

// 「寸法」: expression, row and column, for gaugeread, and the table the
// CAD-side qv fills: one picked dimension value a row, from (12, 5) down.
void AddRequestSheet(lxw_workbook* book, const Formats& formats) {
    lxw_worksheet* request =
        AddSheet(book, formats, "寸法", "Sheet3", "寸法値を依頼する（gaugeread）",
                 "+ か - で始まる式は qv、それ以外は qvpos が受け取ります。+1 なら、CAD で選んだ"
                 "寸法の値が 12 行 5 列（E12）から 1 つずつ下へ書かれます。");
    worksheet_write_string(request, 2, 0, "式", formats.label);
    worksheet_write_string(request, 2, 1, "+1", formats.textInput);
    worksheet_write_string(request, 3, 0, "行", formats.label);
    worksheet_write_string(request, 3, 1, "12", formats.textInput);
    worksheet_write_string(request, 4, 0, "列", formats.label);
    worksheet_write_string(request, 4, 1, "5", formats.textInput);
    worksheet_set_column(request, 4, 4, 14, nullptr);
    worksheet_write_string(request, 10, 4, "寸法値", formats.header);
    for (lxw_row_t row = 11; row < 21; ++row) {
        worksheet_write_blank(request, row, 4, formats.input);
    }
    AddButton(request, "依頼する", "RequestDimension");
    // Where the values come through gaugeread_result.txt (AutoCAD LT and
    // other CADs without automation), the lines of it already applied, and
    // the button that applies the file by hand.
    worksheet_write_string(request, 6, 0, "取り込んだ行", formats.label);
    worksheet_write_number(request, 6, 1, 0, nullptr);
    AddButton(request, "CADの値を取り込む", "ImportCadValues", 7);
}

void WriteWorkbook(const std::string& vbaProject, const std::string& output) {
    lxw_workbook* book = workbook_new(output.c_str());
    if (!book) {
        throw std::runtime_error("cannot create " + output);
    }
    Formats formats{};
    formats.title = workbook_add_format(book);
    format_set_bold(formats.title);
    format_set_font_size(formats.title, 14);
    formats.label = workbook_add_format(book);
    format_set_bold(formats.label);
    formats.header = workbook_add_format(book);
    format_set_bold(formats.header);
    format_set_bg_color(formats.header, 0xDCE6F1);
    format_set_border(formats.header, LXW_BORDER_THIN);
    formats.input = workbook_add_format(book);
    format_set_bg_color(formats.input, 0xFFF2CC);
    format_set_border(formats.input, LXW_BORDER_THIN);
    formats.textInput = workbook_add_format(book);
    format_set_bg_color(formats.textInput, 0xFFF2CC);
    format_set_border(formats.textInput, LXW_BORDER_THIN);
    format_set_num_format_index(formats.textInput, 49); // "@", text
    formats.note = workbook_add_format(book);
    format_set_font_color(formats.note, 0x595959);

    AddCoordinatesSheet(book, formats);
    AddTextSheet(book, formats);
    AddRequestSheet(book, formats);

    Check(workbook_set_vba_name(book, "ThisWorkbook"), "workbook code name");
    Check(workbook_add_vba_project(book, vbaProject.c_str()), "VBA project");
    Check(workbook_close(book), "workbook");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bridgebook_writer VBA_FOLDER WORK_FOLDER OUTPUT.xlsm\n");
        return 2;
    }
    try {
        const std::string vba = argv[1];
        std::vector<VbaModule> modules;
        for (const char* name : {"ThisWorkbook", "Sheet1", "Sheet2", "Sheet3"}) {
            modules.push_back({name, true, StoredSource(ReadText(vba + "/" + name + ".cls"))});
        }
        for (const char* name : {"Module1", "ToolProcess", "DimensionResult"}) {
            modules.push_back({name, false, StoredSource(ReadText(vba + "/" + name + ".bas"))});
        }
        const auto streams = vr::samples::workbook::VbaProjectStreams(
            "{5B1E2C4D-7A3F-4E19-9C2B-6D8E0F1A2B3C}", modules);
        const std::string project = std::string(argv[2]) + "/vbaProject.bin";
        vr::samples::WriteBinaryFile(project, vr::samples::workbook::WriteCompoundFile(streams));
        WriteWorkbook(project, argv[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bridgebook_writer: %s\n", error.what());
        return 1;
    }
    return 0;
}
