// Small helpers shared by the parts of a tally run: the abort flag that stays set once
// the dialog reported it, a progress bar that is only told about changes, and calls of
// the library's text functions, which need NUL-terminated text, on views into a record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

}  // namespace tally
