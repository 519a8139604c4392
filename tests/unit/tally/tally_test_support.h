// What the tally tests share: a temporary folder, QSO databases written with MstWriter,
// callbacks that record what the tally told the dialog and can abort it, and a source
// that puts hostile texts into the record buffer after each read.
#pragma once

#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <korvax50.h>

#include "mst_writer.h"
#include "support/temp_folder.h"
#include "tally/qso_record.h"
#include "tally/qso_source.h"
#include "tally/tally_engine.h"

namespace tally_test {

using ::TempFolder;

inline std::string WriteDatabase(const std::string& path, const std::vector<korvax::MstRecord>& qsos) {
  korvax::MstWriter writer(path);
  for (const korvax::MstRecord& qso : qsos) writer.Append(qso);
  if (!writer.Finish()) throw std::runtime_error("cannot write " + path);
  return path;
}

// Records every call in order; positions only when they change, since the tally may
// skip telling the bar a position it already shows.
class RecordingCallbacks : public tally::TallyCallbacks {
 public:
  std::vector<std::string> events;
  int messages = 0;
  int cancel_at_message = -1;  // CancelRequested turns true inside this ProcessMessages call
  std::vector<std::string> database_choices;  // answers of ChooseDatabase, in turn
  std::vector<std::string> failed_paths;
  std::function<void()> on_message;

  void ProcessMessages() override {
    ++messages;
    events.push_back("messages");
    if (messages == cancel_at_message) cancel_ = true;
    if (on_message) on_message();
  }
  bool CancelRequested() override { return cancel_; }
  void SetProgressMax(int maximum) override {
    events.push_back("max " + std::to_string(maximum));
  }
  void SetProgressPosition(int position) override {
    if (position == position_) return;
    position_ = position;
    events.push_back("position " + std::to_string(position));
  }
  void ShowProgress(bool visible) override {
    visible_ = visible;
    events.push_back(visible ? "show" : "hide");
  }
  std::optional<std::string> ChooseDatabase(const std::string& failed_path) override {
    failed_paths.push_back(failed_path);
    events.push_back("choose");
    if (database_choices.empty()) return std::nullopt;
    std::string next = database_choices.front();
    database_choices.erase(database_choices.begin());
    return next;
  }
  void StartRecordReset() override { events.push_back("spin1 := 1"); }
  void SendOpenNotice() override {
    ++open_notices;
    events.push_back("open notice");
  }
  void SendCloseNotice() override {
    ++close_notices;
    events.push_back("close notice");
  }

  int open_notices = 0;
  int close_notices = 0;
  bool progress_visible() const { return visible_; }

 private:
  bool cancel_ = false;
  int position_ = 0;
  bool visible_ = false;
};

// The real library, with hooks: texts written into the buffer after each read, and a
// count of open databases, so that a test sees every open closed.
class HookedLibrary : public tally::KorvaxLibrary {
 public:
  std::function<void(char* record, int32_t number)> after_read;
  int opens = 0;
  int closes = 0;

  int32_t KorvaxOpen(int32_t reserved, char* record, const char* path, int32_t mode) override {
    const int32_t result = KorvaxLibrary::KorvaxOpen(reserved, record, path, mode);
    if (result == 0) ++opens;
    return result;
  }
  int32_t KRX_read(char* record, int32_t number, int32_t mode) override {
    const int32_t result = KorvaxLibrary::KRX_read(record, number, mode);
    if (result == 0 && after_read) after_read(record, number);
    return result;
  }
  int32_t KorvaxClose(char* record, int32_t mode) override {
    if (QsoNumber(record, qso_field::kOpen) > 0) ++closes;
    return KorvaxLibrary::KorvaxClose(record, mode);
  }
};

// Points a reference field of the buffer at `text`, stored at `offset` in the buffer.
inline void PutText(char* record, int field, int offset, const std::string& text) {
  std::memcpy(record + offset, text.data(), text.size());
  record[offset + static_cast<int>(text.size())] = '\0';
#if KRX_TEXT_FIELDS_HOLD_ADDRESSES
  const auto reference = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(record + offset));
#else
  const auto reference = static_cast<uint32_t>(offset);
#endif
  std::memcpy(record + field, &reference, sizeof reference);
}

}  // namespace tally_test
