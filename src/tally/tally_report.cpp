#include "tally/tally_report.h"

#include <unordered_map>

#include "base/cp932.h"
#include "base/sjis_text.h"
#include "targets/comma_text.h"
#include "targets/worked_field.h"

namespace tally {

namespace {

constexpr size_t kWorkedField = SplitTargets::kWorkedField;
constexpr size_t kMessageEvery = 10;
constexpr size_t kFirstEntryChars = 30;
constexpr size_t kDateChars = 8;
constexpr size_t kTimeChars = 5;
constexpr int32_t kReadMode = 3;

}  // namespace

void RemoveDuplicates(SplitTargets& targets, StickyCancel& cancelled, Progress& progress,
                      TallyCallbacks& callbacks) {
  bool changed = true;
  while (changed) {
    changed = false;
    progress.SetMax(static_cast<int>(targets.size()));
    progress.Reset();
    // Lines by the call of their first entry, so that a line's first call finds the
    // lines that begin with it without looking at all the others.
    std::unordered_map<std::string, std::vector<size_t>> by_first_call;
    for (size_t i = 1; i < targets.size(); ++i) {
      const std::string_view run = LeadingCallRun(targets.WorkedField(i));
      if (!run.empty()) by_first_call[std::string(run)].push_back(i);
    }
    for (size_t i = 1; i < targets.size(); ++i) {
      if (cancelled()) break;
      if (i % kMessageEvery == 0) callbacks.ProcessMessages();
      const std::string call_run(LeadingCallRun(targets.WorkedField(i)));
      if (!call_run.empty()) {
        std::vector<size_t>& same_first = by_first_call[call_run];
        std::vector<size_t> holders;
        holders.swap(same_first);
        for (size_t j : holders) {
          if (j == i) {
            same_first.push_back(i);
            continue;
          }
          targets.ReadBack(j);
          std::string& field = targets.fields(j)[kWorkedField];
          DropLeadingCall(call_run, field);
          changed = true;
          // Another call now leads, so the line never lands in `same_first` again.
          const std::string_view next = LeadingCallRun(field);
          if (!next.empty()) by_first_call[std::string(next)].push_back(j);
        }
      }
      progress.SetPosition(static_cast<int>(i + 1));
    }
  }
}

std::optional<std::string> CopyQsoTable(const std::vector<std::string>& lines, QsoSource& source,
                                        QsoRecord& record, const EntryStyle& style, bool with_time,
                                        Progress& progress) {
  TextCalls calls(source);
  progress.SetMax(static_cast<int>(lines.size()));
  progress.Reset();
  std::string table;
  bool filled = false;
  std::vector<std::string> fields;
  for (size_t i = 1; i < lines.size(); ++i) {
    targets::SplitCommaText(lines[i], fields, kWorkedField + 1);
    if (fields.size() > kWorkedField) {
      std::string_view first = sjis::FirstChars(fields[kWorkedField], kFirstEntryChars);
      first = first.substr(0, cp932::Find(first, ":"));
      const BracketPair* pair = &style.worked;
      size_t open = cp932::Find(first, pair->open);
      if (open == std::string_view::npos) {
        pair = &style.confirmed;
        open = cp932::Find(first, pair->open);
      }
      const int32_t number =
          open == std::string_view::npos ? 0 : calls.StrToLong(first.substr(open + pair->open.size()));
      if (source.KRX_read(record.data(), number, kReadMode) == 0) {
        table += sjis::PrintableText(record.Text(qso_field::kCall));
        table += '\t';
        table += sjis::PrintableText(sjis::FirstChars(record.Text(qso_field::kDate), kDateChars));
        table += '\t';
        if (with_time) {
          table += sjis::PrintableText(sjis::FirstChars(record.Text(qso_field::kTime), kTimeChars));
          table += '\t';
        }
        table += sjis::PrintableText(record.Text(qso_field::kFrequency));
        table += '\t';
        table += sjis::PrintableText(record.Text(qso_field::kMode));
        filled = true;
      }
    }
    // Every target line has its row, empty or not, so that row k is line k.
    table += "\r\n";
    progress.SetPosition(static_cast<int>(i));
  }
  if (!filled) return std::nullopt;
  return table;
}

WorkedCounts CountWorked(const std::vector<std::string>& lines, std::string_view confirmed_open) {
  WorkedCounts counts;
  std::vector<std::string> fields;
  for (size_t i = 1; i < lines.size(); ++i) {
    targets::SplitCommaText(lines[i], fields, kWorkedField + 1);
    const targets::WorkedState state = targets::WorkedStateOf(fields, confirmed_open);
    if (state != targets::WorkedState::kUnworked) ++counts.worked;
    if (state == targets::WorkedState::kConfirmed) ++counts.confirmed;
  }
  return counts;
}

}  // namespace tally
