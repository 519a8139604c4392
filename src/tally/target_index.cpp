#include "tally/target_index.h"

#include <algorithm>
#include <span>

#include "base/cp932.h"
#include "base/sjis_text.h"
#include "targets/comma_text.h"

// Why the index gives the same answer as a search of every line:
// - A line's text is head + field 4 + tail, where head (fields 0..3 and the comma after
//   them) and tail (the fields after field 4) never change during a pass; only field 4
//   grows. Lines with trailing empty fields are left out, since each append would drop
//   one of them (a split does not see it).
// - A code text runs from the keyword through its first comma (on a character boundary)
//   and holds no other such comma. Where the comma before field 4 is on a character
//   boundary, every occurrence that starts in head ends in head, so head's occurrences
//   can be listed once. Occurrences elsewhere would need the keyword itself after head;
//   a line where it appears there, now or after an append, is searched directly.
// - A ZA or per-city key is "," + QTH + "," with no comma inside, so it can only stand
//   between two neighbouring commas. Those pairs lie in head, in the tail, or are the
//   comma before field 4 and the next comma, which is "," + field 4 + "," while field 4
//   needs no quotes; that last one is kept in a map of short worked fields. Character
//   boundaries in the tail stay where they are as long as field 4 does not end inside a
//   double-byte character.

namespace tally {

namespace {

// The inline QTH field is 7 bytes wide, so no key is longer than this.
constexpr size_t kMaxQthBytes = 7;
constexpr size_t kMaxKeyBytes = kMaxQthBytes + 2;
// Keys shorter than 6 characters are refused before any lookup.
constexpr size_t kMinKeyBytes = 6;
constexpr char kZaPrefix[] = "ZA";

bool IsControlOrComma(char byte) { return static_cast<unsigned char>(byte) < ' ' || byte == ','; }

// The field is written as it is, without quotes (comma text's rule).
bool IsBare(std::string_view field) {
  if (field.empty()) return true;
  const auto first = static_cast<unsigned char>(field.front());
  if (first <= ' ' || first == '"') return false;
  return std::none_of(field.begin(), field.end(), IsControlOrComma);
}

// True when the last byte of `text` is a lead byte that starts a character of its own,
// stepping from `from` (a character boundary): in the line it would take the next byte.
bool EndsInsideCharacter(std::string_view text, size_t from) {
  size_t last = text.size();
  for (size_t pos = from; pos < text.size(); pos += cp932::CharLength(text, pos)) last = pos;
  return last + 1 == text.size() && cp932::IsLeadByte(static_cast<unsigned char>(text[last]));
}

// `head` ends with the comma before field 4; true when that comma starts a character.
bool LastByteOnBoundary(std::string_view head) {
  size_t pos = 0;
  while (pos + 1 < head.size()) pos += cp932::CharLength(head, pos);
  return pos + 1 == head.size();
}

bool HasInnerComma(std::string_view key) {
  return key.size() > 2 && key.substr(1, key.size() - 2).find(',') != std::string_view::npos;
}

}  // namespace

TargetIndex::TargetIndex(SplitTargets& targets, Mode mode, std::string_view keyword)
    : targets_(targets), mode_(mode), states_(targets.size()) {
  if (mode_ == Mode::kCodeText) {
    const size_t comma = cp932::Find(keyword, ",");
    keyword_ = keyword.substr(0, comma == std::string_view::npos ? comma : comma + 1);
    if (keyword_.empty()) return;  // an empty keyword is found nowhere
  } else {
    keyword_ = sjis::FirstBytesPadded(keyword, 2);
  }
  for (size_t i = 1; i < targets_.size(); ++i) AddLine(i);
}

void TargetIndex::AddLine(size_t i) {
  const std::vector<std::string>& fields = targets_.fields(i);
  const std::string head =
      targets::JoinCommaText(std::span<const std::string>(fields.data(), SplitTargets::kWorkedField)) + ",";
  LineState& state = states_[i];
  switch (mode_) {
    case Mode::kCodeText:
      state.in_scope = true;
      break;
    case Mode::kZa:
      state.in_scope = head.starts_with(kZaPrefix);
      break;
    case Mode::kPerCity:
      state.in_scope = sjis::FirstBytesPadded(head, 2) == keyword_;
      break;
  }
  if (!state.in_scope) return;
  if (mode_ == Mode::kPerCity) {
    if (targets_.ReadFieldCount(i) > 2) {
      Add(city_of_, "," + fields[2], i);
    } else {
      odd_city_lines_.push_back(i);
    }
  }

  const std::string& worked = fields[SplitTargets::kWorkedField];
  const std::string line = targets_.Line(i);
  const std::string_view after_head = std::string_view(line).substr(head.size());
  bool slow = targets_.LastExtraFieldEmpty(i) ||
              !LastByteOnBoundary(head) || !IsBare(worked) || EndsInsideCharacter(worked, 0);
  if (!slow && mode_ == Mode::kCodeText) slow = after_head.find(keyword_) != std::string_view::npos;
  if (slow) {
    state.slow = true;
    slow_lines_.push_back(i);
    NoteSlowText(i, line);
    return;
  }
  const std::string_view tail = after_head.substr(worked.size());
  state.has_suffix = !tail.empty();
  switch (mode_) {
    case Mode::kCodeText:
      state.suffix_head = tail.substr(0, keyword_.size() - 1);
      IndexCodeText(i, head);
      break;
    case Mode::kZa:
      IndexSegments(i, head, false);
      IndexSegments(i, tail, false);
      AddDynamic(i);
      break;
    case Mode::kPerCity:
      IndexSegments(i, head, true);
      IndexSegments(i, tail, true);
      AddDynamic(i);
      break;
  }
}

void TargetIndex::IndexCodeText(size_t i, std::string_view head) {
  for (size_t hit = cp932::Find(head, keyword_); hit != std::string_view::npos;
       hit = cp932::Find(head, keyword_, hit + cp932::CharLength(head, hit))) {
    // The comma before field 4 is on a boundary, so there always is one.
    const size_t comma = cp932::Find(head, ",", hit);
    Add(segments_, std::string(head.substr(hit, comma - hit + 1)), i);
  }
}

void TargetIndex::IndexSegments(size_t i, std::string_view text, bool boundaries_only) {
  for (size_t pos = 0; pos < text.size();
       pos += boundaries_only ? cp932::CharLength(text, pos) : 1) {
    if (text[pos] != ',') continue;
    const size_t next = text.find(',', pos + 1);
    if (next == std::string_view::npos) break;
    const size_t length = next - pos + 1;
    if (length >= kMinKeyBytes && length <= kMaxKeyBytes) {
      Add(segments_, std::string(text.substr(pos, length)), i);
    }
  }
}

void TargetIndex::Add(LineMap& map, const std::string& key, size_t i) {
  std::vector<size_t>& lines = map[key];
  if (lines.empty() || lines.back() != i) lines.push_back(i);
}

void TargetIndex::MarkSlow(size_t i) {
  states_[i].slow = true;
  slow_lines_.insert(std::lower_bound(slow_lines_.begin(), slow_lines_.end(), i), i);
  NoteSlowText(i, targets_.Line(i));
}

void TargetIndex::NoteSlowText(size_t i, std::string_view text) {
  std::bitset<256>& bytes = states_[i].bytes;
  // A grown field may be written quoted, and padding adds commas.
  bytes.set(static_cast<unsigned char>('"'));
  bytes.set(static_cast<unsigned char>(','));
  for (const char byte : text) bytes.set(static_cast<unsigned char>(byte));
}

void TargetIndex::AddDynamic(size_t i) {
  const std::string& worked = targets_.fields(i)[SplitTargets::kWorkedField];
  if (states_[i].has_suffix && !worked.empty() && worked.size() <= kMaxQthBytes) {
    Add(dynamic_, worked, i);
  }
}

void TargetIndex::DropDynamic(size_t i, std::string_view worked_field) {
  if (!states_[i].has_suffix || worked_field.empty() || worked_field.size() > kMaxQthBytes) return;
  auto found = dynamic_.find(std::string(worked_field));
  if (found == dynamic_.end()) return;
  std::vector<size_t>& lines = found->second;
  lines.erase(std::remove(lines.begin(), lines.end(), i), lines.end());
}

void TargetIndex::AppendEntry(size_t i, std::string_view call, char qsl_mark, int32_t record_number,
                              const EntryStyle& style) {
  std::string& worked = targets_.WorkedFieldForAppend(i);
  const LineState& state = states_[i];
  if (!state.in_scope || state.slow) {
    const size_t old_size = worked.size();
    AppendEntryText(worked, call, qsl_mark, record_number, style);
    if (state.slow) NoteSlowText(i, std::string_view(worked).substr(old_size));
    return;
  }
  if (mode_ != Mode::kCodeText) DropDynamic(i, worked);
  const size_t old_size = worked.size();
  AppendEntryText(worked, call, qsl_mark, record_number, style);
  if (!GrowthKeepsIndex(i, old_size)) {
    MarkSlow(i);
    return;
  }
  if (mode_ != Mode::kCodeText) AddDynamic(i);
}

bool TargetIndex::GrowthKeepsIndex(size_t i, size_t old_size) const {
  const std::string_view worked = targets_.fields(i)[SplitTargets::kWorkedField];
  const std::string_view added = worked.substr(old_size);
  if (old_size == 0 && !IsBare(worked.substr(0, 1))) return false;
  if (std::any_of(added.begin(), added.end(), IsControlOrComma)) return false;
  // The old field ended on a boundary, so the added text starts on one.
  if (EndsInsideCharacter(worked, old_size)) return false;
  if (mode_ != Mode::kCodeText) return true;
  const size_t overlap = keyword_.size() - 1;
  if (worked.find(keyword_, old_size > overlap ? old_size - overlap : 0) != std::string_view::npos) {
    return false;
  }
  if (states_[i].has_suffix && overlap > 0) {
    std::string junction(worked.substr(worked.size() - std::min(overlap, worked.size())));
    junction += states_[i].suffix_head;
    if (junction.find(keyword_) != std::string::npos) return false;
  }
  return true;
}

bool TargetIndex::SlowLineHolds(size_t i, std::string_view key) const {
  if (states_[i].slow) {
    const std::bitset<256>& bytes = states_[i].bytes;
    for (const char byte : key) {
      if (!bytes.test(static_cast<unsigned char>(byte))) return false;
    }
  }
  const std::string line = targets_.Line(i);
  if (mode_ == Mode::kZa) return line.find(key) != std::string::npos;
  return cp932::Find(line, key) != std::string_view::npos;
}

const std::vector<size_t>& TargetIndex::CodeLines(std::string_view code) {
  result_.clear();
  if (keyword_.empty()) return result_;
  return Collect(segments_, code, false);
}

const std::vector<size_t>& TargetIndex::ZaLines(std::string_view key) {
  if (key.size() > kMaxKeyBytes || HasInnerComma(key)) return ScanAll(key);
  return Collect(segments_, key, true);
}

const std::vector<size_t>& TargetIndex::CityLines(std::string_view key, bool ward_rule) {
  if (!ward_rule) return ZaLines(key);
  result_.clear();
  // "," + field 2 occurs in the key where the key has a comma on a boundary.
  for (size_t start = 0; start < key.size(); start += cp932::CharLength(key, start)) {
    if (key[start] != ',') continue;
    for (size_t length = 1; start + length <= key.size(); ++length) {
      query_.assign(key.substr(start, length));
      auto found = city_of_.find(query_);
      if (found != city_of_.end()) result_.insert(result_.end(), found->second.begin(), found->second.end());
    }
  }
  for (size_t i : odd_city_lines_) {
    if (cp932::Find(key, targets_.Line(i)) != std::string_view::npos) result_.push_back(i);
  }
  std::sort(result_.begin(), result_.end());
  result_.erase(std::unique(result_.begin(), result_.end()), result_.end());
  return result_;
}

const std::vector<size_t>& TargetIndex::Collect(const LineMap& map, std::string_view key,
                                                bool with_dynamic) {
  result_.clear();
  query_.assign(key);
  if (auto found = map.find(query_); found != map.end()) {
    for (size_t i : found->second) {
      if (!states_[i].slow) result_.push_back(i);
    }
  }
  bool unordered = false;
  if (with_dynamic && key.size() >= 2) {
    query_.assign(key.substr(1, key.size() - 2));
    if (auto found = dynamic_.find(query_); found != dynamic_.end() && !found->second.empty()) {
      result_.insert(result_.end(), found->second.begin(), found->second.end());
      unordered = true;
    }
  }
  for (size_t i : slow_lines_) {
    if (SlowLineHolds(i, key)) {
      result_.push_back(i);
      unordered = true;
    }
  }
  if (unordered) {
    std::sort(result_.begin(), result_.end());
    result_.erase(std::unique(result_.begin(), result_.end()), result_.end());
  }
  return result_;
}

const std::vector<size_t>& TargetIndex::ScanAll(std::string_view key) {
  result_.clear();
  for (size_t i = 1; i < states_.size(); ++i) {
    if (states_[i].in_scope && SlowLineHolds(i, key)) result_.push_back(i);
  }
  return result_;
}

}  // namespace tally
