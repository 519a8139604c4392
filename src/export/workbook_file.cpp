#include "export/workbook_file.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <tuple>

#include "base/cp932.h"
#include "base/platform.h"
#include "export/sheet_writer.h"
#include "targets/comma_text.h"

namespace spreadsheet {

namespace {

constexpr double kMaxColumnWidth = 60;

// Which number format a column has, by its position (1 = A).
enum class ColumnFormat { kGeneral, kText, kDate, kTime };
ColumnFormat FormatOfColumn(int column, bool header_row) {
  for (const NumberFormatRange& range : kNumberFormats) {
    const int first = range.first_cell[0] - 'A' + 1;
    const int last = range.last_column[0] - 'A' + 1;
    const bool from_row_one = range.first_cell[1] == '1';
    if (column < first || column > last || (header_row && !from_row_one)) continue;
    const std::string_view format = range.format;
    if (format == "@") return ColumnFormat::kText;
    return format == "hh:mm" ? ColumnFormat::kTime : ColumnFormat::kDate;
  }
  return ColumnFormat::kGeneral;
}

// The formats of the sheet, one for each combination of number format and borders, made
// when first used (libxlsxwriter formats belong to the workbook).
class Formats {
 public:
  explicit Formats(lxw_workbook* book) : book_(book) {}

  lxw_format* For(ColumnFormat number, bool header, bool last_row, bool left, bool right) {
    const auto key = std::make_tuple(number, header, last_row, left, right);
    auto found = formats_.find(key);
    if (found != formats_.end()) return found->second;
    lxw_format* format = workbook_add_format(book_);
    switch (number) {
      case ColumnFormat::kText: format_set_num_format(format, "@"); break;
      case ColumnFormat::kDate: format_set_num_format(format, "yy/mm/dd"); break;
      case ColumnFormat::kTime: format_set_num_format(format, "hh:mm"); break;
      case ColumnFormat::kGeneral: break;
    }
    format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
    if (header) {
      format_set_align(format, LXW_ALIGN_CENTER);
      format_set_top(format, LXW_BORDER_MEDIUM);
      format_set_bottom(format, LXW_BORDER_THIN);
    }
    if (last_row) format_set_bottom(format, LXW_BORDER_MEDIUM);
    if (left) format_set_left(format, LXW_BORDER_MEDIUM);
    if (right) format_set_right(format, LXW_BORDER_MEDIUM);
    formats_.emplace(key, format);
    return format;
  }

 private:
  lxw_workbook* book_;
  std::map<std::tuple<ColumnFormat, bool, bool, bool, bool>, lxw_format*> formats_;
};

// Most cells (numbers, call signs, dates) are plain ASCII, which needs no conversion.
std::string Utf8Of(const std::string& cp932) {
  for (char c : cp932) {
    if (static_cast<unsigned char>(c) >= 0x80) return platform::Cp932ToUtf8(cp932);
  }
  return cp932;
}

// The library opens files by narrow name, which cannot say every name on Windows: the
// workbook is made in the temporary folder under a plain name, then copied beside the
// list whole and moved into place, as every file the program writes.
std::filesystem::path TemporaryWorkbookPath() {
  std::error_code ignored;
  std::random_device random;
  return std::filesystem::temp_directory_path(ignored) /
         ("sorvano-export-" + std::to_string(random()) + "-" + std::to_string(random()) + ".xlsx");
}

Status MoveInPlace(const std::filesystem::path& made, const std::filesystem::path& path) {
  std::string bytes;
  Status status = platform::ReadFileBytes(made, bytes);
  platform::RemoveFileQuietly(made);
  if (!status.ok()) return status;
  std::filesystem::path beside;
  status = platform::WriteTempFileBeside(path, bytes, beside);
  if (!status.ok()) return status;
  status = platform::MoveFileOver(beside, path);
  if (!status.ok()) platform::RemoveFileQuietly(beside);
  return status;
}

}  // namespace

Status WriteWorkbookFile(const std::filesystem::path& path, const std::vector<std::string>& rows) {
  const std::filesystem::path made = TemporaryWorkbookPath();
  const std::optional<std::string> file_name = platform::NarrowFileName(made);
  // Rows go straight to the file in order, without a shared string table: less memory
  // and time for a big list.
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  lxw_workbook* book = file_name ? workbook_new_opt(file_name->c_str(), &options) : nullptr;
  if (book == nullptr) return Status::Error("cannot create " + platform::Cp932FromPath(made));
  lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
  Formats formats(book);

  const int widest = std::max(WidestRow(rows), 1);
  const int row_count = static_cast<int>(rows.size());
  std::vector<size_t> widths(static_cast<size_t>(widest), 0);
  std::vector<std::string> cells;
  lxw_error error = LXW_NO_ERROR;
  for (int i = 0; i < row_count && error == LXW_NO_ERROR; ++i) {
    targets::SplitCommaText(rows[static_cast<size_t>(i)], cells);
    const bool header = i == 0;
    const bool last = i == row_count - 1;
    // Every cell of the table gets its borders, also the empty ones.
    for (int j = 0; j < widest && error == LXW_NO_ERROR; ++j) {
      lxw_format* format = formats.For(FormatOfColumn(j + 1, header), header, last, j == 0, j == widest - 1);
      const size_t column = static_cast<size_t>(j);
      if (column < cells.size() && !cells[column].empty()) {
        widths[column] = std::max(widths[column], cells[column].size());
        error = worksheet_write_string(sheet, static_cast<lxw_row_t>(i), static_cast<lxw_col_t>(j),
                                       Utf8Of(cells[column]).c_str(), format);
      } else {
        error = worksheet_write_blank(sheet, static_cast<lxw_row_t>(i), static_cast<lxw_col_t>(j), format);
      }
    }
  }
  for (int j = 0; j < widest && error == LXW_NO_ERROR; ++j) {
    // Shift-JIS bytes come near the width in characters of a fixed-pitch font.
    const double width = std::min(kMaxColumnWidth, static_cast<double>(widths[static_cast<size_t>(j)]) + 2);
    error = worksheet_set_column(sheet, static_cast<lxw_col_t>(j), static_cast<lxw_col_t>(j), width, nullptr);
  }
  const lxw_error closed = workbook_close(book);
  if (error == LXW_NO_ERROR) error = closed;
  if (error != LXW_NO_ERROR) {
    platform::RemoveFileQuietly(made);
    return Status::Error(platform::Cp932FromPath(path) + ": " + lxw_strerror(error));
  }
  const Status moved = MoveInPlace(made, path);
  if (!moved.ok()) return Status::Error(platform::Cp932FromPath(path) + ": " + moved.message());
  return moved;
}

std::string WorkbookFileName(std::string_view list_file, std::string_view date,
                             const std::function<bool(const std::string&)>& exists) {
  // The extension is the last "." after the last folder separator, found on whole
  // characters ("\" can be the second byte of a double-byte character).
  size_t dot = std::string_view::npos;
  for (size_t i = 0; i < list_file.size(); i += cp932::CharLength(list_file, i)) {
    const char c = list_file[i];
    if (c == '\\' || c == '/' || c == ':') dot = std::string_view::npos;
    if (c == '.') dot = i;
  }
  const std::string stem = std::string(list_file.substr(0, std::min(dot, list_file.size()))) + "_" +
                           std::string(date);
  std::string name = stem + ".xlsx";
  for (int n = 2; exists(name); ++n) name = stem + "_" + std::to_string(n) + ".xlsx";
  return name;
}

}  // namespace spreadsheet
