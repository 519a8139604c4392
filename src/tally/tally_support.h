// Small helpers shared by the parts of a tally run: the abort flag that stays set once
// the dialog reported it, a progress bar that is only told about changes, calls of the
// library's text functions, which need NUL-terminated text, on views into a record, and
// the filters a record inside the date range must pass.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/cp932.h"
#include "base/sjis_text.h"
#include "tally/qso_record.h"
#include "tally/qso_source.h"
#include "tally/tally_engine.h"

namespace tally {

class StickyCancel {
 public:
  explicit StickyCancel(TallyCallbacks& callbacks) : callbacks_(callbacks) {}
  bool operator()() {
    if (!set_) set_ = callbacks_.CancelRequested();
    return set_;
  }

 private:
  TallyCallbacks& callbacks_;
  bool set_ = false;
};

class Progress {
 public:
  explicit Progress(TallyCallbacks& callbacks) : callbacks_(callbacks) {}
  void SetMax(int maximum) { callbacks_.SetProgressMax(maximum); }
  void SetPosition(int position) {
    if (position == position_) return;
    position_ = position;
    callbacks_.SetProgressPosition(position);
  }
  // Always tells the bar, so that a new maximum starts from a known position.
  void Reset() {
    position_ = 0;
    callbacks_.SetProgressPosition(0);
  }
  void Show(bool visible) { callbacks_.ShowProgress(visible); }

 private:
  TallyCallbacks& callbacks_;
  int position_ = 0;
};

class TextCalls {
 public:
  explicit TextCalls(QsoSource& source) : source_(source) {}
  int32_t StrToLong(std::string_view text) { return source_.StrToLong(Terminated(text, first_)); }
  int32_t FreqPCheck(std::string_view text) { return source_.FreqPCheck(Terminated(text, first_)); }
  int32_t ChosonCheck(std::string_view text) { return source_.ChosonCheck(Terminated(text, first_)); }
  int32_t DateComp(std::string_view a, std::string_view b) {
    return source_.DateComp(Terminated(a, first_), Terminated(b, second_));
  }

 private:
  static const char* Terminated(std::string_view text, std::string& copy) {
    copy.assign(text);
    return copy.c_str();
  }

  QsoSource& source_;
  std::string first_;
  std::string second_;
};

// The portable/fixed choice, the bands and the modes of a tally: whether a record inside
// the date range counts at all.
class QsoFilter {
 public:
  explicit QsoFilter(const TallyOptions& options)
      : portable_(options.portable),
        band_mask_(options.band_mask),
        all_bands_(options.band_mask == 0 || options.band_mask >= kAllBands),
        mode_filter_(sjis::TrimBlanks(options.ModeFilter)) {}

  bool Passes(QsoRecord& record, QsoSource& source, TextCalls& calls) const {
    if (portable_ != PortableChoice::kBoth) {
      const bool portable = source.isPortable(record.data()) >= 0;
      if (portable != (portable_ == PortableChoice::kPortableOnly)) return false;
    }
    if (!all_bands_) {
      const int32_t band = calls.FreqPCheck(record.Text(qso_field::kFrequency));
      const uint32_t bit = band <= 0 ? 1u : band < 32 ? 1u << band : 0u;
      if ((band_mask_ & bit) == 0) return false;
    }
    if (!mode_filter_.empty()) {
      const std::string_view mode = record.Text(qso_field::kMode);
      if (mode.empty() || cp932::Find(mode_filter_, mode) == std::string_view::npos) return false;
    }
    return true;
  }

 private:
  PortableChoice portable_;
  uint32_t band_mask_;
  bool all_bands_;
  std::string mode_filter_;
};

}  // namespace tally
