// The tally engine: empties the worked field (field 4) of every target line, reads the
// QSO database from the newest record down, appends a worked or confirmed entry to every
// target a QSO counts for, and counts and reports. It has no UI: the dialog passes its
// settings in TallyOptions, the database is reached through a QsoSource, and progress,
// abort, the file dialog and the notices to the logging program go through TallyCallbacks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tally/qso_source.h"
#include "tally/tally_rules.h"

namespace tally {

enum class RemarksChoice {
  kRemarks1Only,   // Radio3 "Remarks１のみ"
  kRemarks2Only,   // Radio4 "Remarks２のみ"
  kRemarks1First,  // Radio5 "Remarks１を優先"
  kRemarks2First,  // Radio8 "Remarks２を優先"
};

enum class PortableChoice {
  kBoth = 0,          // KoteiChk unchecked
  kPortableOnly = 1,  // checked
  kFixedOnly = 2,     // grayed
};

inline constexpr uint32_t kAllBands = 0x8000;  // Check16 "AllBand"

// What the dialog hands over when Button1 starts a tally.
struct TallyOptions {
  std::string WkdChars = kDefaultWkdChars;  // Edit2: the first two characters are used
  std::string CfmChars = kDefaultCfmChars;  // Edit3
  std::string start_date = kNoStartDate;    // Edit5, yy/mm/dd
  int32_t start_record = 1;   // Spin1's value; below 1 counts as 1
  // Bit n-1 for each checked Check n (n = 1..16); 0 or any value from kAllBands up
  // admits every band.
  uint32_t band_mask = kAllBands;
  PortableChoice portable = PortableChoice::kBoth;
  RemarksChoice remarks = RemarksChoice::kRemarks2Only;
  std::string ModeFilter;   // Edit1; trimmed here
  std::string GiveUpMarks;  // Edit4; trimmed and followed by one blank here
  bool NoDuplicates = false;  // Check18
  bool ExcelTable = false;    // Check17 checked; dropped for ZA and mixed lists
  // The first 6 bytes of the line at the grid's current row (cut here as well).
  std::string AwardKeyword;
  KeywordSlots AwdKeywords;  // Awd0..Awd23, trimmed and cut to 6 bytes; slot 24 is ひ-北
  std::string AwardName;     // header field 5, or 運用局
  int32_t AwardOptions = 0;  // header field 7; bit 0: ward codes count for their city
  std::string database_path = kDefaultQsoDatabase;  // settings "Main"/"QSO"
};

// The dialog's side of a running tally. Every method has a harmless default.
class TallyCallbacks {
 public:
  virtual ~TallyCallbacks() = default;

  // Pending window messages: called on every tenth record inside the date range and
  // every tenth line of a duplicates pass, where an abort click gets through.
  virtual void ProcessMessages() {}
  // Read before each record, before each target line of the ZA and per-city loops and
  // each line of a duplicates pass. Once it answers true the tally stays aborted.
  virtual bool CancelRequested() { return false; }
  // Progress1.
  virtual void SetProgressMax(int maximum) { (void)maximum; }
  virtual void SetProgressPosition(int position) { (void)position; }
  virtual void ShowProgress(bool visible) { (void)visible; }
  // The database at `failed_path` did not open: the file dialog Open2, starting in that
  // file's folder. Returns the chosen file (the caller stores it as "Main"/"QSO"), or
  // nothing when the operator cancels, which ends the tally without a message.
  virtual std::optional<std::string> ChooseDatabase(const std::string& failed_path) {
    (void)failed_path;
    return std::nullopt;
  }
  // Spin1 := "1" (the start record was below 1, or at or above the newest record).
  virtual void StartRecordReset() {}
  // WM_COPYDATA open and close notices to the logging program's window (when it runs).
  // Every open notice is followed by a close notice, on every way out.
  virtual void SendOpenNotice() {}
  virtual void SendCloseNotice() {}
};

enum class TallyEnd {
  kDone,             // the tally ran to its end
  kAborted,          // CancelRequested: see TallyResult::counted
  kNoDatabase,       // the operator cancelled the file dialog; nothing changed
  kUnusableBrackets,  // WkdChars or CfmChars breaks the bracket rule: close the dialog
};

struct TallyResult {
  TallyEnd end = TallyEnd::kDone;
  ListKind list;  // ClassifyList's flags (Check17 is enabled when ExcelTableAllowed)
  // The worked and confirmed counts were made: WorkedCount := worked. False after an
  // abort during a database pass (WorkedCount stays as it was).
  bool counted = false;
  int worked = 0;
  int confirmed = 0;
  std::string report;         // the text of the closing message, when counted
  bool show_report = false;   // message box: caption AwardName, information icon, OK
  bool enable_save = false;   // Save1 is enabled: the list has unsaved changes
  // The tab-separated QSO table for the clipboard (rows end in CR LF), when one was made.
  std::optional<std::string> clipboard;
  // The dialog fields as the passes leave them.
  std::string AwardKeyword;
  int TargetKind = 0;
  // With kNoDatabase: what the library said when the database last failed to open
  // (a kKrx code), 0 when no open was tried.
  int32_t open_error = 0;
};

// Runs one tally over `lines` (line 0 is the header; lines 1..last are the targets).
// The lines are changed from the moment the database opened (field 4 emptied, entries
// appended), also when the tally is aborted. The database is closed, the progress bar
// hidden and the close notice sent on every way out, exceptions included.
TallyResult RunTally(std::vector<std::string>& lines, QsoSource& source,
                     const TallyOptions& options, TallyCallbacks& callbacks);

}  // namespace tally
