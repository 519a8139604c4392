// A plain, literal tally for what the engine does in its own clever way and must be
// checked against independently: finding the targets a QSO counts for (every target line
// searched for every QSO, every entry appended by splitting and joining its line) and
// removing duplicates (every pass comparing every pair of lines). The rest (the rules,
// the record filters, the abort flag, the progress bar, the QSO table, the counts and the
// report) is the engine's own plumbing, reused. The differential test and the benchmark
// compare the engine against it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/cp932.h"
#include "base/sjis_text.h"
#include "base/string_utils.h"
#include "tally/qso_record.h"
#include "tally/tally_engine.h"
#include "tally/tally_report.h"
#include "tally/tally_support.h"
#include "targets/comma_text.h"

namespace reference {

using namespace tally;

class ReferenceTally {
 public:
  ReferenceTally(std::vector<std::string>& lines, QsoSource& source, const TallyOptions& options,
                 TallyCallbacks& callbacks)
      : lines_(lines), source_(source), options_(options), callbacks_(callbacks),
        cancelled_(callbacks), progress_(callbacks), calls_(source), filter_(options) {}

  ~ReferenceTally() {
    if (record_.Number(qso_field::kOpen) > 0) source_.KorvaxClose(record_.data(), 1);
    callbacks_.ShowProgress(false);
    if (open_notice_ && !close_notice_) callbacks_.SendCloseNotice();
  }

  TallyResult Run() {
    result_.AwardKeyword = options_.AwardKeyword;
    // Brackets that break the rule stop the tally before anything else.
    style_.worked = ParseBrackets(options_.WkdChars);
    style_.confirmed = ParseBrackets(options_.CfmChars);
    if (!style_.worked.IsUsable() || !style_.confirmed.IsUsable()) {
      std::string keyword = options_.AwardKeyword;
      result_.TargetKind = ClassifyKeyword(keyword, options_.AwdKeywords);
      result_.end = TallyEnd::kUnusableBrackets;
      return result_;
    }
    // The list's type and the settings of this tally.
    slots_ = options_.AwdKeywords;
    slots_[kKeywordSlots - 1] = kFixedLastSlot;
    result_.list = ClassifyList(lines_, slots_);
    const bool excel = options_.ExcelTable && result_.list.ExcelTableAllowed();
    start_date_ = std::string(sjis::FirstChars(options_.start_date, 8));
    // The start record.
    spin1_ = options_.start_record;
    if (spin1_ < 1) {
      spin1_ = 1;
      callbacks_.StartRecordReset();
    }
    // Sharing mode, give-up marks, the open notice.
    source_.SetDbsShare(1);
    style_.GiveUpMarks = MakeGiveUpMarks(options_.GiveUpMarks);
    open_notice_ = true;
    callbacks_.SendOpenNotice();
    // The award keyword and the kind of target it names.
    award_keyword_ = options_.AwardKeyword.substr(0, 6);
    result_.AwardKeyword = award_keyword_;
    {
      std::string keyword = award_keyword_;
      result_.TargetKind = ClassifyKeyword(keyword, slots_);
    }
    // The database, through the file dialog until one opens.
    std::string path = options_.database_path;
    while (source_.KorvaxOpen(0, record_.data(), path.c_str(), 1) != 0) {
      std::optional<std::string> chosen = callbacks_.ChooseDatabase(path);
      if (!chosen) {
        result_.end = TallyEnd::kNoDatabase;
        return result_;
      }
      path = *chosen;
    }
    // Every worked field emptied.
    for (size_t i = 1; i < lines_.size(); ++i) {
      std::vector<std::string> fields = targets::SplitCommaText(lines_[i]);
      while (fields.size() < 5) fields.emplace_back();
      fields[4].clear();
      lines_[i] = targets::JoinCommaText(fields);
    }
    // One database pass per keyword: the award's, or on a mixed list each kind's.
    std::vector<std::string> keywords;
    if (!result_.list.MixedList) {
      keywords.push_back(award_keyword_);
    } else {
      keywords.push_back(kStationPrefix);
      keywords.push_back(kHotSpringPrefix);
      for (int slot = 0; slot < kKeywordSlots; ++slot) {
        if (slots_[slot].find_first_not_of(' ') != std::string::npos) keywords.push_back(slots_[slot]);
      }
    }
    for (const std::string& keyword : keywords) {
      award_keyword_ = keyword;
      if (!TallyPass()) {
        result_.end = TallyEnd::kAborted;
        return result_;
      }
    }
    // Duplicates removed until a pass changes nothing.
    if (options_.NoDuplicates) {
      while (RemoveDuplicatesPass()) {
      }
    }
    // The QSO table for the clipboard.
    bool table_made = false;
    if (result_.list.ZaList || excel) {
      result_.clipboard = tally::CopyQsoTable(lines_, source_, record_, style_, excel, progress_);
      table_made = result_.clipboard.has_value();
    }
    // The counts and the report.
    const WorkedCounts counts = CountWorked(lines_, style_.confirmed.open);
    const int worked = counts.worked;
    const int confirmed = counts.confirmed;
    result_.counted = true;
    result_.worked = worked;
    result_.confirmed = confirmed;
    result_.report = ReportText(worked, confirmed, options_.AwardName, table_made);
    result_.enable_save = worked >= 1 && !Cancel();
    // The database closed, the close notice sent.
    source_.KorvaxClose(record_.data(), 1);
    close_notice_ = true;
    callbacks_.SendCloseNotice();
    result_.show_report = !Cancel();
    result_.end = Cancel() ? TallyEnd::kAborted : TallyEnd::kDone;
    return result_;
  }

 private:
  bool Cancel() { return cancelled_(); }

  int32_t Long(std::string_view text) { return source_.StrToLong(std::string(text).c_str()); }

  // One pass over the database from the newest record down; false when it was aborted.
  bool TallyPass() {
    result_.TargetKind = kind_ = ClassifyKeyword(award_keyword_, options_.AwdKeywords);
    result_.AwardKeyword = award_keyword_;
    const int32_t newest = record_.Number(qso_field::kNewest);
    int32_t start = spin1_;
    if (start >= newest) {
      start = 1;
      spin1_ = 1;
      callbacks_.StartRecordReset();
    }
    int maximum = static_cast<int>((int64_t{newest} - start) / 10);
    if (maximum < 1) maximum = 1;
    callbacks_.SetProgressMax(maximum);
    callbacks_.SetProgressPosition(0);
    callbacks_.ShowProgress(true);
    int older = 0;
    int met = 0;
    int old = 0;
    int32_t number = newest;
    while (true) {
      if (number < start) break;  // the start record is the last one examined
      if (source_.KRX_read(record_.data(), number, 3) != 0) break;
      --number;
      if (Cancel()) return false;
      if (source_.DateComp(start_date_.c_str(), std::string(record_.Text(qso_field::kDate)).c_str()) > 0) {
        ++older;
        callbacks_.SetProgressPosition(maximum - 1);
        if (older == 10) break;
        continue;
      }
      ++met;
      callbacks_.SetProgressPosition(met / 10);
      if (met % 10 == 0) callbacks_.ProcessMessages();
      if (!filter_.Passes(record_, source_, calls_)) continue;
      if (result_.list.ZaList) {
        TallyZa();
      } else if (result_.list.PerCityList) {
        if (!TallyPerCity()) {
          ++old;
          if (old > 10) break;
        }
      } else if (result_.list.MixedList && award_keyword_ == "ZA-") {
        TallyZa();
      } else {
        RemarksMatch();
      }
    }
    return true;
  }

  // Matching in the remarks: the code after the keyword, then every line that holds it.
  void RemarksMatch() {
    std::string text;
    size_t hit = std::string::npos;
    auto search = [&](int field) {
      text = std::string(record_.Text(field));
      hit = cp932::Find(text, award_keyword_);
      return hit != std::string::npos;
    };
    switch (options_.remarks) {
      case RemarksChoice::kRemarks1Only: search(qso_field::kRemarks1); break;
      case RemarksChoice::kRemarks2Only: search(qso_field::kRemarks2); break;
      case RemarksChoice::kRemarks1First: if (!search(qso_field::kRemarks1)) search(qso_field::kRemarks2); break;
      case RemarksChoice::kRemarks2First: if (!search(qso_field::kRemarks2)) search(qso_field::kRemarks1); break;
    }
    if (hit == std::string::npos) return;
    const int32_t n = Long(hit + 2 <= text.size() ? std::string_view(text).substr(hit + 2) : "");
    if (kind_ == 0 && !(n >= 1 && n <= 47 && cp932::Find(text, "-", hit) != std::string::npos)) return;
    if (kind_ == 1 && !(n >= -50000 && n <= -1)) return;
    const size_t comma = cp932::Find(text, ",", hit);
    if (comma == std::string::npos) return;
    const std::string code = text.substr(hit, comma - hit + 1);
    for (size_t i = 1; i < lines_.size(); ++i) {
      if (cp932::Find(lines_[i], code) != std::string::npos) Append(i);
    }
  }

  void Append(size_t i) {
    const std::string_view mark = record_.Text(qso_field::kQslMark);
    AppendQsoEntry(lines_[i], record_.Text(qso_field::kCall), mark.empty() ? '\0' : mark[0],
                   record_.Number(qso_field::kLastRead), style_);
  }

  int64_t Year() {
    const int32_t yy = Long(record_.Text(qso_field::kDate));
    return yy >= 51 ? int64_t{yy} + 1900 : int64_t{yy} + 2000;
  }

  std::string Key() {
    return "," + std::string(TrimRightBlanks(record_.Text(qso_field::kQthCode))) + ",";
  }

  // Matching on a ZA list: the QSO's QTH code in the ZA lines, for QSOs from 2014/09.
  void TallyZa() {
    const std::string date(record_.Text(qso_field::kDate));
    const int32_t mm = Long(date.size() > 3 ? date.substr(3) : "");
    if (Year() * 100 + mm < 201409) return;
    const std::string key = Key();
    if (sjis::CharCount(key) < 6) return;
    if (options_.NoDuplicates && IsClubOrSpecialCall(record_.Text(qso_field::kCall))) return;
    for (size_t i = 1; i < lines_.size(); ++i) {
      if (Cancel()) break;
      if (lines_[i].starts_with("ZA") && lines_[i].find(key) != std::string::npos) Append(i);
    }
  }

  // Matching on a one-target-per-city list: the QTH code in the lines of the keyword's
  // kind, ward codes for their city when the list says so; false for QSOs before 2015.
  bool TallyPerCity() {
    if (Year() < 2015) return false;
    const std::string key = Key();
    if (sjis::CharCount(key) < 6) return true;
    const std::string code(record_.Text(qso_field::kQthCode));
    for (size_t i = 1; i < lines_.size(); ++i) {
      if (Cancel()) break;
      if (sjis::FirstBytesPadded(lines_[i], 2) != sjis::FirstBytesPadded(award_keyword_, 2)) continue;
      bool match;
      if ((options_.AwardOptions & 1) != 0 && source_.ChosonCheck(code.c_str()) == 6 &&
          !code.starts_with("1001")) {
        std::vector<std::string> fields = targets::SplitCommaText(lines_[i]);
        const std::string s = fields.size() > 2 ? "," + fields[2] : lines_[i];
        match = cp932::Find(key, s) != std::string::npos;
      } else {
        match = cp932::Find(lines_[i], key) != std::string::npos;
      }
      if (match) Append(i);
    }
    return true;
  }

  // One duplicates pass: each line's first call taken away from the front of every other
  // line's worked field.
  bool RemoveDuplicatesPass() {
    bool changed = false;
    callbacks_.SetProgressMax(static_cast<int>(lines_.size()));
    callbacks_.SetProgressPosition(0);
    for (size_t i = 1; i < lines_.size(); ++i) {
      if (Cancel()) break;
      if (i % 10 == 0) callbacks_.ProcessMessages();
      std::vector<std::string> fields_i = targets::SplitCommaText(lines_[i]);
      if (fields_i.size() > 4) {
        const std::string x(LeadingCallRun(fields_i[4]));
        for (size_t j = 1; j < lines_.size(); ++j) {
          if (j == i) continue;
          std::vector<std::string> fields_j = targets::SplitCommaText(lines_[j]);
          if (fields_j.size() <= 4) continue;
          if (DropLeadingCall(x, fields_j[4])) {
            lines_[j] = targets::JoinCommaText(fields_j);
            changed = true;
          }
        }
      }
      callbacks_.SetProgressPosition(static_cast<int>(i + 1));
    }
    return changed;
  }

  std::vector<std::string>& lines_;
  QsoSource& source_;
  const TallyOptions& options_;
  TallyCallbacks& callbacks_;
  TallyResult result_;
  QsoRecord record_;
  EntryStyle style_;
  KeywordSlots slots_;
  std::string start_date_;
  std::string award_keyword_;
  int32_t spin1_ = 1;
  int kind_ = 0;
  StickyCancel cancelled_;
  Progress progress_;
  TextCalls calls_;
  QsoFilter filter_;
  bool open_notice_ = false;
  bool close_notice_ = false;
};

inline TallyResult RunTally(std::vector<std::string>& lines, QsoSource& source,
                            const TallyOptions& options, TallyCallbacks& callbacks) {
  ReferenceTally tally(lines, source, options, callbacks);
  return tally.Run();
}

}  // namespace reference
