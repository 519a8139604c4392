#include "tally/tally_engine.h"

#include <algorithm>
#include <optional>

#include "base/cp932.h"
#include "base/sjis_text.h"
#include "base/string_utils.h"
#include "tally/qso_record.h"
#include "tally/split_targets.h"
#include "tally/tally_report.h"
#include "tally/tally_support.h"
#include "tally/target_index.h"

namespace tally {

namespace {

constexpr int32_t kShareMode = 1;
constexpr int32_t kOpenMode = 1;
constexpr int32_t kReadMode = 3;
constexpr int32_t kCloseMode = 1;
constexpr int kMessageEvery = 10;
constexpr int kOlderRecordsEndPass = 10;
constexpr int kOldCityQsosEndPass = 10;
constexpr int kHighestNumberedCode = 47;
constexpr int kLowestHotSpringCode = -50000;
constexpr int64_t kZaFirstMonth = 201409;
constexpr int64_t kPerCityFirstYear = 2015;
constexpr size_t kMinKeyChars = 6;
constexpr char kZaKeyword[] = "ZA-";
constexpr char kWardOfFirstCity[] = "1001";

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

int64_t YearOf(int32_t yy) { return yy >= 51 ? int64_t{yy} + 1900 : int64_t{yy} + 2000; }

// One tally from start to clean-up. The destructor is the clean-up that runs on every
// way out: close the database while it is open, hide the progress bar, and send the
// close notice when the open notice went out.
class TallyRun {
 public:
  TallyRun(std::vector<std::string>& lines, QsoSource& source, const TallyOptions& options,
           TallyCallbacks& callbacks)
      : lines_(lines), source_(source), options_(options), callbacks_(callbacks),
        cancelled_(callbacks), progress_(callbacks), calls_(source), filter_(options) {}

  ~TallyRun() {
    try {
      if (targets_ && !written_back_) targets_->WriteBack(lines_);
    } catch (...) {
      // Out of memory while storing the lines: they keep what they had before the tally.
    }
    CallQuietly([&] {
      if (record_.IsOpen()) source_.KorvaxClose(record_.data(), kCloseMode);
    });
    CallQuietly([&] { progress_.Show(false); });
    if (open_notice_sent_ && !close_notice_sent_) CallQuietly([&] { callbacks_.SendCloseNotice(); });
  }

  TallyRun(const TallyRun&) = delete;
  TallyRun& operator=(const TallyRun&) = delete;

  TallyResult Run();

 private:
  template <class Call>
  static void CallQuietly(Call call) {
    try {
      call();
    } catch (...) {
      // The clean-up goes on; the exception that ended the tally is the one that counts.
    }
  }

  bool OpenDatabase();
  bool TallyPass(std::string keyword);
  // False when the pass ends with this record.
  bool ExamineRecord(TargetIndex& index, int& old_city_qsos);
  void MatchRemarks(TargetIndex& index);
  void TallyZa(TargetIndex& index);
  bool TallyPerCity(TargetIndex& index);
  void AppendToLines(TargetIndex& index, const std::vector<size_t>& lines, bool stop_on_cancel);
  std::string_view QthKey();
  void Finish();

  std::vector<std::string>& lines_;
  QsoSource& source_;
  const TallyOptions& options_;
  TallyCallbacks& callbacks_;
  StickyCancel cancelled_;
  Progress progress_;
  TextCalls calls_;
  QsoRecord record_;
  TallyResult result_;
  std::optional<SplitTargets> targets_;
  bool written_back_ = false;
  bool open_notice_sent_ = false;
  bool close_notice_sent_ = false;

  // Settings of this tally.
  EntryStyle style_;
  std::string start_date_;
  int32_t start_record_ = 1;
  QsoFilter filter_;
  bool excel_table_ = false;

  // The pass running.
  std::string keyword_;
  int kind_ = kKindNumbered;
  std::string key_;  // ",QTH," of the record being examined
};

TallyResult TallyRun::Run() {
  result_.AwardKeyword = options_.AwardKeyword;
  style_.worked = ParseBrackets(options_.WkdChars);
  style_.confirmed = ParseBrackets(options_.CfmChars);
  if (!style_.worked.IsUsable() || !style_.confirmed.IsUsable()) {
    std::string keyword = options_.AwardKeyword;
    result_.TargetKind = ClassifyKeyword(keyword, options_.AwdKeywords);
    result_.end = TallyEnd::kUnusableBrackets;
    return result_;
  }

  KeywordSlots slots = options_.AwdKeywords;
  slots[kKeywordSlots - 1] = kFixedLastSlot;
  result_.list = ClassifyList(lines_, slots);
  excel_table_ = options_.ExcelTable && result_.list.ExcelTableAllowed();
  start_date_ = sjis::FirstChars(options_.start_date, kStartDateBytes);
  start_record_ = options_.start_record;
  if (start_record_ < 1) {
    start_record_ = 1;
    callbacks_.StartRecordReset();
  }
  source_.SetDbsShare(kShareMode);
  style_.GiveUpMarks = MakeGiveUpMarks(options_.GiveUpMarks);
  open_notice_sent_ = true;
  callbacks_.SendOpenNotice();
  keyword_ = options_.AwardKeyword.substr(0, kKeywordBytes);
  result_.AwardKeyword = keyword_;
  {
    std::string keyword = keyword_;
    result_.TargetKind = ClassifyKeyword(keyword, slots);
  }
  if (!OpenDatabase()) {
    result_.end = TallyEnd::kNoDatabase;
    return result_;
  }
  targets_.emplace(lines_);

  std::vector<std::string> pass_keywords;
  if (!result_.list.MixedList) {
    pass_keywords.push_back(keyword_);
  } else {
    pass_keywords.push_back(kStationPrefix);
    pass_keywords.push_back(kHotSpringPrefix);
    for (const std::string& slot : slots) {
      if (!IsBlank(slot)) pass_keywords.push_back(slot);
    }
  }
  for (const std::string& keyword : pass_keywords) {
    if (!TallyPass(keyword)) {
      result_.end = TallyEnd::kAborted;
      return result_;
    }
  }
  Finish();
  return result_;
}

bool TallyRun::OpenDatabase() {
  std::string path = options_.database_path;
  while ((result_.open_error = source_.KorvaxOpen(0, record_.data(), path.c_str(), kOpenMode)) != 0) {
    std::optional<std::string> chosen = callbacks_.ChooseDatabase(path);
    if (!chosen) return false;
    path = std::move(*chosen);
  }
  return true;
}

// False when the tally was aborted.
bool TallyRun::TallyPass(std::string keyword) {
  kind_ = ClassifyKeyword(keyword, options_.AwdKeywords);
  keyword_ = keyword;
  result_.AwardKeyword = keyword_;
  result_.TargetKind = kind_;

  const int32_t newest = record_.Number(qso_field::kNewest);
  if (start_record_ >= newest) {
    start_record_ = 1;
    callbacks_.StartRecordReset();
  }
  const int maximum =
      static_cast<int>(std::max<int64_t>(1, (int64_t{newest} - start_record_) / 10));
  progress_.SetMax(maximum);
  progress_.Reset();
  progress_.Show(true);

  const ListKind& list = result_.list;
  TargetIndex::Mode mode = TargetIndex::Mode::kCodeText;
  if (list.ZaList || (!list.PerCityList && list.MixedList && keyword_ == kZaKeyword)) {
    mode = TargetIndex::Mode::kZa;
  } else if (list.PerCityList) {
    mode = TargetIndex::Mode::kPerCity;
  }
  TargetIndex index(*targets_, mode, keyword_);

  int older = 0;
  int met = 0;
  int old_city_qsos = 0;
  // Records newest first, down to the start record. The start record itself counts:
  // with the default start of 1 the oldest QSO would otherwise never be tallied.
  for (int32_t number = newest; number >= start_record_; --number) {
    if (source_.KRX_read(record_.data(), number, kReadMode) != 0) break;
    if (cancelled_()) return false;
    if (calls_.DateComp(start_date_, record_.Text(qso_field::kDate)) > 0) {
      progress_.SetPosition(maximum - 1);
      if (++older >= kOlderRecordsEndPass) break;
      continue;
    }
    ++met;
    progress_.SetPosition(met / 10);
    if (met % kMessageEvery == 0) callbacks_.ProcessMessages();
    if (!ExamineRecord(index, old_city_qsos)) break;
  }
  return true;
}

// Filters and dispatch for one record inside the date range.
bool TallyRun::ExamineRecord(TargetIndex& index, int& old_city_qsos) {
  if (!filter_.Passes(record_, source_, calls_)) return true;
  const ListKind& list = result_.list;
  if (list.ZaList) {
    TallyZa(index);
  } else if (list.PerCityList) {
    // The eleventh QSO before 2015 ends the pass.
    if (!TallyPerCity(index) && ++old_city_qsos > kOldCityQsosEndPass) return false;
  } else if (list.MixedList && keyword_ == kZaKeyword) {
    TallyZa(index);
  } else {
    MatchRemarks(index);
  }
  return true;
}

void TallyRun::MatchRemarks(TargetIndex& index) {
  std::string_view text;
  size_t hit = std::string_view::npos;
  const auto search = [&](int field) {
    text = record_.Text(field);
    hit = cp932::Find(text, keyword_);
    return hit != std::string_view::npos;
  };
  switch (options_.remarks) {
    case RemarksChoice::kRemarks1Only:
      search(qso_field::kRemarks1);
      break;
    case RemarksChoice::kRemarks2Only:
      search(qso_field::kRemarks2);
      break;
    case RemarksChoice::kRemarks1First:
      search(qso_field::kRemarks1) || search(qso_field::kRemarks2);
      break;
    case RemarksChoice::kRemarks2First:
      search(qso_field::kRemarks2) || search(qso_field::kRemarks1);
      break;
  }
  if (hit == std::string_view::npos) return;
  const int32_t n = calls_.StrToLong(text.substr(std::min(hit + 2, text.size())));
  if (kind_ == kKindNumbered) {
    if (n < 1 || n > kHighestNumberedCode || cp932::Find(text, "-", hit) == std::string_view::npos) return;
  } else if (kind_ == kKindHotSpring) {
    if (n < kLowestHotSpringCode || n > -1) return;
  }
  // The code text runs from the hit through the first comma after it.
  const size_t comma = cp932::Find(text, ",", hit);
  if (comma == std::string_view::npos) return;
  AppendToLines(index, index.CodeLines(text.substr(hit, comma - hit + 1)), false);
}

// ",QTH," of the record, or an empty view when it is shorter than 6 characters.
std::string_view TallyRun::QthKey() {
  key_ = ",";
  key_ += TrimRightBlanks(record_.Text(qso_field::kQthCode));
  key_ += ",";
  if (sjis::CharCount(key_) < kMinKeyChars) return {};
  return key_;
}

void TallyRun::TallyZa(TargetIndex& index) {
  const std::string_view date = record_.Text(qso_field::kDate);
  const int64_t year = YearOf(calls_.StrToLong(date));
  const int32_t month = calls_.StrToLong(date.substr(std::min<size_t>(3, date.size())));
  if (year * 100 + month < kZaFirstMonth) return;
  const std::string_view key = QthKey();
  if (key.empty()) return;
  if (options_.NoDuplicates && IsClubOrSpecialCall(record_.Text(qso_field::kCall))) return;
  AppendToLines(index, index.ZaLines(key), true);
}

// False for a QSO before 2015.
bool TallyRun::TallyPerCity(TargetIndex& index) {
  if (YearOf(calls_.StrToLong(record_.Text(qso_field::kDate))) < kPerCityFirstYear) return false;
  const std::string_view key = QthKey();
  if (key.empty()) return true;
  const std::string_view code = record_.Text(qso_field::kQthCode);
  const bool ward_rule = (options_.AwardOptions & 1) != 0 && calls_.ChosonCheck(code) == 6 &&
                         !code.starts_with(kWardOfFirstCity);
  AppendToLines(index, index.CityLines(key, ward_rule), true);
  return true;
}

void TallyRun::AppendToLines(TargetIndex& index, const std::vector<size_t>& lines,
                             bool stop_on_cancel) {
  if (lines.empty()) return;
  const std::string_view call = record_.Text(qso_field::kCall);
  const std::string_view mark = record_.Text(qso_field::kQslMark);
  const char qsl_mark = mark.empty() ? '\0' : mark.front();
  const int32_t number = record_.Number(qso_field::kLastRead);
  for (size_t i : lines) {
    if (stop_on_cancel && cancelled_()) return;
    index.AppendEntry(i, call, qsl_mark, number, style_);
  }
}

void TallyRun::Finish() {
  if (options_.NoDuplicates) RemoveDuplicates(*targets_, cancelled_, progress_, callbacks_);
  targets_->WriteBack(lines_);
  written_back_ = true;

  bool table_made = false;
  if (result_.list.ZaList || excel_table_) {
    result_.clipboard = CopyQsoTable(lines_, source_, record_, style_, excel_table_, progress_);
    table_made = result_.clipboard.has_value();
  }
  const WorkedCounts counts = CountWorked(lines_, style_.confirmed.open);
  result_.counted = true;
  result_.worked = counts.worked;
  result_.confirmed = counts.confirmed;
  result_.report = ReportText(counts.worked, counts.confirmed, options_.AwardName, table_made);
  const bool cancelled = cancelled_();
  result_.enable_save = counts.worked >= 1 && !cancelled;
  result_.show_report = !cancelled;
  result_.end = cancelled ? TallyEnd::kAborted : TallyEnd::kDone;

  source_.KorvaxClose(record_.data(), kCloseMode);
  close_notice_sent_ = true;
  callbacks_.SendCloseNotice();
}

}  // namespace

TallyResult RunTally(std::vector<std::string>& lines, QsoSource& source, const TallyOptions& options,
                     TallyCallbacks& callbacks) {
  TallyRun run(lines, source, options, callbacks);
  return run.Run();
}

}  // namespace tally
