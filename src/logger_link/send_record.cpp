#include "logger_link/send_record.h"

#include <vector>

#include "base/cp932.h"
#include "base/sjis_text.h"
#include "korvax50.h"
#include "logger_link/link_protocol.h"
#include "targets/comma_text.h"

namespace logger_link {
namespace {

constexpr size_t kEditTextLimit = 256;
constexpr size_t kComboTextLimit = 60;
constexpr size_t kShortestCodeWithQth = 2;

void AppendLine(std::string& record, std::string_view line) {
  record += line;
  record += "\r\n";
}

}  // namespace

std::optional<std::string> BuildSendRecord(std::string_view edit2_text, const SendOptions& options) {
  const std::string_view text = sjis::CutToBytes(edit2_text, kEditTextLimit);
  const size_t first_comma = text.find(',');
  if (first_comma == std::string_view::npos) return std::nullopt;
  const size_t second_comma = text.find(',', first_comma + 1);
  if (second_comma == std::string_view::npos) return std::nullopt;

  const std::string_view remarks = text.substr(0, second_comma);
  std::vector<std::string> fields = targets::SplitCommaText(text.substr(second_comma + 1));
  if (fields.size() < 2) fields.resize(2);
  if (fields[0].size() < kShortestCodeWithQth) fields[1].clear();
  if (!options.code_and_qth) {
    fields[0].clear();
    fields[1].clear();
  }

  std::string record;
  record.reserve(2 * kRecordLines + fields[0].size() + fields[1].size() + 2 * remarks.size());
  for (int line = 0; line < kCodeLine; ++line) AppendLine(record, "");
  AppendLine(record, fields[0]);
  for (int line = kCodeLine + 1; line < kQthLine; ++line) AppendLine(record, "");
  AppendLine(record, fields[1]);
  AppendLine(record, options.to_remarks1 ? remarks : "");
  AppendLine(record, options.to_remarks1 ? "" : remarks);
  return record;
}

std::uint32_t SendRequestCode(const SendOptions& options) {
  std::uint32_t code = kSendTarget;
  if (options.placement == Placement::kRight) code += kPlaceRightBit;
  if (options.placement == Placement::kLeft) code += kPlaceLeftBit;
  if (options.use_korvax_mst) code += kUseKorvaxMstBit;
  return code;
}

std::optional<std::string> QsoNumberText(std::string_view combo_text, std::string_view wkd_chars,
                                         std::string_view cfm_chars) {
  if (wkd_chars.size() < 2 || cfm_chars.size() < 2) return std::nullopt;
  const std::string_view text = sjis::CutToBytes(combo_text, kComboTextLimit);
  size_t open = cp932::Find(text, wkd_chars.substr(0, 1));
  if (open == std::string_view::npos) open = cp932::Find(text, cfm_chars.substr(0, 1));
  if (open == std::string_view::npos) return std::nullopt;
  const size_t start = open + 1;
  size_t close = cp932::Find(text, wkd_chars.substr(1, 1), start);
  if (close == std::string_view::npos) close = cp932::Find(text, cfm_chars.substr(1, 1), start);
  if (close == std::string_view::npos) return std::nullopt;
  std::string number(text.substr(start, close - start));
  if (StrToLong(number.c_str()) < 1) return std::nullopt;
  return number;
}

}  // namespace logger_link
